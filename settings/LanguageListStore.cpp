#include "LanguageListStore.h"

#include "SettingKeys.h"
#include "SettingNumbers.h"
#include "Settings.h"

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

const QString& ListSection(const LanguageKeys& keys, int which)
{
    return which == 1 ? keys.learnedListSection : keys.knownListSection;
}

} // namespace

std::optional<QStringList> StoredLanguageList(const QString& uiLanguage, int which)
{
    const LanguageKeys& keys = LanguageKeysFor(uiLanguage);
    return ReadStoredLanguageList(ListSection(keys, which), keys.lastIndexKey);
}

void StoreLanguageList(const QString& uiLanguage, int which, const QStringList& entries)
{
    const LanguageKeys& keys = LanguageKeysFor(uiLanguage);
    WriteStoredLanguageList(ListSection(keys, which), keys.lastIndexKey, entries);
}

QStringList StoredLanguageListOrDefaults(const QString& uiLanguage, int which)
{
    if (std::optional<QStringList> stored = StoredLanguageList(uiLanguage, which))
        return *stored;
    const QStringList defaults = DefaultLanguageList(uiLanguage, which);
    StoreLanguageList(uiLanguage, which, defaults);
    return defaults;
}
