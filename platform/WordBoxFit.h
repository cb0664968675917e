#pragma once

class QLabel;
class QLineEdit;

// A word row keeps its designed height until its font's line needs more, and then grows down
// into the gap before the next row, never past it.
namespace WordBoxFit {

// Gives the box the height at which the style's inside of it holds a whole line of its font.
void FitBox(QLineEdit* box, int designHeight, int rowPitch);
// The same for a label that shows a word beside a box.
void FitLabel(QLabel* label, int designHeight, int rowPitch);

} // namespace WordBoxFit
