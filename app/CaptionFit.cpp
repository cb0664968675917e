#include "CaptionFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

void FitCaptionFont(const QList<QAbstractButton*>& buttons, qreal largestPoints, int margin)
{
    if (buttons.isEmpty())
        return;
    QFont font = buttons.first()->font();
    font.setPointSizeF(std::min(QApplication::font().pointSizeF(), largestPoints));
    const auto fits = [&](const QFont& f) {
        const QFontMetrics metrics(f);
        for (QAbstractButton* b : buttons) {
            if (metrics.horizontalAdvance(b->text()) > b->width() - 2 * margin)
                return false;
        }
        return true;
    };
    while (font.pointSizeF() > 6.5 && !fits(font))
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QAbstractButton* b : buttons)
        b->setFont(font);
}
