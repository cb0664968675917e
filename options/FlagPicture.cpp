#include "FlagPicture.h"

#include "BakedPictures.h"
#include "OutlineShape.h"

#include <QPainter>

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 20;
// The outline is one pixel wider and higher than the flag, as in the design.
constexpr int kOutlineWidth = 33;
constexpr int kOutlineHeight = 21;

} // namespace

FlagPicture::FlagPicture(const QString& picture, QWidget* parent)
    : QAbstractButton(parent), m_picture(BakedPictures::pixmap(picture, QSize(kWidth, kHeight))),
      m_outline(new OutlineShape(Qt::red, 2, this))
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_outline->setGeometry(0, 0, kOutlineWidth, kOutlineHeight);
    setFixedSize(kOutlineWidth, kOutlineHeight);
}

QSize FlagPicture::sizeHint() const
{
    return QSize(kOutlineWidth, kOutlineHeight);
}

void FlagPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (!hasFocus())
        return;
    // Black and white dashes inside the red outline stay visible on every flag's colours.
    const QRect mark(4, 4, kWidth - 9, kHeight - 9);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(mark);
    QPen dashes(Qt::black, 1, Qt::DashLine);
    painter.setPen(dashes);
    painter.drawRect(mark);
}
