// Only a lock held by a living copy of the program keeps a second copy out; a lock that cannot
// be made at all lets the program start.
#include "FileSizeLimit.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void livingCopyKeepsTheSecondOut();
    void unusableLockStartsNormally_data();
    void unusableLockStartsNormally();
    void lockOfAnotherProgramOrADeadCopyDoesNotCount();

private:
    QString lockPath() const { return QDir(m_runtime->path()).filePath(QStringLiteral("t.lock")); }
    std::optional<QTemporaryDir> m_runtime;
};

void TestSingleInstance::init()
{
    m_runtime.emplace();
    QVERIFY(m_runtime->isValid());
    QFile::setPermissions(m_runtime->path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
}

void TestSingleInstance::livingCopyKeepsTheSecondOut()
{
    // The first copy is another process, as a second start of the program sees it.
    QProcess first;
    first.start(QCoreApplication::applicationFilePath(), {QStringLiteral("-holdlock")});
    // Without that argument QtTest would run the tests; the holder is this file's main below.
    QVERIFY(first.waitForStarted());
    QVERIFY(first.waitForReadyRead(30000));
    {
        // The lock records the holder's program file, whose name need not be the application's.
        QCoreApplication::setApplicationName(QStringLiteral("Tst_SingleInstance"));
        SingleInstance second(QStringLiteral("t.lock"));
        const bool locked = second.tryLock();
        QCoreApplication::setApplicationName(QStringLiteral("tst_singleinstance"));
        QVERIFY(!locked);
    }
    first.kill();
    QVERIFY(first.waitForFinished());
    // Its lock is left behind by the kill and taken over.
    SingleInstance third(QStringLiteral("t.lock"));
    QVERIFY(third.tryLock());
}

void TestSingleInstance::unusableLockStartsNormally_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("a folder in the lock's place") << 0;
    QTest::newRow("runtime folder full") << 1;
    QTest::newRow("runtime folder read-only") << 2;
}

void TestSingleInstance::unusableLockStartsNormally()
{
    QFETCH(int, kind);
    std::optional<FileSizeLimit> full;
    if (kind == 0)
        QVERIFY(QDir().mkdir(lockPath()));
    if (kind == 1)
        full.emplace(0);
    if (kind == 2)
        QFile::setPermissions(m_runtime->path(), QFile::ReadOwner | QFile::ExeOwner);
    SingleInstance copy(QStringLiteral("t.lock"));
    QVERIFY(copy.tryLock());
    QFile::setPermissions(m_runtime->path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestSingleInstance::lockOfAnotherProgramOrADeadCopyDoesNotCount()
{
    // A lock file naming a running process that is not this program.
    QFile other(lockPath());
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("1\nsomething-else\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    other.close();
    {
        SingleInstance copy(QStringLiteral("t.lock"));
        QVERIFY(copy.tryLock());
    }
    // One naming this program but a process that has ended.
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("999999999\n" + QCoreApplication::applicationName().toUtf8() + "\n" +
                QSysInfo::machineHostName().toUtf8() + "\n");
    other.close();
    SingleInstance copy(QStringLiteral("t.lock"));
    QVERIFY(copy.tryLock());
}

int main(int argc, char** argv)
{
    if (argc == 2 && qstrcmp(argv[1], "-holdlock") == 0) {
        QCoreApplication app(argc, argv);
        app.setApplicationName(QStringLiteral("tst_singleinstance"));
        SingleInstance held(QStringLiteral("t.lock"));
        if (!held.tryLock())
            return 1;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        return app.exec();
    }
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("tst_singleinstance"));
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
