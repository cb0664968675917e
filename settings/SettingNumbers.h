#pragma once

#include <QString>

// Numbers in the text values of the settings file.
namespace Settings {

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

} // namespace Settings
