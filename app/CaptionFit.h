#pragma once

#include <QList>

class QAbstractButton;

// Buttons keep their designed widths, so their captions take a smaller type where a language's
// caption would not fit, rather than being cut short. All the buttons get the same size.
void FitCaptionFont(const QList<QAbstractButton*>& buttons, qreal largestPoints, int margin);
