#include "FlagPicture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 20;

QPixmap Render(const QString& svgPath, qreal ratio)
{
    QPixmap pixmap(QSize(kWidth, kHeight) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svgPath);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, kWidth, kHeight));
    return pixmap;
}

} // namespace

FlagPicture::FlagPicture(const QString& svgPath, QWidget* parent)
    : QLabel(parent), m_svgPath(svgPath)
{
    setPixmap(Render(m_svgPath, devicePixelRatioF()));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

void FlagPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
