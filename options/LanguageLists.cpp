#include "LanguageLists.h"

#include "LanguageListStore.h"

#include <QComboBox>
#include <QListWidget>

namespace {

void ShowName(QComboBox* box, const QString& name)
{
    if (box->isEditable())
        box->setEditText(name);
    else
        box->setCurrentIndex(box->findText(name, Qt::MatchExactly));
}

} // namespace

void LoadLanguageLists(QComboBox* lang1, QComboBox* lang2, const QString& language1,
                       const QString& language2, const QString& uiLanguage)
{
    // Copies: the caller may pass the very strings that the boxes' change handlers overwrite.
    const QString name1 = language1;
    const QString name2 = language2;
    lang1->clear();
    lang2->clear();
    lang1->addItems(StoredLanguageListOrDefaults(uiLanguage, 1));
    lang2->addItems(StoredLanguageListOrDefaults(uiLanguage, 2));
    ShowName(lang1, name1);
    ShowName(lang2, name2);
}

void ReadLanguageList(QListWidget* box, const QString& uiLanguage, int which)
{
    if (std::optional<QStringList> stored = StoredLanguageList(uiLanguage, which))
        box->addItems(*stored);
}

void WriteLanguageList(QListWidget* box, const QString& uiLanguage, int which)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->item(i)->text());
    StoreLanguageList(uiLanguage, which, entries);
}
