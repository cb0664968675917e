#pragma once

#include <QString>

// The font the windows were designed in, and the word boxes' font until the user picks another.
namespace DesignFont {

inline QString name()
{
    return QStringLiteral("MS Sans Serif");
}
inline constexpr double points = 8.25;
// The size as the settings file stores it.
inline QString pointsText()
{
    return QStringLiteral("8.25");
}

} // namespace DesignFont
