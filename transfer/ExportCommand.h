#pragma once

#include <QCoreApplication>
#include <QString>

class Prompter;
class WordList;

// Export: the list in a format other programs read, written to a file the user names. The list,
// its file, title and changed flag and the recent files stay as they were.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)

public:
    ExportCommand(const WordList& list, Prompter& prompter);

    // True when a file was written.
    bool Export();

    static QString filter();
    static QString title();

private:
    const WordList& m_list;
    Prompter& m_prompter;
};
