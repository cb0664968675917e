#pragma once

#include <QDialog>

class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// Tells Swedish users how to reach the software-list service; its texts are Swedish only.
class PortalWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PortalWindow(Prompter& prompter, QWidget* parent = nullptr);

private:
    void GoToService();
    void ShowHowToCopy();

    Prompter& m_prompter;
    QLabel* m_label1;
    QLabel* m_label10;
    QLineEdit* m_txtAdress;
    QLabel* m_label2;
    QLabel* m_label11;
    QPushButton* m_cmdHemsida;
    QPushButton* m_cmdHurKopiera;
    QPushButton* m_cmdSkolOk;
};
