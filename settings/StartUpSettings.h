#pragma once

#include "ProgramSettings.h"

#include <QString>

#include <array>

class QWidget;

// The reads of a start, in the program's order: sLanguage, PrgLanguage and Offbox before any
// window is made; then OnlyOne; then the main window's own read; the two language lists last,
// when the language boxes are filled.

struct InterfaceLanguageChoice
{
    QString systemLanguage; // empty when Offbox is on
    QString uiLanguage;
};

// The interface language: the stored PrgLanguage, or the one the system language code suggests
// (Swedish for a Swedish, Norwegian, Danish or Icelandic system, Finnish for a Finnish one,
// English otherwise). Reads sLanguage, PrgLanguage and Offbox in that order.
InterfaceLanguageChoice ChooseInterfaceLanguage();

// The default interface language for a system language code.
QString DefaultInterfaceLanguage(const QString& systemLanguage);

// Whether a second copy may start: OnlyOne.
void ReadOnlyOne(ProgramSettings& settings);

// Reads the switches and fonts of the settings file into the settings, in the program's order:
// Welcome, ShowRw, then the four font keys.
void ReadSwitches(ProgramSettings& settings);
void ReadFonts(ProgramSettings& settings);

inline constexpr int kRecentFileCount = 4;
using RecentFileList = std::array<QString, kRecentFileCount>; // newest first

// What the main window keeps of the start-up read beside the settings.
struct MainWindowSettings
{
    RecentFileList recentFiles;
    QString language1; // the remembered pair of the interface language
    QString language2;
};

// The main window's read after OnlyOne: X and Y (placing the window), Welcome, ShowRw, the fonts,
// Maximize, the four recent files, then the remembered pair of settings.uiLanguage.
MainWindowSettings ReadMainWindowSettings(QWidget* window, ProgramSettings& settings);
