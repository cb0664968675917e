#pragma once

// The ten word rows that the editor and the quiz both lay out, in twips.
namespace RowGrid {

inline constexpr int top = 720;
inline constexpr int pitch = 360;
inline constexpr int leftColumn = 120;
inline constexpr int rightColumn = 4680;
inline constexpr int width = 4455;
inline constexpr int boxHeight = 285;

// The top of row r, counted from 0.
constexpr int rowTop(int r)
{
    return top + pitch * r;
}

} // namespace RowGrid
