#include "PageCursor.h"

#include "WordList.h"

#include <algorithm>

PageCursor::PageCursor(int lastPage) : m_lastPage(std::max(0, SnapToPage(lastPage))) {}

int PageCursor::LastPageOf(int length)
{
    if (length <= 0)
        return 0;
    return kPageSize * ((length - 1) / kPageSize);
}

std::optional<int> PageCursor::next(int start) const
{
    if (start >= m_lastPage)
        return std::nullopt;
    return start + kPageSize;
}

std::optional<int> PageCursor::previous(int start) const
{
    if (start <= 0)
        return std::nullopt;
    return start - kPageSize;
}

int PageCursor::snap(int value) const
{
    return std::clamp(SnapToPage(value), 0, m_lastPage);
}
