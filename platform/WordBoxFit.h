#pragma once

class QLabel;
class QLineEdit;
class QString;

// A word row keeps its designed height until its font's line needs more, and then grows down
// into the gap before the next row, never past it.
namespace WordBoxFit {

// Gives the box the height at which the style's inside of it holds a whole line of its font.
void FitBox(QLineEdit* box, int designHeight, int rowPitch);
// The same for a label that shows a word beside a box.
void FitLabel(QLabel* label, int designHeight, int rowPitch);

// Puts a word into a box whole: one from a file may be longer than the box lets one type. The
// box's limit only ever grows, as lowering it would cut the word it shows.
void SetWholeText(QLineEdit* box, const QString& text);

} // namespace WordBoxFit
