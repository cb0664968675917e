// The program's end by the system: SIGTERM reaches the event loop as a Qt signal, a dead run's
// unsaved list is offered back with Yes or No, and the end without a question keeps the copy.
#include "EditorPage.h"
#include "FakePrompter.h"
#include "ListRecovery.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "SessionGuard.h"
#include "StartUp.h"
#include "StartedWindow.h"
#include "TerminationSignals.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

// A started window with its session guard, whose recovery copies go to the folder.
struct Started : StartedWindow
{
    SessionGuard* guard;

    explicit Started(const QString& folder) : guard(new SessionGuard(*window, prompter, folder)) {}
};

WordList leftList(const QString& path)
{
    WordList list;
    list.heading = QStringLiteral("Djur");
    list[0] = {QStringLiteral("dog"), QStringLiteral("hund"), {}, {}, {}};
    list[2] = {QStringLiteral("cat"), QStringLiteral("katt"), {}, {}, {}};
    list.filePath = path;
    list.changed = 1;
    return list;
}

// A dead copy's recovery file; false when it could not be written.
[[nodiscard]] bool leaveCopy(const QString& folder, const WordList& list)
{
    return QDir().mkpath(folder) &&
           WriteBytes(QDir(folder).filePath(QStringLiteral("recovery-999999999.vkr")),
                      ListRecovery::copyBytes(list));
}

} // namespace

class TestSessionGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void terminationSignalsArriveOnTheEventLoop_data();
    void terminationSignalsArriveOnTheEventLoop();
    void yesShowsTheRecoveredList_data();
    void yesShowsTheRecoveredList();
    void noDiscardsIt();
    void normalEndRemovesTheCopy();
    void sessionEndAsksWhereItMay_data();
    void sessionEndAsksWhereItMay();
};

void TestSessionGuard::terminationSignalsArriveOnTheEventLoop_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestSessionGuard::terminationSignalsArriveOnTheEventLoop()
{
    QFETCH(int, number);
    TerminationSignals watcher;
    QVERIFY(watcher.installed());
    QSignalSpy spy(&watcher, &TerminationSignals::received);
    QCOMPARE(::raise(number), 0);
    // Still running: the handler only told the event loop.
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.at(0).at(0).toInt(), number);
}

void TestSessionGuard::yesShowsTheRecoveredList_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("title");
    QTest::newRow("sve, saved before")
        << QStringLiteral("sve") << true
        << QStringLiteral("Vokabo avslutades utan att ändringarna i ordlistan djur.vkf sparades. "
                          "Vill du återställa dem?")
        << QStringLiteral("Vokabo - djur.vkf");
    QTest::newRow("eng, never saved")
        << QStringLiteral("eng") << false
        << QStringLiteral("Vokabo ended without saving a new wordlist. Do you want to restore it?")
        << QStringLiteral("Vokabo - Unsaved wordlist");
    QTest::newRow("fin, saved before")
        << QStringLiteral("fin") << true
        << QStringLiteral("Vokabo sulkeutui tallentamatta sanalistan djur.vkf muutoksia. Haluatko "
                          "palauttaa ne?")
        << QStringLiteral("Vokabo - djur.vkf");
}

void TestSessionGuard::yesShowsTheRecoveredList()
{
    QFETCH(QString, language);
    QFETCH(bool, named);
    QFETCH(QString, question);
    QFETCH(QString, title);
    TestSettings settings("sv_SE.UTF-8");
    const QString folder = QDir(settings.folder()).filePath(QStringLiteral("recovery"));
    const QString path = QDir(settings.folder()).filePath(QStringLiteral("djur.vkf"));
    QVERIFY(leaveCopy(folder, leftList(named ? path : QString())));
    Started s(folder);
    QVERIFY(InstallInterfaceTranslator(language));
    s.prompter.answers.enqueue(Prompter::Yes);
    s.guard->OfferRecovery();

    QCOMPARE(s.prompter.messages.size(), 1);
    QCOMPARE(s.prompter.messages[0].text, question);
    QCOMPARE(s.prompter.messages[0].flags, int(Prompter::YesNoQuestion));
    WordList& list = s.window->wordList();
    QCOMPARE(list.changed, 1);
    QCOMPARE(list.filePath, named ? path : QString());
    QCOMPARE(list.heading, QStringLiteral("Djur"));
    QCOMPARE(list[2].known, QStringLiteral("katt"));
    QVERIFY(s.window->editorShowing());
    QCOMPARE(s.window->windowTitle(), title);
    // This run's copy holds the list now; the dead run's is gone.
    QCOMPARE(QDir(folder).entryList({QStringLiteral("*.vkr")}),
             QStringList{QFileInfo(s.guard->recovery().ownFile()).fileName()});

    // Save writes it to its own file.
    if (named) {
        QVERIFY(s.window->files().Save());
        QCOMPARE(list.changed, 0);
        QVERIFY(FileBytes(path).contains("katt"));
    }
}

void TestSessionGuard::noDiscardsIt()
{
    TestSettings settings("sv_SE.UTF-8");
    const QString folder = QDir(settings.folder()).filePath(QStringLiteral("recovery"));
    QVERIFY(leaveCopy(folder, leftList(QString())));
    Started s(folder);
    s.prompter.answers.enqueue(Prompter::No);
    s.guard->OfferRecovery();
    QCOMPARE(s.prompter.messages.size(), 1);
    QCOMPARE(s.window->wordList().changed, 0);
    QCOMPARE(s.window->wordList().Length(), 0);
    QVERIFY(QDir(folder).entryList({QStringLiteral("*.vkr")}).isEmpty());
    // Nothing is offered again.
    s.guard->OfferRecovery();
    QCOMPARE(s.prompter.messages.size(), 1);
}

void TestSessionGuard::normalEndRemovesTheCopy()
{
    TestSettings settings("sv_SE.UTF-8");
    const QString folder = QDir(settings.folder()).filePath(QStringLiteral("recovery"));
    Started s(folder);
    s.window->wordList()[0].learned = QStringLiteral("katt");
    s.window->wordList().changed = 1;
    s.guard->recovery().update();
    QVERIFY(QFile::exists(s.guard->recovery().ownFile()));
    // The exit question answered No: the words were let go.
    s.prompter.answers.enqueue(Prompter::No);
    QVERIFY(s.window->close());
    QVERIFY(!QFile::exists(s.guard->recovery().ownFile()));
}

void TestSessionGuard::sessionEndAsksWhereItMay_data()
{
    QTest::addColumn<bool>("mayAsk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("copyKept");
    QTest::addColumn<bool>("saved");
    QTest::newRow("no interaction") << false << 0 << true << true << false;
    QTest::newRow("yes") << true << int(Prompter::Yes) << true << false << true;
    QTest::newRow("no") << true << int(Prompter::No) << true << false << false;
    QTest::newRow("cancel") << true << int(Prompter::Cancel) << false << true << false;
}

void TestSessionGuard::sessionEndAsksWhereItMay()
{
    QFETCH(bool, mayAsk);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, copyKept);
    QFETCH(bool, saved);
    TestSettings settings("sv_SE.UTF-8");
    const QString folder = QDir(settings.folder()).filePath(QStringLiteral("recovery"));
    const QString path = QDir(settings.folder()).filePath(QStringLiteral("ord.vkf"));
    QVERIFY(WriteBytes(path, "H\r\nA\r\nB\r\n"));
    Started s(folder);
    QVERIFY(s.window->load(path));
    WordList& list = s.window->wordList();
    list[0].learned = QStringLiteral("katt");
    list.changed = 1;
    s.guard->recovery().update();
    if (mayAsk)
        s.prompter.answers.enqueue(answer);
    QFile::remove(settings.iniPath());

    QCOMPARE(s.guard->CommitSession(mayAsk), goesOn);
    QCOMPARE(s.prompter.messages.size(), mayAsk ? 1 : 0);
    if (mayAsk) {
        QCOMPARE(
            s.prompter.messages[0].text,
            QStringLiteral("Vill du spara ändringar i denna ordlista, innan Vokabo avslutas?"));
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::YesNoCancelQuestion));
    }
    QCOMPARE(QFile::exists(s.guard->recovery().ownFile()), copyKept);
    QCOMPARE(FileBytes(path).contains("katt"), saved);
    // The exit settings are written unless the end was cancelled.
    QCOMPARE(settings.iniText().contains(QStringLiteral("[Files]")), goesOn);
    // Another tick of the timer brings back no copy the learner declined.
    s.guard->recovery().update();
    QCOMPARE(QFile::exists(s.guard->recovery().ownFile()), copyKept);
}

QTEST_MAIN(TestSessionGuard)
#include "tst_sessionguard.moc"
