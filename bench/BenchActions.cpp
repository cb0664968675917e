// Handler time of each user action on a 100-pair list, against the real main window and pages
// (offscreen). Every action should stay well under 2 ms: a frame is 16 ms.
// Run: QT_QPA_PLATFORM=offscreen bench_actions -median 9
#include "BenchLists.h"
#include "EditorPage.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "QuizPage.h"
#include "ToolbarPanel.h"
#include "WordListFile.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Answers every question with Yes or OK and every file dialog with the prepared list.
class AnsweringPrompter : public Prompter
{
public:
    QString fileName;
    int messages = 0;

    int message(const QString&, const QString&, int flags) override
    {
        ++messages;
        return flags == YesNoQuestion || flags == YesNoCancelQuestion ? Yes : Ok;
    }
    std::optional<QString> openFileName(const FileDialog&) override { return fileName; }
    std::optional<QString> saveFileName(const FileDialog&) override { return fileName; }
    std::optional<QFont> chooseFont(const QString&, int, int) override { return std::nullopt; }
    void beep() override {}
};

void writeFullList(const QString& path)
{
    WordList list = FullBenchList();
    list.filePath = path;
    QVERIFY(!WriteWordListFile(list));
}

} // namespace

class BenchActions : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    ProgramSettings m_settings;
    AnsweringPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;

    WordList& list() { return m_window->wordList(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_prompter.fileName = m_dir.filePath(QStringLiteral("list100.vkf"));
        writeFullList(m_prompter.fileName);
        m_settings.welcome = 0;
        m_window = std::make_unique<MainWindow>(m_settings, m_prompter);
        QVERIFY(m_window->load(QString()));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->files().Open();
        QCOMPARE(list().Length(), WordList::MaxWords);
    }

    void init()
    {
        m_window->ShowMainMenu();
        m_settings.showRw = -1; // the quiz colours every answer
    }

    // One typed letter written through into the slot, then taken back.
    void keystrokeWriteThrough()
    {
        m_window->EnterEditor();
        auto* box = m_window->findChild<QLineEdit*>(QStringLiteral("g1_3"));
        QVERIFY(box);
        box->setFocus();
        box->end(false);
        QBENCHMARK
        {
            QTest::keyClick(box, Qt::Key_X);
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        QCOMPARE(list()[3].learned, QStringLiteral("das Mädchen 3"));
    }

    // A page down and back up.
    void editorPageTurn()
    {
        m_window->EnterEditor();
        QBENCHMARK
        {
            m_window->editor()->EditorPageDown();
            m_window->editor()->EditorPageUp();
        }
        QCOMPARE(list().pageStart, 0);
    }

    void quizPageTurnColoured()
    {
        m_window->EnterQuiz();
        QBENCHMARK
        {
            m_window->quiz()->QuizPageDown();
            m_window->quiz()->QuizPageUp();
        }
        QCOMPARE(list().pageStart, 0);
    }

    // From the main menu into the editor, and back.
    void enterEditor()
    {
        QBENCHMARK
        {
            m_window->EnterEditor();
            m_window->ShowMainMenu();
        }
        QVERIFY(!m_window->editorShowing());
    }

    // From the main menu into the quiz (a fresh copy of the list), and back.
    void enterQuiz()
    {
        QBENCHMARK
        {
            m_window->EnterQuiz();
            m_window->ShowMainMenu();
        }
        QVERIFY(!m_window->quizShowing());
    }

    // The toolbar's count of right answers, up to its message.
    void countCorrect()
    {
        m_window->EnterQuiz();
        auto* button = m_window->toolbar()->cmdAntalratt;
        QVERIFY(button->isEnabled());
        int clicks = 0;
        const int before = m_prompter.messages;
        QBENCHMARK
        {
            button->click();
            ++clicks;
        }
        QCOMPARE(m_prompter.messages - before, clicks);
    }

    void open()
    {
        QBENCHMARK
        {
            m_window->files().Open();
        }
        QCOMPARE(list().Length(), WordList::MaxWords);
        QCOMPARE(list().changed, 0);
    }

    // Save writes the whole list through a safe replacement, flushed to the disk.
    void save()
    {
        QBENCHMARK
        {
            QVERIFY(m_window->files().Save());
        }
    }
};

int main(int argc, char** argv)
{
    // Never the user's settings file; an offscreen screen unless one is asked for.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchActions bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "BenchActions.moc"
