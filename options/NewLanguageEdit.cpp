#include "NewLanguageEdit.h"

#include <QKeyEvent>

void NewLanguageEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Swallowed, so the dialog's default button is not pressed as well.
        event->accept();
        Q_EMIT enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
