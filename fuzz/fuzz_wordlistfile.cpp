// The word list reader, fed through a device that hands out the bytes a few at a time. Whatever
// the file holds: no crash, the same result as from memory, and a list that was read is saved
// and read back unchanged. The line splitter is checked against a plain reference split.
#include "FuzzCheck.h"
#include "TextLineReader.h"
#include "WordListFile.h"

#include <QBuffer>

#include <algorithm>
#include <cstring>

namespace {

// Serves at most a few bytes a read, as a slow disk or a pipe may.
class TrickleDevice : public QIODevice
{
public:
    TrickleDevice(QByteArray data, qint64 step) : m_data(std::move(data)), m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* out, qint64 maxSize) override
    {
        const qint64 n = std::min({maxSize, m_step, qint64(m_data.size()) - m_at});
        if (n <= 0)
            return 0;
        std::memcpy(out, m_data.constData() + m_at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_step;
    qint64 m_at = 0;
};

// Lines ending in CR LF, LF or CR; a last line without an end counts.
QList<QByteArray> referenceLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || bytes[i] == '\r') {
            lines.append(bytes.mid(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

void checkLineReader(const QByteArray& bytes, qint64 step, qsizetype maxLine)
{
    const QList<QByteArray> expected = referenceLines(bytes);
    TrickleDevice device(bytes, step);
    TextLineReader reader(device, maxLine);
    QByteArray line;
    for (qsizetype i = 0;; ++i) {
        const TextLineReader::Status status = reader.next(line);
        if (status == TextLineReader::Status::End) {
            FUZZ_CHECK(i == expected.size(), "no line is lost");
            return;
        }
        FUZZ_CHECK(status != TextLineReader::Status::Error, "no error from a good device");
        FUZZ_CHECK(i < expected.size(), "no line is invented");
        if (status == TextLineReader::Status::TooLong) {
            FUZZ_CHECK(expected[i].size() > maxLine, "only a long line is too long");
            return;
        }
        FUZZ_CHECK(line == expected[i], "lines split as CR LF, LF or CR");
    }
}

bool sameContent(const WordListFileContent& a, const WordListFileContent& b)
{
    return a.heading == b.heading && a.language1 == b.language1 && a.language2 == b.language2 &&
           a.pairs == b.pairs && a.truncated == b.truncated;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how many bytes the device serves a read and the line limit.
    const qint64 step = 1 + (data[0] & 0x0F);
    const qsizetype maxLine = 1 + (data[0] >> 4) * 16;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    checkLineReader(bytes, step, maxLine);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    WordListFileContent content;
    const WordListFileError error = ReadWordListFile(buffer, content);

    TrickleDevice slow(bytes, step);
    WordListFileContent slowContent;
    const WordListFileError slowError = ReadWordListFile(slow, slowContent);
    FUZZ_CHECK(error.kind == slowError.kind, "same verdict from a slow device");
    if (error)
        return 0;
    FUZZ_CHECK(sameContent(content, slowContent), "same list from a slow device");
    FUZZ_CHECK(content.pairs.size() <= size_t(WordList::MaxWords), "at most MaxWords pairs");

    WordList list;
    ApplyWordListFile(content, list);
    const QStringList lines = WordListFileLines(list);
    // A word that is the end marker ends the list when it is read again, by design.
    if (lines.mid(3).contains(QString::fromUtf16(kEndMarker)))
        return 0;

    QBuffer saved;
    saved.open(QIODevice::WriteOnly);
    FUZZ_CHECK(!WriteWordListFile(list, saved), "writing to memory works");
    saved.close();
    saved.open(QIODevice::ReadOnly);
    WordListFileContent again;
    FUZZ_CHECK(!ReadWordListFile(saved, again), "a saved list can be opened");
    WordList reread;
    ApplyWordListFile(again, reread);
    FUZZ_CHECK(WordListFileLines(reread) == lines, "a saved list reads back unchanged");
    FUZZ_CHECK(!again.truncated, "a saved list is never cut");
    return 0;
}
