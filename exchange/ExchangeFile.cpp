#include "ExchangeFile.h"

#include "DelimitedText.h"
#include "KvtmlFile.h"
#include "TextCodec.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <cerrno>

ExchangeError ReadImportBytes(QIODevice& device, QByteArray& bytes)
{
    bytes.clear();
    char chunk[64 * 1024];
    for (;;) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n < 0)
            return ExchangeFault(ExchangeError::CannotRead, device.errorString());
        if (n == 0)
            break;
        if (bytes.size() + n > kMaxImportBytes)
            return ExchangeFault(ExchangeError::TooLarge);
        bytes.append(chunk, n);
    }
    return ExchangeError{};
}

ExchangeError ReadImportBytes(const QString& path, QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return ExchangeFault(ExchangeError::CannotOpen, QString(), 0, EISDIR);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ExchangeFault(ExchangeError::CannotOpen, file.errorString());
    return ReadImportBytes(file, bytes);
}

namespace {

bool hasKvtmlRoot(QXmlStreamReader& xml)
{
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == QLatin1String("kvtml");
    }
    return false;
}

bool isKvtml(const QByteArray& head)
{
    QXmlStreamReader xml(head);
    if (hasKvtmlRoot(xml))
        return true;
    // Files that say UTF-8 but hold Windows-1252 letters, as the KVTML reader takes them.
    if (!xml.hasError() || head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF") ||
        TextCodec::isValidUtf8(head))
        return false;
    QXmlStreamReader again(TextCodec::fromWindows1252(head));
    return hasKvtmlRoot(again);
}

bool looksDelimited(const QByteArray& head)
{
    const QString text = DecodeImportText(head);
    return text.contains(u'\t') || text.startsWith(QLatin1String("#separator:")) ||
           text.startsWith(QLatin1String("#html:"));
}

} // namespace

ExchangeFormat DetectFormat(const QString& path, const QByteArray& head)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vkf") || suffix == QLatin1String("gls"))
        return ExchangeFormat::WordList;
    if (isKvtml(head))
        return ExchangeFormat::Kvtml;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv"))
        return ExchangeFormat::Delimited;
    if (suffix == QLatin1String("txt") && looksDelimited(head))
        return ExchangeFormat::Delimited;
    return ExchangeFormat::WordList;
}

ExchangeFormat DetectFileFormat(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vkf") || suffix == QLatin1String("gls"))
        return ExchangeFormat::WordList;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return ExchangeFormat::WordList;
    // A pipe or device is not read here: the word list reader knows how to refuse it.
    if (file.isSequential())
        return ExchangeFormat::WordList;
    return DetectFormat(path, file.read(64 * 1024));
}

ImportOptions DetectImportOptions(const QString& path, const QByteArray& bytes)
{
    ImportOptions options;
    if (isKvtml(bytes.left(64 * 1024))) {
        options.format = ExchangeFormat::Kvtml;
        return options;
    }
    options = DetectDelimited(DecodeImportText(bytes), QFileInfo(path).suffix().toLower());
    options.format = ExchangeFormat::Delimited;
    return options;
}

ExchangeError ReadImport(const QByteArray& bytes, const ImportOptions& options, ImportedList& list)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (options.format == ExchangeFormat::Kvtml) {
        const ExchangeError error = ReadKvtml(buffer, list);
        if (!error && options.swap) {
            for (auto& [learned, known] : list.pairs)
                std::swap(learned, known);
            std::swap(list.language1, list.language2);
        }
        return error;
    }
    return ReadDelimitedText(buffer, options, list);
}

QString DecodeImportText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
        QString text = decoder.decode(bytes.mid(2));
        return text;
    }
    return TextCodec::decode(bytes);
}

bool MakeWord(QString& field)
{
    // A line break in a spreadsheet's cell is one blank, whichever way the lines end.
    field.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (qsizetype i = 0; i < field.size(); ++i) {
        QChar& c = field[i];
        if (c == u'\r' || c == u'\n' || c == u'\t' || c == u'\0')
            c = u' ';
        else if (c.isHighSurrogate() && i + 1 < field.size() && field[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            c = QChar::ReplacementCharacter; // half a character, from broken UTF-16
    }
    return field.size() <= kMaxFieldLength;
}

void AddImportedPair(ImportedList& list, QString learned, QString known)
{
    ++list.seen;
    if (!learned.isEmpty() || !known.isEmpty())
        list.total = list.seen;
    if (list.pairs.size() < size_t(WordList::MaxWords))
        list.pairs.emplace_back(std::move(learned), std::move(known));
}

void FinishImport(ImportedList& list, bool swap)
{
    if (list.pairs.size() > size_t(list.total))
        list.pairs.resize(size_t(list.total));
    if (swap) {
        for (auto& [learned, known] : list.pairs)
            std::swap(learned, known);
        std::swap(list.language1, list.language2);
    }
}
