#include "AtomicFile.h"
#include "TestDevices.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "WordListFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Pairs = QList<QStringList>; // each {learned, known}

QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

// A file of n pairs w0/o0 ... with the usual header.
QByteArray pairsFile(int n, const QByteArray& after = QByteArray())
{
    QStringList lines{u"Rubrik"_qs, u"Engelska"_qs, u"Svenska"_qs};
    for (int i = 0; i < n; ++i)
        lines << u"w"_qs + QString::number(i) << u"o"_qs + QString::number(i);
    return crlf(lines) + after;
}

WordListFileError readBytes(const QByteArray& bytes, WordListFileContent& content)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadWordListFile(buffer, content);
}

Pairs pairsOf(const WordListFileContent& content)
{
    Pairs out;
    for (const auto& [learned, known] : content.pairs)
        out.append({learned, known});
    return out;
}

WordList sampleList()
{
    WordList list;
    list.heading = u"Kapitel 3"_qs;
    list.language1 = u"Engelska"_qs;
    list.language2 = u"Svenska"_qs;
    list[0] = {u"dog"_qs, u"hund"_qs, {}, {}, {}};
    list[1] = {u"cat"_qs, u"katt"_qs, {}, {}, {}};
    return list;
}

} // namespace

class TestWordListFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_settings.emplace(); }
    void cleanup() { m_settings.reset(); }

    void writesOneFieldPerLine();
    void writesOnlyTheSlotsOfTheList_data();
    void writesOnlyTheSlotsOfTheList();
    void fieldsCannotBreakTheLayout();
    void roundTripKeepsEveryField_data();
    void roundTripKeepsEveryField();
    void readsPairsAndMarker_data();
    void readsPairsAndMarker();
    void readsEachEncoding_data();
    void readsEachEncoding();
    void shortHeaderKeepsOldValues_data();
    void shortHeaderKeepsOldValues();
    void applyReplacesEveryWord();
    void theLargestTypedListOpens();
    void blankPairsInsideSurviveAndTrailingOnesGo();
    void badContentIsReported_data();
    void badContentIsReported();
    void hugeFileIsReadOnlyAsFarAsNeeded_data();
    void hugeFileIsReadOnlyAsFarAsNeeded();
    void unreadablePathsAreReported();
    void saveReplacesTheFile();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void failedSaveInReadOnlyFolder();
    void deviceFailingMidwayIsReported();
    void leftoversOfDeadCopiesAreClearedAtTheNextSave();

private:
    QString pathOf(const QString& name) const { return QDir(m_settings->folder()).filePath(name); }
    std::optional<TestSettings> m_settings;
};

void TestWordListFile::writesOneFieldPerLine()
{
    QCOMPARE(WordListFileBytes(sampleList()),
             QByteArray("Kapitel 3\r\nEngelska\r\nSvenska\r\ndog\r\nhund\r\ncat\r\nkatt\r\n"));
}

void TestWordListFile::writesOnlyTheSlotsOfTheList_data()
{
    QTest::addColumn<QList<int>>("filled");
    QTest::addColumn<QByteArray>("body"); // what follows the three header lines

    QTest::newRow("empty list") << QList<int>{} << QByteArray();
    QTest::newRow("words after two empty slots")
        << QList<int>{2, 3} << QByteArray("\r\n\r\n\r\n\r\na2\r\nb2\r\na3\r\nb3\r\n");
    QTest::newRow("blank pair") << QList<int>{0, 2}
                                << QByteArray("a0\r\nb0\r\n\r\n\r\na2\r\nb2\r\n");
    QList<int> all;
    QByteArray hundred;
    for (int i = 0; i <= WordList::MaxWords; ++i) {
        all.append(i);
        if (i < WordList::MaxWords)
            hundred += "a" + QByteArray::number(i) + "\r\nb" + QByteArray::number(i) + "\r\n";
    }
    QTest::newRow("slot 100 filled by mistake") << all << hundred;
}

void TestWordListFile::writesOnlyTheSlotsOfTheList()
{
    QFETCH(QList<int>, filled);
    QFETCH(QByteArray, body);
    WordList list;
    list.heading = u"H"_qs;
    for (int i : filled)
        list[i] = {u"a"_qs + QString::number(i), u"b"_qs + QString::number(i), {}, {}, {}};
    QCOMPARE(WordListFileBytes(list), "H\r\n\r\n\r\n" + body);
}

void TestWordListFile::fieldsCannotBreakTheLayout()
{
    WordList list = sampleList();
    list.heading = u"two\r\nlines"_qs;
    list[0].learned = u"a\nb"_qs;
    list[1].known = QString(u"k\0t"_qs);
    const QByteArray bytes = WordListFileBytes(list);
    QCOMPARE(bytes,
             QByteArray("two  lines\r\nEngelska\r\nSvenska\r\na b\r\nhund\r\ncat\r\nk t\r\n"));
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    QCOMPARE(content.pairs.size(), size_t(2));
}

void TestWordListFile::roundTripKeepsEveryField_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QByteArray>("start"); // how the file begins

    QTest::newRow("1252") << u"blåbär €"_qs << QByteArray("Rubrik\r\n");
    QTest::newRow("outside 1252") << u"łódź"_qs << QByteArray("\xef\xbb\xbfRubrik\r\n");
    QTest::newRow("1252 bytes that form utf8") << u"Ã¤"_qs << QByteArray("\xef\xbb\xbfRubrik\r\n");
    QTest::newRow("blanks kept") << u"  two  "_qs << QByteArray("Rubrik\r\n");
    // The longest word a box takes, in a script of three UTF-8 bytes a letter.
    QTest::newRow("longest word") << QString(kMaxFieldLength, QChar(0x3042))
                                  << QByteArray("\xef\xbb\xbfRubrik\r\n");
    // Longer than a box lets one type: a file may hold it, and it opens whole.
    QTest::newRow("70 000 letters") << QString(70000, u'w') << QByteArray("Rubrik\r\n");
}

void TestWordListFile::roundTripKeepsEveryField()
{
    QFETCH(QString, word);
    QFETCH(QByteArray, start);
    WordList list;
    list.heading = u"Rubrik"_qs;
    list.language1 = u"Polska"_qs;
    list.language2 = u"Svenska"_qs;
    list[0] = {word, u"ord"_qs, {}, {}, {}};
    list[2] = {u"efter"_qs, word, {}, {}, {}}; // slot 1 is a blank pair
    list.filePath = pathOf(u"lista.vkf"_qs);
    list.changed = 1;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(list.changed, 0);
    const QByteArray bytes = FileBytes(list.filePath, "<no file>");
    QVERIFY2(bytes.startsWith(start), bytes.toHex().constData());
    QVERIFY(bytes.endsWith("\r\n"));

    WordListFileContent content;
    QVERIFY(!ReadWordListFile(list.filePath, content));
    WordList back;
    ApplyWordListFile(content, back);
    QCOMPARE(back.heading, list.heading);
    QCOMPARE(back.language1, list.language1);
    QCOMPARE(back.language2, list.language2);
    QCOMPARE(back.Length(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(back[i].learned, list[i].learned);
        QCOMPARE(back[i].known, list[i].known);
    }
    QVERIFY(!content.truncated);
}

void TestWordListFile::readsPairsAndMarker_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<bool>("truncated");

    const QByteArray head("H\r\nL1\r\nL2\r\n");
    QTest::newRow("header only") << head << Pairs{} << false;
    QTest::newRow("last line without crlf")
        << head + "dog\r\nhund" << Pairs{{"dog", "hund"}} << false;
    QTest::newRow("lf") << QByteArray("H\nL1\nL2\ndog\nhund\n") << Pairs{{"dog", "hund"}} << false;
    QTest::newRow("cr") << QByteArray("H\rL1\rL2\rdog\rhund\r") << Pairs{{"dog", "hund"}} << false;
    QTest::newRow("blank pair") << head + "a\r\nb\r\n\r\n\r\nc\r\nd\r\n"
                                << Pairs{{"a", "b"}, {"", ""}, {"c", "d"}} << false;
    QTest::newRow("ends after a first line") << head + "a\r\nb\r\nc\r\n"
                                             << Pairs{{"a", "b"}, {"c", ""}} << false;
    QTest::newRow("marker as learned word") << head + "a\r\nb\r\nGlosfil - Slut\r\nc\r\nd\r\n"
                                            << Pairs{{"a", "b"}} << false;
    QTest::newRow("marker as known word") << head + "a\r\nb\r\nc\r\nGlosfil - Slut\r\nd\r\n"
                                          << Pairs{{"a", "b"}, {"c", ""}} << false;
    QTest::newRow("marker needs exact case")
        << head + "glosfil - slut\r\nGlosfil - Slut \r\n"
        << Pairs{{"glosfil - slut", "Glosfil - Slut "}} << false;
    QTest::newRow("marker in header is text")
        << QByteArray("Glosfil - Slut\r\nL1\r\nL2\r\na\r\nb\r\n") << Pairs{{"a", "b"}} << false;
    QTest::newRow("junk after marker")
        << head + "a\r\nb\r\nGlosfil - Slut\r\n" + QByteArray("\0\0\xff", 3) << Pairs{{"a", "b"}}
        << false;

    Pairs hundred;
    for (int i = 0; i < 100; ++i)
        hundred.append({u"w"_qs + QString::number(i), u"o"_qs + QString::number(i)});
    QTest::newRow("100 pairs") << pairsFile(100) << hundred << false;
    QTest::newRow("100 pairs and marker")
        << pairsFile(100, "Glosfil - Slut\r\n") << hundred << false;
    QTest::newRow("100 pairs, marker, more")
        << pairsFile(100, "Glosfil - Slut\r\nx\r\ny\r\n") << hundred << false;
    QTest::newRow("101 pairs") << pairsFile(101) << hundred << true;
    QTest::newRow("101 pairs and marker")
        << pairsFile(101, "Glosfil - Slut\r\n") << hundred << true;
    QTest::newRow("100 pairs and an empty line") << pairsFile(100, "\r\n") << hundred << true;
    // Whatever follows the hundredth pair is never stored, so it cannot make the file unreadable.
    QTest::newRow("nul after 100 pairs")
        << pairsFile(100, QByteArray("a\0b", 3)) << hundred << true;
    QTest::newRow("long line after 100 pairs")
        << pairsFile(100, QByteArray(2 * kMaxLineBytes, 'x')) << hundred << true;
}

void TestWordListFile::readsPairsAndMarker()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Pairs, pairs);
    QFETCH(bool, truncated);
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    QCOMPARE(pairsOf(content), pairs);
    QCOMPARE(content.truncated, truncated);
}

void TestWordListFile::readsEachEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("known");

    QTest::newRow("1252") << QByteArray("Kapitel \xe5\r\nTyska\r\nSvenska\r\nM\xe4"
                                        "dchen\r\n"
                                        "fl\xe4kt \x80\r\n")
                          << u"Kapitel å"_qs << u"fläkt €"_qs;
    QTest::newRow("utf8 without mark")
        << QByteArray("Kapitel \xc3\xa5\r\nTyska\r\nSvenska\r\nx\r\n\xc5\x82\r\n")
        << u"Kapitel å"_qs << u"ł"_qs;
    QTest::newRow("utf8 with mark")
        << QByteArray("\xef\xbb\xbfKapitel\r\nTyska\r\nSvenska\r\nx\r\ny\r\n") << u"Kapitel"_qs
        << u"y"_qs;
    // The encoding is the whole file's: one 1252 letter anywhere makes it all 1252.
    QTest::newRow("mixed is 1252")
        << QByteArray("\xc3\xa5\r\nTyska\r\nSvenska\r\nx\r\n\xe5\r\n") << u"Ã¥"_qs << u"å"_qs;
    QTest::newRow("mark inside a later line kept")
        << QByteArray("\xef\xbb\xbfK\r\nT\r\nS\r\nx\r\n\xef\xbb\xbfy\r\n") << u"K"_qs
        << QString(QChar(0xFEFF)) + u'y';
}

void TestWordListFile::readsEachEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, heading);
    QFETCH(QString, known);
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    QCOMPARE(content.heading.value_or(u"<none>"_qs), heading);
    QCOMPARE(content.pairs.size(), size_t(1));
    QCOMPARE(content.pairs[0].second, known);
}

void TestWordListFile::shortHeaderKeepsOldValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("header");

    QTest::newRow("empty file") << QByteArray() << QStringList{"old", "Franska", "Svenska"};
    QTest::newRow("one line") << QByteArray("Ny") << QStringList{"Ny", "Franska", "Svenska"};
    QTest::newRow("two lines") << QByteArray("Ny\r\nTyska\r\n")
                               << QStringList{"Ny", "Tyska", "Svenska"};
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\n\r\n") << QStringList{"", "", ""};
}

void TestWordListFile::shortHeaderKeepsOldValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, header);
    WordList list;
    list.heading = u"old"_qs;
    list.language1 = u"Franska"_qs;
    list.language2 = u"Svenska"_qs;
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    ApplyWordListFile(content, list);
    QCOMPARE((QStringList{list.heading, list.language1, list.language2}), header);
    QCOMPARE(list.Length(), 0);
}

void TestWordListFile::applyReplacesEveryWord()
{
    // The old list has a word far behind its others; nothing of it may stay.
    WordList list = sampleList();
    list[50] = {u"stale"_qs, u"gammal"_qs, {}, {}, {}};
    list.ClearAnswers();
    list.Clear();
    WordListFileContent content;
    QVERIFY(!readBytes(pairsFile(49), content));
    ApplyWordListFile(content, list);
    QCOMPARE(list.Length(), 49);
    QVERIFY(list[50].isEmpty());
}

void TestWordListFile::theLargestTypedListOpens()
{
    // Every field as long as a box lets one type, in letters of three UTF-8 bytes: the file's
    // cap must hold it, so nothing typed is ever refused when it is opened again.
    const QString longest(kMaxFieldLength, QChar(0x3042));
    WordList list;
    list.heading = list.language1 = list.language2 = longest;
    for (int i = 0; i < WordList::MaxWords; ++i)
        list[i] = {longest, longest, {}, {}, {}};
    const QByteArray bytes = WordListFileBytes(list);
    QVERIFY(bytes.size() > 39'000'000);
    QVERIFY(bytes.size() <= kMaxFileBytes);
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    QCOMPARE(int(content.pairs.size()), WordList::MaxWords);
    QCOMPARE(content.pairs.back().second, longest);
    QCOMPARE(*content.heading, longest);
}

void TestWordListFile::blankPairsInsideSurviveAndTrailingOnesGo()
{
    // dog/hund, two blank pairs, cat/katt: four pairs, written and read back whole.
    WordList list;
    list[0] = {u"dog"_qs, u"hund"_qs, {}, {}, {}};
    list[3] = {u"cat"_qs, u"katt"_qs, {}, {}, {}};
    const QByteArray bytes = WordListFileBytes(list);
    QCOMPARE(bytes, QByteArray("\r\n\r\n\r\ndog\r\nhund\r\n\r\n\r\n\r\n\r\ncat\r\nkatt\r\n"));
    WordListFileContent content;
    QVERIFY(!readBytes(bytes, content));
    WordList back;
    ApplyWordListFile(content, back);
    QCOMPARE(back.Length(), 4);
    QCOMPARE(back[3].known, u"katt"_qs);

    // A file whose last pairs are blank ends at its last word, as it always did.
    WordListFileContent trailing;
    QVERIFY(!readBytes("H\r\nA\r\nB\r\ndog\r\nhund\r\n\r\n\r\n\r\n\r\n", trailing));
    WordList read;
    ApplyWordListFile(trailing, read);
    QCOMPARE(read.Length(), 1);
    QCOMPARE(WordListFileBytes(read), QByteArray("H\r\nA\r\nB\r\ndog\r\nhund\r\n"));
}

void TestWordListFile::badContentIsReported_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");

    QTest::newRow("nul in a word")
        << pairsFile(1, QByteArray("a\0b\r\nc\r\n", 8)) << int(WordListFileError::NotText);
    QTest::newRow("nul in the header")
        << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << int(WordListFileError::NotText);
    QTest::newRow("heading larger than a file may be")
        << QByteArray(kMaxFileBytes + 1, 'x') << int(WordListFileError::TooLarge);
    // No line is too long alone, but together they pass the file's cap.
    QTest::newRow("pairs larger than a file may be")
        << pairsFile(1, (QByteArray(kMaxFileBytes / 2, 'x') + "\r\n").repeated(2))
        << int(WordListFileError::TooLarge);
}

void TestWordListFile::badContentIsReported()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    WordListFileContent content;
    QCOMPARE(int(readBytes(bytes, content).kind), kind);
}

void TestWordListFile::hugeFileIsReadOnlyAsFarAsNeeded_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<char>("filler");
    QTest::addColumn<int>("kind");

    QTest::newRow("50 MB line") << pairsFile(3) << (qint64(50) << 20) << 'x'
                                << int(WordListFileError::TooLarge);
    QTest::newRow("1 GB of empty lines") << pairsFile(3) << (qint64(1) << 30) << '\n'
                                         << int(WordListFileError::None);
    QTest::newRow("1 GB of zeros")
        << QByteArray() << (qint64(1) << 30) << '\0' << int(WordListFileError::TooLarge);
}

void TestWordListFile::hugeFileIsReadOnlyAsFarAsNeeded()
{
    QFETCH(QByteArray, head);
    QFETCH(qint64, size);
    QFETCH(char, filler);
    QFETCH(int, kind);
    GeneratedDevice device(head, size, filler);
    device.open(QIODevice::ReadOnly);
    WordListFileContent content;
    QCOMPARE(int(ReadWordListFile(device, content).kind), kind);
    if (kind == WordListFileError::None) {
        QCOMPARE(int(content.pairs.size()), WordList::MaxWords);
        QVERIFY(content.truncated);
    }
    // The cap and the reader's last chunk of 64 KiB.
    QVERIFY2(device.bytesServed() <= kMaxFileBytes + 2 * 64 * 1024,
             QByteArray::number(device.bytesServed()).constData());
}

void TestWordListFile::unreadablePathsAreReported()
{
    WordListFileContent content;
    QCOMPARE(ReadWordListFile(pathOf(u"none.vkf"_qs), content).kind, WordListFileError::CannotOpen);
    QCOMPARE(ReadWordListFile(m_settings->folder(), content).kind, WordListFileError::IsFolder);
    // A pipe would block the open until someone writes to it.
    const QString fifo = pathOf(u"pipe.vkf"_qs);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(ReadWordListFile(fifo, content).kind, WordListFileError::NotAFile);
}

void TestWordListFile::saveReplacesTheFile()
{
    WordList list = sampleList();
    list.filePath = pathOf(u"lista.gls"_qs);
    QVERIFY(WriteBytes(list.filePath, QByteArray(5000, 'z')));
    list.changed = 1;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(list.changed, 0);
    QCOMPARE(FileBytes(list.filePath, "<no file>"), WordListFileBytes(list));
    QCOMPARE(QDir(m_settings->folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{u"lista.gls"_qs});

    // The file keeps its permissions.
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(list.filePath, permissions));
    list.changed = 1;
    QVERIFY(!WriteWordListFile(list));
    QCOMPARE(QFile::permissions(list.filePath) & 0x7077, permissions); // without the user bits
}

void TestWordListFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target"); // relative to the test folder
    QTest::addColumn<int>("kind");

    QTest::newRow("missing folder")
        << u"nowhere/lista.vkf"_qs << int(WordListFileError::CannotWrite);
    QTest::newRow("parent is a file")
        << u"old.vkf/lista.vkf"_qs << int(WordListFileError::CannotWrite);
    QTest::newRow("target is a folder") << u"folder.vkf"_qs << int(WordListFileError::IsFolder);
    QTest::newRow("no path") << QString() << int(WordListFileError::CannotWrite);
}

void TestWordListFile::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(int, kind);
    const QByteArray old = pairsFile(2);
    QVERIFY(WriteBytes(pathOf(u"old.vkf"_qs), old));
    QVERIFY(QDir(m_settings->folder()).mkdir(u"folder.vkf"_qs));
    WordList list = sampleList();
    list.filePath = target.isEmpty() ? QString() : pathOf(target);
    list.changed = 1;
    const WordListFileError error = WriteWordListFile(list);
    QCOMPARE(int(error.kind), kind);
    QCOMPARE(list.changed, 1);
    QCOMPARE(FileBytes(pathOf(u"old.vkf"_qs), "<no file>"), old);
    QVERIFY(QFileInfo(pathOf(u"folder.vkf"_qs)).isDir());
    QCOMPARE(QDir(m_settings->folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             (QStringList{u"folder.vkf"_qs, u"old.vkf"_qs}));
    if (kind == WordListFileError::CannotWrite && !target.isEmpty())
        QVERIFY(error.systemError != 0);
}

void TestWordListFile::failedSaveInReadOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("root may write into a read-only folder");
    const QString folder = pathOf(u"locked"_qs);
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + u"/lista.vkf"_qs;
    QVERIFY(WriteBytes(path, pairsFile(1)));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    WordList list = sampleList();
    list.filePath = path;
    list.changed = 1;
    const WordListFileError error = WriteWordListFile(list);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(error.kind, WordListFileError::CannotWrite);
    QCOMPARE(list.changed, 1);
    QCOMPARE(FileBytes(path, "<no file>"), pairsFile(1));
}

void TestWordListFile::deviceFailingMidwayIsReported()
{
    const WordList list = sampleList();
    const QByteArray whole = WordListFileBytes(list);
    FailingDevice device({}, 10);
    QVERIFY(device.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const WordListFileError error = WriteWordListFile(list, device);
    QCOMPARE(error.kind, WordListFileError::CannotWrite);
    QCOMPARE(error.systemReason, u"disk full"_qs);
    QCOMPARE(device.written, whole.left(10));

    FailingDevice roomy({}, whole.size());
    QVERIFY(roomy.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QVERIFY(!WriteWordListFile(list, roomy));
    QCOMPARE(roomy.written, whole);
}

void TestWordListFile::leftoversOfDeadCopiesAreClearedAtTheNextSave()
{
    QProcess dead;
    dead.start(u"true"_qs, {});
    QVERIFY(dead.waitForStarted());
    const qint64 deadPid = dead.processId();
    QVERIFY(dead.waitForFinished());
    QProcess living;
    living.start(u"sleep"_qs, {u"30"_qs});
    QVERIFY(living.waitForStarted());
    const QString livingPid = QString::number(living.processId());

    WordList list = sampleList();
    list.filePath = pathOf(u"lista [1].vkf"_qs);
    const QString ours = AtomicFile::temporaryPrefix(list.filePath);
    QCOMPARE(ours, pathOf(u".lista [1].vkf.vokabo-save-"_qs));
    const QStringList kept{pathOf(u".lista [1].vkf.vokabo-save-"_qs) + livingPid + u"-a1b2c3d"_qs,
                           pathOf(u".other.vkf.vokabo-save-%1-a1b2c3d"_qs.arg(deadPid)),
                           pathOf(u"lista [1].vkf.Ab12Cd"_qs)};
    for (const QString& path : kept)
        QVERIFY(WriteBytes(path, "keep"));
    QVERIFY(WriteBytes(ours + QString::number(deadPid) + u"-a1b2c3d"_qs, "stale"));
    QVERIFY(WriteBytes(ours + QString::number(QCoreApplication::applicationPid()) + u"-zz"_qs,
                       "stale"));

    QVERIFY(!WriteWordListFile(list));
    QStringList expected{u"lista [1].vkf"_qs};
    for (const QString& path : kept)
        expected.append(QFileInfo(path).fileName());
    expected.sort();
    QCOMPARE(QDir(m_settings->folder()).entryList(QDir::Files | QDir::Hidden), expected);
    living.kill();
    living.waitForFinished();
}

QTEST_GUILESS_MAIN(TestWordListFile)
#include "tst_wordlistfile.moc"
