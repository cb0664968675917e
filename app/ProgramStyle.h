#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// The style the program runs in: the desktop's own, with the standard pictures the program shows
// every day (the message boxes' icons, the menu bar's overflow chevron) taken from the program's
// own pictures. Qt's built-in copies are PNG files it opens by guessing their format, and that
// guess loads every image plugin on the system, with the SVG and JPEG libraries behind them.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // The style with this key, as QStyleFactory names it, underneath.
    explicit ProgramStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

    // The program's picture for a standard icon; empty when the base style's is used.
    static QString pictureFor(StandardPixmap standardIcon);

private:
    mutable QHash<int, QIcon> m_icons;
};
