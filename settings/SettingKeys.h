#pragma once

#include "DesignFont.h"

#include <QString>

// Every key of Vokabo.ini, named once: section, key and the default when it is absent.
struct SettingKey
{
    QString section;
    QString key;
    QString defaultValue;
};

namespace Keys {

inline const SettingKey OnlyOne{QStringLiteral("Options"), QStringLiteral("OnlyOne"),
                                QStringLiteral("0")};
// The default of PrgLanguage follows the system language; see ChooseInterfaceLanguage.
inline const SettingKey PrgLanguage{QStringLiteral("Options"), QStringLiteral("PrgLanguage"),
                                    QString()};
inline const SettingKey Offbox{QStringLiteral("Options"), QStringLiteral("Offbox"), QString()};
inline const SettingKey Welcome{QStringLiteral("Options"), QStringLiteral("Welcome"),
                                QStringLiteral("1")};
inline const SettingKey ShowRw{QStringLiteral("Options"), QStringLiteral("ShowRw"),
                               QStringLiteral("0")};
inline const SettingKey Maximize{QStringLiteral("Options"), QStringLiteral("Maximize"),
                                 QStringLiteral("0")};
inline const QString PositionSection = QStringLiteral("Position");
// A window's left and top edges in twips, under its section.
inline SettingKey WindowLeft(const QString& section)
{
    return {section, QStringLiteral("X"), QStringLiteral("0")};
}
inline SettingKey WindowTop(const QString& section)
{
    return {section, QStringLiteral("Y"), QStringLiteral("0")};
}
inline const SettingKey Font1Name{QStringLiteral("Font"), QStringLiteral("Font1Name"),
                                  DesignFont::name()};
inline const SettingKey Font2Name{QStringLiteral("Font"), QStringLiteral("Font2Name"),
                                  DesignFont::name()};
inline const SettingKey Font1Size{QStringLiteral("Font"), QStringLiteral("Font1Size"),
                                  DesignFont::pointsText()};
inline const SettingKey Font2Size{QStringLiteral("Font"), QStringLiteral("Font2Size"),
                                  DesignFont::pointsText()};
inline const QString FilesSection = QStringLiteral("Files");
// Recent file k, 1 to 4.
inline SettingKey RecentFile(int k)
{
    return {FilesSection, QString::number(k), QString()};
}
// Win.ini: the system's language code.
inline const SettingKey SystemLanguage{QStringLiteral("Intl"), QStringLiteral("sLanguage"),
                                       QString()};

} // namespace Keys

// The sections and keys whose names follow the interface language.
struct LanguageKeys
{
    QString pairSection; // the remembered pair of language names
    QString language1Key;
    QString language2Key;
    QString language1Default;
    QString language2Default;
    QString learnedListSection; // the list of learned languages
    QString knownListSection;   // the list of known languages
    QString lastIndexKey;       // a list's last index
};

// The keys for "sve", "eng" or "fin"; any other code gets the English ones.
const LanguageKeys& LanguageKeysFor(const QString& uiLanguage);
