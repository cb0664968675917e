#pragma once

#include <QString>

#include <optional>

// A Windows-style INI profile file: "[section]" lines followed by "key=value" lines. Section and
// key names match without regard to letter case and to blanks at either end; values are trimmed.
// Every call goes to the file: there is no cache, so two running copies see each other's writes.
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
// so a reader never sees half a file. Returns false when the file could not be written, or when
// it is larger than kMaxFileBytes and rewriting it would lose its tail.
bool write(const QString& path, const QString& section, const QString& key, const QString& value);

} // namespace IniFile
