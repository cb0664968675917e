#pragma once

#include <QLoggingCategory>

class QWidget;

// Start-up steps with the monotonic clock's reading, silent unless enabled with
// QT_LOGGING_RULES="vokabo.startup.debug=true"; scripts/measure-startup reads them.
Q_DECLARE_LOGGING_CATEGORY(lcStartUp)

// Logs "vokabo.startup <step> <monotonic ns>".
void LogStartUpStep(const char* step);
// Logs the step once the window has painted itself and the event loop has nothing left to do.
void LogStartUpStepWhenIdle(QWidget* window, const char* step);
