#pragma once

#include "FileCommands.h"
#include "WordList.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class EditorPage;
class ExportCommand;
class FileDrop;
class ImportCommand;
class LinePrinterFactory;
class MainMenuPage;
class MainMenus;
class Prompter;
class QuizPage;
class SingleInstance;
class ToolbarPanel;
struct ProgramSettings;
struct SecretClicks;

// frmVokabo: owns the word list for the whole run and shows one of its three pages, the main
// menu, the editor or the quiz. It coordinates; the pages and the file commands do the work.
class MainWindow : public QMainWindow, private FileCommandsView
{
    Q_OBJECT

public:
    MainWindow(ProgramSettings& settings, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load steps from the single-copy rule to the first file. False when the program must
    // end at once because another copy runs. Does not show the window.
    bool load(const QString& commandLine);
    // Shows the window and, while the about box has not been confirmed, greets with it.
    void showAndGreet();
    // Imports the other program's list that the command line named, once the window is up.
    void openDeferredImport();

    WordList& wordList() { return m_list; }
    FileCommands& files() { return m_files; }
    ImportCommand& importer() { return *m_import; }
    EditorPage* editor() const { return m_editor; }
    QuizPage* quiz() const { return m_quiz; }
    ToolbarPanel* toolbar() const { return m_toolbar; }
    MainMenuPage* mainMenuPage() const { return m_mainMenu; }
    MainMenus* menus() const { return m_menus; }
    // Tests print to a recording printer instead of the real one.
    void setPrinterFactory(std::unique_ptr<LinePrinterFactory> printers);

    void EnterEditor();
    void EnterQuiz();
    void ShowMainMenu();
    void ImportList();
    void ExportList();
    void SetMainCaptions();
    void RefreshRecentMenu() override;
    void ShowOptions();
    void ShowAbout();
    void ShowPortal();
    void PrintList();
    void ShowHelp();
    // Help > Home page: the program's web site in the browser.
    void showHomePage();

    // Writes the position, the language pair, the colouring switch and the recent files.
    void WriteExitSettings() { writeExitSettings(); }
    // The steps of the end without the exit question, when the system ends the program; the
    // caller then ends the event loop (a quit would close the window and ask).
    void EndWithoutQuestion();
    static QString exitQuestion();

    bool editorShowing() const;
    bool quizShowing() const override;

Q_SIGNALS:
    // The window has closed for good: the program ends.
    void exited();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setTitle(const QString& title) override;
    void showEditorFromStart() override;
    void showEditorPage() override;
    void showHeader() override;
    void restartQuiz() override;

    void buildWindow();
    void connectCommands();
    enum class Page { MainMenu, Editor, Quiz };
    // Shows the main menu page or hides it for another, and sets which commands that page allows.
    void showPage(Page page);
    void autoSave();
    void showImportedList();
    void openDroppedFile(const QString& path);
    void popUpEditMenu(const QPoint& globalPos);
    // Refills the editor's language boxes; the list's changed flag stays as it was.
    void loadLanguageLists();
    void resetWordBoxFonts();
    void writeExitSettings();

    ProgramSettings& m_settings;
    Prompter& m_prompter;
    WordList m_list;
    FileCommands m_files;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<SecretClicks> m_clicks;
    std::unique_ptr<LinePrinterFactory> m_printers;
    std::unique_ptr<ImportCommand> m_import;
    std::unique_ptr<ExportCommand> m_export;
    bool m_loading = false;   // inside load()
    QString m_deferredImport; // the command line's list of another program
    FileDrop* m_drop = nullptr;

    QWidget* m_client = nullptr;
    ToolbarPanel* m_toolbar = nullptr;
    MainMenuPage* m_mainMenu = nullptr;
    EditorPage* m_editor = nullptr;
    QuizPage* m_quiz = nullptr;
    MainMenus* m_menus = nullptr;
};
