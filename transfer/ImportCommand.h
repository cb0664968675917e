#pragma once

#include "ExchangeFile.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class FileCommands;
class Prompter;
class QWidget;
class WordList;

// Import: a list from another program's file replaces the list, unsaved, so that Save asks for
// a name and never writes over the file it came from.
class ImportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    // Asks how to read the bytes; nothing when the user cancelled. The real one is the import
    // window.
    using Chooser = std::function<std::optional<ImportOptions>(
        const QString& path, const QByteArray& bytes, const ImportOptions& detected)>;

    // showList shows the replaced list: the editor from slot 0 under the untitled title.
    ImportCommand(WordList& list, Prompter& prompter, FileCommands& files,
                  std::function<void()> showList, QWidget* dialogParent = nullptr);

    void setChooser(Chooser chooser) { m_chooser = std::move(chooser); }

    // The menu command: the save question, the file chooser, then the file.
    void Import();
    // A file that Open, the command line or a drop would read: true when it is another
    // program's list and was handled here (imported, or declined with a message).
    bool OfferFile(const QString& path);
    // Shows the import window for the file and, on OK, replaces the list. True when it did.
    bool ImportFile(const QString& path);

    static QString filter();
    static QString title();

private:
    void report(const QString& path, const ExchangeError& error);

    WordList& m_list;
    Prompter& m_prompter;
    FileCommands& m_files;
    std::function<void()> m_showList;
    QWidget* m_dialogParent;
    Chooser m_chooser;
};
