#pragma once

#include "SecretWindow.h"

#include <QDialog>
#include <QString>

#include <functional>

class Prompter;
class QLabel;
class QPushButton;
struct ProgramSettings;

// "frmOm": the about box, also the welcome screen at start while the setting Welcome is 1. A
// click on the small name, a click on the large name and a double-click on the picture open the
// hidden credits window when the word list's heading is the access code.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    // currentHeading gives the heading of the main window's word list at the moment it is needed.
    AboutBox(ProgramSettings& settings, Prompter& prompter, SecretClicks& clicks,
             std::function<QString()> currentHeading, QWidget* mainWindow);

    static QString AccessCode() { return QStringLiteral("Happy Student!"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void applyCaptions();
    void label7Click();
    void label1Click();
    void imgOmDblClick();
    void okClick();

    ProgramSettings& m_settings;
    Prompter& m_prompter;
    SecretClicks& m_clicks;
    std::function<QString()> m_currentHeading;
    QWidget* m_mainWindow;
    // A press that began a click (not the second press of a double-click).
    QObject* m_pressedLabel = nullptr;

    QLabel* m_imgOm = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label10 = nullptr;
    QLabel* m_lblFri = nullptr;
    QLabel* m_lblBeskrivn = nullptr;
    QLabel* m_lbl1 = nullptr;
    QLabel* m_lbl2 = nullptr;
    QLabel* m_lbl3 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label8 = nullptr;
    QLabel* m_label9 = nullptr;
    QPushButton* m_cmdOmOK = nullptr;
};
