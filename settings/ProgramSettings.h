#pragma once

#include <QString>

// The values the program takes from the settings file once at start-up and shares between its
// windows. Only the options dialog changes the fonts during a run; the interface language never
// changes during a run.
struct ProgramSettings
{
    // The word boxes start in the design font.
    ProgramSettings();

    QString uiLanguage = QStringLiteral("sve"); // "sve", "eng" or "fin"
    QString systemLanguage; // lower-case system language code; empty when Offbox is on
    int welcome = 1;        // 1: the about box greets at start
    int showRw = 0;         // -1 while the quiz colours the answers
    int onlyOne = 0;        // 1: a second copy of the program refuses to start
    int maximize = 0;       // 1: the main window opens maximised
    QString font1Name;      // learned-language boxes
    QString font2Name;      // known-language boxes
    int font1Size;          // whole points
    int font2Size;

    // The main-menu page shows the service picture only for a Nordic system language.
    bool showsServicePicture() const { return IsNordic(systemLanguage); }

    static bool IsNordic(const QString& systemLanguage);
};
