#include "Settings.h"

#include "IniFile.h"
#include "SystemLocale.h"
#include "Twips.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Settings {

QString SettingsFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Vokabo.ini"));
}

QString ReadSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    return IniFile::read(SettingsFilePath(), section, key, defaultValue);
}

void WriteSetting(const QString& section, const QString& key, const QString& value)
{
    IniFile::write(SettingsFilePath(), section, key, value);
}

QString ReadWinIniSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    if (section.compare(Keys::SystemLanguage.section, Qt::CaseInsensitive) == 0 &&
        key.compare(Keys::SystemLanguage.key, Qt::CaseInsensitive) == 0) {
        const QString code = SystemLocale::languageCode();
        return code.isEmpty() ? defaultValue : code;
    }
    return defaultValue;
}

namespace {

struct Span
{
    qsizetype start = 0;
    qsizetype end = 0;
};

// Where the leading decimal number lies in the text; an empty span when there is none.
Span LeadingNumberSpan(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && text[j] >= u'0' && text[j] <= u'9') {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    return digits == 0 ? Span{} : Span{start, i};
}

} // namespace

bool HasLeadingNumber(const QString& text)
{
    const Span span = LeadingNumberSpan(text);
    return span.end > span.start;
}

double LeadingNumber(const QString& text)
{
    const Span span = LeadingNumberSpan(text);
    if (span.end == span.start)
        return 0;
    bool ok = false;
    const double value = text.mid(span.start, span.end - span.start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

int LeadingInt(const QString& text, int min, int max)
{
    const double value = std::trunc(LeadingNumber(text));
    if (value < min)
        return min;
    if (value > max)
        return max;
    return int(value);
}

int RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    if (value > 1e9)
        return 1000000000;
    if (value < -1e9)
        return -1000000000;
    return int(std::nearbyint(value)); // the default rounding mode takes halves to even
}

int FontSizeFromText(const QString& text)
{
    // A hand-edited size of 0 or of thousands of points would make the word boxes unusable.
    constexpr int kSmallest = 6;
    constexpr int kLargest = 72;
    const int size = RoundHalfEven(LeadingNumber(text));
    return size < kSmallest ? kSmallest : (size > kLargest ? kLargest : size);
}

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
    const int x =
        LeadingInt(ReadSetting(section, QStringLiteral("X"), QStringLiteral("0")), -kFar, kFar);
    const int y =
        LeadingInt(ReadSetting(section, QStringLiteral("Y"), QStringLiteral("0")), -kFar, kFar);
    const QPoint wanted(Twips::toPixels(x), Twips::toPixels(y));
    window->move(onScreen(wanted, window->frameGeometry().size()));
}

void SaveWindowPosition(QWidget* window, const QString& section)
{
    if (window->isMinimized())
        window->showNormal();
    const QPoint at = window->pos();
    WriteSetting(section, QStringLiteral("X"), QString::number(Twips::fromPixels(at.x())));
    WriteSetting(section, QStringLiteral("Y"), QString::number(Twips::fromPixels(at.y())));
}

} // namespace Settings
