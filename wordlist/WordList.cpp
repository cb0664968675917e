#include "WordList.h"

#include <QFileInfo>

int WordList::Length() const
{
    int i = 0;
    while (i < MaxWords) {
        if (slots[size_t(i)].isEmpty() && slots[size_t(i) + 1].isEmpty())
            return i;
        ++i;
    }
    return MaxWords;
}

int WordList::clearLimit() const
{
    // The same scan as Length: the empty slot that ends the list is included, so a list that
    // ends in one empty slot is cleared through that slot.
    return Length();
}

void WordList::Clear()
{
    const int last = clearLimit();
    for (int i = 0; i <= last && i < SlotCount; ++i) {
        WordSlot& slot = slots[size_t(i)];
        slot.learned.clear();
        slot.known.clear();
        slot.quizLearned.clear();
        slot.quizKnown.clear();
    }
}

void WordList::ClearAnswers()
{
    const int last = clearLimit();
    for (int i = 0; i <= last && i < SlotCount; ++i)
        slots[size_t(i)].answer.clear();
}

void WordList::CopyToQuiz()
{
    const int n = Length();
    for (int i = 0; i <= n && i < SlotCount; ++i) {
        WordSlot& slot = slots[size_t(i)];
        slot.quizLearned = slot.learned;
        slot.quizKnown = slot.known;
    }
}

int SnapToPage(int v)
{
    if (v < 10)
        return 0;
    return v / 10 * 10;
}

QString FileTitle(const QString& path)
{
    // Paths may come with either separator: old lists name Windows folders.
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (path[i] == u'\\' || path[i] == u'/')
            return path.mid(i + 1);
    }
    return path;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
