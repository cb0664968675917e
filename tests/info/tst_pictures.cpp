#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

// The main window and the information windows load these pictures by name.
class PicturesTest : public QObject
{
    Q_OBJECT

private:
    static QImage render(const QString& name, const QSize& size)
    {
        QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }

private Q_SLOTS:
    void pictureIsEmbeddedAndDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QSize toolbar(24, 24);
        for (const char* name : {"tb_new", "tb_open", "tb_save", "tb_print", "tb_write", "tb_learn",
                                 "tb_help", "tb_count", "tb_mainmenu"})
            QTest::newRow(name) << QString::fromLatin1(name) << toolbar;
        QTest::newRow("visa_ratt") << "visa_ratt" << QSize(19, 17);
        QTest::newRow("visa_normal") << "visa_normal" << QSize(19, 17);
        for (const char* name : {"big_open", "big_write", "big_learn"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(64, 64);
        QTest::newRow("vokabo_logo") << "vokabo_logo" << QSize(400, 64);
        QTest::newRow("programtorget") << "programtorget" << QSize(150, 56);
        QTest::newRow("splash") << "splash" << QSize(360, 140);
        QTest::newRow("about") << "about" << QSize(80, 80);
        QTest::newRow("secret") << "secret" << QSize(120, 96);
        QTest::newRow("vokabo") << "vokabo" << QSize(256, 256);
        for (const char* name : {"msg_information", "msg_question", "msg_warning", "msg_critical"})
            QTest::newRow(name) << QString::fromLatin1(name) << QSize(32, 32);
        QTest::newRow("menu_more") << "menu_more" << QSize(16, 16);
    }
    void pictureIsEmbeddedAndDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), size);
        // Something is drawn in the middle third.
        const QImage image = render(name, size);
        int opaque = 0;
        for (int y = size.height() / 3; y < 2 * size.height() / 3; ++y)
            for (int x = size.width() / 3; x < 2 * size.width() / 3; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY(opaque > 0);
    }

    // The right-hand page carries six bars: the marked answers, or all black.
    void bookBars_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("colours");
        QTest::newRow("visa_ratt") << "visa_ratt"
                                   << "ggrrgg";
        QTest::newRow("visa_normal") << "visa_normal"
                                     << "kkkkkk";
    }
    void bookBars()
    {
        QFETCH(QString, name);
        QFETCH(QString, colours);
        const QImage image = render(name, QSize(19, 17));
        // Between two bars the page shows white.
        for (int y = 4; y <= 12; y += 2) {
            const QColor gap = image.pixelColor(12, y);
            QVERIFY2(gap.red() > 200 && gap.green() > 200 && gap.blue() > 200,
                     qPrintable(QStringLiteral("row %1: %2").arg(y).arg(gap.name())));
        }
        for (int bar = 0; bar < 6; ++bar) {
            const QColor c = image.pixelColor(12, 3 + 2 * bar);
            const QString where = QStringLiteral("bar %1: %2").arg(bar).arg(c.name());
            switch (colours[bar].toLatin1()) {
            case 'g':
                QVERIFY2(c.green() > 120 && c.red() < 80 && c.blue() < 100, qPrintable(where));
                break;
            case 'r':
                QVERIFY2(c.red() > 180 && c.green() < 80 && c.blue() < 80, qPrintable(where));
                break;
            default:
                QVERIFY2(c.red() < 40 && c.green() < 40 && c.blue() < 40, qPrintable(where));
            }
        }
        // The book itself is dark blue.
        const QColor cover = image.pixelColor(0, 10);
        QVERIFY2(cover.blue() > 100 && cover.red() < 60 && cover.green() < 80,
                 qPrintable(cover.name()));
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
