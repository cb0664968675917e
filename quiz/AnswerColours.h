#pragma once

#include <QColor>

// The colours that mark a quiz answer right or wrong, chosen against the box's base colour.
namespace AnswerColours {

inline constexpr double kMinimumContrast = 4.5;

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b);
// True when black text reads better on the colour than white text does.
bool IsLight(const QColor& base);
// Dark green on a light base; on a dark base that green lightened just enough to read.
QColor Right(const QColor& base);
// Dark red on a light base; on a dark base that red lightened just enough to read.
QColor Wrong(const QColor& base);

} // namespace AnswerColours
