#pragma once

#include <QString>
#include <QStringList>

struct ProgramSettings;

// Chooses the interface language from the settings file and the system language, and installs
// its translations. Runs before any window is created.
void PrepareInterfaceLanguage(ProgramSettings& settings);

// What the command line asks for.
struct CommandLine
{
    enum Action { Run, Help, Version } action = Run;
    QString wordListPath; // the arguments joined by single blanks
};

// "--help" and "--version" are answered; anything else names the word list to open. The shell
// splits a path with blanks into several arguments, so they are joined again.
CommandLine ParseCommandLine(const QStringList& arguments);
QString CommandLineHelp();
