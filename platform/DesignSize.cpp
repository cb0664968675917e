#include "DesignSize.h"

#include "Twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

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
        edit->setMinimumWidth(width);
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
