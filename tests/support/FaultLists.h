#pragma once

#include "WordList.h"

// Two full lists whose files differ in every line, so a mix of the two or a cut file shows.
inline WordList FaultList(char which)
{
    WordList list;
    const QString tag = QString(QLatin1Char(which));
    list.heading = QStringLiteral("Lista ") + tag;
    list.language1 = QStringLiteral("Engelska");
    list.language2 = QStringLiteral("Svenska");
    // Long words make a save take long enough for a kill to land inside it.
    const QString padding(200, which == 'A' ? QLatin1Char('a') : QLatin1Char('b'));
    for (int i = 0; i < WordList::MaxWords; ++i) {
        list[i].learned = tag + QString::number(i) + QStringLiteral(" ord ") + padding;
        list[i].known = tag + QString::number(i) + QStringLiteral(" åäö ") + padding;
    }
    return list;
}
