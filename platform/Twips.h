#pragma once

#include <QRect>

class QWidget;

// Window and control geometry is given in twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
namespace Twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / kPerPixel;
}
constexpr int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// Places a control at a rectangle given in twips.
void place(QWidget* widget, int left, int top, int width, int height);

} // namespace Twips

// Centres a dialog over its parent window and keeps it on the screen.
void CentreOver(const QWidget* parent, QWidget* child);
// Centres a window in its normal state on its screen; a minimised or maximised one stays put.
void CentreOnScreen(QWidget* window);
// Centres a window over `over` (on its screen when `over` is null) when it is first shown, once
// its frame's size is known.
void CentreOnFirstShow(QWidget* window, const QWidget* over);
