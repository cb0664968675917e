#pragma once

#include <QList>
#include <QString>

#include <optional>

// A Windows-style INI profile file: "[section]" lines followed by "key=value" lines. Section and
// key names match without regard to letter case and to blanks at either end; values are trimmed,
// end at a NUL, and lose matching outer double quotes, as Windows reads them. A file that starts
// with a UTF-16 byte-order mark is read and written in UTF-16, any other through TextCodec.
// Every call looks at the file. Only the text of a file of 64 KiB or more is kept between calls,
// and only while its size and its modification and change times stay the same, so two running
// copies still see each other's writes.
// A write replaces only the value of its key and never deletes a key or a section.
namespace IniFile {

// The largest settings file we look at; the rest of a bigger file is not read.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

// The value of the key, or std::nullopt when the section or the key is absent.
std::optional<QString> lookup(const QString& text, const QString& section, const QString& key);

// The file text with the key set to the value, creating the section and the key as needed.
QString replaced(const QString& text, const QString& section, const QString& key,
                 const QString& value);

// The value stored in the file, or the default when the file, section or key is missing or the
// file cannot be read.
QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue);

// Writes the key, creating the file and the folder when needed. The file is replaced atomically,
// so a reader never sees half a file, and only while holding Vokabo.ini.lock (path + ".lock"),
// so two copies never undo each other's keys. Returns false when the file could not be written,
// when it is larger than kMaxFileBytes and rewriting it would lose its tail, or when the lock
// could not be had: a lock held by a live copy is waited for, a lock that can never be taken
// costs one short wait per run and later writes try it once without waiting.
bool write(const QString& path, const QString& section, const QString& key, const QString& value);

// One key of a write of several.
struct Entry
{
    QString section;
    QString key;
    QString value;
};

// Writes the keys in their order in one cycle of lock, read and replace, with the rules of the
// write of one key: the file holds all of them afterwards, or none when it could not be written.
bool write(const QString& path, const QList<Entry>& entries);

} // namespace IniFile
