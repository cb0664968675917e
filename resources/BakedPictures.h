#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Pictures drawn from their SVG at build time, at the sizes the windows show them (":/baked").
// Loading one is far cheaper than parsing and rendering the SVG; a program or test built without
// them, or a screen ratio other than 1 or 2, falls back to the SVG.
namespace BakedPictures {

// The baked picture at the given size for this screen, or a null pixmap when there is none.
QPixmap baked(const QString& name, const QSize& size);
// The picture at the given size in device-independent pixels; the SVG drawn when none is baked.
QPixmap pixmap(const QString& name, const QSize& size);
// Every baked size of the picture as one icon; the SVG icon when none is baked.
QIcon icon(const QString& name);

} // namespace BakedPictures
