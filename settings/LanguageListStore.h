#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lists of language names kept in the settings file: the learned-languages list (which = 1)
// and the known-languages list (which = 2) of each interface language.

// The lists an interface language starts with.
QStringList DefaultLanguageList(const QString& uiLanguage, int which);

// A hand-edited last index must not make us read keys for ever.
constexpr int kMaxLanguageListLastIndex = 499;

// The entries of a stored list, or nothing when none is stored. A missing last index counts as
// absent, and "0" is a list of one entry. A last index without a number (empty or hand-edited)
// gives the entries from key 0 up to the first missing key, and counts as absent when there are
// none.
std::optional<QStringList> ReadStoredLanguageList(const QString& section,
                                                  const QString& lastIndexKey);
// Writes the last index (entries minus one, -1 for none) and then the entries; keys beyond the
// new last index are left as they are.
void WriteStoredLanguageList(const QString& section, const QString& lastIndexKey,
                             const QStringList& entries);

// The same for the interface language's own list.
std::optional<QStringList> StoredLanguageList(const QString& uiLanguage, int which);
void StoreLanguageList(const QString& uiLanguage, int which, const QStringList& entries);
// The stored list, or the defaults, written first, when none is stored.
QStringList StoredLanguageListOrDefaults(const QString& uiLanguage, int which);
