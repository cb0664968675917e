#pragma once

#include "IniFile.h"
#include "SettingKeys.h"

#include <QList>
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

// Holds back the settings writes made while it lives, and makes them when it ends, in their order,
// in one locked cycle of the file: a run of writes waits for another copy's lock once, not per key.
class WriteGroup
{
public:
    WriteGroup();
    ~WriteGroup();
    WriteGroup(const WriteGroup&) = delete;
    WriteGroup& operator=(const WriteGroup&) = delete;

    void add(const QString& section, const QString& key, const QString& value);

private:
    QList<IniFile::Entry> m_entries;
    WriteGroup* m_outer;
};

// The system's Win.ini settings. Only section Intl, key sLanguage exists here: the system's
// language code, taken from the locale.
QString ReadWinIniSetting(const QString& section, const QString& key, const QString& defaultValue);

} // namespace Settings
