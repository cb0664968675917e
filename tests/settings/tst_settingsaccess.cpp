#include "ProgramSettings.h"
#include "SettingNumbers.h"
#include "Settings.h"
#include "StartUpSettings.h"
#include "TestSettings.h"
#include "WindowPosition.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <QWidget>

class TestSettingsAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileLivesInTheConfigFolder();
    void longValueSurvivesARestart();
    void groupedWritesAreMadeTogetherAtItsEnd();
    void leadingNumber_data();
    void leadingNumber();
    void fontSizes_data();
    void fontSizes();
    void switchesAndFontsHaveDefaults();
    void showRwIsZeroOrMinusOne_data();
    void showRwIsZeroOrMinusOne();
    void interfaceLanguage_data();
    void interfaceLanguage();
    void unusableSettingsFileGivesDefaults();
    void windowPositionRoundTrips();
    void absurdPositionKeepsTheWindowOnScreen_data();
    void absurdPositionKeepsTheWindowOnScreen();
};

void TestSettingsAccess::fileLivesInTheConfigFolder()
{
    TestSettings settings;
    QCOMPARE(Settings::SettingsFilePath(), settings.iniPath());
    Settings::WriteSetting(Keys::Welcome, u"0"_qs);
    QCOMPARE(settings.iniText(), u"[Options]\r\nWelcome=0\r\n"_qs);
}

void TestSettingsAccess::longValueSurvivesARestart()
{
    TestSettings settings;
    const QString path = u"/home/ola/"_qs + QString(186, u'ö') + u".vkf"_qs;
    QCOMPARE(path.size(), 200);
    for (int k = 1; k <= 4; ++k)
        Settings::WriteSetting(Keys::RecentFile(k), k == 1 ? path : QString());
    QCOMPARE(Settings::ReadSetting(Keys::RecentFile(1)), path);
    QCOMPARE(Settings::ReadSetting(Keys::RecentFile(2)), QString());
    QCOMPARE(Settings::ReadSetting(u"Files"_qs, u"2"_qs, u"not empty"_qs), QString());
}

void TestSettingsAccess::groupedWritesAreMadeTogetherAtItsEnd()
{
    TestSettings settings;
    settings.writeIni("[Files]\r\n1=/old.vkf\r\n");
    {
        const Settings::WriteGroup group;
        Settings::WriteSetting(Keys::Welcome, u"0"_qs);
        {
            const Settings::WriteGroup inner;
            Settings::WriteSetting(Keys::RecentFile(1), u"/new.vkf"_qs);
        }
        Settings::WriteSetting(Keys::ShowRw, u"-1"_qs);
        QCOMPARE(settings.iniText(), u"[Files]\r\n1=/old.vkf\r\n"_qs);
    }
    // The same file as three writes one after the other would leave.
    QCOMPARE(settings.iniText(),
             u"[Files]\r\n1=/new.vkf\r\n[Options]\r\nWelcome=0\r\nShowRw=-1\r\n"_qs);
    Settings::WriteSetting(Keys::RecentFile(2), u"/b.vkf"_qs);
    QCOMPARE(Settings::ReadSetting(Keys::RecentFile(2)), u"/b.vkf"_qs);
}

void TestSettingsAccess::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("found");

    QTest::newRow("zero") << u"0"_qs << 0.0 << true;
    QTest::newRow("point alone") << u" ."_qs << 0.0 << false;
    QTest::newRow("fraction") << u"8.25"_qs << 8.25 << true;
    QTest::newRow("sign and junk") << u"-1x"_qs << -1.0 << true;
    QTest::newRow("no number") << u"x"_qs << 0.0 << false;
    QTest::newRow("empty") << QString() << 0.0 << false;
    QTest::newRow("blanks first") << u"  42 px"_qs << 42.0 << true;
    QTest::newRow("plus") << u"+7"_qs << 7.0 << true;
    QTest::newRow("bare sign") << u"-"_qs << 0.0 << false;
    QTest::newRow("leading point") << u".5"_qs << 0.5 << true;
    QTest::newRow("trailing point") << u"12."_qs << 12.0 << true;
    QTest::newRow("no exponent") << u"1e5"_qs << 1.0 << true;
    QTest::newRow("two points") << u"1.2.3"_qs << 1.2 << true;
    QTest::newRow("huge") << u"2000000000"_qs << 2e9 << true;
    QTest::newRow("too big for a double") << QString(400, u'9') << 0.0 << true;
}

void TestSettingsAccess::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(bool, found);
    QCOMPARE(Settings::LeadingNumber(text), value);
    QCOMPARE(Settings::HasLeadingNumber(text), found);
}

void TestSettingsAccess::fontSizes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");

    QTest::newRow("default") << u"8.25"_qs << 8;
    QTest::newRow("half to even down") << u"8.5"_qs << 8;
    QTest::newRow("half to even up") << u"9.5"_qs << 10;
    QTest::newRow("above half") << u"10.51"_qs << 11;
    QTest::newRow("whole") << u"12"_qs << 12;
    QTest::newRow("zero is raised") << u"0"_qs << 6;
    QTest::newRow("text is raised") << u"big"_qs << 6;
    QTest::newRow("huge is lowered") << u"2000000000"_qs << 72;
}

void TestSettingsAccess::fontSizes()
{
    QFETCH(QString, text);
    QFETCH(int, points);
    QCOMPARE(Settings::FontSizeFromText(text), points);
}

void TestSettingsAccess::switchesAndFontsHaveDefaults()
{
    TestSettings settings;
    ProgramSettings values;
    values.welcome = 7;
    values.font1Name.clear();
    ReadSwitches(values);
    ReadFonts(values);
    QCOMPARE(values.welcome, 1);
    QCOMPARE(values.showRw, 0);
    QCOMPARE(values.font1Name, u"MS Sans Serif"_qs);
    QCOMPARE(values.font2Name, u"MS Sans Serif"_qs);
    QCOMPARE(values.font1Size, 8);
    QCOMPARE(values.font2Size, 8);

    settings.writeIni(
        "[Font]\r\nFont1Name=DejaVu Sans\r\nFont2Size=9.5\r\n[Options]\r\nWelcome=0\r\n");
    ReadSwitches(values);
    ReadFonts(values);
    QCOMPARE(values.welcome, 0);
    QCOMPARE(values.font1Name, u"DejaVu Sans"_qs);
    QCOMPARE(values.font1Size, 8);
    QCOMPARE(values.font2Size, 10);
}

void TestSettingsAccess::showRwIsZeroOrMinusOne_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("showRw");
    QTest::newRow("off") << QByteArray("0") << 0;
    QTest::newRow("on") << QByteArray("-1") << -1;
    QTest::newRow("other number") << QByteArray("5") << -1;
    QTest::newRow("text") << QByteArray("yes") << 0;
}

void TestSettingsAccess::showRwIsZeroOrMinusOne()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, showRw);
    TestSettings settings;
    settings.writeIni("[Options]\r\nShowRw=" + stored + "\r\n");
    ProgramSettings values;
    ReadSwitches(values);
    QCOMPARE(values.showRw, showRw);
}

void TestSettingsAccess::interfaceLanguage_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QString>("systemLanguage");
    QTest::addColumn<bool>("picture");

    const QByteArray none;
    QTest::newRow("swedish") << QByteArray("sv_SE.UTF-8") << none << u"sve"_qs << u"sve"_qs << true;
    QTest::newRow("norwegian") << QByteArray("nb_NO.UTF-8") << none << u"sve"_qs << u"nor"_qs
                               << true;
    QTest::newRow("danish") << QByteArray("da_DK.UTF-8") << none << u"sve"_qs << u"dan"_qs << true;
    QTest::newRow("icelandic") << QByteArray("is_IS.UTF-8") << none << u"sve"_qs << u"isl"_qs
                               << true;
    QTest::newRow("finnish") << QByteArray("fi_FI.UTF-8") << none << u"fin"_qs << u"fin"_qs
                             << false;
    QTest::newRow("german") << QByteArray("de_DE.UTF-8") << none << u"eng"_qs << u"deu"_qs << false;
    QTest::newRow("none") << none << none << u"eng"_qs << QString() << false;
    QTest::newRow("stored choice wins")
        << QByteArray("sv_SE.UTF-8") << QByteArray("[Options]\r\nPrgLanguage=fin\r\n") << u"fin"_qs
        << u"sve"_qs << true;
    QTest::newRow("stored english on finnish")
        << QByteArray("fi_FI") << QByteArray("[options]\r\nprglanguage = eng\r\n") << u"eng"_qs
        << u"fin"_qs << false;
    QTest::newRow("invalid choice falls back")
        << QByteArray("sv_SE.UTF-8") << QByteArray("[Options]\r\nPrgLanguage=deu\r\n") << u"sve"_qs
        << u"sve"_qs << true;
    QTest::newRow("empty choice falls back")
        << QByteArray("fi_FI") << QByteArray("[Options]\r\nPrgLanguage=\r\n") << u"fin"_qs
        << u"fin"_qs << false;
    QTest::newRow("offbox ON") << QByteArray("sv_SE.UTF-8")
                               << QByteArray("[Options]\r\nOffbox=ON\r\n") << u"sve"_qs << QString()
                               << false;
    QTest::newRow("offbox On") << QByteArray("da_DK") << QByteArray("[Options]\r\nOffbox=On\r\n")
                               << u"sve"_qs << QString() << false;
    QTest::newRow("offbox other") << QByteArray("da_DK") << QByteArray("[Options]\r\nOffbox=1\r\n")
                                  << u"sve"_qs << u"dan"_qs << true;
}

void TestSettingsAccess::interfaceLanguage()
{
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, ini);
    QFETCH(QString, uiLanguage);
    QFETCH(QString, systemLanguage);
    QFETCH(bool, picture);
    TestSettings settings(locale);
    if (!ini.isEmpty())
        settings.writeIni(ini);
    const InterfaceLanguageChoice choice = ChooseInterfaceLanguage();
    QCOMPARE(choice.uiLanguage, uiLanguage);
    QCOMPARE(choice.systemLanguage, systemLanguage);
    ProgramSettings values;
    values.systemLanguage = choice.systemLanguage;
    QCOMPARE(values.showsServicePicture(), picture);
    // Choosing reads only; it never writes a default into the file.
    QCOMPARE(settings.iniBytes(), ini);
}

void TestSettingsAccess::unusableSettingsFileGivesDefaults()
{
    TestSettings settings;
    QVERIFY(QDir().mkpath(settings.iniPath()));
    QCOMPARE(Settings::ReadSetting(Keys::Font1Size), u"8.25"_qs);
    Settings::WriteSetting(Keys::Welcome, u"0"_qs);
    QCOMPARE(Settings::ReadSetting(Keys::Welcome), u"1"_qs);
    QVERIFY(QFileInfo(settings.iniPath()).isDir());
}

void TestSettingsAccess::windowPositionRoundTrips()
{
    TestSettings settings;
    settings.writeIni("[Position]\r\nX=1200\r\nY=900\r\n");
    QWidget window;
    window.resize(300, 200);
    Settings::RestoreWindowPosition(&window, u"Position"_qs);
    QCOMPARE(window.pos(), QPoint(80, 60));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.move(100, 50);
    window.showMinimized();
    Settings::SaveWindowPosition(&window, u"Position"_qs);
    QVERIFY(!window.isMinimized());
    QCOMPARE(Settings::ReadSetting(u"Position"_qs, u"X"_qs, {}), u"1500"_qs);
    QCOMPARE(Settings::ReadSetting(u"Position"_qs, u"Y"_qs, {}), u"750"_qs);
}

void TestSettingsAccess::absurdPositionKeepsTheWindowOnScreen_data()
{
    QTest::addColumn<QByteArray>("x");
    QTest::addColumn<QByteArray>("y");
    QTest::newRow("far right") << QByteArray("2000000000") << QByteArray("0");
    QTest::newRow("far up left") << QByteArray("-2000000000") << QByteArray("-2000000000");
    QTest::newRow("past double") << QByteArray(400, '9') << QByteArray("1e308");
    QTest::newRow("text") << QByteArray("left") << QByteArray("top");
}

void TestSettingsAccess::absurdPositionKeepsTheWindowOnScreen()
{
    QFETCH(QByteArray, x);
    QFETCH(QByteArray, y);
    TestSettings settings;
    settings.writeIni("[Position]\r\nX=" + x + "\r\nY=" + y + "\r\n");
    QWidget window;
    window.resize(300, 200);
    Settings::RestoreWindowPosition(&window, u"Position"_qs);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.contains(window.geometry().topLeft()),
             qPrintable(QStringLiteral("%1,%2").arg(window.x()).arg(window.y())));
}

QTEST_MAIN(TestSettingsAccess)
#include "tst_settingsaccess.moc"
