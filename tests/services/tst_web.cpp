#include "Browser.h"
#include "FakePrompter.h"
#include "PortalWindow.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WebCommands.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvGuard
{
public:
    void set(const char* name, const QByteArray& value)
    {
        if (!m_saved.contains(name))
            m_saved.insert(name, qEnvironmentVariableIsSet(name)
                                     ? std::optional<QByteArray>(qgetenv(name))
                                     : std::nullopt);
        qputenv(name, value);
    }
    void unset(const char* name)
    {
        set(name, QByteArray());
        qunsetenv(name);
    }
    ~EnvGuard()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
            if (it.value())
                qputenv(it.key().constData(), *it.value());
            else
                qunsetenv(it.key().constData());
        }
    }

private:
    QMap<QByteArray, std::optional<QByteArray>> m_saved;
};

QString WriteScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(body);
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

// A browser that writes its arguments, one a line, to a file beside it.
QString RecordingBrowser(const QTemporaryDir& dir)
{
    return WriteScript(dir.filePath(QStringLiteral("browser")),
                       "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args.tmp\"\n"
                       "/bin/mv \"$0.args.tmp\" \"$0.args\"\n");
}

QString RecordedArguments(const QString& browser)
{
    QFile file(browser + QStringLiteral(".args"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// No browser anywhere: no $BROWSER and a PATH without xdg tools.
void HideEveryBrowser(EnvGuard& env, const QTemporaryDir& dir)
{
    env.unset("BROWSER");
    env.set("PATH", QFile::encodeName(dir.path()));
    env.set("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("nodata"))));
    env.set("XDG_DATA_DIRS", QFile::encodeName(dir.filePath(QStringLiteral("nodata"))));
}

} // namespace

class WebTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }
    void openCommand_data();
    void openCommand();
    void desktopExec_data();
    void desktopExec();
    void browserFromEnvironment();
    void browserFromDefaultDesktopEntry();
    void xdgOpenWhenNothingElse();
    void slowDesktopQueryIsNotWaitedFor();
    void homePageOpensInBrowser_data();
    void homePageOpensInBrowser();
    void noBrowserTellsWhereToGo_data();
    void noBrowserTellsWhereToGo();
    void browserThatCannotStartTellsWhereToGo();
    void portalStaysSwedish_data();
    void portalStaysSwedish();
    void portalHowToCopy();
    void portalOpensServiceOrSaysNoBrowser();

private:
    TestSettings m_settings;
};

void WebTest::openCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("program");
    QTest::newRow("quoted upper-case EXE with a switch")
        << R"("C:\PROGRA~1\Netscape\NETSCAPE.EXE" -h "%1")"
        << R"(C:\PROGRA~1\Netscape\NETSCAPE.EXE)";
    QTest::newRow("unquoted path with the place-holder") << R"(C:\Browser\browse.exe "%1")"
                                                         << R"(C:\Browser\browse.exe)";
    QTest::newRow("empty command") << QString() << QString();
    QTest::newRow("no exe: the whole program") << "/usr/bin/firefox %u"
                                               << "/usr/bin/firefox";
    QTest::newRow("no exe, quoted with blanks") << R"("/opt/My Browser/browser" --new-window %u)"
                                                << "/opt/My Browser/browser";
    QTest::newRow("a bare program name") << "epiphany"
                                         << "epiphany";
    QTest::newRow("exe inside a folder name") << "/opt/tools.exe.d/browser %u"
                                              << "/opt/tools.exe.d/browser";
}

void WebTest::openCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, program);
    QCOMPARE(BrowserFromOpenCommand(command), program);
}

void WebTest::desktopExec_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("program");
    QTest::newRow("program and field code") << "firefox-esr %u"
                                            << "firefox-esr";
    QTest::newRow("env settings in front")
        << "env BAMF_DESKTOP_FILE_HINT=/x.desktop /snap/bin/firefox %U"
        << "/snap/bin/firefox";
    QTest::newRow("needs arguments of its own")
        << "/usr/bin/flatpak run org.mozilla.firefox @@u %u @@" << QString();
    QTest::newRow("empty") << QString() << QString();
}

void WebTest::desktopExec()
{
    QFETCH(QString, exec);
    QFETCH(QString, program);
    QCOMPARE(BrowserFromDesktopExec(exec), program);
}

void WebTest::browserFromEnvironment()
{
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString browser = RecordingBrowser(dir);

    env.set("BROWSER", QFile::encodeName(dir.filePath(QStringLiteral("missing")) + ":browser %s"));
    QCOMPARE(FindBrowser(), browser); // the first entry that runs, found on the PATH

    env.set("BROWSER", QFile::encodeName(dir.filePath(QStringLiteral("missing"))));
    QCOMPARE(FindBrowser(), QString());
}

void WebTest::browserFromDefaultDesktopEntry()
{
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString browser = RecordingBrowser(dir);
    WriteScript(dir.filePath(QStringLiteral("xdg-mime")),
                "#!/bin/sh\n[ \"$3\" = x-scheme-handler/http ] && echo webby.desktop\n");
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("nodata/applications")));
    QFile entry(dir.filePath(QStringLiteral("nodata/applications/webby.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Webby\nType=Application\nExec=" +
                QFile::encodeName(browser) + " %u\n\n[Desktop Action new]\nExec=/bin/false\n");
    entry.close();

    QCOMPARE(FindBrowser(), browser);
}

void WebTest::slowDesktopQueryIsNotWaitedFor()
{
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString browser = RecordingBrowser(dir);
    const QString opener = WriteScript(dir.filePath(QStringLiteral("xdg-open")), "#!/bin/sh\n");
    // The answer would come, but only after the window had been frozen for seconds.
    WriteScript(dir.filePath(QStringLiteral("xdg-mime")),
                "#!/bin/sh\n/bin/sleep 2\necho webby.desktop\n");
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("nodata/applications")));
    QFile entry(dir.filePath(QStringLiteral("nodata/applications/webby.desktop")));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Webby\nType=Application\nExec=" +
                QFile::encodeName(browser) + " %u\n");
    entry.close();

    QCOMPARE(FindBrowser(), opener);
}

void WebTest::xdgOpenWhenNothingElse()
{
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString opener = WriteScript(dir.filePath(QStringLiteral("xdg-open")), "#!/bin/sh\n");
    QCOMPARE(FindBrowser(), opener);
}

void WebTest::homePageOpensInBrowser_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("address");
    QTest::newRow("sve") << "sve"
                         << "https://vokabo.github.io/svenska.htm";
    QTest::newRow("eng") << "eng"
                         << "https://vokabo.github.io/";
    QTest::newRow("fin") << "fin"
                         << "https://vokabo.github.io/suomi.htm";
}

void WebTest::homePageOpensInBrowser()
{
    QFETCH(QString, language);
    QFETCH(QString, address);
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString browser = RecordingBrowser(dir);
    env.set("BROWSER", QFile::encodeName(browser));

    FakePrompter prompter;
    GoToHomePage(prompter, language);
    QVERIFY(prompter.messages.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(RecordedArguments(browser), address + u'\n', 10000);
}

void WebTest::noBrowserTellsWhereToGo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString folder = HomePageFolder.toString();
    QTest::newRow("sve") << "sve"
                         << "Www-bläddraren hittades inte"
                         << "Vokabo hittar inte din www-bläddrare, starta den på vanligt sätt och "
                            "gå till: " +
                                folder + "\rför att komma till denna programs hemsida.";
    QTest::newRow("eng") << "eng"
                         << "Web-browser not found"
                         << "Vokabo can not find your web-browser, please start it and go to: " +
                                folder;
    QTest::newRow("fin") << "fin"
                         << "Www-selaiju ohjelma ei löytynyt"
                         << "Vokabo ei löydä sinun www-selailu ohjelmaa, käynnistä se ja mene "
                            "osoitteesen: " +
                                folder + "\rniin pääset Vokabo kotisivulle.";
}

void WebTest::noBrowserTellsWhereToGo()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QVERIFY(InstallInterfaceTranslator(language));
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);

    FakePrompter prompter;
    GoToHomePage(prompter, language);
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, title);
    QCOMPARE(prompter.messages[0].text, text);
    QCOMPARE(prompter.messages[0].flags, 0x30);
    QVERIFY(!prompter.messages[0].text.contains(HomePageFolder.toString() + u'/'));
}

void WebTest::browserThatCannotStartTellsWhereToGo()
{
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    const QString broken =
        WriteScript(dir.filePath(QStringLiteral("broken")), "#!/no/such/interpreter\n");
    env.set("BROWSER", QFile::encodeName(broken));
    QCOMPARE(FindBrowser(), broken);

    FakePrompter prompter;
    GoToHomePage(prompter, QStringLiteral("sve"));
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, QStringLiteral("Www-bläddraren hittades inte"));
}

void WebTest::portalStaysSwedish_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("sve") << "sve";
    QTest::newRow("eng") << "eng";
    QTest::newRow("fin") << "fin";
}

void WebTest::portalStaysSwedish()
{
    QFETCH(QString, language);
    QVERIFY(InstallInterfaceTranslator(language));
    FakePrompter prompter;
    PortalWindow portal(prompter);

    QCOMPARE(portal.objectName(), QStringLiteral("frmPortal"));
    QCOMPARE(portal.windowTitle(), QStringLiteral("Programtorget"));
    auto text = [&](const char* name) {
        QLabel* label = portal.findChild<QLabel*>(QLatin1String(name));
        if (label)
            return label->text();
        QPushButton* button = portal.findChild<QPushButton*>(QLatin1String(name));
        return button ? button->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
    };
    QCOMPARE(text("Label1"), QStringLiteral("Programtorget"));
    QCOMPARE(text("Label10"), QStringLiteral("Inresserad av svenska sharewareprogram? Besök då:"));
    QCOMPARE(text("Label2"),
             QStringLiteral("Kopiera adressen härifrån och klistra in i din www-bläddrare."));
    QCOMPARE(text("Label11"), QStringLiteral("Tips du kan klicka på nedanstående knapp för att "
                                             "starta din www-bläddrare och direkt gå till "
                                             "Programtorget."));
    QCOMPARE(text("cmdHemsida"), QStringLiteral("&Gå till Programtorget"));
    QCOMPARE(text("cmdHurKopiera"), QStringLiteral("&Hur kopiera?"));
    QCOMPARE(text("cmdSkolOk"), QStringLiteral("&OK"));
    QCOMPARE(portal.findChild<QLabel*>(QStringLiteral("Label1"))->font().pointSize(), 18);

    QLineEdit* address = portal.findChild<QLineEdit*>(QStringLiteral("txtAdress"));
    QVERIFY(address);
    QCOMPARE(address->text(), QStringLiteral("https://vokabo.github.io/programtorget"));
    QVERIFY(!address->text().endsWith(u'/'));
    QVERIFY(address->isReadOnly());
}

void WebTest::portalHowToCopy()
{
    QVERIFY(InstallInterfaceTranslator(QStringLiteral("eng")));
    FakePrompter prompter;
    PortalWindow portal(prompter);
    portal.findChild<QPushButton*>(QStringLiteral("cmdHurKopiera"))->click();

    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].flags, 0);
    QCOMPARE(prompter.messages[0].title,
             QStringLiteral("Så här kopierar du adressen till din www-bläddrare"));
    const QStringList lines = prompter.messages[0].text.split(u'\r');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[1], QStringLiteral("Håll ned knappen Ctrl och tryck på C"));
    QCOMPARE(lines[4], QStringLiteral("Klistrade du in adressen i din www-bläddrare, tryck då på "
                                      "enter och du kommer du till Programtorget"));
}

void WebTest::portalOpensServiceOrSaysNoBrowser()
{
    QVERIFY(InstallInterfaceTranslator(QStringLiteral("fin")));
    QTemporaryDir dir;
    EnvGuard env;
    HideEveryBrowser(env, dir);
    FakePrompter prompter;
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    PortalWindow portal(prompter, &owner);
    portal.show();
    QPushButton* go = portal.findChild<QPushButton*>(QStringLiteral("cmdHemsida"));

    go->click();
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, QStringLiteral("Www-bläddraren hittades inte"));
    QCOMPARE(prompter.messages[0].text,
             QStringLiteral("Vokabo hittar inte din www-bläddrare, gå till Programtorget på "
                            "vanligt sätt."));
    QCOMPARE(prompter.messages[0].flags, 0x30);

    const QString browser = RecordingBrowser(dir);
    env.set("BROWSER", QFile::encodeName(browser));
    go->click();
    QCOMPARE(prompter.messages.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(RecordedArguments(browser), ServiceAddress.toString() + "/\n", 10000);

    portal.findChild<QPushButton*>(QStringLiteral("cmdSkolOk"))->click();
    QVERIFY(!portal.isVisible());
    QCOMPARE(portal.result(), int(QDialog::Accepted));
}

QTEST_MAIN(WebTest)
#include "tst_web.moc"
