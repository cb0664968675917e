#pragma once

#include <QString>

class QComboBox;
class QListWidget;

// The boxes that offer the stored lists of language names: the learned-languages list
// (which = 1) and the known-languages list (which = 2) of the interface language.

// Fills the main window's language boxes from the interface language's two lists, writing the
// defaults of an absent list first, then shows the given pair of names.
void LoadLanguageLists(QComboBox* lang1, QComboBox* lang2, const QString& language1,
                       const QString& language2, const QString& uiLanguage);
// Appends the stored entries of a list to a list box; writes no defaults.
void ReadLanguageList(QListWidget* box, const QString& uiLanguage, int which);
// Stores the entries of a list box as a list.
void WriteLanguageList(QListWidget* box, const QString& uiLanguage, int which);
