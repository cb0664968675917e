#include "BakedPictures.h"

#include <QDir>
#include <QGuiApplication>

namespace BakedPictures {

namespace {

QString svgPath(const QString& name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QPixmap baked(const QString& name, const QSize& size)
{
    const qreal ratio = screenRatio();
    QPixmap picture;
    if (ratio != 1.0 && ratio != 2.0)
        return picture;
    const QString path = QStringLiteral(":/baked/%1_%2x%3%4.png")
                             .arg(name)
                             .arg(size.width())
                             .arg(size.height())
                             .arg(ratio == 2.0 ? QStringLiteral("@2x") : QString());
    if (picture.load(path))
        picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap pixmap(const QString& name, const QSize& size)
{
    const QPixmap picture = baked(name, size);
    return picture.isNull() ? QIcon(svgPath(name)).pixmap(size) : picture;
}

QIcon icon(const QString& name)
{
    // The @2x files are picked up by QIcon beside their 1x file where the screen needs them.
    const QStringList files =
        QDir(QStringLiteral(":/baked")).entryList({name + QStringLiteral("_*.png")}, QDir::Files);
    QIcon icon;
    for (const QString& file : files) {
        // "vokabo_16x16.png" belongs to "vokabo", "vokabo_logo_400x64.png" does not.
        if (!file.contains(u'@') && file.at(name.size() + 1).isDigit())
            icon.addFile(QStringLiteral(":/baked/") + file);
    }
    return icon.isNull() ? QIcon(svgPath(name)) : icon;
}

} // namespace BakedPictures
