#pragma once

#include <QString>

// The program part of a browser's open command: a path cut right after ".exe" and without its
// opening quote, or, for a command without ".exe", its first word (quotes honoured); "" for an
// empty command. Switches and the place-holder are dropped: the caller adds the address.
QString BrowserFromOpenCommand(const QString& openCommand);

// The program of a desktop entry's Exec line when it takes nothing but the address ("env"
// settings in front are skipped); "" when it needs other arguments or names no program.
QString BrowserFromDesktopExec(const QString& exec);

// The desktop's default web browser as a full path, or "" when none is found: $BROWSER, then the
// default desktop entry for web pages (xdg-mime), then xdg-open.
QString DefaultBrowser();

// Starts the browser with the address as its one argument, without a shell. False when it could
// not be started.
bool StartBrowser(const QString& program, const QString& address);
