#include "WordListFile.h"

#include "TextCodec.h"
#include "TextLineReader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

WordListFileError error(WordListFileError::Kind kind, const QString& reason = QString())
{
    return WordListFileError{kind, reason};
}

} // namespace

WordListFileError ReadWordListFile(QIODevice& device, WordListFileContent& content)
{
    content = WordListFileContent{};
    TextLineReader reader(device, kMaxLineBytes);

    // Header lines, the pairs and the one line after the last pair the list can hold.
    constexpr int kMaxLines = 3 + 2 * WordList::MaxWords + 1;
    std::vector<QByteArray> raw;
    raw.reserve(64);
    QByteArray line;
    bool more = false; // a line exists beyond those read
    for (;;) {
        const auto status = reader.next(line);
        if (status == TextLineReader::Status::End)
            break;
        if (status == TextLineReader::Status::Error)
            return error(WordListFileError::CannotRead, device.errorString());
        if (status == TextLineReader::Status::TooLong)
            return error(WordListFileError::LineTooLong);
        if (line.contains('\0'))
            return error(WordListFileError::NotText);
        if (int(raw.size()) == kMaxLines) {
            more = true;
            break;
        }
        raw.push_back(line);
    }
    Q_UNUSED(more);

    // The encoding is decided over the whole text read, as one line alone may not tell.
    QByteArray all;
    for (const QByteArray& l : raw)
        all += l + '\n';
    const TextCodec::Encoding encoding = TextCodec::detect(all);
    QStringList lines;
    lines.reserve(qsizetype(raw.size()));
    for (size_t i = 0; i < raw.size(); ++i) {
        QByteArray bytes = raw[i];
        if (i == 0 && TextCodec::startsWithUtf8Bom(bytes))
            bytes.remove(0, 3);
        lines.append(TextCodec::decode(bytes, encoding));
    }

    qsizetype at = 0;
    const auto take = [&](std::optional<QString>& field) {
        if (at < lines.size())
            field = lines[at++];
    };
    take(content.heading);
    take(content.language1);
    take(content.language2);

    const QString marker = QString::fromUtf16(kEndMarker);
    while (at < lines.size()) {
        if (int(content.pairs.size()) == WordList::MaxWords) {
            content.truncated = lines[at] != marker;
            break;
        }
        const QString learned = lines[at++];
        if (learned == marker)
            break;
        // A file that ends after the first line of a pair leaves that pair's second word empty.
        QString known;
        if (at < lines.size()) {
            known = lines[at++];
            if (known == marker) {
                // The pair is cut short by the marker: its first word was read, the rest is not.
                content.pairs.emplace_back(learned, QString());
                break;
            }
        }
        content.pairs.emplace_back(learned, known);
    }
    return {};
}

WordListFileError ReadWordListFile(const QString& path, WordListFileContent& content)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        return error(WordListFileError::IsFolder);
    if (!file.open(QIODevice::ReadOnly))
        return error(WordListFileError::CannotOpen, file.errorString());
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
    int i = 0;
    for (const auto& [learned, known] : content.pairs) {
        if (i >= WordList::MaxWords)
            break;
        list[i].learned = learned;
        list[i].known = known;
        ++i;
    }
}

QStringList WordListFileLines(const WordList& list)
{
    QStringList lines{list.heading, list.language1, list.language2};
    int i = 0;
    for (;;) {
        if (list[i].isEmpty() && (i == WordList::MaxWords || list[i + 1].isEmpty()))
            break;
        lines.append(list[i].learned);
        lines.append(list[i].known);
        ++i;
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
    if (QFileInfo(list.filePath).isDir())
        return error(WordListFileError::IsFolder);
    QSaveFile file(list.filePath);
    if (!file.open(QIODevice::WriteOnly))
        return error(WordListFileError::CannotWrite, file.errorString());
    if (const WordListFileError e = WriteWordListFile(std::as_const(list), file)) {
        file.cancelWriting();
        return e;
    }
    if (!file.commit())
        return error(WordListFileError::CannotWrite, file.errorString());
    list.changed = 0;
    return {};
}
