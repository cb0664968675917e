// Every kind of broken word list file, opened through the program's own Open command: a clear
// message and the old list kept, or a sensible list, and never a crash, a hang or an empty list
// in place of the old one.
#include "FakePrompter.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The bytes of a literal that holds NUL bytes, without the terminating one.
template <size_t N> QByteArray bytesOf(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

const QByteArray kGood = "Kapitel 3\r\nEngelska\r\nSvenska\r\ndog\r\nhund\r\ncat\r\nkatt\r\n";

// Writes a big file a piece at a time: the head, then the filler to the size, then the tail.
// False when the file could not be written whole.
[[nodiscard]] bool writeLarge(const QString& path, const QByteArray& head, qint64 size, char filler,
                              const QByteArray& tail = QByteArray())
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(head) != head.size())
        return false;
    const QByteArray block(1 << 20, filler);
    for (qint64 left = size - head.size() - tail.size(); left > 0; left -= block.size()) {
        const qint64 n = std::min<qint64>(left, block.size());
        if (file.write(block.constData(), n) != n)
            return false;
    }
    return file.write(tail) == tail.size() && file.flush();
}

QByteArray manyLines(int count)
{
    QByteArray out = "Lång\r\nTyska\r\nSvenska\r\n";
    for (int i = 0; i < count; ++i)
        out += "ord" + QByteArray::number(i) + "\r\n";
    return out;
}

} // namespace

class BadWordListsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingABrokenFile_data();
    void openingABrokenFile();
};

void BadWordListsTest::openingABrokenFile_data()
{
    // kind: how the file is made; bytes: its content for a plain file.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    // Empty when the file is refused with a message and the old list stays; otherwise the
    // heading and the first two words of the list that is read.
    QTest::addColumn<QStringList>("expected");
    // The message shown: part of its text, or empty for none.
    QTest::addColumn<QString>("message");

    const QString cannotOpen = QStringLiteral("kunde inte öppnas");
    const QString notText = QStringLiteral("Filen är ingen textfil.");
    const QString tooLarge = QStringLiteral("Filen är för stor för en ordlista.");
    const QString first100 = QStringLiteral("Detta progran kan bara öppna de 100 första orden");

    const QByteArray png =
        bytesOf("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0");
    QTest::newRow("binary picture") << "file" << png << QStringList() << notText;
    QTest::newRow("NUL byte in a word")
        << "file" << bytesOf("Rubrik\r\nEngelska\r\nSvenska\r\ndo\0g\r\nhund\r\n") << QStringList()
        << notText;
    QTest::newRow("UTF-16 from Notepad")
        << "file" << bytesOf("\xFF\xFER\0u\0b\0\r\0\n\0") << QStringList() << notText;
    QTest::newRow("no line ends") << "file" << QByteArray("Rubrik Engelska Svenska dog hund")
                                  << QStringList{"Rubrik Engelska Svenska dog hund", "", ""}
                                  << QString();
    QTest::newRow("lone CR") << "file" << QByteArray("Rubrik\rTyska\rSvenska\rHaus\rhus\r")
                             << QStringList{"Rubrik", "Haus", "hus"} << QString();
    QTest::newRow("lone LF, no last line end")
        << "file" << QByteArray("Rubrik\nTyska\nSvenska\nHaus\nhus")
        << QStringList{"Rubrik", "Haus", "hus"} << QString();
    QTest::newRow("invalid UTF-8 after a BOM")
        << "file" << QByteArray("\xEF\xBB\xBFRubrik\r\nTyska\r\nSvenska\r\nk\xE4se\r\nost\r\n")
        << QStringList{"Rubrik", QStringLiteral("k\uFFFDse"), "ost"} << QString();
    QTest::newRow("50 MB line as heading")
        << "huge heading" << QByteArray() << QStringList() << tooLarge;
    QTest::newRow("50 MB line after 100 pairs")
        << "huge tail" << QByteArray() << QStringList{"Lång", "ord0", "ord1"} << first100;
    QTest::newRow("100 000 lines")
        << "file" << manyLines(100000) << QStringList{"Lång", "ord0", "ord1"} << first100;
    QTest::newRow("folder") << "folder" << QByteArray() << QStringList() << cannotOpen;
    QTest::newRow("named pipe") << "pipe" << QByteArray() << QStringList() << cannotOpen;
    QTest::newRow("endless device") << "device" << QByteArray() << QStringList() << cannotOpen;
    QTest::newRow("vanished") << "missing" << QByteArray() << QStringList() << cannotOpen;
}

void BadWordListsTest::openingABrokenFile()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);

    TestSettings settings("sv_SE.UTF-8");
    const QDir dir(settings.folder());
    const QString goodPath = dir.filePath(QStringLiteral("good.vkf"));
    QVERIFY(WriteBytes(goodPath, kGood));
    QString path = dir.filePath(QStringLiteral("broken.vkf"));
    if (kind == u"file") {
        QVERIFY(WriteBytes(path, bytes));
    } else if (kind == u"huge heading") {
        QVERIFY(writeLarge(path, QByteArray(), 50 << 20, 'x', "\r\nTyska\r\nSvenska\r\n"));
    } else if (kind == u"huge tail") {
        QVERIFY(writeLarge(path, manyLines(200), 50 << 20, 'y'));
    } else if (kind == u"folder") {
        QVERIFY(dir.mkdir(QStringLiteral("broken.vkf")));
    } else if (kind == u"pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == u"device") {
        path = QStringLiteral("/dev/zero");
    }

    ProgramSettings program;
    FakePrompter prompter;
    PrepareInterfaceLanguage(program);
    MainWindow window(program, prompter);
    QVERIFY(window.load(goodPath));
    WordList& list = window.wordList();
    QCOMPARE(list[1].known, QStringLiteral("katt"));
    const QString goodTitle = window.windowTitle();

    prompter.fileAnswers.enqueue(path);
    window.files().Open();

    if (message.isEmpty()) {
        QCOMPARE(prompter.messages.size(), 0);
    } else {
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY2(prompter.messages[0].text.contains(message),
                 qPrintable(prompter.messages[0].text));
    }
    if (expected.isEmpty()) {
        // Refused: the old list, its file and its title are all still there.
        QCOMPARE(prompter.messages[0].flags, int(Prompter::ExclamationOk));
        QCOMPARE(list.heading, QStringLiteral("Kapitel 3"));
        QCOMPARE(list[0].learned, QStringLiteral("dog"));
        QCOMPARE(list[1].known, QStringLiteral("katt"));
        QCOMPARE(list.filePath, goodPath);
        QCOMPARE(window.windowTitle(), goodTitle);
        QCOMPARE(window.files().recentFiles[0], goodPath);
    } else {
        QCOMPARE(list.heading, expected[0]);
        QCOMPARE(list[0].learned, expected[1]);
        QCOMPARE(list[0].known, expected[2]);
        QCOMPARE(list.filePath, path);
        QCOMPARE(window.windowTitle(), QStringLiteral("Vokabo - broken.vkf"));
        QCOMPARE(list.changed, 0);
    }
    QVERIFY(list.Length() <= WordList::MaxWords);
}

QTEST_MAIN(BadWordListsTest)
#include "tst_badwordlists.moc"
