#include "FakePrompter.h"
#include "FileCommands.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "WordListFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class RecordingView : public FileCommandsView
{
public:
    QString title;
    int recentRefreshes = 0;
    int headerShows = 0;
    int pageShows = 0;
    int quizRestarts = 0;
    bool quiz = false;

    void setTitle(const QString& t) override { title = t; }
    void showEditorFromStart() override { ++pageShows; }
    void showEditorPage() override { ++pageShows; }
    void showHeader() override { ++headerShows; }
    void RefreshRecentMenu() override { ++recentRefreshes; }
    bool quizShowing() const override { return quiz; }
    void restartQuiz() override { ++quizRestarts; }
};

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT

    TestSettings m_settings;
    QTemporaryDir m_dir;
    WordList m_list;
    FakePrompter m_prompter;
    RecordingView m_view;
    std::unique_ptr<FileCommands> m_files;

    QString path(const char* name) const
    {
        return QDir(m_dir.path()).filePath(QLatin1String(name));
    }

    // The path of the new list file; empty when it could not be written.
    QString makeList(const char* name, const QStringList& words)
    {
        QByteArray bytes = "Rubrik\r\nEngelska\r\nSvenska\r\n";
        for (const QString& w : words)
            bytes += w.toLatin1() + "\r\n";
        const QString p = path(name);
        return WriteBytes(p, bytes) ? p : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_list = WordList();
        m_prompter.clear();
        m_view = RecordingView();
        m_files = std::make_unique<FileCommands>(m_list, m_prompter, m_view);
    }

    void newWithChangesYesThenCancelledSaveAsKeepsTheList()
    {
        m_list[0].learned = QStringLiteral("dog");
        m_list.changed = 1;
        m_prompter.answers.enqueue(Prompter::Yes);
        m_prompter.fileAnswers.enqueue(std::nullopt);
        m_files->New();
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].flags, 0x23);
        QCOMPARE(m_prompter.messages[0].title, QString());
        QCOMPARE(m_prompter.messages[0].text,
                 QStringLiteral("Vill du spara ändringar i denna ordlista?"));
        QCOMPARE(m_prompter.dialogs.size(), 1);
        QCOMPARE(m_prompter.dialogs[0].kind, FakePrompter::Dialog::Save);
        QCOMPARE(m_list[0].learned, QStringLiteral("dog"));
        QCOMPARE(m_list.changed, 1);
        QCOMPARE(m_view.title, QString());
    }

    void newClearsEverySlotAndKeepsTheLanguages()
    {
        m_list.language1 = QStringLiteral("Tyska");
        m_list[0].learned = QStringLiteral("a");
        m_list[5].known = QStringLiteral("past the end"); // slots 1..4 empty: not in the list
        m_list[0].answer = QStringLiteral("x");
        m_list.heading = QStringLiteral("H");
        m_list.filePath = QStringLiteral("/x/y.vkf");
        m_list.changed = 1;
        m_prompter.answers.enqueue(Prompter::No);
        m_files->New();
        QCOMPARE(m_list[0].learned, QString());
        QCOMPARE(m_list[0].answer, QString());
        QCOMPARE(m_list[5].known, QString());
        QCOMPARE(m_list.heading, QString());
        QCOMPARE(m_list.filePath, QString());
        QCOMPARE(m_list.language1, QStringLiteral("Tyska"));
        QCOMPARE(m_list.changed, 0);
        QCOMPARE(m_view.title, QStringLiteral("Vokabo - Osparad ordlista"));
        QCOMPARE(m_files->dialogFileName, QStringLiteral("*.vkf"));
    }

    void newInTheQuizRestartsTheQuizOnly()
    {
        m_view.quiz = true;
        m_list[0].learned = QStringLiteral("a");
        m_list.changed = 1;
        m_files->New();
        QCOMPARE(m_view.quizRestarts, 1);
        QVERIFY(m_prompter.messages.isEmpty());
        QCOMPARE(m_list[0].learned, QStringLiteral("a"));
    }

    void openReadsAndPushesRecent()
    {
        const QString p = makeList("a.vkf", {QStringLiteral("dog"), QStringLiteral("hund")});
        QVERIFY(!p.isEmpty());
        m_files->recentFiles = {QStringLiteral("/r1"), QStringLiteral("/r2"), QStringLiteral("/r3"),
                                QStringLiteral("/r4")};
        m_prompter.fileAnswers.enqueue(p);
        m_files->Open();
        QCOMPARE(m_prompter.dialogs[0].kind, FakePrompter::Dialog::Open);
        QCOMPARE(m_prompter.dialogs[0].request.title, QStringLiteral("Öppna ordlista"));
        QCOMPARE(m_prompter.dialogs[0].request.filter,
                 QStringLiteral(
                     "Vokabo filer (*.vkf)|*.vkf|Glosfiler (*.gls)|*.gls|Alla filer (*.*)|*.*"));
        QCOMPARE(m_prompter.dialogs[0].request.defaultExtension, QStringLiteral("vkf"));
        QCOMPARE(m_list[0].learned, QStringLiteral("dog"));
        QCOMPARE(m_list.heading, QStringLiteral("Rubrik"));
        QCOMPARE(m_list.filePath, p);
        QCOMPARE(m_list.changed, 0);
        QCOMPARE(m_view.title, QStringLiteral("Vokabo - a.vkf"));
        QCOMPARE(m_files->recentFiles[0], p);
        QCOMPARE(m_files->recentFiles[1], QStringLiteral("/r1"));
        QCOMPARE(m_files->recentFiles[3], QStringLiteral("/r3"));
    }

    void openingRecentEntryThreeMovesItToTheHead()
    {
        const QString p = makeList("three.vkf", {QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(!p.isEmpty());
        m_files->recentFiles = {QStringLiteral("/one"), QStringLiteral("/two"), p,
                                QStringLiteral("/four")};
        m_prompter.fileAnswers.enqueue(p);
        m_files->Open();
        QCOMPARE(m_files->recentFiles[0], p);
        QCOMPARE(m_files->recentFiles[1], QStringLiteral("/one"));
        QCOMPARE(m_files->recentFiles[2], QStringLiteral("/two"));
        QCOMPARE(m_files->recentFiles[3], QStringLiteral("/four"));
        QCOMPARE(m_list[0].learned, QStringLiteral("a"));
    }

    void recentEntryOneLeavesTheMenuAlone()
    {
        const QString p = makeList("one.vkf", {QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(!p.isEmpty());
        m_files->recentFiles = {p, QStringLiteral("/two"), QString(), QString()};
        m_files->OpenRecent(1);
        QCOMPARE(m_view.recentRefreshes, 0);
        QCOMPARE(m_files->recentFiles[0], p);
        QCOMPARE(m_list[0].known, QStringLiteral("b"));
    }

    void saveAsOntoEntryTwoPushesItAgain()
    {
        const QString p = path("two.vkf");
        m_files->recentFiles = {QStringLiteral("/one"), p, QStringLiteral("/three"),
                                QStringLiteral("/four")};
        m_list[0].learned = QStringLiteral("x");
        m_list.changed = 1;
        m_prompter.fileAnswers.enqueue(p);
        QVERIFY(m_files->SaveAs());
        QCOMPARE(m_files->recentFiles[0], p);
        QCOMPARE(m_files->recentFiles[1], QStringLiteral("/one"));
        QCOMPARE(m_files->recentFiles[2], p);
        QCOMPARE(m_list.changed, 0);
        QCOMPARE(m_view.title, QStringLiteral("Vokabo - two.vkf"));
        QCOMPARE(FileBytes(p), QByteArray("\r\n\r\n\r\nx\r\n\r\n"));
    }

    void missingRecentFileIsReportedAndKept()
    {
        m_files->recentFiles = {path("gone.vkf"), QString(), QString(), QString()};
        m_list.changed = 1;
        m_files->OpenRecent(1);
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].text, QStringLiteral("Filen finns inte."));
        QCOMPARE(m_prompter.messages[0].title, QStringLiteral("Öppna fil"));
        QCOMPARE(m_prompter.messages[0].flags, 0x30);
        QCOMPARE(m_files->recentFiles[0], path("gone.vkf"));
        QCOMPARE(m_list.changed, 1);
    }

    void unreadableFileLeavesTheListAlone()
    {
        m_list[0].learned = QStringLiteral("keep");
        m_list.filePath = QStringLiteral("/old.vkf");
        m_list.changed = 1;
        m_prompter.answers.enqueue(Prompter::No);
        m_prompter.fileAnswers.enqueue(m_dir.path()); // a folder, not a file
        m_files->Open();
        QCOMPARE(m_list[0].learned, QStringLiteral("keep"));
        QCOMPARE(m_list.filePath, QStringLiteral("/old.vkf"));
        QCOMPARE(m_list.changed, 1);
        QCOMPARE(m_prompter.messages.size(), 2);
        QCOMPARE(m_prompter.messages[1].title, QStringLiteral("Öppna ordlista"));
        QCOMPARE(m_prompter.messages[1].flags, 0x30);
        QVERIFY(m_prompter.messages[1].text.startsWith(
            QStringLiteral("Ordlistan %1 kunde inte öppnas.\r").arg(m_dir.path())));
        QCOMPARE(m_files->recentFiles[0], QString());
    }

    void overlongListShowsTheSwedishNoticeOnce()
    {
        QStringList words;
        for (int i = 0; i < 101; ++i)
            words << QStringLiteral("l%1").arg(i) << QStringLiteral("k%1").arg(i);
        const QString p = makeList("long.vkf", words);
        QVERIFY(!p.isEmpty());
        m_prompter.fileAnswers.enqueue(p);
        m_files->Open();
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].text,
                 QStringLiteral("Detta progran kan bara öppna de 100 första orden i en ordlistor "
                                "med med än 100 ord."));
        QCOMPARE(m_prompter.messages[0].flags, 0x40);
        QCOMPARE(m_list.Length(), 100);
        QCOMPARE(m_list[99].known, QStringLiteral("k99"));
    }

    void failedSaveKeepsTheOldFileAndSaysWhy()
    {
        const QString p = makeList("old.vkf", {QStringLiteral("a"), QStringLiteral("b")});
        QVERIFY(!p.isEmpty());
        const QByteArray before = FileBytes(p);
        m_list.filePath = path("no-such-folder/new.vkf");
        m_list[0].learned = QStringLiteral("new");
        m_list.changed = 1;
        QVERIFY(!m_files->Save());
        QCOMPARE(m_list.changed, 1);
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].title, QStringLiteral("Spara ordlista"));
        QVERIFY(m_prompter.messages[0].text.startsWith(
            QStringLiteral("Ordlistan kunde inte sparas som %1.").arg(m_list.filePath)));

        // Save as onto a path whose parent is a file: the previous path comes back.
        m_list.filePath = p;
        m_prompter.fileAnswers.enqueue(p + QStringLiteral("/inside.vkf"));
        QVERIFY(!m_files->SaveAs());
        QCOMPARE(m_list.filePath, p);
        QCOMPARE(m_list.changed, 1);
        QCOMPARE(FileBytes(p), before);
        QCOMPARE(m_files->recentFiles[0], QString());
    }

    void askToSaveAnswers_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("dialogShown");
        QTest::newRow("cancel stops") << int(Prompter::Cancel) << false;
        QTest::newRow("no goes on") << int(Prompter::No) << true;
    }

    void askToSaveAnswers()
    {
        QFETCH(int, answer);
        QFETCH(bool, dialogShown);
        m_list[0].learned = QStringLiteral("a");
        m_list.changed = 1;
        m_prompter.answers.enqueue(answer);
        m_files->Open();
        QCOMPARE(m_prompter.messages[0].text,
                 QStringLiteral(
                     "Vill du spara ändringar i denna ordlista, innan en ny ordlista öppnas?"));
        QCOMPARE(!m_prompter.dialogs.isEmpty(), dialogShown);
    }

    void startupFileMissingIsNotRemembered()
    {
        QVERIFY(!m_files->OpenStartupFile(path("nothing.vkf")));
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].text, QStringLiteral("Filen finns inte."));
        QCOMPARE(m_files->recentFiles[0], QString());
    }

    void startupFileThatCannotBeReadSaysWhy_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder") << "folder"
                                << "Det är en mapp, inte en fil.";
        QTest::newRow("named pipe") << "pipe"
                                    << "Det är ingen vanlig fil.";
        QTest::newRow("/dev/zero") << "device"
                                   << "Det är ingen vanlig fil.";
        QTest::newRow("link to itself") << "loop"
                                        << "Sökvägen har för många symboliska länkar.";
        QTest::newRow("unreadable") << "unreadable"
                                    << "Du har inte behörighet till filen eller mappen.";
    }

    // Only a name with nothing behind it is "not found"; the rest gets Open's message.
    void startupFileThatCannotBeReadSaysWhy()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString p = QDir(m_dir.path()).filePath(kind + QStringLiteral(".vkf"));
        if (kind == u"folder") {
            QVERIFY(QDir().mkdir(p));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(p).constData(), 0600), 0);
        } else if (kind == u"device") {
            p = QStringLiteral("/dev/zero");
        } else if (kind == u"loop") {
            QVERIFY(QFile::link(p, p));
        } else {
            if (::geteuid() == 0)
                QSKIP("root reads every file");
            makeList("unreadable.vkf", {QStringLiteral("a"), QStringLiteral("b")});
            QVERIFY(QFile::setPermissions(p, QFile::WriteOwner));
        }
        m_list[0].learned = QStringLiteral("keep");
        QVERIFY(!m_files->OpenStartupFile(p));
        QCOMPARE(m_prompter.messages.size(), 1);
        QCOMPARE(m_prompter.messages[0].text,
                 QStringLiteral("Ordlistan %1 kunde inte öppnas.\r%2").arg(p, reason));
        QCOMPARE(m_prompter.messages[0].title, QStringLiteral("Öppna ordlista"));
        QCOMPARE(m_prompter.messages[0].flags, 0x30);
        QCOMPARE(m_list[0].learned, QStringLiteral("keep"));
        QCOMPARE(m_files->recentFiles[0], QString());
    }

    void autoSaveOfANeverSavedListAsksForAName()
    {
        m_list[0].learned = QStringLiteral("a");
        m_list.changed = 1;
        QVERIFY(m_files->AutoSave());
        QCOMPARE(m_prompter.dialogs.size(), 1);
        QCOMPARE(m_prompter.dialogs[0].request.title, QStringLiteral("Spara ordlista som"));
        QCOMPARE(m_list.changed, 1);

        m_list.filePath = path("auto.vkf");
        QVERIFY(!m_files->AutoSave());
        QCOMPARE(m_list.changed, 0);
        QVERIFY(QFile::exists(m_list.filePath));
    }
};

QTEST_GUILESS_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
