#include "Score.h"

#include "Prompter.h"
#include "WordList.h"

#include <QCoreApplication>

namespace {

bool IsEmptyForScore(const WordSlot& slot)
{
    return slot.quizLearned.isEmpty() && slot.quizKnown.isEmpty() && slot.known.isEmpty();
}

// The text a number has in the message: a leading blank where a sign would stand.
QString NumberForm(int value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

} // namespace

Score CountCorrectScan(const WordList& list)
{
    Score score;
    // The quiz's list runs to its last slot that asks something, blank pairs inside it included.
    int n = WordList::MaxWords;
    while (n > 0 && IsEmptyForScore(list[n - 1]))
        --n;
    for (int i = 0; i < n; ++i) {
        if (list[i].answer == list[i].quizLearned)
            ++score.right;
    }
    score.total = n;
    return score;
}

QString ScoreMessageText(const Score& score)
{
    return QCoreApplication::translate("Score", "%1 rätt av %2")
        .arg(NumberForm(score.right), NumberForm(score.total));
}

QString ScoreMessageTitle()
{
    return QCoreApplication::translate("Score", "Antal rätt");
}

void CountCorrect(const WordList& list, Prompter& prompter)
{
    prompter.message(ScoreMessageText(CountCorrectScan(list)), ScoreMessageTitle(),
                     Prompter::InformationOk);
}
