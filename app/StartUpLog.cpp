#include "StartUpLog.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

Q_LOGGING_CATEGORY(lcStartUp, "vokabo.startup", QtInfoMsg)

void LogStartUpStep(const char* step)
{
    if (lcStartUp().isDebugEnabled())
        qCDebug(lcStartUp).noquote() << step << QDeadlineTimer::current().deadlineNSecs();
}

namespace {

// Waits for the window's first paint, then for the event loop to be about to sleep.
class IdleWatch : public QObject
{
public:
    IdleWatch(QWidget* window, const char* step) : QObject(window), m_step(step)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            watched->removeEventFilter(this);
            auto* dispatcher = QAbstractEventDispatcher::instance();
            connect(
                dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                [this] {
                    LogStartUpStep(m_step);
                    deleteLater();
                },
                Qt::SingleShotConnection);
        }
        return false;
    }

private:
    const char* m_step;
    bool m_painted = false;
};

} // namespace

void LogStartUpStepWhenIdle(QWidget* window, const char* step)
{
    if (lcStartUp().isDebugEnabled() && window)
        new IdleWatch(window, step);
}
