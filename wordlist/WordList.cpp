#include "WordList.h"

#include <QFileInfo>

int WordList::Length() const
{
    // Slot 100 is never part of the list, whatever it holds.
    for (int i = MaxWords - 1; i >= 0; --i) {
        if (!slots[size_t(i)].isEmpty())
            return i + 1;
    }
    return 0;
}

void WordList::Clear()
{
    // Every slot, not only the list's: a list is replaced whole, quiz copies included.
    for (WordSlot& slot : slots) {
        slot.learned.clear();
        slot.known.clear();
        slot.quizLearned.clear();
        slot.quizKnown.clear();
    }
}

void WordList::ClearAnswers()
{
    for (WordSlot& slot : slots)
        slot.answer.clear();
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

QString AbsolutePath(const QString& path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}
