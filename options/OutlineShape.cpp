#include "OutlineShape.h"

#include <QPainter>

OutlineShape::OutlineShape(const QColor& colour, int penWidth, QWidget* parent)
    : QWidget(parent), m_colour(colour), m_penWidth(penWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void OutlineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    const int w = m_penWidth;
    // Four filled bands inside the rectangle keep the outline crisp at any pen width.
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), m_colour);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), m_colour);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), m_colour);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), m_colour);
}
