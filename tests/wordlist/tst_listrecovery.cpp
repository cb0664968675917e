// The recovery copy of an unsaved list: written while the list has changes, gone once it has none,
// never over the list's own file, and offered back only when its program no longer runs.
#include "ListRecovery.h"
#include "ProcessLock.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestListRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyFollowsTheChangedFlag();
    void copyIsWrittenSoonAfterAChange();
    void copyNeverGoesOverTheListsOwnFile();
    void leftoverOfADeadCopyIsClaimedOnce();
    void leftoverOfALivingCopyIsNeverOffered();
    void declinedListIsNotCopiedAgainUntilItChanges();
};

namespace {

WordList typedList()
{
    WordList list;
    list.heading = QStringLiteral("Kapitel 3");
    list.language1 = QStringLiteral("Engelska");
    list[0] = {QStringLiteral("dog"), QStringLiteral("hund"), {}, {}, {}};
    list[3] = {QStringLiteral("cat"), QStringLiteral("katt"), {}, {}, {}};
    list.filePath = QStringLiteral("/home/ola/ord/djur .vkf");
    list.changed = 1;
    return list;
}

// A copy as a run with the given process id would have left it.
[[nodiscard]] bool leaveCopy(const QString& folder, const QString& pid, const WordList& list)
{
    return QDir().mkpath(folder) &&
           WriteBytes(QDir(folder).filePath(QStringLiteral("recovery-%1.vkr").arg(pid)),
                      ListRecovery::copyBytes(list));
}

} // namespace

void TestListRecovery::copyFollowsTheChangedFlag()
{
    QTemporaryDir dir;
    WordList list = typedList();
    ListRecovery recovery(list, dir.filePath(QStringLiteral("rec")));
    recovery.update();
    QCOMPARE(FileBytes(recovery.ownFile()), ListRecovery::copyBytes(list));

    ListRecovery::Leftover back;
    QVERIFY(ListRecovery::readCopy(recovery.ownFile(), back));
    QCOMPARE(back.filePath, list.filePath);
    QCOMPARE(back.content.pairs.size(), size_t(4));
    QCOMPARE(back.content.pairs[3].second, QStringLiteral("katt"));
    QCOMPARE(*back.content.heading, QStringLiteral("Kapitel 3"));

    list[5].learned = QStringLiteral("cow");
    recovery.update();
    QVERIFY(FileBytes(recovery.ownFile()).contains("cow"));

    // Saved, replaced or closed without changes: the copy goes.
    list.changed = 0;
    recovery.update();
    QVERIFY(!QFile::exists(recovery.ownFile()));
}

void TestListRecovery::copyIsWrittenSoonAfterAChange()
{
    QTemporaryDir dir;
    WordList list;
    ListRecovery recovery(list, dir.filePath(QStringLiteral("rec")));
    recovery.start(200);
    // A run without changes writes nothing, not even the folder.
    QTest::qWait(500);
    QVERIFY(!QFileInfo::exists(recovery.folder()));
    list[0].learned = QStringLiteral("katt");
    list.changed = 1;
    QTRY_VERIFY_WITH_TIMEOUT(FileBytes(recovery.ownFile()).contains("katt"), 2000);
    list.changed = 0;
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(recovery.ownFile()), 2000);
}

void TestListRecovery::copyNeverGoesOverTheListsOwnFile()
{
    QTemporaryDir dir;
    WordList list = typedList();
    ListRecovery recovery(list, dir.filePath(QStringLiteral("rec")));
    list.filePath = recovery.ownFile();
    QVERIFY(QDir().mkpath(recovery.folder()));
    QVERIFY(WriteBytes(list.filePath, "the list's own words"));
    recovery.update();
    QCOMPARE(FileBytes(list.filePath), QByteArray("the list's own words"));
}

void TestListRecovery::leftoverOfADeadCopyIsClaimedOnce()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("rec"));
    QVERIFY(leaveCopy(folder, QStringLiteral("999999999"), typedList()));
    WordList list;
    ListRecovery recovery(list, folder);
    recovery.start();
    const auto leftover = recovery.claimLeftover();
    QVERIFY(leftover);
    QCOMPARE(leftover->filePath, typedList().filePath);
    QCOMPARE(leftover->content.pairs[0].first, QStringLiteral("dog"));

    // Another copy starting now does not get it while this one holds it.
    WordList other;
    ListRecovery second(other, folder);
    QVERIFY(!second.claimLeftover());

    recovery.dropLeftover(*leftover);
    QVERIFY(!QFile::exists(leftover->file));
    QVERIFY(!second.claimLeftover());
    QVERIFY(!recovery.claimLeftover());
}

void TestListRecovery::leftoverOfALivingCopyIsNeverOffered()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("rec"));
    // The first copy runs: it holds its lock and has a copy of its unsaved list.
    WordList first = typedList();
    ListRecovery running(first, folder);
    running.start();
    running.update();
    QVERIFY(QFile::exists(running.ownFile()));
    // A second copy, seen as another process: its lock file holds the same living process.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString renamed = QDir(folder).filePath(QStringLiteral("recovery-1%1.vkr").arg(pid));
    QVERIFY(QFile::copy(running.ownFile(), renamed));
    ProcessLock living(QDir(folder).filePath(QStringLiteral("recovery-1%1.lock").arg(pid)));
    QVERIFY(living.tryLock());

    WordList list;
    ListRecovery second(list, folder);
    QVERIFY(!second.claimLeftover());
    QVERIFY(QFile::exists(running.ownFile()));
    QVERIFY(QFile::exists(renamed));
}

void TestListRecovery::declinedListIsNotCopiedAgainUntilItChanges()
{
    QTemporaryDir dir;
    WordList list = typedList();
    ListRecovery recovery(list, dir.filePath(QStringLiteral("rec")));
    recovery.update();
    recovery.forgetCurrent();
    QVERIFY(!QFile::exists(recovery.ownFile()));
    recovery.update();
    QVERIFY(!QFile::exists(recovery.ownFile()));
    list[1].learned = QStringLiteral("more");
    recovery.update();
    QVERIFY(QFile::exists(recovery.ownFile()));
}

QTEST_GUILESS_MAIN(TestListRecovery)
#include "tst_listrecovery.moc"
