#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QScrollBar;
class QWidget;

// The keys and the right click that the editor and the quiz share. In a word box Enter goes on
// to the next box of the row and then to the next row, and the arrows move along a column; past
// a page's first or last row both turn the page. Page Up and Page Down turn the page as the
// scroll bar does. A right click on the page or on a word box asks for the program's Edit menu.
class PageKeys : public QObject
{
    Q_OBJECT
public:
    // The page's own turns, which beep where there is no page to turn to.
    struct Turns
    {
        std::function<void()> down;
        std::function<void()> up;
        std::function<bool()> onFirstPage;
    };

    // columns: the word boxes of each column, top row first; all columns have the same rows.
    PageKeys(QWidget* page, QScrollBar* scroll, std::vector<std::vector<QWidget*>> columns,
             Turns turns);

    // A box outside the columns whose right click brings the Edit menu too.
    void watchRightClick(QWidget* widget);

Q_SIGNALS:
    // Enter in the page's last box: the focus went back to the first box and the page turned.
    void lastBoxEntered();
    void editMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key must not reach the box.
    bool keyPressed(size_t column, size_t row, int key);
    void focusBox(size_t column, size_t row);

    QWidget* m_page;
    QScrollBar* m_scroll;
    std::vector<std::vector<QWidget*>> m_columns;
    Turns m_turns;
};
