#include "KvtmlFile.h"

#include "ExchangeExport.h"
#include "TextCodec.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QHash>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// Where the parser is, and what the entry being read holds.
struct KvtmlState
{
    QStringList path; // element names from the root down
    QString identifierId;
    QString identifierName;
    QString identifierLocale;
    QStringList identifierIds;   // ids of the identifiers, in file order
    QStringList identifierNames; // their names, else their locales
    QString translationId;
    QHash<QString, QString> translations; // of the entry being read, by id
    bool inEntry = false;
    QString original;                        // version 1.0: <o>
    std::optional<QString> firstTranslation; // version 1.0: the first <t>
    QString text;                            // characters of the element whose text is wanted
};

bool pathEndsWith(const QStringList& path, std::initializer_list<const char*> tail)
{
    if (path.size() < qsizetype(tail.size()))
        return false;
    qsizetype i = path.size() - qsizetype(tail.size());
    for (const char* name : tail) {
        if (path[i++] != QLatin1String(name))
            return false;
    }
    return true;
}

} // namespace

namespace {

ExchangeError parseKvtml(QXmlStreamReader& xml, ImportedList& list)
{
    list = ImportedList{};
    KvtmlState s;
    bool sawRoot = false;
    ExchangeError fault;
    while (!xml.atEnd() && !fault) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // A public or system name alone is harmless; declarations of entities are not
            // needed by any list and are what makes an XML bomb.
            if (!xml.entityDeclarations().isEmpty() || !xml.notationDeclarations().isEmpty())
                fault = ExchangeFault(ExchangeError::OwnEntities);
            break;
        case QXmlStreamReader::EntityReference:
            fault = ExchangeFault(ExchangeError::OwnEntities);
            break;
        case QXmlStreamReader::StartElement: {
            if (s.path.size() >= kMaxXmlDepth) {
                fault = ExchangeFault(ExchangeError::TooDeep);
                break;
            }
            const QString name = xml.name().toString();
            if (!sawRoot) {
                sawRoot = true;
                if (name != QLatin1String("kvtml")) {
                    fault = ExchangeFault(ExchangeError::NotKvtml);
                    break;
                }
                const QString title = xml.attributes().value(QLatin1String("title")).toString();
                if (!title.isEmpty())
                    list.heading = title;
            }
            s.path.append(name);
            s.text.clear();
            const QXmlStreamAttributes attributes = xml.attributes();
            if (pathEndsWith(s.path, {"kvtml", "identifiers", "identifier"})) {
                s.identifierId = attributes.value(QLatin1String("id")).toString();
                s.identifierName.clear();
                s.identifierLocale.clear();
            } else if (pathEndsWith(s.path, {"kvtml", "entries", "entry"}) ||
                       pathEndsWith(s.path, {"kvtml", "e"})) {
                s.inEntry = true;
                s.translations.clear();
                s.original.clear();
                s.firstTranslation.reset();
            } else if (pathEndsWith(s.path, {"entries", "entry", "translation"})) {
                s.translationId = attributes.value(QLatin1String("id")).toString();
                s.translations.insert(s.translationId, QString());
            } else if (pathEndsWith(s.path, {"kvtml", "e", "o"}) && !list.language1) {
                const QString language = attributes.value(QLatin1String("l")).toString();
                if (!language.isEmpty())
                    list.language1 = language;
            } else if (pathEndsWith(s.path, {"kvtml", "e", "t"}) && !list.language2) {
                const QString language = attributes.value(QLatin1String("l")).toString();
                if (!language.isEmpty())
                    list.language2 = language;
            }
            break;
        }
        case QXmlStreamReader::Characters:
            s.text += xml.text();
            if (s.text.size() > 2 * kMaxFieldLength)
                fault = ExchangeFault(ExchangeError::FieldTooLong);
            break;
        case QXmlStreamReader::EndElement: {
            const QStringList& p = s.path;
            if (pathEndsWith(p, {"kvtml", "information", "title"})) {
                list.heading = s.text;
            } else if (pathEndsWith(p, {"identifiers", "identifier", "name"})) {
                s.identifierName = s.text;
            } else if (pathEndsWith(p, {"identifiers", "identifier", "locale"})) {
                s.identifierLocale = s.text;
            } else if (pathEndsWith(p, {"kvtml", "identifiers", "identifier"})) {
                s.identifierIds.append(s.identifierId);
                s.identifierNames.append(s.identifierName.isEmpty() ? s.identifierLocale
                                                                    : s.identifierName);
            } else if (pathEndsWith(p, {"entry", "translation", "text"})) {
                s.translations[s.translationId] = s.text;
            } else if (pathEndsWith(p, {"kvtml", "e", "o"})) {
                s.original = s.text;
            } else if (pathEndsWith(p, {"kvtml", "e", "t"})) {
                if (!s.firstTranslation)
                    s.firstTranslation = s.text;
            } else if (pathEndsWith(p, {"kvtml", "entries", "entry"}) ||
                       pathEndsWith(p, {"kvtml", "e"})) {
                QString learned;
                QString known;
                if (p.constLast() == QLatin1String("e")) {
                    learned = s.original;
                    known = s.firstTranslation.value_or(QString());
                } else {
                    const QString first = s.identifierIds.value(0, QStringLiteral("0"));
                    const QString second = s.identifierIds.value(1, QStringLiteral("1"));
                    learned = s.translations.value(first);
                    known = s.translations.value(second);
                }
                if (!MakeWord(learned) || !MakeWord(known)) {
                    fault = ExchangeFault(ExchangeError::FieldTooLong);
                    break;
                }
                AddImportedPair(list, learned, known);
                s.inEntry = false;
            }
            s.path.removeLast();
            s.text.clear();
            break;
        }
        default:
            break;
        }
    }
    if (fault) {
        list = ImportedList{};
        return fault;
    }
    if (xml.hasError()) {
        list = ImportedList{};
        return ExchangeFault(sawRoot ? ExchangeError::BadXml : ExchangeError::NotKvtml,
                             xml.errorString(), xml.lineNumber());
    }
    if (!sawRoot)
        return ExchangeFault(ExchangeError::NotKvtml);
    if (!s.identifierNames.isEmpty() && !s.identifierNames[0].isEmpty())
        list.language1 = s.identifierNames[0];
    if (s.identifierNames.size() > 1 && !s.identifierNames[1].isEmpty())
        list.language2 = s.identifierNames[1];
    for (std::optional<QString>* field : {&list.heading, &list.language1, &list.language2}) {
        if (*field && !MakeWord(**field)) {
            list = ImportedList{};
            return ExchangeFault(ExchangeError::FieldTooLong);
        }
    }
    FinishImport(list, false);
    return ExchangeError{};
}

} // namespace

ExchangeError ReadKvtml(QIODevice& device, ImportedList& list)
{
    list = ImportedList{};
    QByteArray bytes;
    if (const ExchangeError error = ReadImportBytes(device, bytes))
        return error;
    QXmlStreamReader xml(bytes);
    const ExchangeError error = parseKvtml(xml, list);
    // Some files say UTF-8 and hold Windows-1252 letters; read them as the bytes are.
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    const bool unreadable =
        error.kind == ExchangeError::BadXml || error.kind == ExchangeError::NotKvtml;
    if (unreadable && !utf16 && !TextCodec::isValidUtf8(bytes)) {
        QXmlStreamReader again(TextCodec::fromWindows1252(bytes));
        ImportedList second;
        if (!parseKvtml(again, second)) {
            list = std::move(second);
            return ExchangeError{};
        }
    }
    return error;
}

namespace {

// XML 1.0 has no place for most control characters; they become blanks.
QString xmlSafe(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF)
            c = u' ';
    }
    // A lone surrogate cannot be written as UTF-8 either.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = u' ';
    }
    return text;
}

} // namespace

QByteArray KvtmlBytes(const WordList& list)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Vokabo"));
    xml.writeTextElement(QStringLiteral("title"), xmlSafe(list.heading));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    const QString languages[] = {list.language1, list.language2};
    for (int i = 0; i < 2; ++i) {
        xml.writeStartElement(QStringLiteral("identifier"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        xml.writeTextElement(QStringLiteral("name"), xmlSafe(languages[i]));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("entries"));
    const int count = ExportedPairCount(list);
    for (int i = 0; i < count; ++i) {
        xml.writeStartElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        const QString words[] = {list[i].learned, list[i].known};
        for (int t = 0; t < 2; ++t) {
            xml.writeStartElement(QStringLiteral("translation"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(t));
            xml.writeTextElement(QStringLiteral("text"), xmlSafe(words[t]));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}
