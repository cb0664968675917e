#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures are SVG drawings compiled into the program, so they stay crisp on any
// screen density.
namespace Pictures {

// ":/pictures/<name>.svg" as an icon.
QIcon icon(const QString& name);
// The picture drawn at the given size in device-independent pixels, sharp at the screen's ratio.
QPixmap pixmap(const QString& name, const QSize& size);

} // namespace Pictures
