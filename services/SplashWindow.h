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

protected:
    // A click or a key: the learner need not wait for the timer.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void tmrStartTimer();
    // Hands over to the main window now, once.
    void skip();

    QTimer* m_tmrStart = nullptr;
    QFrame* m_frm3DStart = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_lblCredit = nullptr;
    QLabel* m_label1 = nullptr;
};
