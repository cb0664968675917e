#include "DelimitedText.h"

#include "WordList.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Past a line end at i (CR LF, LF or CR).
qsizetype skipLineEnd(QStringView text, qsizetype i)
{
    if (i < text.size() && text[i] == u'\r') {
        ++i;
        if (i < text.size() && text[i] == u'\n')
            ++i;
    } else if (i < text.size() && text[i] == u'\n') {
        ++i;
    }
    return i;
}

qsizetype lineEnd(QStringView text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && !isLineEnd(text[i]))
        ++i;
    return i;
}

char16_t separatorFromName(QStringView value)
{
    static const std::array<std::pair<const char*, char16_t>, 6> names{{{"tab", u'\t'},
                                                                        {"comma", u','},
                                                                        {"semicolon", u';'},
                                                                        {"space", u' '},
                                                                        {"pipe", u'|'},
                                                                        {"colon", u':'}}};
    for (const auto& [name, c] : names) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return c;
    }
    return value.size() == 1 ? value[0].unicode() : u'\0';
}

} // namespace

qsizetype AnkiHeaderLength(QStringView text, ImportOptions* options)
{
    static const char* const keys[] = {
        "separator",       "html",        "tags",        "columns",    "notetype", "deck",
        "notetype column", "deck column", "tags column", "guid column"};
    qsizetype at = 0;
    while (at < text.size() && text[at] == u'#') {
        const qsizetype end = lineEnd(text, at);
        const QStringView line = text.mid(at + 1, end - at - 1);
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            break;
        const QStringView key = line.left(colon).trimmed();
        const QStringView value = line.mid(colon + 1).trimmed();
        if (std::none_of(std::begin(keys), std::end(keys),
                         [&](const char* k) { return key == QLatin1String(k); }))
            break;
        if (options) {
            if (key == QLatin1String("separator")) {
                if (const char16_t c = separatorFromName(value))
                    options->delimiter = c;
            } else if (key == QLatin1String("html")) {
                options->html = value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
            } else if (key.endsWith(QLatin1String(" column"))) {
                bool ok = false;
                const int column = value.toInt(&ok);
                // Tags come after the fields and are cut off anyway; the others may come first.
                if (ok && column >= 1 && column <= 1000 && key != QLatin1String("tags column"))
                    options->dropColumns.push_back(column - 1);
            }
        }
        at = skipLineEnd(text, end);
    }
    return at;
}

QList<QStringList> ParseRecords(QStringView text, char16_t delimiter, qsizetype maxRecords,
                                qsizetype* strayQuotes)
{
    QList<QStringList> records;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (maxRecords < 0 || records.size() < maxRecords)) {
        if (isLineEnd(text[i])) {
            i = skipLineEnd(text, i);
            continue;
        }
        QStringList fields;
        for (;;) {
            QString field;
            if (i < n && text[i] == u'"') {
                // Find the closing quote first: an unclosed one is an ordinary character.
                qsizetype j = i + 1;
                bool closed = false;
                while (j < n) {
                    if (text[j] == u'"') {
                        if (j + 1 < n && text[j + 1] == u'"') {
                            j += 2;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    ++j;
                }
                if (closed) {
                    field = text.mid(i + 1, j - i - 1).toString();
                    field.replace(QLatin1String("\"\""), QLatin1String("\""));
                    i = j + 1;
                }
            }
            // Unquoted text, or what follows a closing quote up to the delimiter.
            const qsizetype start = i;
            while (i < n && text[i] != delimiter && !isLineEnd(text[i])) {
                if (strayQuotes && text[i] == u'"')
                    ++*strayQuotes;
                ++i;
            }
            field += text.mid(start, i - start);
            fields.append(field);
            if (i < n && text[i] == delimiter) {
                ++i;
                continue;
            }
            break;
        }
        i = skipLineEnd(text, i);
        records.append(fields);
    }
    return records;
}

QString HtmlToText(QStringView html)
{
    static const QHash<QString, QString> named{
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
    };
    QString out;
    out.reserve(html.size());
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        const QChar c = html[i];
        if (c == u'<' && i + 1 < n &&
            (html[i + 1].isLetter() || html[i + 1] == u'/' || html[i + 1] == u'!')) {
            const qsizetype close = html.indexOf(u'>', i);
            if (close > 0) {
                const QStringView tag = html.mid(i + 1, close - i - 1);
                const bool breaks = tag.startsWith(QLatin1String("br"), Qt::CaseInsensitive) ||
                                    tag.startsWith(QLatin1String("div"), Qt::CaseInsensitive) ||
                                    tag.startsWith(QLatin1String("/div"), Qt::CaseInsensitive) ||
                                    tag.startsWith(QLatin1String("p"), Qt::CaseInsensitive) ||
                                    tag.startsWith(QLatin1String("/p"), Qt::CaseInsensitive);
                if (breaks)
                    out += u' ';
                i = close + 1;
                continue;
            }
        }
        if (c == u'&') {
            const qsizetype semi = html.indexOf(u';', i);
            if (semi > i + 1 && semi - i <= 12) {
                const QStringView name = html.mid(i + 1, semi - i - 1);
                QString decoded;
                if (name.startsWith(u'#')) {
                    bool ok = false;
                    const uint code = (name.size() > 1 && (name[1] == u'x' || name[1] == u'X'))
                                          ? name.mid(2).toUInt(&ok, 16)
                                          : name.mid(1).toUInt(&ok, 10);
                    if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
                        decoded = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
                } else {
                    decoded = named.value(name.toString());
                }
                if (!decoded.isEmpty()) {
                    out += decoded;
                    i = semi + 1;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out.simplified();
}

ImportOptions DetectDelimited(const QString& text, const QString& suffix)
{
    ImportOptions options;
    options.format = ExchangeFormat::Delimited;
    const qsizetype header = AnkiHeaderLength(text, &options);
    if (header > 0 && QStringView(text).left(header).contains(QLatin1String("#separator:")))
        return options;
    const QStringView body = QStringView(text).mid(header);
    // The order wins a tie: what the extension says first.
    const std::array<char16_t, 3> order = suffix == QLatin1String("csv")
                                              ? std::array<char16_t, 3>{u',', u';', u'\t'}
                                              : std::array<char16_t, 3>{u'\t', u';', u','};
    struct Score
    {
        qsizetype alike = 0;  // records with the most common field count, two or more fields
        bool two = false;     // that count is two
        qsizetype stray = 0;  // quotes outside quoted fields: a quoted field cut in the middle
        qsizetype blanks = 0; // fields that start with a blank, as text after a comma does
        auto key() const { return std::tuple(alike, two, -stray, -blanks); }
    };
    Score best;
    char16_t chosen = order[0];
    for (const char16_t d : order) {
        Score score;
        const QList<QStringList> records = ParseRecords(body, d, 50, &score.stray);
        QHash<qsizetype, qsizetype> counts;
        for (const QStringList& r : records) {
            if (r.size() >= 2)
                ++counts[r.size()];
            for (qsizetype f = 1; f < r.size(); ++f)
                score.blanks += r[f].startsWith(u' ') ? 1 : 0;
        }
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > score.alike || (it.value() == score.alike && it.key() == 2)) {
                score.alike = it.value();
                score.two = it.key() == 2;
            }
        }
        // Tabs in every record, split alike: tab-separated text, whatever else its words hold.
        if (d == u'\t' && !records.isEmpty() && score.alike == records.size()) {
            chosen = d;
            break;
        }
        if (score.key() > best.key()) {
            best = score;
            chosen = d;
        }
    }
    options.delimiter = chosen;
    return options;
}

ExchangeError ReadDelimitedText(QIODevice& device, const ImportOptions& options, ImportedList& list)
{
    list = ImportedList{};
    QByteArray bytes;
    if (const ExchangeError error = ReadImportBytes(device, bytes))
        return error;
    const QString text = DecodeImportText(bytes);
    if (text.contains(u'\0'))
        return ExchangeFault(ExchangeError::NotText);
    const QStringView body = QStringView(text).mid(AnkiHeaderLength(text));
    QList<QStringList> records = ParseRecords(body, options.delimiter);
    bool first = true;
    for (QStringList& record : records) {
        QStringList words;
        for (qsizetype c = 0; c < record.size() && words.size() < 2; ++c) {
            if (std::find(options.dropColumns.begin(), options.dropColumns.end(), int(c)) ==
                options.dropColumns.end())
                words.append(options.html ? HtmlToText(record[c]) : record[c]);
        }
        while (words.size() < 2)
            words.append(QString());
        for (QString& word : words) {
            if (!MakeWord(word)) {
                list = ImportedList{};
                return ExchangeFault(ExchangeError::FieldTooLong);
            }
        }
        if (first && options.headerRow) {
            first = false;
            if (!words[0].trimmed().isEmpty())
                list.language1 = words[0].trimmed();
            if (!words[1].trimmed().isEmpty())
                list.language2 = words[1].trimmed();
            continue;
        }
        first = false;
        AddImportedPair(list, words[0], words[1]);
    }
    FinishImport(list, options.swap);
    return ExchangeError{};
}

namespace {

QString quoted(const QString& field)
{
    QString out = field;
    out.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + out + u'"';
}

// A quote, a '#' that could pass for Anki's header, or a byte-order mark that decoding drops.
bool startsUnsafe(const QString& field)
{
    return field.startsWith(u'"') || field.startsWith(u'#') || field.startsWith(QChar(0xFEFF));
}

} // namespace

QString TsvRecord(const QString& first, const QString& second)
{
    // A field that our reader or Anki would take apart is quoted, as Anki itself does.
    const auto field = [](const QString& f) {
        return f.contains(u'\t') || f.contains(u'\n') || f.contains(u'\r') || startsUnsafe(f)
                   ? quoted(f)
                   : f;
    };
    return field(first) + u'\t' + field(second) + u'\n';
}

QString CsvRecord(const QString& first, const QString& second)
{
    const auto field = [](const QString& f) {
        return f.contains(u',') || f.contains(u'"') || f.contains(u'\n') || f.contains(u'\r') ||
                       f.contains(u';') || f.contains(u'\t') || startsUnsafe(f)
                   ? quoted(f)
                   : f;
    };
    return field(first) + u',' + field(second) + QStringLiteral("\r\n");
}
