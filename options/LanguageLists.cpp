#include "LanguageLists.h"

#include "SettingKeys.h"
#include "Settings.h"

#include <QComboBox>
#include <QListWidget>

QStringList DefaultLanguageList(const QString& uiLanguage, int which)
{
    const bool learned = which == 1;
    if (uiLanguage == u"sve") {
        return learned ? QStringList{QStringLiteral("Engelska"),   QStringLiteral("Tyska"),
                                     QStringLiteral("Franska"),    QStringLiteral("Spanska"),
                                     QStringLiteral("Italienska"), QStringLiteral("Finska"),
                                     QStringLiteral("Svenska")}
                       : QStringList{QStringLiteral("Svenska"),   QStringLiteral("Engelska"),
                                     QStringLiteral("Tyska"),     QStringLiteral("Finska"),
                                     QStringLiteral("Franska"),   QStringLiteral("Spanska"),
                                     QStringLiteral("Italienska")};
    }
    if (uiLanguage == u"fin") {
        return learned ? QStringList{QStringLiteral("Englanti"), QStringLiteral("Saksa"),
                                     QStringLiteral("Ranska"),   QStringLiteral("Espanja"),
                                     QStringLiteral("Italia"),   QStringLiteral("Ruotsi"),
                                     QStringLiteral("Suomi")}
                       : QStringList{QStringLiteral("Suomi"),    QStringLiteral("Ruotsi"),
                                     QStringLiteral("Englanti"), QStringLiteral("Saksa"),
                                     QStringLiteral("Ranska"),   QStringLiteral("Espanja"),
                                     QStringLiteral("Italia")};
    }
    // Any other code gets the English lists, as it gets the English keys.
    return learned ? QStringList{QStringLiteral("Foreign"), QStringLiteral("English"),
                                 QStringLiteral("German"),  QStringLiteral("French"),
                                 QStringLiteral("Spanish"), QStringLiteral("Italian"),
                                 QStringLiteral("Japanese")}
                   : QStringList{QStringLiteral("English"),    QStringLiteral("German"),
                                 QStringLiteral("French"),     QStringLiteral("Spanish"),
                                 QStringLiteral("Italian"),    QStringLiteral("Swedish"),
                                 QStringLiteral("My language")};
}

std::optional<QStringList> ReadStoredLanguageList(const QString& section,
                                                  const QString& lastIndexKey)
{
    // No value can hold a NUL, so this default tells a missing key from an empty one.
    const QString missing(QChar(0));
    const QString text = Settings::ReadSetting(section, lastIndexKey, missing);
    QStringList entries;
    if (!Settings::HasLeadingNumber(text)) {
        // A hand-edited count without a number: the entries that are there are the list, and
        // writing the defaults over them would lose it.
        if (text == missing)
            return std::nullopt;
        for (int i = 0; i <= kMaxLanguageListLastIndex; ++i) {
            QString entry = Settings::ReadSetting(section, QString::number(i), missing);
            if (entry == missing)
                break;
            entries.append(std::move(entry));
        }
        if (entries.isEmpty())
            return std::nullopt;
        return entries;
    }
    const int last = Settings::LeadingInt(text, -1, kMaxLanguageListLastIndex);
    for (int i = 0; i <= last; ++i)
        entries.append(Settings::ReadSetting(section, QString::number(i), QString()));
    return entries;
}

void WriteStoredLanguageList(const QString& section, const QString& lastIndexKey,
                             const QStringList& entries)
{
    Settings::WriteSetting(section, lastIndexKey, QString::number(entries.size() - 1));
    for (qsizetype i = 0; i < entries.size(); ++i)
        Settings::WriteSetting(section, QString::number(i), entries[i]);
}

namespace {

QStringList ReadOrCreateList(const QString& section, const QString& lastIndexKey,
                             const QString& uiLanguage, int which)
{
    if (std::optional<QStringList> stored = ReadStoredLanguageList(section, lastIndexKey))
        return *stored;
    const QStringList defaults = DefaultLanguageList(uiLanguage, which);
    WriteStoredLanguageList(section, lastIndexKey, defaults);
    return defaults;
}

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
    const LanguageKeys& keys = LanguageKeysFor(uiLanguage);
    lang1->clear();
    lang2->clear();
    lang1->addItems(ReadOrCreateList(keys.learnedListSection, keys.lastIndexKey, uiLanguage, 1));
    lang2->addItems(ReadOrCreateList(keys.knownListSection, keys.lastIndexKey, uiLanguage, 2));
    ShowName(lang1, name1);
    ShowName(lang2, name2);
}

void ReadLanguageList(QListWidget* box, const QString& section, const QString& lastIndexKey)
{
    if (std::optional<QStringList> stored = ReadStoredLanguageList(section, lastIndexKey))
        box->addItems(*stored);
}

void WriteLanguageList(QListWidget* box, const QString& section, const QString& lastIndexKey)
{
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->item(i)->text());
    WriteStoredLanguageList(section, lastIndexKey, entries);
}
