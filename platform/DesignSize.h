#pragma once

#include <QSize>

class QWidget;

// The twips of a window's design are the smallest size of each control in its layout; where a
// control's text needs more room (another language, font, style or DPI), it gets that room.
void SetDesignSize(QWidget* control, int widthTwips, int heightTwips);

class QRect;
template <typename T> class QList;

// What a control needs for its text at its designed width (a wrapped label) or on one line.
QSize TextNeed(const QWidget* control);

// Places controls at their designed rectangles, each grown to what its text needs: whatever lies
// wholly below a grown control moves down by its growth, whatever lies beside it to the right
// moves right. Returns how much wider and higher the whole has become.
QSize GrowFromDesign(const QList<QWidget*>& controls, const QList<QRect>& designed);
