#include "FramePlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

const char* const kPlacerName = "vokaboFramePlacer";
// How long a placed frame may take to report where the window manager has put it.
constexpr int kSettleMs = 300;
// How long an exposed window may wait for the window manager to tell the frame's size.
constexpr int kMarginWaitMs = 25;
constexpr int kMarginWaits = 20;

// A window whose frame the window system has told about: mapped and drawn at least once.
bool frameKnown(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return window->isVisible() && handle && handle->isExposed();
}

QMargins marginsOf(const QWidget* window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

// The frame margins that the window manager gives the program's framed windows, judged by one
// that is already mapped; none when none is.
QMargins likelyMargins(const QWidget* window)
{
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other == window || !frameKnown(other) ||
            other->windowFlags().testFlag(Qt::FramelessWindowHint))
            continue;
        const QMargins margins = marginsOf(other);
        if (!margins.isNull())
            return margins;
    }
    return {};
}

// Puts the client area's corner at a point. Positions are always given in the client area's terms,
// so the window system keeps the client where it is asked to (static gravity) and the program's
// idea of where the window is stays true, with or without a window manager.
void moveClientTo(QWidget* window, const QPoint& client)
{
    if (window->geometry().topLeft() == client)
        return;
    const bool sized = window->testAttribute(Qt::WA_Resized);
    window->setGeometry(QRect(client, window->size()));
    // A window not yet shown is still sized to its contents when it is.
    if (!sized)
        window->setAttribute(Qt::WA_Resized, false);
}

QPoint clientCorner(const QPoint& frameCorner, const QMargins& margins)
{
    return frameCorner + QPoint(margins.left(), margins.top());
}

QMargins likelyMarginsOf(const QWidget* window)
{
    return window->windowFlags().testFlag(Qt::FramelessWindowHint) ? QMargins()
                                                                   : likelyMargins(window);
}

QObject* placerOf(const QWidget* window)
{
    return window
               ? window->findChild<QObject*>(QLatin1String(kPlacerName), Qt::FindDirectChildrenOnly)
               : nullptr;
}

// Lives on a window until the window manager has framed it, places its frame once more, and
// stays until the window system has answered, so that dialogs centred over it wait for that.
class FramePlacer : public QObject
{
public:
    FramePlacer(QWidget* window, std::function<QPoint(const FrameShape&)> where,
                const QWidget* dependsOn)
        : QObject(window), m_window(window), m_where(std::move(where))
    {
        setObjectName(QLatin1String(kPlacerName));
        if (dependsOn && dependsOn != window)
            m_dependsOn = placerOf(dependsOn);
        window->installEventFilter(this);
        watchHandle();
        if (frameKnown(window))
            QMetaObject::invokeMethod(this, &FramePlacer::placeWhenReady, Qt::QueuedConnection);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Show)
            watchHandle();
        else if (watched == m_window && event->type() == QEvent::Move && m_placed)
            deleteLater();
        else if (watched == m_handle && event->type() == QEvent::Expose && m_handle->isExposed() &&
                 !m_placed)
            // Once this event has been seen through, the window's geometry is the program's too.
            QMetaObject::invokeMethod(this, &FramePlacer::placeWhenReady, Qt::QueuedConnection);
        return false;
    }

private:
    void watchHandle()
    {
        if (m_handle || !m_window->windowHandle())
            return;
        m_handle = m_window->windowHandle();
        m_handle->installEventFilter(this);
    }

    // A window placed relative to another waits until that one has settled.
    void placeWhenReady()
    {
        if (m_placed || !m_window || !frameKnown(m_window))
            return;
        if (m_dependsOn) {
            connect(m_dependsOn, &QObject::destroyed, this, &FramePlacer::placeWhenReady,
                    Qt::QueuedConnection);
            return;
        }
        // A window manager may tell the frame's size a moment after the window is exposed; with
        // none, the frame stays the window itself and the wait changes nothing.
        if (marginsOf(m_window).isNull() &&
            !m_window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
            m_marginWaits < kMarginWaits) {
            ++m_marginWaits;
            QTimer::singleShot(kMarginWaitMs, this, &FramePlacer::placeWhenReady);
            return;
        }
        m_placed = true;
        moveClientTo(m_window, clientCorner(m_where(FrameShapeOf(m_window)), marginsOf(m_window)));
        QTimer::singleShot(kSettleMs, this, &QObject::deleteLater);
    }

    QPointer<QWidget> m_window;
    QPointer<QWindow> m_handle;
    QPointer<QObject> m_dependsOn;
    std::function<QPoint(const FrameShape&)> m_where;
    bool m_placed = false;
    int m_marginWaits = 0;
};

} // namespace

FrameShape FrameShapeOf(const QWidget* window)
{
    const QMargins margins = frameKnown(window) ? marginsOf(window) : likelyMarginsOf(window);
    return {window->size().grownBy(margins), margins.top()};
}

void PlaceFrame(QWidget* window, std::function<QPoint(const FrameShape&)> where,
                const QWidget* relativeTo)
{
    if (!window)
        return;
    delete placerOf(window);
    const QPoint at = where(FrameShapeOf(window));
    moveClientTo(
        window, clientCorner(at, frameKnown(window) ? marginsOf(window) : likelyMarginsOf(window)));
    if (frameKnown(window) && !placerOf(relativeTo))
        return;
    new FramePlacer(window, std::move(where), relativeTo);
}
