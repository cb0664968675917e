#pragma once

#include "SettingKeys.h"

#include <QString>

class QWidget;

// Access to Vokabo.ini, the program's one settings file. Each call goes to the file.
namespace Settings {

// The settings file: Vokabo.ini in the user's configuration folder.
QString SettingsFilePath();

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue);
// Failures are not reported: a settings write that cannot be made is skipped.
void WriteSetting(const QString& section, const QString& key, const QString& value);

inline QString ReadSetting(const SettingKey& k)
{
    return ReadSetting(k.section, k.key, k.defaultValue);
}
inline void WriteSetting(const SettingKey& k, const QString& value)
{
    WriteSetting(k.section, k.key, value);
}

// The system's Win.ini settings. Only section Intl, key sLanguage exists here: the system's
// language code, taken from the locale.
QString ReadWinIniSetting(const QString& section, const QString& key, const QString& defaultValue);

// The longest leading part of the text that forms a decimal number, sign and fraction included;
// 0 when there is none. Blanks before the number are skipped.
double LeadingNumber(const QString& text);
// Whether the text starts with such a number.
bool HasLeadingNumber(const QString& text);
// The leading number as a whole number, bounded to the range; a fraction is cut off.
int LeadingInt(const QString& text, int min, int max);
// A font size in points: the leading number taken to the nearest whole number, a half to the
// even neighbour, bounded to sizes a window can show.
int FontSizeFromText(const QString& text);
// Rounds to the nearest whole number, a half to the even neighbour.
int RoundHalfEven(double value);

// The window's left and top edges from keys X and Y of the section, in twips. A position that
// would put the window off every screen is brought back onto the nearest one.
void RestoreWindowPosition(QWidget* window, const QString& section);
// Writes the window's left and top edges (as in its normal state) to keys X and Y.
void SaveWindowPosition(QWidget* window, const QString& section);

} // namespace Settings
