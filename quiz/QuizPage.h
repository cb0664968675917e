#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class PageKeys;
class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class Prompter;
class WordList;
struct ProgramSettings;
struct WordSlot;

// The quiz panel: ten questions in the known language beside ten answer boxes, a page at a time.
// Answers are stored in the word list as they are typed, so they outlive page turns and leaving
// the quiz.
class QuizPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 10;

    QuizPage(WordList& list, ProgramSettings& settings, Prompter& prompter,
             QWidget* parent = nullptr);

    // Shows the no-words message and returns true when the list has no pairs to ask.
    bool refuseEmptyList();
    // Shows the page on a fresh copy of the list at its first page; earlier answers stay.
    void enter();
    // Hides the page; the answers stay in the list.
    void leave();
    // Starts the quiz over on the same list with empty answers.
    void restart();

    void ShowQuizPage();
    void QuizPageDown();
    void QuizPageUp();
    // First slot of the page that holds the list's last pair.
    int LastQuizPage() const;
    // Colours answer box r green when it holds the right word exactly, red otherwise.
    void MarkAnswer(int r);
    void ToggleShowRw();
    // Colours the answers, or stops; asking for the state already in force changes nothing.
    void setColouring(bool on);
    void ApplyColumnFonts();
    void resetWordBoxFonts();

Q_SIGNALS:
    void showRwChanged(int showRw);
    void editMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void placeControls();
    WordSlot& slotOfRow(int r);
    QColor normalColour() const;
    enum class Mark { None, Right, Wrong, Unanswered };
    void setAnswerColour(int r, const QColor& colour);
    // Normal colour and no mark.
    void showNormal(int r);
    // The tick or cross inside the box, and the same meaning for assistive technology.
    void showMark(int r, Mark mark, const QColor& colour);
    // Names each answer box after its question, for the page on show.
    void updateAnswerNames();
    void fitRowHeights();
    void setAnswerText(int r, const QString& text);
    void answerChanged(int r);
    void scrollValueChanged(int value);
    void forgetQuizCopyBeyondList();

    WordList& m_list;
    ProgramSettings& m_settings;
    Prompter& m_prompter;
    std::array<QLabel*, Rows> m_questions{};
    std::array<QLineEdit*, Rows> m_answers{};
    std::array<QAction*, Rows> m_marks{};
    std::array<Mark, Rows> m_shownMarks{};
    std::array<QColor, Rows> m_markColours{};
    QLabel* m_heading = nullptr;
    QLabel* m_language1 = nullptr;
    QLabel* m_language2 = nullptr;
    QScrollBar* m_scroll = nullptr;
    PageKeys* m_keys = nullptr;
    int m_quizLastPage = 0;   // LastQuizPage when the quiz began
    bool m_revealing = false; // the reveal re-enters the answer rule once, never more
};
