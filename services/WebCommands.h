#pragma once

#include <QString>
#include <QStringView>

class Prompter;

// The folder of the program's home page, without a closing "/".
inline constexpr QStringView HomePageFolder = u"https://vokabo.github.io";
// The list service's address, without a closing "/".
inline constexpr QStringView ServiceAddress = u"https://vokabo.github.io/programtorget";

// The home page for the interface language: "svenska.htm" or "suomi.htm" in the folder, or the
// folder itself with a closing "/" for English.
QString HomePageAddress(const QString& uiLanguage);

// The full path of the user's web browser, or "" when none was found.
QString FindBrowser();

// Opens the address in the browser; when none starts, shows the message with its title instead.
void OpenInBrowser(Prompter& prompter, const QString& address, const QString& notFoundText,
                   const QString& notFoundTitle);

// Opens the home page in the browser, or tells the user where to go when no browser starts.
void GoToHomePage(Prompter& prompter, const QString& uiLanguage);
