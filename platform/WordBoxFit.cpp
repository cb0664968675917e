#include "WordBoxFit.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// One pixel of gap stays between a grown row and the next one.
int Fitted(int needed, int designHeight, int rowPitch)
{
    return std::clamp(needed, designHeight, std::max(designHeight, rowPitch - 1));
}

// The height of a line of the font with room for the marks above capitals (Å's ring, É's accent)
// and for the descenders, which can reach past the font's ascent and descent. The line is centred
// in its box, so the larger overhang is kept on both sides, with a pixel to spare.
int LineHeight(const QFontMetrics& metrics)
{
    const QRect ink = metrics.boundingRect(QStringLiteral("\u00c5\u00c9gjpqy"));
    const int above = std::max(0, -ink.top() + 1 - metrics.ascent());
    const int below = std::max(0, ink.bottom() + 2 - metrics.descent());
    return metrics.height() + 2 * std::max(above, below);
}

// What the style's frame takes from a box's height at the given height.
int FrameHeight(const QLineEdit* box, int height)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = QRect(0, 0, box->width(), height);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect inside = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins text = box->textMargins();
    return height - inside.height() + text.top() + text.bottom();
}

} // namespace

namespace WordBoxFit {

void FitBox(QLineEdit* box, int designHeight, int rowPitch)
{
    const int needed = LineHeight(box->fontMetrics()) + FrameHeight(box, designHeight);
    box->resize(box->width(), Fitted(needed, designHeight, rowPitch));
}

void SetWholeText(QLineEdit* box, const QString& text)
{
    if (text.size() > box->maxLength())
        box->setMaxLength(int(text.size()));
    box->setText(text);
}

void FitLabel(QLabel* label, int designHeight, int rowPitch)
{
    const int needed = LineHeight(label->fontMetrics()) + 2 * label->frameWidth();
    label->resize(label->width(), Fitted(needed, designHeight, rowPitch));
}

} // namespace WordBoxFit
