#pragma once

class QWidget;

// The twips of a window's design are the smallest size of each control in its layout; where a
// control's text needs more room (another language, font, style or DPI), it gets that room.
void SetDesignSize(QWidget* control, int widthTwips, int heightTwips);
