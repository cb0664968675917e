#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QComboBox;
class QListWidget;

// The learned-languages (which = 1) and known-languages (which = 2) lists an interface language
// starts with.
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

// Fills the main window's language boxes from the interface language's two lists, writing the
// defaults of an absent list first, then shows the given pair of names.
void LoadLanguageLists(QComboBox* lang1, QComboBox* lang2, const QString& language1,
                       const QString& language2, const QString& uiLanguage);
// Appends the stored entries of a list to a list box; writes no defaults.
void ReadLanguageList(QListWidget* box, const QString& section, const QString& lastIndexKey);
// Stores the entries of a list box as a list.
void WriteLanguageList(QListWidget* box, const QString& section, const QString& lastIndexKey);
