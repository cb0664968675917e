#include "Twips.h"

#include "FramePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace Twips {

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace Twips

namespace {

QRect screenOf(const QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

int clampEdge(int value, int screenSize, int childSize)
{
    if (value < 0)
        value = 0;
    if (value > screenSize - childSize)
        value = screenSize - childSize;
    return value;
}

// Lives on the window until its first show event, then centres it and goes.
class FirstShowCentring : public QObject
{
public:
    FirstShowCentring(QWidget* window, const QWidget* over) : QObject(window), m_over(over) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            auto* window = static_cast<QWidget*>(watched);
            window->removeEventFilter(this);
            if (m_over)
                CentreOver(m_over, window);
            else
                CentreOnScreen(window);
            deleteLater();
        }
        return false;
    }

private:
    QPointer<const QWidget> m_over;
};

} // namespace

void CentreOnFirstShow(QWidget* window, const QWidget* over)
{
    if (window)
        window->installEventFilter(new FirstShowCentring(window, over));
}

void CentreOver(const QWidget* parent, QWidget* child)
{
    if (!child)
        return;
    const QPointer<const QWidget> over(parent);
    PlaceFrame(
        child,
        [over, child](const FrameShape& frame) {
            const QRect screen = screenOf(over ? over.data() : child);
            const QRect outer = over ? over->frameGeometry() : screen;
            const int left = outer.left() + (outer.width() - frame.size.width()) / 2;
            const int top = outer.top() + (outer.height() - frame.size.height()) / 2;
            return QPoint(
                screen.left() + clampEdge(left - screen.left(), screen.width(), frame.size.width()),
                screen.top() + clampEdge(top - screen.top(), screen.height(), frame.size.height()));
        },
        parent);
}

void CentreOnScreen(QWidget* window)
{
    if (!window || (window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    PlaceFrame(window, [window](const FrameShape& frame) {
        const QRect screen = screenOf(window);
        return QPoint(screen.left() + (screen.width() - frame.size.width()) / 2,
                      screen.top() + (screen.height() - frame.size.height()) / 2);
    });
}
