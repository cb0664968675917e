#include "Pictures.h"

#include "BakedPictures.h"

namespace Pictures {

QIcon icon(const QString& name)
{
    return BakedPictures::icon(name);
}

QPixmap pixmap(const QString& name, const QSize& size)
{
    // Drawn at build time at the sizes the windows use; other sizes and screen ratios are drawn
    // from the SVG by Qt's SVG icon engine, loaded only then.
    return BakedPictures::pixmap(name, size);
}

} // namespace Pictures
