#pragma once

#include "ExchangeFile.h"

class QIODevice;
class WordList;

// KDE's vocabulary files, as KWordQuiz and Parley write them. Version 2.0: the title, the first
// two identifiers as the languages and each entry's translations of those two. Version 1.0: the
// root's title and each entry's original and first translation.
ExchangeError ReadKvtml(QIODevice& device, ImportedList& list);

// KVTML 2.0: two identifiers named after the languages, the heading as the title and one entry
// for each pair of the list, blank pairs inside it included.
QByteArray KvtmlBytes(const WordList& list);
