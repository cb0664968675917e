// A settings file that is broken in any way must not stop the program: it starts with the
// defaults, says nothing about it, and does not hang. Two copies writing it at once leave a
// file that is still a settings file.
#include "EditorPage.h"
#include "FakePrompter.h"
#include "FileSizeLimit.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "Settings.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray garbage(int size)
{
    QByteArray out(size, Qt::Uninitialized);
    QRandomGenerator random(4711); // the same garbage every run
    for (char& c : out)
        c = char(random.bounded(256));
    return out;
}

} // namespace

class SettingsFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void brokenSettingsFileStartsWithDefaults_data();
    void brokenSettingsFileStartsWithDefaults();
    void fullDiskKeepsTheOldSettings();
    void twoCopiesWritingKeepAValidFile_data();
    void twoCopiesWritingKeepAValidFile();
    void lockThatCannotBeTakenSkipsTheWrite();
};

void SettingsFaultsTest::brokenSettingsFileStartsWithDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    // Font size the learned-language boxes get: 8 is the default.
    QTest::addColumn<int>("fontSize");

    QTest::newRow("folder") << "folder" << QByteArray() << 8;
    QTest::newRow("unreadable (link to itself)") << "loop" << QByteArray() << 8;
    QTest::newRow("named pipe") << "pipe" << QByteArray() << 8;
    QTest::newRow("binary garbage") << "file" << garbage(64 * 1024) << 8;
    QTest::newRow("absurd numbers")
        << "file"
        << QByteArray("[Options]\r\nOnlyOne=99999999999999999999\r\nWelcome=-1e308\r\n"
                      "ShowRw=nan\r\nMaximize=1e400\r\n[Position]\r\nX=1e308\r\n"
                      "Y=-99999999999999999999999\r\n[Font]\r\nFont1Size=1e308\r\n"
                      "Font2Size=-0.5\r\n[Language1]\r\nNumber=2147483648\r\n"
                      "[Language2]\r\nNumber=-2147483649\r\n")
        << 6;
    // Every list index read goes to the file, so a big file with a big index could take hours.
    QTest::newRow("4 MB file, list of 999")
        << "big" << QByteArray("0=Utanför\r\n[Language1]\r\nNumber=999\r\n0=Tyska\r\n") << 8;
}

void SettingsFaultsTest::brokenSettingsFileStartsWithDefaults()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, fontSize);

    TestSettings settings;
    const QString ini = settings.iniPath();
    if (kind == u"folder") {
        QVERIFY(QDir().mkdir(ini));
    } else if (kind == u"loop") {
        QVERIFY(QFile::link(ini, ini));
    } else if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    } else if (kind == u"big") {
        QVERIFY(WriteBytes(ini, bytes + QByteArray(IniFile::kMaxFileBytes - bytes.size(), ';')));
    } else {
        QVERIFY(WriteBytes(ini, bytes));
    }

    ProgramSettings program;
    FakePrompter prompter;
    PrepareInterfaceLanguage(program);
    QCOMPARE(program.uiLanguage, QStringLiteral("eng"));
    MainWindow window(program, prompter);
    QVERIFY(window.load(QString()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(prompter.messages.size(), 0);
    QCOMPARE(program.font1Size, fontSize);
    QVERIFY(program.showRw == 0 || program.showRw == -1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Vokabo - Unsaved wordlist"));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.pos()));
    QVERIFY(window.editor()->lang1Box()->count() <= 1000);

    // The exit writes do not hurt either, and the program closes.
    window.close();
    QVERIFY(!window.isVisible());
    if (kind == u"folder")
        QVERIFY(QFileInfo(ini).isDir());
    if (kind == u"big") {
        // The big file's keys still read as the small file's do.
        QCOMPARE(
            Settings::ReadSetting(QStringLiteral(" language1 "), QStringLiteral("0 "), QString()),
            QStringLiteral("Tyska"));
        QCOMPARE(Settings::ReadSetting(QStringLiteral("Language1"), QStringLiteral("1"),
                                       QStringLiteral("none")),
                 QStringLiteral("none"));
    }
}

void SettingsFaultsTest::fullDiskKeepsTheOldSettings()
{
    TestSettings settings;
    QByteArray old = "[Files]\r\n";
    for (int i = 0; i < 200; ++i)
        old += "Entry" + QByteArray::number(i) + "=/home/learner/ord/lista.vkf\r\n";
    QVERIFY(WriteBytes(settings.iniPath(), old));
    {
        // Room for the old file but not for the new key at its end.
        const FileSizeLimit limit(rlim_t(old.size()));
        QVERIFY(limit.ok());
        Settings::WriteSetting(QStringLiteral("Files"), QStringLiteral("1"),
                               QStringLiteral("/home/learner/ny.vkf"));
    }
    QCOMPARE(settings.iniBytes(), old);
    QCOMPARE(QDir(settings.folder()).entryList(QDir::Files), QStringList{"Vokabo.ini"});
}

void SettingsFaultsTest::twoCopiesWritingKeepAValidFile_data()
{
    QTest::addColumn<bool>("slowDisk");
    QTest::newRow("normal disk") << false;
    // Each write holds the lock longer, so a copy waits for it far longer than on a fast disk.
    QTest::newRow("fdatasync 10 ms slower") << true;
}

void SettingsFaultsTest::twoCopiesWritingKeepAValidFile()
{
    QFETCH(bool, slowDisk);
    TestSettings settings;
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/fault_helper");
    constexpr int kWrites = 150;
    QProcess first;
    QProcess second;
    const QString syncLog = QDir(settings.folder()).filePath(QStringLiteral("syncs.log"));
    if (slowDisk) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VOKABO_SLOW_SYNC));
        env.insert(QStringLiteral("VOKABO_SLOW_SYNC_LOG"), syncLog);
        // The sanitizer runtime would refuse to start behind a preloaded library.
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   asan + (asan.isEmpty() ? "" : ":") + QStringLiteral("verify_asan_link_order=0"));
        first.setProcessEnvironment(env);
        second.setProcessEnvironment(env);
    }
    first.start(helper,
                {QStringLiteral("settings"), QStringLiteral("A"), QString::number(kWrites)});
    second.start(helper,
                 {QStringLiteral("settings"), QStringLiteral("B"), QString::number(kWrites)});
    QVERIFY(first.waitForFinished(120000));
    QVERIFY(second.waitForFinished(120000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    if (slowDisk) // every write of both copies went through the slow fdatasync
        QVERIFY(QFileInfo(syncLog).size() >= 4 * kWrites);

    const QString text = TextCodec::decode(settings.iniBytes());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.last(), QString()); // ends with a line end
    const QRegularExpression validLine(QStringLiteral("^(\\[[^\\]]+\\]|[^=\\[]+=.*)$"));
    QStringList sections;
    for (const QString& line : lines.first(lines.size() - 1)) {
        QVERIFY2(validLine.match(line).hasMatch(), qPrintable(line));
        if (line.startsWith(u'['))
            sections.append(line);
    }
    sections.sort();
    QCOMPARE(sections, QStringList({"[Copy A]", "[Copy B]", "[Options]"}));

    // Every key of both copies is there with what its copy wrote: neither undid the other.
    int lost = 0;
    for (const QString& name : {QStringLiteral("A"), QStringLiteral("B")}) {
        const QString section = QStringLiteral("Copy ") + name;
        for (int i = 0; i < kWrites; ++i) {
            const auto value = IniFile::lookup(text, section, QString::number(i));
            if (!value)
                ++lost;
            else
                QCOMPARE(*value, name + QString::number(i));
        }
    }
    // The last write of either copy is its ShowRw=-1.
    QCOMPARE(IniFile::lookup(text, QStringLiteral("Options"), QStringLiteral("ShowRw")),
             std::optional<QString>(QStringLiteral("-1")));
    qInfo("two copies wrote %d settings each at once: %d of them lost to the other copy", kWrites,
          lost);
    QCOMPARE(lost, 0);
}

void SettingsFaultsTest::lockThatCannotBeTakenSkipsTheWrite()
{
    TestSettings settings;
    const QByteArray old = "[Options]\r\nWelcome=0\r\n";
    settings.writeIni(old);
    QVERIFY(QDir().mkdir(settings.iniPath() + QStringLiteral(".lock")));
    // Without the lock a write could undo another copy's: each is skipped, as a failed write is.
    for (int i = 0; i < 20; ++i)
        QVERIFY(!IniFile::write(settings.iniPath(), QStringLiteral("Files"), QString::number(i),
                                QStringLiteral("lista.vkf")));
    Settings::WriteSetting(QStringLiteral("Options"), QStringLiteral("Welcome"),
                           QStringLiteral("1"));
    QCOMPARE(settings.iniBytes(), old);
    QCOMPARE(Settings::ReadSetting(QStringLiteral("Options"), QStringLiteral("Welcome"), "1"),
             QStringLiteral("0"));
    QCOMPARE(QDir(settings.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList({"Vokabo.ini", "Vokabo.ini.lock"}));

    // Once the lock can be had again, writes go through at once.
    QVERIFY(QDir().rmdir(settings.iniPath() + QStringLiteral(".lock")));
    QVERIFY(IniFile::write(settings.iniPath(), QStringLiteral("Options"), QStringLiteral("Welcome"),
                           QStringLiteral("1")));
    QCOMPARE(settings.iniBytes(), QByteArray("[Options]\r\nWelcome=1\r\n"));
}

QTEST_MAIN(SettingsFaultsTest)
#include "tst_settingsfaults.moc"
