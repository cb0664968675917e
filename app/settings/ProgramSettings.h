#pragma once

#include <QString>

// The values the program takes from the settings file once at start-up and shares between its
// windows. Only the options dialog changes the fonts during a run; the interface language never
// changes during a run.
struct ProgramSettings
{
    QString uiLanguage = QStringLiteral("sve"); // "sve", "eng" or "fin"
    QString systemLanguage; // lower-case system language code; empty when Offbox is on
    int welcome = 1;        // 1: the about box greets at start
    int showRw = 0;         // -1 while the quiz colours the answers
    int onlyOne = 0;        // 1: a second copy of the program refuses to start
    int maximize = 0;       // 1: the main window opens maximised
    QString font1Name = QStringLiteral("MS Sans Serif"); // learned-language boxes
    QString font2Name = QStringLiteral("MS Sans Serif"); // known-language boxes
    int font1Size = 8;                                   // whole points
    int font2Size = 8;

    // The main-menu page shows the service picture only for a Nordic system language.
    bool showsServicePicture() const { return IsNordic(systemLanguage); }

    static bool IsNordic(const QString& systemLanguage);
};

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

// Reads the switches and fonts of the settings file into the settings, in the program's order:
// Welcome, ShowRw, then the four font keys.
void ReadSwitches(ProgramSettings& settings);
void ReadFonts(ProgramSettings& settings);
