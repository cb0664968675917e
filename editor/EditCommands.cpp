#include "EditCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

namespace {

QLineEdit* focusedTextBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* box = qobject_cast<QLineEdit*>(focus))
        return box;
    if (auto* combo = qobject_cast<QComboBox*>(focus))
        return combo->lineEdit(); // none for a combo box without editable text
    return nullptr;
}

void putSelectionOnClipboard(QLineEdit* box)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // A hidden password never leaves its box.
    if (box && box->echoMode() == QLineEdit::Normal)
        clipboard->setText(box->selectedText());
}

void replaceSelection(QLineEdit* box, const QString& text)
{
    if (!box || box->isReadOnly())
        return;
    // Removing an empty selection changes nothing, so it must not mark the word list changed.
    if (text.isEmpty() && !box->hasSelectedText())
        return;
    // insert() replaces the selection, or adds at the caret when nothing is selected.
    box->insert(text);
}

} // namespace

void CutSelection()
{
    QLineEdit* box = focusedTextBox();
    putSelectionOnClipboard(box);
    replaceSelection(box, QString());
}

void CopySelection()
{
    putSelectionOnClipboard(focusedTextBox());
}

void PasteClipboard()
{
    replaceSelection(focusedTextBox(), QGuiApplication::clipboard()->text());
}

void DeleteSelection()
{
    replaceSelection(focusedTextBox(), QString());
}
