#include "DesignSize.h"

#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>

namespace {

// What a button needs for its caption and icon, without the style's minimum width.
QSize ButtonNeed(const QAbstractButton* button)
{
    const QFontMetrics fm = button->fontMetrics();
    const QSize text = fm.size(Qt::TextShowMnemonic, button->text());
    const QStyle* style = button->style();
    const int margin = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                            style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    return QSize(text.width() + margin, fm.height() + 8);
}

int LineEditHeight(const QLineEdit* edit)
{
    const QStyle* style = edit->style();
    const int frame = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins text = edit->textMargins();
    return edit->fontMetrics().height() + 2 * frame + 2 + text.top() + text.bottom();
}

// The width at which a box shows its text whole, unscrolled: the text's ink or advance, whichever
// reaches farther, the box's own margin of a pixel on each side, the caret, and the style's frame.
int LineEditWidth(const QLineEdit* edit)
{
    if (edit->text().isEmpty())
        return 0;
    const QFontMetrics fm = edit->fontMetrics();
    const int text =
        std::max(fm.horizontalAdvance(edit->text()), fm.boundingRect(edit->text()).right() + 1);
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = QRect(0, 0, 1000, LineEditHeight(edit));
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    const QRect inside = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return text + 2 + 1 + margins.left() + margins.right() + (option.rect.width() - inside.width());
}

int ListWidth(const QListWidget* list)
{
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    return list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar + 2;
}

} // namespace

void SetDesignSize(QWidget* control, int widthTwips, int heightTwips)
{
    const int width = Twips::toPixels(widthTwips);
    const int height = Twips::toPixels(heightTwips);
    if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
        // A wrapped label is as wide as its column and as high as its lines need.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        label->setSizePolicy(policy);
        label->setMinimumSize(0, 0);
        const int longestWord = label->minimumSizeHint().width();
        label->setMinimumSize(std::max(width, longestWord), height);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        const QSize need = ButtonNeed(button);
        button->setFixedSize(std::max(width, need.width()), std::max(height, need.height()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        edit->setMinimumWidth(std::max(width, LineEditWidth(edit)));
        edit->setFixedHeight(std::max(height, LineEditHeight(edit)));
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        list->setMinimumWidth(std::max(width, ListWidth(list)));
        list->setFixedHeight(height);
    } else if (auto* plain = qobject_cast<QLabel*>(control)) {
        plain->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        plain->setMinimumWidth(0);
        const QSize need = plain->sizeHint();
        plain->setMinimumWidth(std::max(width, need.width()));
        plain->setFixedHeight(std::max(height, need.height()));
    } else {
        control->setMinimumSize(width, height);
    }
}

QSize TextNeed(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->pixmap().isNull())
            return label->size();
        if (label->wordWrap()) {
            const int width = std::max(label->width(), label->minimumSizeHint().width());
            return QSize(width, label->heightForWidth(width));
        }
        return label->minimumSizeHint();
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(control)) {
        const QFontMetrics fm = tool->fontMetrics();
        const QSize text = fm.size(Qt::TextShowMnemonic, tool->text());
        const bool under = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
        // Clear of the raised frame on either side, and beneath the picture when there is one.
        return QSize(text.width() + 8, text.height() + 2 + (under ? tool->iconSize().height() : 0));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QSize need = ButtonNeed(button);
        return QSize(need.width() + 2, need.height());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return QSize(0, LineEditHeight(edit));
    return QSize(0, 0);
}

QSize GrowFromDesign(const QList<QWidget*>& controls, const QList<QRect>& designed)
{
    const qsizetype count = std::min(controls.size(), designed.size());
    QList<QSize> grown(count);
    QList<QPoint> shift(count, QPoint(0, 0));
    for (qsizetype i = 0; i < count; ++i) {
        controls[i]->resize(designed[i].size());
        const QSize need = TextNeed(controls[i]);
        grown[i] = QSize(std::max(0, need.width() - designed[i].width()),
                         std::max(0, need.height() - designed[i].height()));
    }
    // A control moves as far as the farthest-moved grown control before it.
    QList<qsizetype> order(count);
    for (qsizetype i = 0; i < count; ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return designed[a].top() != designed[b].top() ? designed[a].top() < designed[b].top()
                                                      : designed[a].left() < designed[b].left();
    });
    for (qsizetype j : order) {
        const QRect& r = designed[j];
        for (qsizetype i : order) {
            if (i == j)
                continue;
            const QRect& o = designed[i];
            if (o.bottom() <= r.top())
                shift[j].ry() = std::max(shift[j].y(), shift[i].y() + grown[i].height());
        }
    }
    std::sort(order.begin(), order.end(),
              [&](qsizetype a, qsizetype b) { return designed[a].left() < designed[b].left(); });
    for (qsizetype j : order) {
        const QRect& r = designed[j];
        for (qsizetype i : order) {
            if (i == j)
                continue;
            const QRect& o = designed[i];
            const bool sameRow = o.top() <= r.bottom() && r.top() <= o.bottom();
            if (sameRow && o.right() <= r.left())
                shift[j].rx() = std::max(shift[j].x(), shift[i].x() + grown[i].width());
        }
    }
    QSize extra(0, 0);
    for (qsizetype i = 0; i < count; ++i) {
        controls[i]->setGeometry(
            QRect(designed[i].topLeft() + shift[i], designed[i].size() + grown[i]));
        extra = extra.expandedTo(
            QSize(shift[i].x() + grown[i].width(), shift[i].y() + grown[i].height()));
    }
    return extra;
}
