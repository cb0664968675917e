// Every typed word reaches the file the learner meant: words after empty rows, lists behind links,
// hard-linked, read-only and long-named lists, and lists named relative to the folder.
#include "AtomicFile.h"
#include "FakePrompter.h"
#include "FaultLists.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "StartedWindow.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WordListFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Window = StartedWindow;

ino_t inodeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// Runs the current test function (and data row) again in a child without root's power to pass
// over file modes and owners, which root ignores otherwise. True when this is that child or the
// child passed; the caller returns at once when it was the parent.
bool runWithoutRootPowers(bool& parent, const QString& file = QString())
{
    parent = false;
    if (::geteuid() != 0 || !qEnvironmentVariableIsEmpty("VOKABO_WITHOUT_CAPS"))
        return true;
    parent = true;
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VOKABO_WITHOUT_CAPS"), QStringLiteral("1"));
    env.insert(QStringLiteral("VOKABO_TEST_FILE"), file);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString caps = QStringLiteral("-dac_override,-dac_read_search,-chown,-fowner");
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += u':' + QString::fromLatin1(QTest::currentDataTag());
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--inh-caps"), caps, QStringLiteral("--bounding-set"), caps,
                 QCoreApplication::applicationFilePath(), function});
    if (!child.waitForFinished(60000))
        return false;
    const QByteArray out = child.readAll();
    const bool passed =
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
        out.contains(QByteArray("PASS   : WordSafetyTest::") + QTest::currentTestFunction());
    if (!passed)
        qWarning("%s", out.constData());
    return passed;
}

} // namespace

class WordSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordsAfterTwoEmptyRowsAreSaved();
    void saveWritesThroughASymbolicLink();
    void saveKeepsHardLinksAndPermissions();
    void killedWhileSavingAHardLinkedListLeavesAWholeFile();
    void anotherUsersFileKeepsItsOwner();
    void readOnlyListIsNotReplaced_data();
    void readOnlyListIsNotReplaced();
    void relativePathsBecomeAbsolute();
    void longNamesCanBeSaved_data();
    void longNamesCanBeSaved();
};

void WordSafetyTest::wordsAfterTwoEmptyRowsAreSaved()
{
    TestSettings settings("sv_SE.UTF-8");
    const QString path = QDir(settings.folder()).filePath(QStringLiteral("rows.vkf"));
    {
        Window w;
        w.window->EnterEditor();
        const auto type = [&](const char* name, const QString& text) {
            auto* box = w.window->findChild<QLineEdit*>(QLatin1String(name));
            QVERIFY(box);
            QTest::keyClicks(box, text);
        };
        type("g1_0", QStringLiteral("dog"));
        type("g2_0", QStringLiteral("hund"));
        type("g1_1", QStringLiteral("cat"));
        type("g2_1", QStringLiteral("katt"));
        type("g1_4", QStringLiteral("cow"));
        type("g2_4", QStringLiteral("ko"));
        w.prompter.fileAnswers.enqueue(path);
        QVERIFY(w.window->files().SaveAs());
    }
    Window again(path);
    QCOMPARE(again.list().filePath, path);
    QCOMPARE(again.list().Length(), 5);
    QCOMPARE(again.list()[4].learned, QStringLiteral("cow"));
    QCOMPARE(again.list()[4].known, QStringLiteral("ko"));
    QVERIFY(again.list()[2].isEmpty());
}

void WordSafetyTest::saveWritesThroughASymbolicLink()
{
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    QVERIFY(dir.mkdir(QStringLiteral("synced")));
    const QString target = dir.filePath(QStringLiteral("synced/words.vkf"));
    QVERIFY(WriteBytes(target, WordListFileBytes(FaultList('A'))));
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    // A link to a link, the second one relative.
    const QString middle = dir.filePath(QStringLiteral("middle.vkf"));
    const QString link = dir.filePath(QStringLiteral("link.vkf"));
    QVERIFY(QFile::link(QStringLiteral("synced/words.vkf"), middle));
    QVERIFY(QFile::link(middle, link));

    WordList list = FaultList('B');
    list.filePath = link;
    list.changed = 1;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(list.changed, 0);
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo(middle).isSymLink());
    QCOMPARE(FileBytes(target), WordListFileBytes(FaultList('B')));
    QCOMPARE(modeOf(target), mode_t(0640));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("synced"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("words.vkf")});

    // A dangling link gets its target made; a loop of links is refused, and nothing is made.
    const QString dangling = dir.filePath(QStringLiteral("dangling.vkf"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("synced/new.vkf")), dangling));
    list.filePath = dangling;
    QVERIFY(!WriteWordListFile(list));
    QVERIFY(QFileInfo(dangling).isSymLink());
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("synced/new.vkf"))),
             WordListFileBytes(FaultList('B')));
    const QString loop = dir.filePath(QStringLiteral("loop.vkf"));
    QVERIFY(QFile::link(loop, loop));
    list.filePath = loop;
    list.changed = 1;
    QVERIFY(WriteWordListFile(list).failed());
    QCOMPARE(list.changed, 1);
    QVERIFY(QFileInfo(loop).isSymLink());
}

void WordSafetyTest::saveKeepsHardLinksAndPermissions()
{
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString first = dir.filePath(QStringLiteral("first.vkf"));
    const QString second = dir.filePath(QStringLiteral("second.vkf"));
    QVERIFY(WriteBytes(first, WordListFileBytes(FaultList('A'))));
    QVERIFY(::chmod(QFile::encodeName(first).constData(), 0604) == 0);
    QVERIFY(::link(QFile::encodeName(first).constData(), QFile::encodeName(second).constData()) ==
            0);
    const ino_t inode = inodeOf(first);

    // A short list over a long one: the file is cut to the new length.
    WordList list;
    list.heading = QStringLiteral("kort");
    list[0] = {QStringLiteral("dog"), QStringLiteral("hund"), {}, {}, {}};
    list.filePath = second;
    list.changed = 1;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(list.changed, 0);
    QCOMPARE(inodeOf(first), inode);
    QCOMPARE(inodeOf(second), inode);
    QCOMPARE(FileBytes(first), WordListFileBytes(list));
    QCOMPARE(modeOf(first), mode_t(0604));
    // Neither the new content nor the copy of the old one is left beside it.
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("first.vkf"), QStringLiteral("second.vkf")}));

    // A plain file keeps its permissions too, though it is replaced.
    const QString plain = dir.filePath(QStringLiteral("plain.vkf"));
    QVERIFY(WriteBytes(plain, "x"));
    QVERIFY(::chmod(QFile::encodeName(plain).constData(), 0750) == 0);
    list.filePath = plain;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(modeOf(plain), mode_t(0750));
}

void WordSafetyTest::killedWhileSavingAHardLinkedListLeavesAWholeFile()
{
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString path = dir.filePath(QStringLiteral("list.vkf"));
    const QString other = dir.filePath(QStringLiteral("other.vkf"));
    const QByteArray a = WordListFileBytes(FaultList('A'));
    const QByteArray b = WordListFileBytes(FaultList('B'));
    QVERIFY(WriteBytes(path, a));
    QVERIFY(::link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()) == 0);
    const QString helper = QCoreApplication::applicationDirPath() + QStringLiteral("/fault_helper");

    QElapsedTimer clock;
    clock.start();
    WordList probe = FaultList('B');
    probe.filePath = path;
    QVERIFY(!WriteWordListFile(probe));
    const int spreadMicroseconds = int(4 * clock.nsecsElapsed() / 1000) + 2000;

    int whole = 0;
    int kept = 0;
    for (int run = 0; run < 60; ++run) {
        QProcess saver;
        saver.start(helper, {QStringLiteral("save"), path});
        QVERIFY2(saver.waitForStarted(), qPrintable(saver.errorString()));
        QVERIFY(saver.waitForReadyRead(30000));
        QThread::usleep(QRandomGenerator::global()->bounded(spreadMicroseconds));
        saver.kill();
        QVERIFY(saver.waitForFinished(30000));

        QCOMPARE(inodeOf(other), inodeOf(path));
        const QByteArray now = FileBytes(path, "<no file>");
        if (now == a || now == b) {
            ++whole;
            continue;
        }
        // Cut inside the write: the old content is whole in its hidden copy.
        bool found = false;
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
            if (!name.startsWith(QStringLiteral(".list.vkf.vokabo-keep-")))
                continue;
            const QByteArray copy = FileBytes(dir.filePath(name));
            found = found || copy == a || copy == b;
        }
        QVERIFY2(found,
                 qPrintable(QStringLiteral("run %1: neither list nor a whole copy").arg(run)));
        ++kept;
    }
    qInfo("hard-linked list killed while saving: whole %d, old content in its copy %d", whole,
          kept);
    // The next save clears what the killed copies left.
    WordList list = FaultList('A');
    list.filePath = path;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("list.vkf"), QStringLiteral("other.vkf")}));
    QCOMPARE(FileBytes(other), a);
}

void WordSafetyTest::anotherUsersFileKeepsItsOwner()
{
    if (::geteuid() != 0)
        QSKIP("making a file another user's needs root");
    // Root gives the new file the owner; a user who cannot writes the file in place.
    const auto check = [](const QString& path, bool sameInode) {
        const ino_t inode = inodeOf(path);
        WordList list = FaultList('B');
        list.filePath = path;
        list.changed = 1;
        QVERIFY(!WriteWordListFile(list));
        QCOMPARE(FileBytes(path), WordListFileBytes(FaultList('B')));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_uid, uid_t(4321));
        QCOMPARE(st.st_gid, gid_t(4321));
        QCOMPARE(st.st_mode & 07777, mode_t(0666));
        if (sameInode)
            QCOMPARE(inodeOf(path), inode);
    };
    const QString given = qEnvironmentVariable("VOKABO_TEST_FILE");
    if (!given.isEmpty()) {
        QVERIFY2(::chown(QFile::encodeName(given).constData(), 0, 0) != 0,
                 "this copy may still give files away");
        check(given, true);
        return;
    }
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    for (const QString& name : {QStringLiteral("root.vkf"), QStringLiteral("user.vkf")}) {
        const QString path = dir.filePath(name);
        QVERIFY(WriteBytes(path, WordListFileBytes(FaultList('A'))));
        QCOMPARE(::chown(QFile::encodeName(path).constData(), 4321, 4321), 0);
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0666), 0);
    }
    check(dir.filePath(QStringLiteral("root.vkf")), false);
    bool parent = false;
    QVERIFY(runWithoutRootPowers(parent, dir.filePath(QStringLiteral("user.vkf"))));
}

void WordSafetyTest::readOnlyListIsNotReplaced_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("reason");
    QTest::newRow("sve") << QStringLiteral("sve") << QStringLiteral("Filen är skrivskyddad.");
    QTest::newRow("eng") << QStringLiteral("eng") << QStringLiteral("The file is write-protected.");
    QTest::newRow("fin") << QStringLiteral("fin")
                         << QStringLiteral("Tiedosto on kirjoitussuojattu.");
}

void WordSafetyTest::readOnlyListIsNotReplaced()
{
    // Root writes any file whatever its mode; this case runs again without that power.
    bool parent = false;
    QVERIFY(runWithoutRootPowers(parent));
    if (parent)
        return;
    QFETCH(QString, language);
    QFETCH(QString, reason);
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString path = dir.filePath(QStringLiteral("locked.vkf"));
    const QByteArray old = WordListFileBytes(FaultList('A'));
    QVERIFY(WriteBytes(path, old));
    Window w(path);
    QVERIFY(InstallInterfaceTranslator(language));
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0444) == 0);
    QVERIFY2(::access(QFile::encodeName(path).constData(), W_OK) != 0,
             "this user writes files without permission");

    w.list()[0].learned = QStringLiteral("ändrad");
    w.list().changed = 1;
    QVERIFY(!w.window->files().Save());
    QCOMPARE(FileBytes(path), old);
    QCOMPARE(modeOf(path), mode_t(0444));
    QCOMPARE(w.list().changed, 1);
    QCOMPARE(w.list().filePath, path);
    QCOMPARE(w.list()[0].learned, QStringLiteral("ändrad"));
    QCOMPARE(w.prompter.messages.size(), 1);
    QVERIFY2(w.prompter.messages[0].text.endsWith(u'\r' + reason),
             qPrintable(w.prompter.messages[0].text));
    QCOMPARE(w.prompter.messages[0].flags, int(Prompter::ExclamationOk));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("vokabo-")),
             QStringList());

    // Save as puts it elsewhere.
    const QString elsewhere = dir.filePath(QStringLiteral("copy.vkf"));
    w.prompter.fileAnswers.enqueue(elsewhere);
    QVERIFY(w.window->files().SaveAs());
    QCOMPARE(w.list().changed, 0);
    QCOMPARE(FileBytes(path), old);
}

void WordSafetyTest::relativePathsBecomeAbsolute()
{
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    QVERIFY(dir.mkdir(QStringLiteral("A")));
    QVERIFY(dir.mkdir(QStringLiteral("B")));
    const QString inA = dir.filePath(QStringLiteral("A/words.vkf"));
    QVERIFY(WriteBytes(inA, WordListFileBytes(FaultList('A'))));
    QVERIFY(
        WriteBytes(dir.filePath(QStringLiteral("B/words.vkf")), WordListFileBytes(FaultList('B'))));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("A"))));
    {
        Window w(QStringLiteral("words.vkf"));
        QCOMPARE(w.list().heading, QStringLiteral("Lista A"));
        QCOMPARE(w.list().filePath, inA);
        QCOMPARE(w.window->files().recentFiles[0], inA);

        // Save as with a name relative to the folder, then the list is found from B too.
        w.prompter.fileAnswers.enqueue(QStringLiteral("./saved.vkf"));
        QVERIFY(w.window->files().SaveAs());
        QCOMPARE(w.list().filePath, dir.filePath(QStringLiteral("A/saved.vkf")));
        QCOMPARE(w.window->files().recentFiles[0], w.list().filePath);
        QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("B"))));
        w.window->files().OpenRecent(2);
        QCOMPARE(w.list().heading, QStringLiteral("Lista A"));
        QCOMPARE(w.list().filePath, inA);
    }
    QVERIFY(QDir::setCurrent(before));
}

void WordSafetyTest::longNamesCanBeSaved_data()
{
    QTest::addColumn<int>("bytes");
    for (int n : {200, 227, 228, 240, 251, 255})
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void WordSafetyTest::longNamesCanBeSaved()
{
    QFETCH(int, bytes);
    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    // Two-byte letters as well, so the limit is counted in bytes.
    QString name = QStringLiteral("å").repeated((bytes - 4) / 4) + QStringLiteral(".vkf");
    name = QString(bytes - int(QFile::encodeName(name).size()), u'o') + name;
    QCOMPARE(QFile::encodeName(name).size(), qsizetype(bytes));
    const QString path = dir.filePath(name);
    QVERIFY(WriteBytes(path, WordListFileBytes(FaultList('A'))));
    // A dead copy's leftover under the short name goes at the next save.
    const QString leftover = dir.filePath(QStringLiteral(".vokabo-save-999999999-abcdefg"));
    QVERIFY(WriteBytes(leftover, "half"));

    WordList list = FaultList('B');
    list.filePath = path;
    list.changed = 1;
    const WordListFileError error = WriteWordListFile(list);
    QVERIFY2(!error.failed(), qPrintable(QString::number(error.systemError)));
    QCOMPARE(FileBytes(path), WordListFileBytes(FaultList('B')));
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{name});
    QVERIFY(QFile::encodeName(QFileInfo(AtomicFile::temporaryPrefix(path)).fileName()).size() <
            255 - 17);
}

QTEST_MAIN(WordSafetyTest)
#include "tst_wordsafety.moc"
