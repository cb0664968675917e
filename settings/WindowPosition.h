#pragma once

#include "SettingKeys.h"

#include <QString>

class QWidget;

// Where the main window stood, kept in the settings file in twips.
namespace Settings {

// The window's left and top edges, its frame's, from keys X and Y of the section, in twips. A
// position that would leave the title bar off every screen is brought back onto the nearest one.
void RestoreWindowPosition(QWidget* window, const QString& section = Keys::PositionSection);
// Writes the window's left and top edges, its frame's (as in its normal state), to keys X and Y.
void SaveWindowPosition(QWidget* window, const QString& section = Keys::PositionSection);

} // namespace Settings
