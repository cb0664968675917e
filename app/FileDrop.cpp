#include "FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// The first local file the drag carries; empty when it carries none.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls())
        return QString();
    for (const QUrl& url : mime->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

FileDrop::FileDrop(QWidget* window) : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    // Only drags that carry URLs are ours; a word dragged between boxes stays the box's.
    if (!drop->mimeData() || !drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty() || !m_enabled) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // Opened after the drop has ended, so the program it came from is not kept waiting.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path] { Q_EMIT fileDropped(path); }, Qt::QueuedConnection);
    return true;
}
