#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where windows may stand on the screens, worked out without any window.
namespace ScreenPlacement {

// The title bar's new top-left corner. A title bar that shows on some screen, even in part, stays
// exactly where it is; one that is off every screen moves just far enough that the whole of it
// shows on the nearest screen (as much of it as fits, from the left, on a narrower screen).
QPoint TitleBarInView(const QRect& titleBar, const QList<QRect>& screens);

} // namespace ScreenPlacement
