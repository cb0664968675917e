#pragma once

#include "FakePrompter.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "SecretWindow.h"
#include "TestSettings.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// A main window started in one interface language, from which every window of the program
// can be opened in turn, shown and left open for a check.
class WindowWalk
{
public:
    explicit WindowWalk(const QString& uiLanguage);
    ~WindowWalk();

    // The names of the windows and pages visit() opens.
    static QStringList Names();
    // Opens the named window or page, shows it, runs the check on it and closes it again. False
    // when the window could not be shown or the check failed, for QVERIFY at the call site.
    [[nodiscard]] bool visit(const QString& name, const std::function<void(QWidget*)>& check);

    ProgramSettings settings;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;

private:
    TestSettings m_folder;
    SecretClicks m_clicks;
};

// Every visible widget inside top (top included) that is not a window of its own.
QList<QWidget*> VisibleWidgets(QWidget* top);
// Where a widget sits, for messages: its window's and its own object names.
QString Where(const QWidget* widget);
