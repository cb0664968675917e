#include "WordListFile.h"

#include "TextCodec.h"
#include "TextLineReader.h"

#include "AtomicFile.h"
#include "FileOpen.h"

#include <QFile>
#include <QFileInfo>

namespace {

WordListFileError error(WordListFileError::Kind kind, const QString& reason = QString())
{
    return WordListFileError{kind, reason};
}

WordListFileError systemError(WordListFileError::Kind kind, int code)
{
    return WordListFileError{kind, QString(), code};
}

} // namespace

WordListFileError ReadWordListFile(QIODevice& device, WordListFileContent& content)
{
    content = WordListFileContent{};
    // A line may take whatever the lines before it left of the file's cap.
    qsizetype budget = kMaxFileBytes;
    TextLineReader reader(device, budget);
    // The marker is ASCII, so it has the same bytes in every encoding we read.
    const QByteArray markerBytes = QString::fromUtf16(kEndMarker).toLatin1();

    // Raw lines: the header, then learned and known of each pair; a pair's line that the file
    // does not have is left out. The encoding is decided once all are read, as one line alone
    // may not tell.
    constexpr int kHeaderLines = 3;
    std::vector<QByteArray> raw;
    raw.reserve(kHeaderLines + 2 * WordList::MaxWords);
    QByteArray line;
    for (;;) {
        const qsizetype at = qsizetype(raw.size());
        const bool afterLastPair = at == kHeaderLines + 2 * WordList::MaxWords;
        const auto status = reader.next(line);
        if (status == TextLineReader::Status::End)
            break;
        if (afterLastPair) {
            // Only the one line after the last pair is looked at, and only to see if it ends
            // the file; whatever it holds is never stored.
            content.truncated = status != TextLineReader::Status::Line || line != markerBytes;
            break;
        }
        if (status == TextLineReader::Status::Error)
            return error(WordListFileError::CannotRead, device.errorString());
        if (status == TextLineReader::Status::TooLong)
            return error(WordListFileError::TooLarge);
        if (at >= kHeaderLines && line == markerBytes)
            break;
        if (line.contains('\0'))
            return error(WordListFileError::NotText);
        budget -= line.size() + 1;
        if (budget < 0)
            return error(WordListFileError::TooLarge);
        reader.setMaxLineBytes(budget);
        raw.push_back(line);
    }

    QByteArray all;
    for (const QByteArray& l : raw) {
        all += l;
        all += '\n';
    }
    const TextCodec::Encoding encoding = TextCodec::detect(all);
    QStringList lines;
    lines.reserve(qsizetype(raw.size()));
    for (size_t i = 0; i < raw.size(); ++i) {
        lines.append(i == 0 ? TextCodec::decode(raw[i], encoding)
                            : TextCodec::decodeLine(raw[i], encoding));
    }

    qsizetype at = 0;
    const auto take = [&](std::optional<QString>& field) {
        if (at < lines.size())
            field = lines[at++];
    };
    take(content.heading);
    take(content.language1);
    take(content.language2);
    // A file that ends after the first line of a pair, or whose marker stands in place of a
    // second line, leaves that pair's second word empty.
    while (at < lines.size()) {
        QString learned = lines[at++];
        QString known = at < lines.size() ? lines[at++] : QString();
        content.pairs.emplace_back(std::move(learned), std::move(known));
    }
    return {};
}

WordListFileError ReadWordListFile(const QString& path, WordListFileContent& content)
{
    const QFileInfo info(path);
    if (info.isDir())
        return error(WordListFileError::IsFolder);
    // A device or a pipe could feed us forever or block the open itself.
    if (info.exists() && !info.isFile())
        return error(WordListFileError::NotAFile);
    // Opened here, so the system's own reason for a failure is known.
    QFile file;
    if (const int code = OpenForReading(file, path))
        return systemError(WordListFileError::CannotOpen, code);
    return ReadWordListFile(file, content);
}

void ApplyWordListFile(const WordListFileContent& content, WordList& list)
{
    if (content.heading)
        list.heading = *content.heading;
    if (content.language1)
        list.language1 = *content.language1;
    if (content.language2)
        list.language2 = *content.language2;
    // Every slot gets its words from the file or none, so a word left behind a gap in the old
    // list cannot join the new one.
    for (int i = 0; i < WordList::SlotCount; ++i) {
        const bool fromFile = i < WordList::MaxWords && size_t(i) < content.pairs.size();
        list[i].learned = fromFile ? content.pairs[size_t(i)].first : QString();
        list[i].known = fromFile ? content.pairs[size_t(i)].second : QString();
    }
}

namespace {

// A line break inside a field would shift every later line of the file, and a NUL would make
// the file unreadable; a blank takes their place.
QString oneLine(const QString& field)
{
    QString out = field;
    for (QChar& c : out) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            c = u' ';
    }
    return out;
}

} // namespace

QStringList WordListFileLines(const WordList& list)
{
    QStringList lines{oneLine(list.heading), oneLine(list.language1), oneLine(list.language2)};
    const int n = list.Length();
    for (int i = 0; i < n; ++i) {
        lines.append(oneLine(list[i].learned));
        lines.append(oneLine(list[i].known));
    }
    return lines;
}

QByteArray WordListFileBytes(const WordList& list)
{
    QString text;
    for (const QString& line : WordListFileLines(list)) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return TextCodec::encode(text);
}

WordListFileError WriteWordListFile(const WordList& list, QIODevice& device)
{
    const QByteArray bytes = WordListFileBytes(list);
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return error(WordListFileError::CannotWrite, device.errorString());
        done += n;
    }
    return {};
}

WordListFileError WriteWordListFile(WordList& list)
{
    if (list.filePath.isEmpty())
        return error(WordListFileError::CannotWrite);
    const QFileInfo info(list.filePath);
    if (info.isDir())
        return error(WordListFileError::IsFolder);
    // A pipe or device in the list's place would be swapped for a plain file.
    if (info.exists() && !info.isFile())
        return error(WordListFileError::NotAFile);
    AtomicFile file(list.filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        if (file.writeProtected())
            return error(WordListFileError::WriteProtected);
        return systemError(WordListFileError::CannotWrite, file.systemError());
    }
    if (const WordListFileError e = WriteWordListFile(std::as_const(list), file)) {
        file.cancel();
        return file.systemError() ? systemError(e.kind, file.systemError()) : e;
    }
    if (!file.commit())
        return systemError(WordListFileError::CannotWrite, file.systemError());
    list.changed = 0;
    return {};
}
