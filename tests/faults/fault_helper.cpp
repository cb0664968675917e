// A stand-in for a running copy of the program, for the fault tests:
//   fault_helper save PATH          saves list B, then A, then B ... to PATH until killed
//   fault_helper settings NAME N    writes N settings of its own and a shared one
#include "FaultLists.h"
#include "Settings.h"
#include "WordListFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == u"save") {
        WordList lists[2] = {FaultList('B'), FaultList('A')};
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        for (unsigned i = 0;; ++i) {
            WordList& list = lists[i % 2];
            list.filePath = args[2];
            list.changed = 1;
            if (WriteWordListFile(list).failed())
                return 2;
        }
    }
    if (args.size() == 4 && args[1] == u"settings") {
        const QString name = args[2];
        const int count = args[3].toInt();
        for (int i = 0; i < count; ++i) {
            Settings::WriteSetting(QStringLiteral("Copy ") + name, QString::number(i),
                                   name + QString::number(i));
            Settings::WriteSetting(QStringLiteral("Options"), QStringLiteral("ShowRw"),
                                   i % 2 ? QStringLiteral("-1") : QStringLiteral("0"));
        }
        return 0;
    }
    std::fputs("usage: fault_helper save PATH | settings NAME COUNT\n", stderr);
    return 1;
}
