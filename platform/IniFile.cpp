#include "IniFile.h"

#include "TextCodec.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <mutex>
#include <thread>

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

// A value as Windows reads it: a NUL ends it, and matching outer double quotes are removed.
QStringView valueOf(QStringView raw)
{
    const qsizetype nul = raw.indexOf(QChar(0));
    QStringView v = (nul >= 0 ? raw.first(nul) : raw).trimmed();
    if (v.size() >= 2 && v.front() == u'"' && v.back() == u'"')
        v = v.sliced(1, v.size() - 2);
    return v;
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

// A NUL would end the value on reading, and the read trims blanks and removes one pair of outer
// double quotes: a value with blanks at either end, or already in quotes, gets a pair of quotes.
QString storedValue(const QString& value)
{
    QString out = value;
    out.replace(QChar(0), u' ');
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    const bool blankEnds = !out.isEmpty() && (out.front().isSpace() || out.back().isSpace());
    const bool quoted = out.size() >= 2 && out.front() == u'"' && out.back() == u'"';
    if (blankEnds || quoted)
        out = u'"' + out + u'"';
    return out;
}

// Only a damaged settings file grows this big. Its text is kept while the file stays the same,
// or a list index of 999 in it would mean reading megabytes a thousand times.
constexpr qint64 kKeepTextFromBytes = 64 * 1024;

// A file that starts with a UTF-16 byte-order mark, as a Windows editor may save it, is read and
// written back in that encoding; any other file goes through TextCodec.
enum class FileEncoding { Detected, Utf16LE, Utf16BE };

FileEncoding encodingOf(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return FileEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return FileEncoding::Utf16BE;
    return FileEncoding::Detected;
}

QString decodeFile(const QByteArray& bytes, FileEncoding encoding)
{
    if (encoding == FileEncoding::Detected)
        return TextCodec::decode(bytes);
    QStringDecoder decoder(encoding == FileEncoding::Utf16LE ? QStringDecoder::Utf16LE
                                                             : QStringDecoder::Utf16BE);
    return decoder.decode(QByteArrayView(bytes).sliced(2));
}

QByteArray encodeFile(const QString& text, FileEncoding encoding)
{
    if (encoding == FileEncoding::Detected)
        return TextCodec::encode(text);
    const bool le = encoding == FileEncoding::Utf16LE;
    QStringEncoder encoder(le ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
    return QByteArray(le ? "\xFF\xFE" : "\xFE\xFF") + QByteArray(encoder.encode(text));
}

struct KeptText
{
    QString path;
    FileEncoding encoding = FileEncoding::Detected;
    qint64 size = -1;
    QDateTime modified;
    QDateTime changed;
    QString text;
    QHash<QString, QString> values; // by section and key name, the first of each in the file
};

QString nameKey(QStringView section, QStringView key)
{
    return section.trimmed().toString().toCaseFolded() + QChar(0) +
           key.trimmed().toString().toCaseFolded();
}

QHash<QString, QString> valuesOf(const QString& text)
{
    QHash<QString, QString> values;
    std::optional<QStringView> section; // keys before the first section belong to none
    forEachLine(text, [&](QStringView raw) {
        const Line line = parse(raw);
        if (line.kind == Line::Section)
            section = line.name;
        else if (line.kind == Line::Key && section) {
            const QString name = nameKey(*section, line.name);
            if (!values.contains(name))
                values.insert(name, valueOf(line.value).toString());
        }
        return true;
    });
    return values;
}

KeptText& keptText()
{
    thread_local KeptText kept;
    return kept;
}

// kept: set to the kept text when the file is big enough to be kept; encoding: set to the file's.
QString readText(const QString& path, bool* ok, const KeptText** kept = nullptr,
                 FileEncoding* encoding = nullptr)
{
    *ok = false;
    if (encoding)
        *encoding = FileEncoding::Detected;
    if (kept)
        *kept = nullptr;
    // A folder, device or pipe in the file's place is not a settings file; a pipe would block.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {};
    KeptText& last = keptText();
    const bool big = info.size() >= kKeepTextFromBytes;
    if (big && last.path == path && last.size == info.size() &&
        last.modified == info.lastModified() && last.changed == info.metadataChangeTime()) {
        *ok = true;
        if (kept)
            *kept = &last;
        if (encoding)
            *encoding = last.encoding;
        return last.text;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxFileBytes);
    if (file.error() != QFileDevice::NoError)
        return {};
    *ok = true;
    const FileEncoding found = encodingOf(bytes);
    if (encoding)
        *encoding = found;
    QString text = decodeFile(bytes, found);
    if (big) {
        last = KeptText{
            path, found,         info.size(), info.lastModified(), info.metadataChangeTime(),
            text, valuesOf(text)};
        if (kept)
            *kept = &last;
    }
    return text;
}

// Another copy holds the lock for one read and one write at a time, though a burst of its
// writes may keep it busy for seconds. Past 30 s QLockFile takes a lock over as stale anyway.
constexpr int kLiveOwnerWaitMs = 45000;
// A lock file that names no owner is either being written this moment or can never be taken.
constexpr int kUnusableLockWaitMs = 500;

std::mutex blockedMutex;
QSet<QString> blockedLocks; // locks whose wait ran out in this run

bool isBlocked(const QString& lockPath)
{
    const std::lock_guard guard(blockedMutex);
    return blockedLocks.contains(lockPath);
}

void setBlocked(const QString& lockPath, bool blocked)
{
    const std::lock_guard guard(blockedMutex);
    if (blocked)
        blockedLocks.insert(lockPath);
    else
        blockedLocks.remove(lockPath);
}

// Takes the lock, or gives up after one wait per run; a stale lock of a dead copy is taken over
// at once by QLockFile itself.
bool takeLock(QLockFile& lock, const QString& lockPath)
{
    if (isBlocked(lockPath)) {
        if (!lock.tryLock(0))
            return false;
        setBlocked(lockPath, false);
        return true;
    }
    const QDeadlineTimer ownerDeadline(kLiveOwnerWaitMs);
    // Runs while the lock names no owner, every time anew: another copy's lock is nameless for
    // the moment between its creation and the writing of its owner.
    std::optional<QDeadlineTimer> unusableDeadline;
    for (;;) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError)
            return false; // the folder does not let us create the lock: no wait helps
        qint64 pid = 0;
        QString host;
        QString app;
        const bool owned = lock.getLockInfo(&pid, &host, &app);
        if (owned)
            unusableDeadline.reset();
        else if (!unusableDeadline)
            unusableDeadline.emplace(kUnusableLockWaitMs);
        if (owned ? ownerDeadline.hasExpired() : unusableDeadline->hasExpired()) {
            setBlocked(lockPath, true);
            return false;
        }
        // Short, uneven naps, so the other copy's moment between two writes is not missed.
        std::this_thread::sleep_for(
            std::chrono::microseconds(500 + QRandomGenerator::global()->bounded(2000)));
    }
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
            found = valueOf(line.value).toString();
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
    const QString newLine = wantKey + u'=' + storedValue(value);
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
    const KeptText* kept = nullptr;
    const QString text = readText(path, &ok, &kept);
    if (!ok)
        return defaultValue;
    if (kept)
        return kept->values.value(nameKey(section, key), defaultValue);
    return lookup(text, section, key).value_or(defaultValue);
}

bool write(const QString& path, const QString& section, const QString& key, const QString& value)
{
    return write(path, QList<Entry>{{section, key, value}});
}

bool write(const QString& path, const QList<Entry>& entries)
{
    if (entries.isEmpty())
        return true;
    QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return false;
    QDir().mkpath(info.absolutePath());
    // Another running copy may be between its read and its write: without the lock, one of the two
    // keys would be lost, so a write that cannot have the lock is skipped.
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!takeLock(lock, lockPath))
        return false;
    info.refresh();

    // Only the head of an oversized file is read, so writing it back would cut off the rest.
    if (info.exists() && info.size() > kMaxFileBytes)
        return false;
    bool ok = false;
    FileEncoding encoding = FileEncoding::Detected;
    QString text = readText(path, &ok, nullptr, &encoding);
    if (!ok && info.exists())
        return false; // an unreadable file is left alone rather than replaced by one key
    for (const Entry& entry : entries)
        text = replaced(text, entry.section, entry.key, entry.value);
    keptText() = KeptText{};

    QSaveFile file(path);
    // Buffered, a short write at the final flush goes unnoticed and a cut file is committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = encodeFile(text, encoding);
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            file.cancelWriting();
            return false;
        }
        done += n;
    }
    return file.commit();
}

} // namespace IniFile
