#pragma once

// The Edit menu's commands. Each acts on the selection of the focused text box, or of the text
// part of a focused editable combo box, through the system clipboard in plain text. A step that
// cannot be done (no such box has the focus, a read-only box) is skipped silently.

// Empties the clipboard, puts the selected text on it and removes the selection.
void CutSelection();
// Empties the clipboard and puts the selected text on it.
void CopySelection();
// Replaces the selection with the clipboard's text; a clipboard without text removes it.
void PasteClipboard();
// Removes the selected text; the clipboard stays as it is.
void DeleteSelection();
