#include "ProgramStyle.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTest>

namespace {

QImage Baked(const QString& file)
{
    QImageReader reader(QStringLiteral(":/baked/") + file, "png");
    return reader.read();
}

} // namespace

// Message boxes and the menu bar show the program's own pictures, read without the image
// plugins that Qt's built-in copies would load. On a screen where a pixel is two, the demanding
// case: the pictures must come out sharp at their size, not stretched.
class ProgramStyleTest : public QObject
{
    Q_OBJECT

public:
    static void initMain() { qputenv("QT_SCALE_FACTOR", "2"); }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new ProgramStyle(QStringLiteral("Fusion"))); }

    // First, before anything else here could load them.
    void menuBarAndMessageBoxLoadNoImagePlugin()
    {
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&Arkiv"));
        window.show();
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Vokabo"), QStringLiteral("Text"),
                        QMessageBox::Ok, &window);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.iconPixmap().isNull());

        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            QSKIP("no /proc here");
        const QByteArray mapped = maps.readAll();
        QVERIFY2(!mapped.contains("/imageformats/"), "an image plugin was loaded");
        QVERIFY2(!mapped.contains("libQt6Svg"), "the SVG library was loaded");
    }

    void messageBoxIcons_data()
    {
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QString>("picture");
        QTest::newRow("information") << QMessageBox::Information << "msg_information";
        QTest::newRow("question") << QMessageBox::Question << "msg_question";
        QTest::newRow("warning") << QMessageBox::Warning << "msg_warning";
        QTest::newRow("critical") << QMessageBox::Critical << "msg_critical";
    }
    void messageBoxIcons()
    {
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(QString, picture);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        QMessageBox box;
        box.setIcon(icon);
        // 32 pixels wide as Qt's own icons were, drawn from the 64-pixel picture.
        QCOMPARE(box.iconPixmap().deviceIndependentSize(), QSizeF(32, 32));
        const QImage shown = box.iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage ours =
            Baked(picture + QStringLiteral("_32x32@2x.png")).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!ours.isNull());
        QCOMPARE(shown, ours);
    }

    void menuBarChevron()
    {
        const QImage shown = QApplication::style()
                                 ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                 .pixmap(QSize(16, 16))
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(
            shown,
            Baked(QStringLiteral("menu_more_16x16@2x.png")).convertToFormat(QImage::Format_ARGB32));
    }

    // Everything else is the base style's own.
    void otherIconsFromTheBaseStyle()
    {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const auto image = [](QStyle* style) {
            return style->standardIcon(QStyle::SP_DialogCloseButton)
                .pixmap(QSize(16, 16))
                .toImage();
        };
        QVERIFY(!image(fusion.get()).isNull());
        QCOMPARE(image(QApplication::style()), image(fusion.get()));
        const auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(proxy);
        QCOMPARE(proxy->baseStyle()->name(), QStringLiteral("fusion"));
    }
};

QTEST_MAIN(ProgramStyleTest)
#include "tst_programstyle.moc"
