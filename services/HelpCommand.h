#pragma once

#include <QString>

class HelpViewer;
class Prompter;
class QWidget;

// Folder of the program's executable, always ending in "/".
QString ProgramFolder();

// The help file's name, without a folder.
QString HelpFileName();

// Where the help file is: beside the executable, or, for an installed program, in its shared
// data folder; the path beside the executable when neither holds it.
QString HelpFilePath();

// Opens the help file at the part in the interface language, or says that it is missing.
void OpenHelpContents(Prompter& prompter, QWidget* owner);
// The same for a help file at the given path.
void OpenHelpFile(const QString& path, Prompter& prompter, QWidget* owner);

// Closes the help window if it is open.
void CloseHelp();

// The open help window, or null.
HelpViewer* CurrentHelpViewer();
