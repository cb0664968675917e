#include "Settings.h"

#include "IniFile.h"
#include "SystemLocale.h"

#include <QDir>
#include <QStandardPaths>

namespace Settings {

QString SettingsFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Vokabo.ini"));
}

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return IniFile::read(SettingsFilePath(), section, key, defaultValue);
}

void WriteSetting(const QString& section, const QString& key, const QString& value)
{
    IniFile::write(SettingsFilePath(), section, key, value);
}

QString ReadWinIniSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    if (section.compare(Keys::SystemLanguage.section, Qt::CaseInsensitive) == 0 &&
        key.compare(Keys::SystemLanguage.key, Qt::CaseInsensitive) == 0) {
        const QString code = SystemLocale::languageCode();
        return code.isEmpty() ? defaultValue : code;
    }
    return defaultValue;
}

} // namespace Settings
