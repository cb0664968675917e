#include "PageKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

PageKeys::PageKeys(QWidget* page, QScrollBar* scroll, std::vector<std::vector<QWidget*>> columns,
                   Turns turns)
    : QObject(page), m_page(page), m_scroll(scroll), m_columns(std::move(columns)),
      m_turns(std::move(turns))
{
    page->installEventFilter(this);
    for (const auto& column : m_columns) {
        for (QWidget* box : column)
            box->installEventFilter(this);
    }
}

void PageKeys::watchRightClick(QWidget* widget)
{
    widget->installEventFilter(this);
}

void PageKeys::focusBox(size_t column, size_t row)
{
    m_columns[column][row]->setFocus(Qt::OtherFocusReason);
}

bool PageKeys::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    const bool rightButton =
        (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (rightButton) {
        // Acted on when the button is let go; a press on the page itself goes no further.
        if (type == QEvent::MouseButtonPress)
            return watched == m_page;
        Q_EMIT editMenuRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (type != QEvent::KeyPress || watched == m_page)
        return QObject::eventFilter(watched, event);
    for (size_t c = 0; c < m_columns.size(); ++c) {
        for (size_t r = 0; r < m_columns[c].size(); ++r) {
            if (m_columns[c][r] == watched)
                return keyPressed(c, r, static_cast<QKeyEvent*>(event)->key());
        }
    }
    return QObject::eventFilter(watched, event);
}

bool PageKeys::keyPressed(size_t column, size_t row, int key)
{
    const size_t rows = m_columns[column].size();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (column + 1 < m_columns.size()) {
            focusBox(column + 1, row);
        } else if (row + 1 < rows) {
            focusBox(0, row + 1);
        } else {
            focusBox(0, 0);
            m_turns.down();
            Q_EMIT lastBoxEntered();
        }
        return true; // the box never sees Enter
    case Qt::Key_Down:
        if (row + 1 < rows) {
            focusBox(column, row + 1);
        } else {
            m_turns.down();
            focusBox(column, 0);
        }
        // The box has no use for the arrows either way; they are acted on, not consumed.
        return false;
    case Qt::Key_Up:
        if (row > 0) {
            focusBox(column, row - 1);
        } else {
            const bool first = m_turns.onFirstPage();
            m_turns.up();
            focusBox(column, first ? 0 : rows - 1);
        }
        return false;
    case Qt::Key_PageDown:
        m_scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
        return true;
    case Qt::Key_PageUp:
        m_scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
        return true;
    default:
        return false;
    }
}
