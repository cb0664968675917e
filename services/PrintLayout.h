#pragma once

#include <QStringList>

class WordList;

// The printout of a word list as lines on an 80-column grid: the heading centred, a line of one
// space, then one line a pair (learned word from column 9, known word from column 49), or two
// lines when the learned word is 40 characters or longer. A blank pair inside the list prints as
// an empty line.
QStringList PrintLines(const WordList& list);

// Number of blanks before a heading of the given length: 40 - length / 2, halves rounded to the
// even neighbour; 0 from 80 characters on.
int HeadingIndent(int headingLength);
