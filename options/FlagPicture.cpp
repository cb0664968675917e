#include "FlagPicture.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 20;

QPixmap Render(const QString& svgPath, qreal ratio)
{
    // The SVG image plugin draws the whole flag into exactly this many pixels. It is loaded
    // only when a flag is shown, so the program does not carry the SVG library from the start.
    QImageReader reader(svgPath, "svg");
    reader.setAutoDetectImageFormat(false);
    reader.setScaledSize(QSize(kWidth, kHeight) * ratio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(ratio);
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
