#include "ScreenPlacement.h"

#include <QTest>

using Screens = QList<QRect>;

class TestScreenPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titleBarInView_data();
    void titleBarInView();
};

void TestScreenPlacement::titleBarInView_data()
{
    QTest::addColumn<QRect>("titleBar");
    QTest::addColumn<Screens>("screens");
    QTest::addColumn<QPoint>("expected");

    const Screens one{QRect(0, 0, 1024, 768)};
    // A laptop at the left and a larger monitor beside it, their tops not level.
    const Screens two{QRect(0, 200, 1366, 768), QRect(1366, 0, 1920, 1080)};

    QTest::newRow("top left corner kept") << QRect(0, 0, 640, 20) << one << QPoint(0, 0);
    QTest::newRow("inside kept") << QRect(200, 300, 640, 20) << one << QPoint(200, 300);
    QTest::newRow("partly off the left kept")
        << QRect(-600, 10, 640, 20) << one << QPoint(-600, 10);
    QTest::newRow("partly above kept") << QRect(100, -19, 640, 20) << one << QPoint(100, -19);
    QTest::newRow("last row at the bottom kept")
        << QRect(100, 767, 640, 20) << one << QPoint(100, 767);
    QTest::newRow("just above, back down") << QRect(100, -20, 640, 20) << one << QPoint(100, 0);
    QTest::newRow("just right, back in") << QRect(1024, 50, 640, 20) << one << QPoint(384, 50);
    QTest::newRow("below, back up") << QRect(100, 5000, 640, 20) << one << QPoint(100, 748);
    QTest::newRow("far up left") << QRect(-2000, -2000, 640, 20) << one << QPoint(0, 0);
    QTest::newRow("far down right") << QRect(50000, 50000, 640, 20) << one << QPoint(384, 748);
    QTest::newRow("wider than the screen, from its left")
        << QRect(-5000, 100, 2000, 20) << one << QPoint(0, 100);
    QTest::newRow("no height still counts a row")
        << QRect(100, -1, 640, 0) << one << QPoint(100, 0);

    QTest::newRow("on the second screen kept")
        << QRect(2000, 50, 640, 20) << two << QPoint(2000, 50);
    QTest::newRow("in the gap above the first, kept by neither, to the first")
        << QRect(100, 0, 640, 20) << two << QPoint(100, 200);
    QTest::newRow("straddling both kept") << QRect(1000, 300, 640, 20) << two << QPoint(1000, 300);
    QTest::newRow("off the right, to the second")
        << QRect(4000, 500, 640, 20) << two << QPoint(2646, 500);
    QTest::newRow("below the first, to the first")
        << QRect(100, 1500, 640, 20) << two << QPoint(100, 948);
    QTest::newRow("no screens, kept")
        << QRect(-30000, -30000, 640, 20) << Screens{} << QPoint(-30000, -30000);
}

void TestScreenPlacement::titleBarInView()
{
    QFETCH(QRect, titleBar);
    QFETCH(Screens, screens);
    QFETCH(QPoint, expected);
    QCOMPARE(ScreenPlacement::TitleBarInView(titleBar, screens), expected);
}

QTEST_GUILESS_MAIN(TestScreenPlacement)
#include "tst_screenplacement.moc"
