#include "PictureButton.h"

#include <QKeyEvent>
#include <QPainter>

PictureButton::PictureButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), m_picture(picture)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const
{
    return m_picture.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (!hasFocus())
        return;
    // White under black dashes shows on a picture of any colour.
    const QRect mark = rect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(mark);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
