#include "Pictures.h"

#include "BakedPictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace Pictures {

QIcon icon(const QString& name)
{
    return BakedPictures::icon(name);
}

QPixmap pixmap(const QString& name, const QSize& size)
{
    // Drawn at build time at the sizes the windows use; other sizes are drawn here.
    const QPixmap baked = BakedPictures::baked(name, size);
    if (!baked.isNull())
        return baked;
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
