#include "Settings.h"

#include "IniFile.h"
#include "SystemLocale.h"

#include <QDir>
#include <QStandardPaths>

namespace Settings {
namespace {

// The group that takes this thread's writes, if one is open.
thread_local WriteGroup* t_group = nullptr;

} // namespace

WriteGroup::WriteGroup() : m_outer(t_group)
{
    t_group = this;
}

WriteGroup::~WriteGroup()
{
    t_group = m_outer;
    if (m_outer) {
        for (const IniFile::Entry& entry : std::as_const(m_entries))
            m_outer->add(entry.section, entry.key, entry.value);
        return;
    }
    IniFile::write(SettingsFilePath(), m_entries);
}

void WriteGroup::add(const QString& section, const QString& key, const QString& value)
{
    m_entries.append(IniFile::Entry{section, key, value});
}

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
    if (t_group) {
        t_group->add(section, key, value);
        return;
    }
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
