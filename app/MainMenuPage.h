#pragma once

#include "PictureButton.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

// The main window's start page: the program's picture, the service picture and three large
// buttons, with the options and help buttons beneath.
class MainMenuPage : public QWidget
{
    Q_OBJECT

public:
    explicit MainMenuPage(QWidget* parent = nullptr);

    QLabel* imgVokabo;
    PictureButton* imgReklam;
    QToolButton* oppna;
    QToolButton* editera;
    QToolButton* forhorgl;
    QPushButton* sprbutton;
    QPushButton* helpbutton;

    void SetCaptions();

Q_SIGNALS:
    void reklamClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitBigButtons();
};
