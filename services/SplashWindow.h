#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

// "frmStart": the borderless start picture that gives way to the main window.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(int intervalMs = 3000, QWidget* parent = nullptr);

Q_SIGNALS:
    // tmrStart fired once; the main window then shows itself.
    void timeUp();

private:
    void tmrStartTimer();

    QTimer* m_tmrStart = nullptr;
    QFrame* m_frm3DStart = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_lblCredit = nullptr;
    QLabel* m_label1 = nullptr;
};
