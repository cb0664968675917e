#include "AnswerColours.h"

#include <cmath>

namespace {

const QColor kRight(0, 128, 0);
const QColor kWrong(192, 0, 0);

double Channel(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) +
           0.0722 * Channel(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double t)
{
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

// The designed colour on a light base; on a dark one the least lightening that reads.
QColor ReadableOn(const QColor& designed, const QColor& base)
{
    if (AnswerColours::IsLight(base) ||
        AnswerColours::Contrast(designed, base) >= AnswerColours::kMinimumContrast)
        return designed;
    const QColor white(255, 255, 255);
    // Contrast grows with every step towards white on a dark base, so halving finds the least.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 20; ++step) {
        const double mid = (low + high) / 2;
        if (AnswerColours::Contrast(Mix(designed, white, mid), base) >=
            AnswerColours::kMinimumContrast)
            high = mid;
        else
            low = mid;
    }
    return Mix(designed, white, high);
}

} // namespace

namespace AnswerColours {

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLight(const QColor& base)
{
    return Contrast(base, Qt::black) >= Contrast(base, Qt::white);
}

QColor Right(const QColor& base)
{
    return ReadableOn(kRight, base);
}

QColor Wrong(const QColor& base)
{
    return ReadableOn(kWrong, base);
}

} // namespace AnswerColours
