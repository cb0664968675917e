#include "ScreenPlacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace ScreenPlacement {

namespace {

// The gap between two rectangles along one axis; 0 when they overlap on it.
int64_t gap(int64_t aStart, int64_t aEnd, int64_t bStart, int64_t bEnd)
{
    if (aEnd <= bStart)
        return bStart - aEnd;
    if (bEnd <= aStart)
        return aStart - bEnd;
    return 0;
}

// Squared distance between the nearest points of two rectangles, in 64 bits: far-off stored
// positions would overflow an int.
int64_t distance(const QRect& a, const QRect& b)
{
    const int64_t dx = gap(a.x(), int64_t(a.x()) + a.width(), b.x(), int64_t(b.x()) + b.width());
    const int64_t dy = gap(a.y(), int64_t(a.y()) + a.height(), b.y(), int64_t(b.y()) + b.height());
    return dx * dx + dy * dy;
}

// The start that puts a span of `length` inside [start, start + room), nearest to `value`.
int clampSpan(int value, int start, int room, int length)
{
    const int last = start + std::max(0, room - length);
    return std::clamp(value, start, last);
}

} // namespace

QPoint TitleBarInView(const QRect& titleBar, const QList<QRect>& screens)
{
    // A title bar with no height (no window manager yet) still needs one row of pixels.
    const QRect bar(titleBar.topLeft(),
                    QSize(std::max(1, titleBar.width()), std::max(1, titleBar.height())));
    const QRect* nearest = nullptr;
    int64_t best = std::numeric_limits<int64_t>::max();
    for (const QRect& screen : screens) {
        if (screen.isEmpty())
            continue;
        if (screen.intersects(bar))
            return titleBar.topLeft();
        const int64_t d = distance(bar, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    if (!nearest)
        return titleBar.topLeft();
    return QPoint(clampSpan(bar.x(), nearest->x(), nearest->width(), bar.width()),
                  clampSpan(bar.y(), nearest->y(), nearest->height(), bar.height()));
}

} // namespace ScreenPlacement
