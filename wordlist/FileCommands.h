#pragma once

#include "WordList.h"
#include "WordListFile.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <functional>

class Prompter;

// What the file commands need from the window that shows the list.
class FileCommandsView
{
public:
    virtual ~FileCommandsView() = default;
    virtual void setTitle(const QString& title) = 0;
    // The editor's first page from the top: pageStart 0, its scroll bar 0, the rows refilled.
    virtual void showEditorFromStart() = 0;
    // The editor's rows refilled from the slots at pageStart.
    virtual void showEditorPage() = 0;
    // The list's heading and language names into their boxes; pageStart and the scroll bar to 0.
    virtual void showHeader() = 0;
    // The four recent-file menu items show the current entries.
    virtual void RefreshRecentMenu() = 0;
    virtual bool quizShowing() const = 0;
    // New while the quiz shows: the quiz starts over on the same list.
    virtual void restartQuiz() = 0;
};

// New, Open, Save, Save as, the recent files and the automatic save. Every question and dialog
// goes through the Prompter; a list is replaced only once a file has been read whole.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)

public:
    static constexpr int RecentCount = 4;

    FileCommands(WordList& list, Prompter& prompter, FileCommandsView& view);

    std::array<QString, RecentCount> recentFiles; // entry 1 (newest) is recentFiles[0]
    QString dialogFileName = QStringLiteral("*.vkf");
    // Offered each file that Open, the command line or a drop would read; true when it took
    // the file as another program's list, which then never becomes filePath.
    std::function<bool(const QString& path)> otherProgramsFile;

    void New();
    void Open();
    // True when the list is in its file afterwards.
    bool Save();
    bool SaveAs();
    // Recent file k, 1 to 4.
    void OpenRecent(int k);
    // After Enter in the last box of an editor page. True when it went through Save as.
    bool AutoSave();
    // The file named on the command line at start-up. False when nothing was read.
    bool OpenStartupFile(const QString& path);
    // Opens a file without the file chooser or the save question. False when nothing was read.
    bool OpenPath(const QString& path);
    // A file dropped on the window: the save question, then the file, as Open reads it.
    void OpenDropped(const QString& path);
    // A recovered list replaces the list unasked, unsaved (changed 1), shown from its first page
    // and titled with its file's name; path is its own file, empty for a list never saved.
    void Restore(const WordListFileContent& content, const QString& path);
    // Puts filePath at the head of the recent files.
    void PushRecent();

    QString untitledTitle() const;
    QString fileTitle() const; // "Vokabo - " and the file's name
    static QString filter();
    static QString openTitle();
    static QString saveTitle();
    // The question asked before a changed list would be lost; false when the command must stop.
    bool askToSave(const QString& question);

private:
    // Open's and the start-up file's way in. True when the list now holds path.
    bool openFile(const QString& path);
    bool readAndReplace(const QString& path);
    void openRecentEntry(int k, bool ask);
    // The steps after a file has been read: editor, title, recent files (entry 0: a new one).
    void finishOpen(int recentEntry);
    // Entries 1 to k-1 move down one and filePath becomes entry 1.
    void putRecentFirst(int k);
    void reportReadError(const QString& path, const WordListFileError& error);
    void reportWriteError(const QString& path, const WordListFileError& error);
    QString reason(const WordListFileError& error) const;
    void fileNotFound();

    WordList& m_list;
    Prompter& m_prompter;
    FileCommandsView& m_view;
};
