#include "MainWindow.h"

#include "AboutBox.h"
#include "EditCommands.h"
#include "EditorPage.h"
#include "ExchangeFile.h"
#include "ExportCommand.h"
#include "FileDrop.h"
#include "HelpCommand.h"
#include "ImportCommand.h"
#include "LanguageLists.h"
#include "MainMenuPage.h"
#include "MainMenus.h"
#include "OptionsDialog.h"
#include "PortalWindow.h"
#include "PrintCommand.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "QPrinterLinePrinter.h"
#include "QuizPage.h"
#include "Score.h"
#include "SettingsWrites.h"
#include "SingleInstance.h"
#include "StartUpSettings.h"
#include "ToolbarPanel.h"
#include "Twips.h"
#include "WebCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

// The file commands keep the recent files that the settings file stores: one count for both.
static_assert(FileCommands::RecentCount == kRecentFileCount);

MainWindow::MainWindow(ProgramSettings& settings, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_prompter(prompter),
      m_files(m_list, prompter, *this), m_clicks(std::make_unique<SecretClicks>()),
      m_printers(std::make_unique<QPrinterLinePrinterFactory>())
{
    setObjectName(QStringLiteral("frmVokabo"));
    setWindowTitle(QStringLiteral("Vokabo"));
    m_import = std::make_unique<ImportCommand>(
        m_list, prompter, m_files, [this] { showImportedList(); }, this);
    m_export = std::make_unique<ExportCommand>(m_list, prompter);
    m_files.otherProgramsFile = [this](const QString& path) {
        // Another program's list named on the command line waits until the window is up.
        if (m_loading && DetectFileFormat(path) != ExchangeFormat::WordList) {
            m_deferredImport = path;
            return true;
        }
        return m_import->OfferFile(path);
    };
    buildWindow();
    connectCommands();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow()
{
    // The client area keeps its designed size; a larger window centres it both ways.
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("clientFrame"));
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* columns = new QHBoxLayout;
    rows->addStretch();
    rows->addLayout(columns);
    rows->addStretch();
    m_client = new QWidget(central);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setFixedSize(Twips::toPixels(9570), Twips::toPixels(5040));
    columns->addStretch();
    columns->addWidget(m_client);
    columns->addStretch();
    setCentralWidget(central);

    m_toolbar = new ToolbarPanel(m_client);
    const QRect pageArea = Twips::rect(0, 735, 9570, 5040 - 735);

    m_mainMenu = new MainMenuPage(m_client);
    m_mainMenu->setGeometry(pageArea);

    m_editor = new EditorPage(m_list, m_settings, m_prompter, m_client);
    m_editor->setGeometry(pageArea);
    m_editor->setAutoFillBackground(true);
    m_editor->hide();

    m_quiz = new QuizPage(m_list, m_settings, m_prompter, m_client);
    m_quiz->setGeometry(pageArea);
    m_quiz->setAutoFillBackground(true);
    m_quiz->hide();

    m_menus = new MainMenus(menuBar());
    m_drop = new FileDrop(this);
}

void MainWindow::connectCommands()
{
    MainMenus* m = m_menus;
    ToolbarPanel* t = m_toolbar;
    MainMenuPage* p = m_mainMenu;

    connect(m->nymeny, &QAction::triggered, this, [this] { m_files.New(); });
    connect(m->openfile, &QAction::triggered, this, [this] { m_files.Open(); });
    connect(m->savefile, &QAction::triggered, this, [this] { m_files.Save(); });
    connect(m->save_as, &QAction::triggered, this, [this] { m_files.SaveAs(); });
    connect(m->importfile, &QAction::triggered, this, &MainWindow::ImportList);
    connect(m->exportfile, &QAction::triggered, this, &MainWindow::ExportList);
    connect(m_drop, &FileDrop::fileDropped, this, &MainWindow::openDroppedFile);
    connect(m->mnuSS, &QAction::triggered, this, &MainWindow::PrintList);
    connect(m->instmeny, &QAction::triggered, this, &MainWindow::ShowOptions);
    connect(m->avslutameny, &QAction::triggered, this, &QWidget::close);
    for (int k = 0; k < FileCommands::RecentCount; ++k)
        connect(m->recent[size_t(k)], &QAction::triggered, this,
                [this, k] { m_files.OpenRecent(k + 1); });
    connect(m->klipput, &QAction::triggered, this, &CutSelection);
    connect(m->kopiera, &QAction::triggered, this, &CopySelection);
    connect(m->klistrain, &QAction::triggered, this, &PasteClipboard);
    connect(m->radera, &QAction::triggered, this, &DeleteSelection);
    connect(m->editmeny, &QAction::triggered, this, &MainWindow::EnterEditor);
    connect(m->forhormeny, &QAction::triggered, this, &MainWindow::EnterQuiz);
    connect(m->inihelp, &QAction::triggered, this, &MainWindow::ShowHelp);
    connect(m->mnuHemsida, &QAction::triggered, this, &MainWindow::showHomePage);
    connect(m->ommeny, &QAction::triggered, this, &MainWindow::ShowAbout);

    // Toolbar buttons run the same commands as the menu items, and are enabled when they are.
    const auto mirror = [this](QToolButton* button, QAction* action) {
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
    };
    mirror(t->cmdNytt, m->nymeny);
    mirror(t->cmdOppna, m->openfile);
    mirror(t->cmdSpara, m->savefile);
    mirror(t->cmdSkrivUt, m->mnuSS);
    mirror(t->cmdSkrivOrd, m->editmeny);
    mirror(t->cmdTranaOrd, m->forhormeny);
    mirror(t->cmdHelp, m->inihelp);
    connect(t->cmdAntalratt, &QToolButton::clicked, this,
            [this] { CountCorrect(m_list, m_prompter); });
    // Toggled, not clicked: a screen reader's toggle and the F7 key reach it the same way.
    connect(t->cmdRattFel, &QToolButton::toggled, m_quiz, &QuizPage::setColouring);
    connect(t->cmdHuvudmenyn, &QToolButton::clicked, this, &MainWindow::ShowMainMenu);
    connect(p->oppna, &QToolButton::clicked, m->openfile, &QAction::trigger);
    connect(p->editera, &QToolButton::clicked, m->editmeny, &QAction::trigger);
    connect(p->forhorgl, &QToolButton::clicked, m->forhormeny, &QAction::trigger);
    connect(p->sprbutton, &QPushButton::clicked, m->instmeny, &QAction::trigger);
    connect(p->helpbutton, &QPushButton::clicked, m->inihelp, &QAction::trigger);
    connect(p, &MainMenuPage::reklamClicked, this, &MainWindow::ShowPortal);

    connect(m_quiz, &QuizPage::showRwChanged, m_toolbar, &ToolbarPanel::showRwPicture);
    connect(m_editor, &EditorPage::autoSaveRequested, this, &MainWindow::autoSave);
    connect(m_editor, &EditorPage::editMenuRequested, this, &MainWindow::popUpEditMenu);
    connect(m_quiz, &QuizPage::editMenuRequested, this, &MainWindow::popUpEditMenu);
    showPage(Page::MainMenu);
}

bool MainWindow::load(const QString& commandLine)
{
    // A copy holds the lock for its whole run, so one started later with OnlyOne can see it.
    m_instance = std::make_unique<SingleInstance>();
    const bool alone = m_instance->tryLock();
    ReadOnlyOne(m_settings);
    if (m_settings.onlyOne == 1 && !alone) {
        // This notice has only ever existed in English.
        m_prompter.message(QStringLiteral("The program is already running!"),
                           QStringLiteral("Vokabo"), Prompter::ExclamationOk);
        return false;
    }

    const MainWindowSettings stored = ReadMainWindowSettings(this, m_settings);
    m_mainMenu->imgReklam->setVisible(m_settings.showsServicePicture());
    m_toolbar->showRwPicture(m_settings.showRw);
    if (m_settings.maximize == 1)
        setWindowState(windowState() | Qt::WindowMaximized);

    m_files.recentFiles = stored.recentFiles;
    RefreshRecentMenu();
    SetMainCaptions();

    m_list.language1 = stored.language1;
    m_list.language2 = stored.language2;
    loadLanguageLists();

    m_list.changed = 0;
    setTitle(m_files.untitledTitle());
    m_loading = true;
    if (!commandLine.isEmpty() && m_files.OpenStartupFile(commandLine))
        m_list.changed = 0;
    m_loading = false;
    return true;
}

void MainWindow::openDeferredImport()
{
    if (m_deferredImport.isEmpty())
        return;
    // As a drop would: a list brought back in the meantime is not replaced unasked.
    m_files.OpenDropped(std::exchange(m_deferredImport, QString()));
}

void MainWindow::showAndGreet()
{
    show();
    if (m_settings.welcome == 1)
        ShowAbout();
}

void MainWindow::SetMainCaptions()
{
    m_menus->SetCaptions();
    m_toolbar->SetCaptions();
    m_mainMenu->SetCaptions();
    // A toolbar grown for its captions widens the client area; the pages keep their places.
    const int width = std::max(Twips::toPixels(9570), m_toolbar->width());
    m_client->setFixedWidth(width);
    for (QWidget* page : {static_cast<QWidget*>(m_mainMenu), static_cast<QWidget*>(m_editor),
                          static_cast<QWidget*>(m_quiz)})
        page->resize(width, page->height());
}

void MainWindow::RefreshRecentMenu()
{
    for (int k = 0; k < FileCommands::RecentCount; ++k) {
        QString path = m_files.recentFiles[size_t(k)];
        path.replace(u'&', QStringLiteral("&&")); // a path's own '&' is not an access key
        m_menus->recent[size_t(k)]->setText(QStringLiteral("&%1 ").arg(k + 1) + path);
    }
}

bool MainWindow::editorShowing() const
{
    return !m_editor->isHidden();
}

bool MainWindow::quizShowing() const
{
    return !m_quiz->isHidden();
}

void MainWindow::EnterEditor()
{
    if (editorShowing())
        return;
    if (quizShowing())
        ShowMainMenu();
    m_editor->enter();
    m_editor->raise();
    showPage(Page::Editor);
}

void MainWindow::EnterQuiz()
{
    if (quizShowing())
        return;
    if (editorShowing())
        ShowMainMenu();
    if (m_quiz->refuseEmptyList())
        return;
    m_quiz->enter();
    m_quiz->raise();
    showPage(Page::Quiz);
}

void MainWindow::ShowMainMenu()
{
    if (editorShowing())
        m_editor->leave();
    if (quizShowing())
        m_quiz->leave();
    showPage(Page::MainMenu);
}

void MainWindow::showPage(Page page)
{
    const bool menu = page == Page::MainMenu;
    const bool quiz = page == Page::Quiz;
    m_mainMenu->setVisible(menu);
    m_mainMenu->imgVokabo->setVisible(menu);
    m_mainMenu->imgReklam->setVisible(menu && m_settings.showsServicePicture());
    // No file may replace or take the list while it is being quizzed on.
    m_menus->openfile->setEnabled(!quiz);
    m_menus->savefile->setEnabled(!quiz);
    m_menus->save_as->setEnabled(!quiz);
    m_menus->importfile->setEnabled(!quiz);
    m_menus->exportfile->setEnabled(!quiz);
    m_drop->setEnabled(!quiz);
    for (QAction* action : m_menus->recent)
        action->setEnabled(!quiz);
    m_toolbar->cmdHuvudmenyn->setEnabled(!menu);
    m_toolbar->cmdAntalratt->setEnabled(quiz);
    m_toolbar->cmdRattFel->setEnabled(quiz);
}

void MainWindow::ImportList()
{
    m_import->Import();
}

void MainWindow::ExportList()
{
    m_export->Export();
}

void MainWindow::showImportedList()
{
    showEditorFromStart();
    setTitle(m_files.untitledTitle());
    EnterEditor();
}

void MainWindow::openDroppedFile(const QString& path)
{
    if (quizShowing())
        return;
    m_files.OpenDropped(path);
}

void MainWindow::ShowOptions()
{
    OptionsDialog dialog(
        m_settings, m_prompter, this, [this] { loadLanguageLists(); },
        [this] { resetWordBoxFonts(); });
    dialog.exec();
}

void MainWindow::ShowAbout()
{
    AboutBox box(
        m_settings, m_prompter, *m_clicks, [this] { return m_list.heading; }, this);
    box.exec();
}

void MainWindow::ShowPortal()
{
    PortalWindow portal(m_prompter, this);
    portal.exec();
}

void MainWindow::setPrinterFactory(std::unique_ptr<LinePrinterFactory> printers)
{
    m_printers = std::move(printers);
}

void MainWindow::PrintList()
{
    PrintWordList(m_list, m_prompter, *m_printers);
}

void MainWindow::ShowHelp()
{
    OpenHelpContents(m_prompter, this);
}

void MainWindow::showHomePage()
{
    GoToHomePage(m_prompter, m_settings.uiLanguage);
}

void MainWindow::loadLanguageLists()
{
    const EditorPage::Filling filling(*m_editor);
    LoadLanguageLists(m_editor->lang1Box(), m_editor->lang2Box(), m_list.language1,
                      m_list.language2, m_settings.uiLanguage);
}

void MainWindow::resetWordBoxFonts()
{
    m_editor->resetWordBoxFonts();
    m_quiz->resetWordBoxFonts();
}

void MainWindow::autoSave()
{
    if (m_files.AutoSave())
        m_editor->focusFirstRow();
}

void MainWindow::popUpEditMenu(const QPoint& globalPos)
{
    m_menus->redigerameny->popup(globalPos);
}

void MainWindow::setTitle(const QString& title)
{
    setWindowTitle(title);
}

void MainWindow::showEditorFromStart()
{
    m_list.pageStart = 0;
    showHeader();
    m_editor->ShowEditorPage();
}

void MainWindow::showEditorPage()
{
    m_editor->ShowEditorPage();
}

void MainWindow::showHeader()
{
    m_editor->showHeader();
}

void MainWindow::restartQuiz()
{
    m_quiz->restart();
}

QString MainWindow::exitQuestion()
{
    return tr("Vill du spara ändringar i denna ordlista, innan Vokabo avslutas?");
}

void MainWindow::EndWithoutQuestion()
{
    CloseHelp();
    writeExitSettings();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_files.askToSave(exitQuestion())) {
        event->ignore();
        return;
    }
    CloseHelp();
    writeExitSettings();
    event->accept();
    Q_EMIT exited();
}

void MainWindow::writeExitSettings()
{
    ::WriteExitSettings(this, m_settings, m_list.language1, m_list.language2, m_files.recentFiles);
}
