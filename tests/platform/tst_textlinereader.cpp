#include "TestDevices.h"
#include "TextLineReader.h"

#include <QBuffer>
#include <QTest>

using Status = TextLineReader::Status;

namespace {

// All lines of the bytes, read with the given line limit; stops at the first status that is not
// a line and appends its name.
QList<QByteArray> readAll(QIODevice& device, qsizetype limit = 1024 * 1024)
{
    TextLineReader reader(device, limit);
    QList<QByteArray> lines;
    QByteArray line;
    for (;;) {
        const Status s = reader.next(line);
        if (s == Status::Line) {
            lines.append(line);
            continue;
        }
        lines.append(s == Status::End ? "<end>" : s == Status::TooLong ? "<too long>" : "<error>");
        return lines;
    }
}

QList<QByteArray> readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAll(buffer);
}

} // namespace

class TestTextLineReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitsLines_data();
    void splitsLines();
    void lineEndAtTheChunkBoundary_data();
    void lineEndAtTheChunkBoundary();
    void longLineIsReportedNotHeld();
    void lineAtTheLimitIsKept();
    void readErrorIsReported();
};

void TestTextLineReader::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("empty") << QByteArray() << QList<QByteArray>{"<end>"};
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QList<QByteArray>{"a", "b", "<end>"};
    QTest::newRow("lf") << QByteArray("a\nb\n") << QList<QByteArray>{"a", "b", "<end>"};
    QTest::newRow("cr") << QByteArray("a\rb\r") << QList<QByteArray>{"a", "b", "<end>"};
    QTest::newRow("last line without end")
        << QByteArray("a\r\nb") << QList<QByteArray>{"a", "b", "<end>"};
    QTest::newRow("empty lines") << QByteArray("\r\n\n\r")
                                 << QList<QByteArray>{"", "", "", "<end>"};
    // LF CR is two line ends, CR CR LF is an empty line between two.
    QTest::newRow("lf cr") << QByteArray("a\n\rb") << QList<QByteArray>{"a", "", "b", "<end>"};
    QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QList<QByteArray>{"a", "", "b", "<end>"};
    QTest::newRow("nul kept") << QByteArray("a\0b\n", 4)
                              << QList<QByteArray>{QByteArray("a\0b", 3), "<end>"};
}

void TestTextLineReader::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    QCOMPARE(readAll(bytes), lines);
}

void TestTextLineReader::lineEndAtTheChunkBoundary_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QList<QByteArray>>("after");

    // The first line fills the first 64 KiB chunk up to its last byte, which is a CR.
    QTest::newRow("crlf split") << QByteArray("\nb\r\n") << QList<QByteArray>{"b", "<end>"};
    QTest::newRow("lone cr") << QByteArray("b\r\n") << QList<QByteArray>{"b", "<end>"};
    QTest::newRow("cr cr") << QByteArray("\rb") << QList<QByteArray>{"", "b", "<end>"};
    QTest::newRow("cr ends file") << QByteArray() << QList<QByteArray>{"<end>"};
}

void TestTextLineReader::lineEndAtTheChunkBoundary()
{
    QFETCH(QByteArray, tail);
    QFETCH(QList<QByteArray>, after);
    const QByteArray first(64 * 1024 - 1, 'a');
    QList<QByteArray> expected{first};
    expected += after;
    QCOMPARE(readAll(first + '\r' + tail), expected);
}

void TestTextLineReader::longLineIsReportedNotHeld()
{
    // 50 MB without a line end after a short line: the short one comes, then the report, long
    // before the device is used up.
    const qint64 size = 50 * 1024 * 1024;
    GeneratedDevice device("short\r\n", size, 'x');
    device.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = readAll(device, 64 * 1024);
    QCOMPARE(lines, (QList<QByteArray>{"short", "<too long>"}));
    QVERIFY2(device.bytesServed() < 1024 * 1024,
             QByteArray::number(device.bytesServed()).constData());
}

void TestTextLineReader::lineAtTheLimitIsKept()
{
    const QByteArray atLimit(1000, 'y');
    QBuffer buffer;
    buffer.setData(atLimit + "\r\n" + atLimit + "y");
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(readAll(buffer, 1000), (QList<QByteArray>{atLimit, "<too long>"}));
}

void TestTextLineReader::readErrorIsReported()
{
    FailingDevice device("one\r\ntwo\r\nthree\r\n", 7);
    device.open(QIODevice::ReadOnly);
    QCOMPARE(readAll(device), (QList<QByteArray>{"one", "<error>"}));
}

QTEST_GUILESS_MAIN(TestTextLineReader)
#include "tst_textlinereader.moc"
