#pragma once

#include "StartUpSettings.h"

#include <QString>

class QWidget;

// The writes of a run, each in the order the settings file has always received them.

// At exit: X and Y of the main window, the remembered pair of the interface language, ShowRw,
// then the four recent files (an empty entry as an empty value), all in one locked write.
void WriteExitSettings(QWidget* window, const ProgramSettings& settings, const QString& language1,
                       const QString& language2, const RecentFileList& recentFiles);

// The options dialog's OK: the two font names, then the two sizes in whole points.
void WriteFonts(const ProgramSettings& settings);
// The interface language of the next start.
void WriteInterfaceLanguage(const QString& uiLanguage);
// The about box's greeting at start, 1 on and 0 off.
void WriteWelcome(int welcome);
