#pragma once

#include <QString>

class Prompter;
class WordList;

// How many of the quiz's answers are right, out of how many pairs were asked.
struct Score
{
    int right = 0;
    int total = 0;
};

// Counts the answers that equal the quiz copy of their word exactly, up to the last slot that holds
// something in the quiz copy or in the known-language column.
Score CountCorrectScan(const WordList& list);

// " 7 rätt av  12": each number is written with the blank a non-negative number gets in front.
QString ScoreMessageText(const Score& score);
QString ScoreMessageTitle();

// Reports the score in an information box; changes nothing in the list.
void CountCorrect(const WordList& list, Prompter& prompter);
