#pragma once

#include "FakePrompter.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "Translation.h"

#include <QAction>
#include <QString>

#include <memory>

// A main window loaded as the splash's timer leaves it, on its main-menu page, with a scripted
// prompter; the Swedish source texts come back when it goes.
struct StartedWindow
{
    ProgramSettings settings;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;

    explicit StartedWindow(const QString& commandLine = QString())
    {
        PrepareInterfaceLanguage(settings);
        window = std::make_unique<MainWindow>(settings, prompter);
        window->load(commandLine);
    }
    ~StartedWindow() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    WordList& list() { return window->wordList(); }
    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    template <class T> T* child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
};
