#include "SettingNumbers.h"

#include <cmath>

namespace Settings {

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

} // namespace Settings
