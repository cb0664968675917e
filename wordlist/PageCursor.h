#pragma once

#include <optional>

// Slots on a page of the editor and of the quiz.
inline constexpr int kPageSize = 10;

// Where a page turn goes: pages of kPageSize slots from slot 0 up to a last page. Both pages turn
// by it, the editor over the whole table and the quiz up to the page with the list's last pair.
class PageCursor
{
public:
    // lastPage: the first slot of the last page, on the page grid.
    explicit PageCursor(int lastPage);

    // The first slot of the page that holds the last of length pairs; 0 for no pairs.
    static int LastPageOf(int length);

    int lastPage() const { return m_lastPage; }
    // The page after the one at start; nothing on the last page.
    std::optional<int> next(int start) const;
    // The page before the one at start; nothing on the first page.
    std::optional<int> previous(int start) const;
    // A scroll value or page start put on the page grid, between the first and the last page.
    int snap(int value) const;

private:
    int m_lastPage;
};
