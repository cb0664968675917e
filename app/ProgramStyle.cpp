#include "ProgramStyle.h"

#include "BakedPictures.h"

#include <QWidget>

namespace {

constexpr int kMessageBoxIconSize = 32;

} // namespace

ProgramStyle::ProgramStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QString ProgramStyle::pictureFor(StandardPixmap standardIcon)
{
    switch (standardIcon) {
    case SP_MessageBoxInformation:
        return QStringLiteral("msg_information");
    case SP_MessageBoxQuestion:
        return QStringLiteral("msg_question");
    case SP_MessageBoxWarning:
        return QStringLiteral("msg_warning");
    case SP_MessageBoxCritical:
        return QStringLiteral("msg_critical");
    case SP_ToolBarHorizontalExtensionButton:
        return QStringLiteral("menu_more");
    default:
        return QString();
    }
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const
{
    const QString picture = pictureFor(standardIcon);
    if (picture.isEmpty() || (widget && widget->isRightToLeft()))
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    auto found = m_icons.constFind(standardIcon);
    if (found == m_icons.constEnd())
        found = m_icons.insert(standardIcon, BakedPictures::icon(picture));
    return *found;
}

int ProgramStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const
{
    // The message-box icons are drawn for 32 pixels, and shown at that size on every screen
    // (sharp from their 64-pixel drawing where a pixel is two), as Qt's own were.
    if (metric == PM_MessageBoxIconSize)
        return kMessageBoxIconSize;
    return QProxyStyle::pixelMetric(metric, option, widget);
}
