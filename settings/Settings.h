#pragma once

#include "SettingKeys.h"

#include <QString>

// Access to Vokabo.ini, the program's one settings file. Each call goes to the file.
namespace Settings {

// The settings file: Vokabo.ini in the user's configuration folder.
QString SettingsFilePath();

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue);
// Failures are not reported: a settings write that cannot be made is skipped.
void WriteSetting(const QString& section, const QString& key, const QString& value);

inline QString ReadSetting(const SettingKey& k)
{
    return ReadSetting(k.section, k.key, k.defaultValue);
}
inline void WriteSetting(const SettingKey& k, const QString& value)
{
    WriteSetting(k.section, k.key, value);
}

// The system's Win.ini settings. Only section Intl, key sLanguage exists here: the system's
// language code, taken from the locale.
QString ReadWinIniSetting(const QString& section, const QString& key, const QString& defaultValue);

} // namespace Settings
