#include "StartUpSettings.h"

#include "SettingKeys.h"
#include "SettingNumbers.h"
#include "Settings.h"
#include "WindowPosition.h"

QString DefaultInterfaceLanguage(const QString& systemLanguage)
{
    if (ProgramSettings::IsNordic(systemLanguage))
        return QStringLiteral("sve");
    if (systemLanguage == u"fin")
        return QStringLiteral("fin");
    return QStringLiteral("eng");
}

InterfaceLanguageChoice ChooseInterfaceLanguage()
{
    InterfaceLanguageChoice choice;
    choice.systemLanguage =
        Settings::ReadWinIniSetting(Keys::SystemLanguage.section, Keys::SystemLanguage.key,
                                    Keys::SystemLanguage.defaultValue)
            .toLower();
    const QString fallback = DefaultInterfaceLanguage(choice.systemLanguage);
    const QString stored =
        Settings::ReadSetting(Keys::PrgLanguage.section, Keys::PrgLanguage.key, fallback).toLower();
    // A hand-edited value that names no language of ours falls back to the system's.
    choice.uiLanguage =
        (stored == u"sve" || stored == u"eng" || stored == u"fin") ? stored : fallback;
    if (Settings::ReadSetting(Keys::Offbox).toLower() == u"on")
        choice.systemLanguage.clear();
    return choice;
}

void ReadOnlyOne(ProgramSettings& settings)
{
    settings.onlyOne = Settings::LeadingInt(Settings::ReadSetting(Keys::OnlyOne), -1000, 1000);
}

void ReadSwitches(ProgramSettings& settings)
{
    settings.welcome = Settings::LeadingInt(Settings::ReadSetting(Keys::Welcome), -1000, 1000);
    settings.showRw = Settings::LeadingInt(Settings::ReadSetting(Keys::ShowRw), -1000, 1000);
    // Anything but 0 and -1 would leave the colouring switch in a state it cannot toggle from.
    if (settings.showRw != 0)
        settings.showRw = -1;
}

void ReadFonts(ProgramSettings& settings)
{
    settings.font1Name = Settings::ReadSetting(Keys::Font1Name);
    settings.font2Name = Settings::ReadSetting(Keys::Font2Name);
    settings.font1Size = Settings::FontSizeFromText(Settings::ReadSetting(Keys::Font1Size));
    settings.font2Size = Settings::FontSizeFromText(Settings::ReadSetting(Keys::Font2Size));
}

MainWindowSettings ReadMainWindowSettings(QWidget* window, ProgramSettings& settings)
{
    Settings::RestoreWindowPosition(window, Keys::PositionSection);
    ReadSwitches(settings);
    ReadFonts(settings);
    settings.maximize = Settings::LeadingInt(Settings::ReadSetting(Keys::Maximize), -1000, 1000);

    MainWindowSettings values;
    for (int k = 1; k <= kRecentFileCount; ++k)
        values.recentFiles[size_t(k - 1)] = Settings::ReadSetting(Keys::RecentFile(k));
    const LanguageKeys& keys = LanguageKeysFor(settings.uiLanguage);
    values.language1 =
        Settings::ReadSetting(keys.pairSection, keys.language1Key, keys.language1Default);
    values.language2 =
        Settings::ReadSetting(keys.pairSection, keys.language2Key, keys.language2Default);
    return values;
}
