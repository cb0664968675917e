#pragma once

#include <QFrame>

class QToolButton;

// The toolbar across the top of the main window: picture buttons with a caption beneath.
class ToolbarPanel : public QFrame
{
    Q_OBJECT

public:
    explicit ToolbarPanel(QWidget* parent = nullptr);

    QToolButton* cmdNytt;
    QToolButton* cmdOppna;
    QToolButton* cmdSpara;
    QToolButton* cmdSkrivUt;
    QToolButton* cmdSkrivOrd;
    QToolButton* cmdTranaOrd;
    QToolButton* cmdHelp;
    QToolButton* cmdAntalratt;
    QToolButton* cmdRattFel;
    QToolButton* cmdHuvudmenyn;

    void SetCaptions();
    // The picture of cmdRattFel always shows the state its next click brings.
    void showRwPicture(int showRw);

private:
    void fitCaptions();
    QToolButton* addButton(const char* name, const QString& picture, int left, int width);
};
