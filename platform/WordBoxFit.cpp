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
    const int needed = box->fontMetrics().height() + FrameHeight(box, designHeight);
    box->resize(box->width(), Fitted(needed, designHeight, rowPitch));
}

void FitLabel(QLabel* label, int designHeight, int rowPitch)
{
    const int needed = label->fontMetrics().height() + 2 * label->frameWidth();
    label->resize(label->width(), Fitted(needed, designHeight, rowPitch));
}

} // namespace WordBoxFit
