// Build-time tool: draws the program's SVG pictures once, at the sizes the windows show them, so
// start-up loads small PNGs instead of parsing and rendering SVG (text in them included).
// Usage: vokabo_picture_baker SVGDIR OUTDIR name:WIDTHxHEIGHT...
// draws SVGDIR/name.svg into OUTDIR/name_WxH.png and OUTDIR/name_WxH@2x.png
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fputs("usage: vokabo_picture_baker SVGDIR OUTDIR name:WIDTHxHEIGHT...\n", stderr);
        return 2;
    }
    const QDir in(args[1]);
    const QDir out(args[2]);
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    for (const QString& entry : args.mid(3)) {
        const QStringList nameSize = entry.split(u':');
        const QStringList wh = nameSize.value(1).split(u'x');
        const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
        const QIcon icon(in.filePath(nameSize[0] + QStringLiteral(".svg")));
        if (nameSize.size() != 2 || size.isEmpty() || icon.isNull()) {
            std::fprintf(stderr, "vokabo_picture_baker: cannot draw %s\n", qPrintable(entry));
            return 1;
        }
        const QString base =
            QStringLiteral("%1_%2x%3").arg(nameSize[0]).arg(size.width()).arg(size.height());
        // The same drawing the icon engine makes at run time, at 1x and for 2x screens.
        if (!icon.pixmap(size).save(out.filePath(base + QStringLiteral(".png"))) ||
            !icon.pixmap(size * 2).save(out.filePath(base + QStringLiteral("@2x.png")), "PNG",
                                        100)) {
            std::fprintf(stderr, "vokabo_picture_baker: cannot write %s\n", qPrintable(base));
            return 1;
        }
    }
    return 0;
}
