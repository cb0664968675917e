#include "IniFile.h"

#include "TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace IniFile {
namespace {

// Views into the text the line came from.
struct Line
{
    enum Kind { Other, Section, Key } kind = Other;
    QStringView name; // section or key name, trimmed
    QStringView value;
};

Line parse(QStringView raw)
{
    Line line;
    const QStringView t = raw.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0) {
            line.kind = Line::Section;
            line.name = t.sliced(1, close - 1).trimmed();
        }
        return line;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq >= 0) {
        line.kind = Line::Key;
        line.name = t.first(eq).trimmed();
        line.value = t.sliced(eq + 1).trimmed();
    }
    return line;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Calls visit with each line of the text, without its line end, until visit returns false.
template <typename Visit> void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (!visit(text.sliced(start, i - start)))
                return;
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        visit(text.sliced(start));
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    forEachLine(text, [&](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

// Line breaks inside a name or value would split the line and damage the file.
QString oneLine(const QString& s)
{
    QString out = s;
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out.trimmed();
}

QString readText(const QString& path, bool* ok)
{
    *ok = false;
    // A folder, device or pipe in the file's place is not a settings file; a pipe would block.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return {};
    *ok = true;
    return TextCodec::decode(bytes);
}

} // namespace

std::optional<QString> lookup(const QString& text, const QString& section, const QString& key)
{
    const QStringView wantSection = QStringView(section).trimmed();
    const QStringView wantKey = QStringView(key).trimmed();
    bool inSection = false;
    std::optional<QString> found;
    forEachLine(text, [&](QStringView raw) {
        const Line line = parse(raw);
        if (line.kind == Line::Section) {
            inSection = sameName(line.name, wantSection);
        } else if (inSection && line.kind == Line::Key && sameName(line.name, wantKey)) {
            found = line.value.toString();
            return false;
        }
        return true;
    });
    return found;
}

QString replaced(const QString& text, const QString& section, const QString& key,
                 const QString& value)
{
    const QString wantSection = oneLine(section);
    const QString wantKey = oneLine(key);
    const QString newLine = wantKey + u'=' + oneLine(value);
    QStringList lines = splitLines(text);

    qsizetype sectionAt = -1;
    qsizetype lastInSection = -1; // last key line of the section found first
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line line = parse(lines[i]);
        if (line.kind == Line::Section) {
            inSection = sameName(line.name, wantSection);
            if (inSection && sectionAt < 0) {
                sectionAt = i;
                lastInSection = i;
            } else if (inSection) {
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (line.kind == Line::Key) {
            if (sameName(line.name, wantKey)) {
                lines[i] = newLine;
                return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
            }
            lastInSection = i;
        }
    }
    if (sectionAt >= 0) {
        lines.insert(lastInSection + 1, newLine);
    } else {
        lines.append(u'[' + wantSection + u']');
        lines.append(newLine);
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue)
{
    bool ok = false;
    const QString text = readText(path, &ok);
    if (!ok)
        return defaultValue;
    return lookup(text, section, key).value_or(defaultValue);
}

bool write(const QString& path, const QString& section, const QString& key, const QString& value)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    QDir().mkpath(info.absolutePath());

    // Only the head of an oversized file is read, so writing it back would cut off the rest.
    if (info.exists() && info.size() > kMaxFileBytes)
        return false;
    bool ok = false;
    QString text = readText(path, &ok);
    if (!ok && info.exists())
        return false; // an unreadable file is left alone rather than replaced by one key
    text = replaced(text, section, key, value);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(TextCodec::encode(text));
    return file.commit();
}

} // namespace IniFile
