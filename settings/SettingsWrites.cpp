#include "SettingsWrites.h"

#include "SettingKeys.h"
#include "Settings.h"
#include "WindowPosition.h"

void WriteExitSettings(QWidget* window, const ProgramSettings& settings, const QString& language1,
                       const QString& language2, const RecentFileList& recentFiles)
{
    const Settings::WriteGroup group;
    Settings::SaveWindowPosition(window, Keys::PositionSection);
    const LanguageKeys& keys = LanguageKeysFor(settings.uiLanguage);
    Settings::WriteSetting(keys.pairSection, keys.language1Key, language1);
    Settings::WriteSetting(keys.pairSection, keys.language2Key, language2);
    Settings::WriteSetting(Keys::ShowRw, QString::number(settings.showRw));
    for (int k = 1; k <= kRecentFileCount; ++k)
        Settings::WriteSetting(Keys::RecentFile(k), recentFiles[size_t(k - 1)]);
}

void WriteFonts(const ProgramSettings& settings)
{
    Settings::WriteSetting(Keys::Font1Name, settings.font1Name);
    Settings::WriteSetting(Keys::Font2Name, settings.font2Name);
    Settings::WriteSetting(Keys::Font1Size, QString::number(settings.font1Size));
    Settings::WriteSetting(Keys::Font2Size, QString::number(settings.font2Size));
}

void WriteInterfaceLanguage(const QString& uiLanguage)
{
    Settings::WriteSetting(Keys::PrgLanguage, uiLanguage);
}

void WriteWelcome(int welcome)
{
    Settings::WriteSetting(Keys::Welcome, QString::number(welcome));
}
