#include "PrintLayout.h"

#include "WordList.h"

namespace {

constexpr int kWordIndent = 8;
constexpr int kKnownColumn = 40; // the known word starts this many characters after the indent

// Characters as the reader sees them: a surrogate pair counts once.
int CharCount(const QString& text)
{
    int count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            ++count;
    }
    return count;
}

} // namespace

int HeadingIndent(int headingLength)
{
    if (headingLength >= 80)
        return 0;
    // 40 - L/2 is a whole number or lies halfway between two.
    const int whole = 40 - (headingLength + 1) / 2;
    if (headingLength % 2 == 0)
        return whole;
    return whole % 2 == 0 ? whole : whole + 1;
}

QStringList PrintLines(const WordList& list)
{
    QStringList lines;
    lines << QString(HeadingIndent(CharCount(list.heading)), u' ') + list.heading;
    lines << QStringLiteral(" ");

    const QString indent(kWordIndent, u' ');
    const int length = list.Length();
    for (int i = 0; i < length; ++i) {
        const WordSlot& slot = list[i];
        if (slot.isEmpty()) {
            lines << QString();
            continue;
        }
        const int learnedLength = CharCount(slot.learned);
        if (learnedLength < kKnownColumn) {
            lines << indent + slot.learned + QString(kKnownColumn - learnedLength, u' ') +
                         slot.known;
        } else {
            lines << indent + slot.learned;
            lines << indent + slot.known;
        }
    }
    return lines;
}
