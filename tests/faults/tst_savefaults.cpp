// Saving must never cost the learner the file already on disk: not when the place cannot be
// written, not when the disk fills up mid-write, not when the program is killed while it saves.
#include "FakePrompter.h"
#include "FaultLists.h"
#include "FileSizeLimit.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "WordListFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <algorithm>

#include <sys/stat.h>

class SaveFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void killedWhileSavingLeavesOldOrNewList();
};

void SaveFaultsTest::failedSaveKeepsTheOldFile_data()
{
    // Where the new file goes, relative to the test folder; "" saves over the old file itself.
    QTest::addColumn<QString>("target");
    // 0: no limit; otherwise the file system takes only this many bytes a file.
    QTest::addColumn<qint64>("diskRoom");
    // The system's reason, as the Swedish interface tells it.
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder does not exist")
        << "missing/list.vkf" << qint64(0) << "Filen eller mappen finns inte.";
    QTest::newRow("parent is a file")
        << "old.vkf/list.vkf" << qint64(0) << "En del av sökvägen är inte en mapp.";
    QTest::newRow("target is a folder")
        << "folder.vkf" << qint64(0) << "Det är en mapp, inte en fil.";
    QTest::newRow("target is a pipe") << "pipe.vkf" << qint64(0) << "Det är ingen vanlig fil.";
    QTest::newRow("disk full at once") << "" << qint64(1) << "Filen blir för stor.";
    QTest::newRow("disk full after 4 KB") << "" << qint64(4096) << "Filen blir för stor.";
    QTest::newRow("disk full one byte short") << "" << qint64(-1) << "Filen blir för stor.";
}

void SaveFaultsTest::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(qint64, diskRoom);
    QFETCH(QString, reason);
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString oldPath = dir.filePath(QStringLiteral("old.vkf"));
    QVERIFY(WriteBytes(oldPath, WordListFileBytes(FaultList('A'))));
    const QByteArray oldBytes = FileBytes(oldPath, "<no file>");
    QVERIFY(dir.mkdir(QStringLiteral("folder.vkf")));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.vkf"))).constData(), 0600), 0);

    ProgramSettings program;
    FakePrompter prompter;
    PrepareInterfaceLanguage(program);
    MainWindow window(program, prompter);
    QVERIFY(window.load(oldPath));
    QCOMPARE(window.wordList().heading, QStringLiteral("Lista A"));

    // The learner types a new list over the old one.
    WordList& list = window.wordList();
    const WordList typed = FaultList('B');
    for (int i = 0; i < WordList::MaxWords; ++i)
        list[i] = typed[i];
    list.changed = 1;
    const QStringList entriesBefore = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    bool saved = true;
    if (target.isEmpty()) {
        std::optional<FileSizeLimit> limit;
        const qint64 newSize = WordListFileBytes(list).size();
        limit.emplace(rlim_t(diskRoom > 0 ? diskRoom : newSize + diskRoom));
        QVERIFY(limit->ok());
        saved = window.files().Save();
    } else {
        prompter.fileAnswers.enqueue(dir.filePath(target));
        saved = window.files().SaveAs();
    }

    QVERIFY(!saved);
    QCOMPARE(FileBytes(oldPath, "<no file>"), oldBytes);
    QCOMPARE(list.filePath, oldPath);
    QCOMPARE(list.changed, 1);
    QCOMPARE(list[99].learned, typed[99].learned);
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, QStringLiteral("Spara ordlista"));
    QCOMPARE(prompter.messages[0].flags, int(Prompter::ExclamationOk));
    QCOMPARE(prompter.messages[0].text,
             QStringLiteral("Ordlistan kunde inte sparas som %1.\r%2")
                 .arg(target.isEmpty() ? oldPath : dir.filePath(target), reason));
    // No half-written temporary file is left beside the old one.
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entriesBefore);
    // A pipe or device in the way is never swapped for a file.
    QVERIFY(!QFileInfo(dir.filePath(QStringLiteral("pipe.vkf"))).isFile());
}

void SaveFaultsTest::killedWhileSavingLeavesOldOrNewList()
{
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString path = dir.filePath(QStringLiteral("list.vkf"));
    const QByteArray a = WordListFileBytes(FaultList('A'));
    const QByteArray b = WordListFileBytes(FaultList('B'));
    QVERIFY(WriteBytes(path, a));
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/fault_helper");

    // Kills spread over about four saves, however fast this build and machine save.
    QElapsedTimer clock;
    clock.start();
    WordList probe = FaultList('B');
    probe.filePath = dir.filePath(QStringLiteral("probe.vkf"));
    QVERIFY(!WriteWordListFile(probe));
    const int spreadMicroseconds = int(4 * clock.nsecsElapsed() / 1000) + 2000;
    QVERIFY(QFile::remove(probe.filePath));

    // On a busy machine a save can take far longer than the probe did, so the runs go on, with
    // the kills spread ever wider, until both outcomes have been seen.
    constexpr int kRuns = 100;
    constexpr int kMostRuns = 400;
    int sawOld = 0;
    int sawNew = 0;
    int run = 0;
    for (; run < kMostRuns && (run < kRuns || sawOld == 0 || sawNew == 0); ++run) {
        const int spread = spreadMicroseconds * (1 + std::max(0, run - kRuns) / 50);
        QProcess saver;
        saver.start(helper, {QStringLiteral("save"), path});
        QVERIFY2(saver.waitForStarted(), qPrintable(saver.errorString()));
        QVERIFY(saver.waitForReadyRead(30000));
        // Anywhere from before the first save to well into the loop.
        QThread::usleep(QRandomGenerator::global()->bounded(spread));
        saver.kill();
        QVERIFY(saver.waitForFinished(30000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        const QByteArray now = FileBytes(path, "<no file>");
        QVERIFY2(now == a || now == b,
                 qPrintable(QStringLiteral("run %1: a file of %2 bytes that is "
                                           "neither list")
                                .arg(run)
                                .arg(now.size())));
        WordListFileContent content;
        QVERIFY(!ReadWordListFile(path, content));
        QCOMPARE(content.pairs.size(), size_t(WordList::MaxWords));
        (now == a ? sawOld : sawNew)++;
    }
    // A kill between the temporary file's naming and its rename can leave it behind, hidden and
    // named as what it is.
    QStringList others = dir.entryList(QDir::Files | QDir::Hidden);
    others.removeAll(QStringLiteral("list.vkf"));
    for (const QString& other : others)
        QVERIFY2(other.startsWith(QStringLiteral(".list.vkf.vokabo-save-")), qPrintable(other));
    qInfo("killed %d times while saving, within %d us: old list %d, new list %d, other files "
          "left %lld %s",
          run, spreadMicroseconds, sawOld, sawNew, others.size(), qPrintable(others.join(u' ')));
    // Both outcomes occurred, so the kills did land between and inside saves.
    QVERIFY(sawOld > 0);
    QVERIFY(sawNew > 0);
    // The next save of the list clears what the killed copies left.
    WordList list = FaultList('A');
    list.filePath = path;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("list.vkf")});
}

QTEST_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
