#pragma once

#include <QLineEdit>

// A text box for a new language name: Enter hands the text over instead of reaching the dialog.
class NewLanguageEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

Q_SIGNALS:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
