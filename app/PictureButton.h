#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that acts as a button: a click, Space or Enter presses it, and a dashed mark
// shows when it has the keyboard focus.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit PictureButton(const QPixmap& picture, QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap m_picture;
};
