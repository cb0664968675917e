#include "Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

QIcon icon(const QString& name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)); }

QPixmap pixmap(const QString& name, const QSize& size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace Pictures
