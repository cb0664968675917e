#include "SplashWindow.h"
#include "TestSettings.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class SplashWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void timeUpFiresOnceAfterItsInterval()
    {
        TestSettings ini;
        const int interval = 200;
        QElapsedTimer clock;
        clock.start();
        SplashWindow splash(interval);
        QSignalSpy spy(&splash, &SplashWindow::timeUp);
        splash.show();
        QVERIFY(spy.wait(5000));
        // A precise timer never fires early (a coarse one may by 5%, and late by as much).
        QVERIFY2(clock.elapsed() >= interval, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!splash.isVisible());
        QTest::qWait(3 * interval);
        QCOMPARE(spy.count(), 1);
    }

    void aClickOrAKeyGoesStraightOn_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("click") << true;
        QTest::newRow("key") << false;
    }

    void aClickOrAKeyGoesStraightOn()
    {
        QFETCH(bool, click);
        TestSettings ini;
        SplashWindow splash(60000);
        QSignalSpy spy(&splash, &SplashWindow::timeUp);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        if (click)
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(20, 20));
        else
            QTest::keyClick(&splash, Qt::Key_Space);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!splash.isVisible());
        // The timer is off: the main window is not asked for twice.
        QTest::keyClick(&splash, Qt::Key_Escape);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!splash.findChild<QTimer*>(QStringLiteral("tmrStart"))->isActive());
    }

    void ticksPreciselyAfterThreeSeconds()
    {
        TestSettings ini;
        SplashWindow splash;
        auto* timer = splash.findChild<QTimer*>(QStringLiteral("tmrStart"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 3000);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    }

    void looksAsAStartWindow()
    {
        TestSettings ini;
        SplashWindow splash(60000);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.objectName(), QStringLiteral("frmStart"));
        QCOMPARE(splash.windowTitle(), QStringLiteral("Start"));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.palette().color(QPalette::Window), QColor(0xc0, 0xc0, 0xc0));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Freely distributable"));
        QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
        for (int i = 1; i <= 6; ++i)
            QVERIFY(splash.findChild<QWidget*>(QStringLiteral("Line%1").arg(i)));
        const QRect screen = splash.screen()->geometry();
        QCOMPARE(splash.x(), screen.x() + (screen.width() - splash.width()) / 2);
        QCOMPARE(splash.y(), screen.y() + (screen.height() - splash.height()) / 2);
    }
};

QTEST_MAIN(SplashWindowTest)
#include "tst_splashwindow.moc"
