#include "WindowPosition.h"

#include "SettingNumbers.h"
#include "Settings.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace Settings {

namespace {

// Keeps at least a corner of the window on some screen so it can be grabbed and moved.
QPoint onScreen(QPoint topLeft, const QSize& size)
{
    const auto screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return topLeft;
    const QRect window(topLeft, size);
    for (QScreen* screen : screens) {
        if (screen->availableGeometry().intersects(
                window.adjusted(0, 0, -size.width() / 2, -size.height() / 2)))
            return topLeft;
    }
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    int x =
        std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() - size.width()));
    int y =
        std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() - size.height()));
    return QPoint(x, y);
}

} // namespace

void RestoreWindowPosition(QWidget* window, const QString& section)
{
    constexpr int kFar = 1000000; // twips; beyond any screen
    const int x = LeadingInt(ReadSetting(Keys::WindowLeft(section)), -kFar, kFar);
    const int y = LeadingInt(ReadSetting(Keys::WindowTop(section)), -kFar, kFar);
    const QPoint wanted(Twips::toPixels(x), Twips::toPixels(y));
    window->move(onScreen(wanted, window->frameGeometry().size()));
}

void SaveWindowPosition(QWidget* window, const QString& section)
{
    if (window->isMinimized())
        window->showNormal();
    const QPoint at = window->pos();
    WriteSetting(Keys::WindowLeft(section), QString::number(Twips::fromPixels(at.x())));
    WriteSetting(Keys::WindowTop(section), QString::number(Twips::fromPixels(at.y())));
}

} // namespace Settings
