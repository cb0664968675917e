#include "WindowPosition.h"

#include "FramePlacement.h"
#include "ScreenPlacement.h"
#include "SettingNumbers.h"
#include "Settings.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Settings {

void RestoreWindowPosition(QWidget* window, const QString& section)
{
    constexpr int kFar = 1000000; // twips; beyond any screen
    const int x = LeadingInt(ReadSetting(Keys::WindowLeft(section)), -kFar, kFar);
    const int y = LeadingInt(ReadSetting(Keys::WindowTop(section)), -kFar, kFar);
    const QPoint wanted(Twips::toPixels(x), Twips::toPixels(y));
    // The stored corner is the frame's, as it was saved; a title bar left off every screen (by
    // another monitor, or an older version) comes back into view.
    PlaceFrame(window, [wanted](const FrameShape& frame) {
        QList<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens.append(screen->geometry());
        const QRect titleBar(wanted, QSize(frame.size.width(), frame.titleHeight));
        return ScreenPlacement::TitleBarInView(titleBar, screens);
    });
}

void SaveWindowPosition(QWidget* window, const QString& section)
{
    if (window->isMinimized())
        window->showNormal();
    const QPoint at = window->frameGeometry().topLeft();
    WriteSetting(Keys::WindowLeft(section), QString::number(Twips::fromPixels(at.x())));
    WriteSetting(Keys::WindowTop(section), QString::number(Twips::fromPixels(at.y())));
}

} // namespace Settings
