#include "BakedPictures.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QImageReader>

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

// Read as PNG and nothing else: a reader left to guess the format loads every image-format
// plugin on the system to ask each one first.
QPixmap readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QPixmap baked(const QString& name, const QSize& size)
{
    const qreal ratio = screenRatio();
    if (ratio != 1.0 && ratio != 2.0)
        return {};
    QPixmap picture = readPng(QStringLiteral(":/baked/%1_%2x%3%4.png")
                                  .arg(name)
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(ratio == 2.0 ? QStringLiteral("@2x") : QString()));
    if (!picture.isNull())
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
    // Each size, with its @2x drawing where the screen needs it, as QIcon::addFile would add.
    const bool sharp = screenRatio() > 1.0;
    // Listed once and matched by hand: a name filter would build a regular expression.
    static const QStringList files = [] {
        QStringList names;
        for (QDirIterator it(QStringLiteral(":/baked"), QDir::Files); it.hasNext();)
            names.append(it.nextFileInfo().fileName());
        return names;
    }();
    const QString prefix = name + u'_';
    QIcon icon;
    for (const QString& file : files) {
        // "vokabo_16x16.png" belongs to "vokabo", "vokabo_logo_400x64.png" does not.
        if (!file.startsWith(prefix) || file.contains(u'@') || !file.endsWith(u".png") ||
            !file.at(prefix.size()).isDigit())
            continue;
        const QString path = QStringLiteral(":/baked/") + file;
        icon.addPixmap(readPng(path));
        if (sharp)
            icon.addPixmap(
                readPng(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"))));
    }
    return icon.isNull() ? QIcon(svgPath(name)) : icon;
}

} // namespace BakedPictures
