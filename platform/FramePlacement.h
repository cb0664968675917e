#pragma once

#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

// A top-level window's outer frame: its size and the height of its title bar. Without a window
// manager the frame is the window itself and the title bar has no height.
struct FrameShape
{
    QSize size;
    int titleHeight = 0;
};

// Places a top-level window's frame, title bar and borders included, at the top-left corner that
// `where` gives for the frame's shape. The frame of a window not yet mapped is unknown: it is
// placed at once with the shape that the other windows' frames suggest, and placed again once
// the window manager has framed it. A window placed relative to another is placed again once
// that one has been framed and placed.
void PlaceFrame(QWidget* window, std::function<QPoint(const FrameShape&)> where,
                const QWidget* relativeTo = nullptr);

// The window's frame as it is now, or as the program's other framed windows suggest it will be.
FrameShape FrameShapeOf(const QWidget* window);
