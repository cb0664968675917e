#pragma once

#include "WordList.h"

#include <QString>

// The list every benchmark works on: a heading, two languages and all 100 pairs filled.
inline WordList FullBenchList()
{
    WordList list;
    list.heading = QStringLiteral("Kapitel 12: Verb och uttryck");
    list.language1 = QStringLiteral("Tyska");
    list.language2 = QStringLiteral("Svenska");
    for (int i = 0; i < WordList::MaxWords; ++i) {
        list[i].learned = QStringLiteral("das Mädchen %1").arg(i);
        list[i].known = QStringLiteral("flickan nummer %1 på gården").arg(i);
    }
    return list;
}
