#include "QuizPage.h"

#include "AnswerColours.h"
#include "DesignFont.h"
#include "PageCursor.h"
#include "PageKeys.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "RowGrid.h"
#include "Twips.h"
#include "WordBoxFit.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <QStyle>

namespace {

// A question is a label, a little lower than the answer box beside it.
constexpr int kQuestionHeight = 255;
constexpr int kPanelWidth = 9570;
constexpr int kPanelHeight = 4305;

const QString kRevealMark = QStringLiteral("???");

void SetFont(QWidget* widget, const QString& family, double points)
{
    QFont font = widget->font();
    font.setFamily(family);
    font.setPointSizeF(points);
    widget->setFont(font);
}

QLabel* MakeLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Words are the learner's own text: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A tick or a cross, so an answer's mark does not depend on telling green from red.
QIcon MarkIcon(bool right, const QColor& colour)
{
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (right) {
        path.moveTo(3, 8.5);
        path.lineTo(6.5, 12);
        path.lineTo(13, 4);
    } else {
        path.moveTo(4, 4);
        path.lineTo(12, 12);
        path.moveTo(12, 4);
        path.lineTo(4, 12);
    }
    painter.drawPath(path);
    return QIcon(pixmap);
}

bool IsRightButton(QEvent* event)
{
    return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
}

// A label with a buddy reads '&' as an access-key mark; doubled, it shows as it stands.
QString ShownAsItStands(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QuizPage::QuizPage(WordList& list, ProgramSettings& settings, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_list(list), m_settings(settings), m_prompter(prompter)
{
    setObjectName(QStringLiteral("forhor"));
    // The right button brings the program's Edit menu, not a platform menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(Twips::toPixels(kPanelWidth), Twips::toPixels(kPanelHeight));
    createControls();
    placeControls();
    resetWordBoxFonts();
}

void QuizPage::createControls()
{
    m_language2 = MakeLabel(this, QStringLiteral("l2visa"));
    m_heading = MakeLabel(this, QStringLiteral("forhorru"));
    m_language1 = MakeLabel(this, QStringLiteral("l1visa"));
    SetFont(m_heading, QStringLiteral("Times New Roman"), 18);
    SetFont(m_language1, DesignFont::name(), 12);
    SetFont(m_language2, DesignFont::name(), 12);
    for (QLabel* label : {m_language2, m_heading, m_language1})
        label->installEventFilter(this);

    for (int r = 0; r < Rows; ++r) {
        QLabel* question = MakeLabel(this, QStringLiteral("v%1").arg(r));
        // Painted like the text box beside it.
        question->setAutoFillBackground(true);
        question->setBackgroundRole(QPalette::Base);
        question->setForegroundRole(QPalette::WindowText);
        question->installEventFilter(this);
        m_questions[size_t(r)] = question;

        auto* answer = new QLineEdit(this);
        answer->setObjectName(QStringLiteral("t%1").arg(r));
        answer->setMaxLength(kMaxFieldLength);
        answer->setContextMenuPolicy(Qt::PreventContextMenu);
        connect(answer, &QLineEdit::textChanged, this, [this, r] { answerChanged(r); });
        question->setBuddy(answer);
        QAction* mark = answer->addAction(QIcon(), QLineEdit::TrailingPosition);
        mark->setObjectName(QStringLiteral("mark%1").arg(r));
        mark->setVisible(false);
        m_marks[size_t(r)] = mark;
        m_answers[size_t(r)] = answer;
    }

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("forhorvisare"));
    m_scroll->setRange(0, 0);
    m_scroll->setSingleStep(kPageSize);
    m_scroll->setPageStep(kPageSize);
    m_scroll->setAccessibleName(tr("Sida"));
    connect(m_scroll, &QScrollBar::valueChanged, this, &QuizPage::scrollValueChanged);
    updateAnswerNames();

    m_keys =
        new PageKeys(this, m_scroll, {std::vector<QWidget*>(m_answers.begin(), m_answers.end())},
                     {[this] { QuizPageDown(); }, [this] { QuizPageUp(); },
                      [this] { return m_list.pageStart == 0; }});
    connect(m_keys, &PageKeys::editMenuRequested, this, &QuizPage::editMenuRequested);
}

void QuizPage::placeControls()
{
    Twips::place(m_language2, 120, 240, 1575, 375);
    Twips::place(m_heading, 1680, 240, 6135, 495);
    Twips::place(m_language1, 7800, 240, 1695, 375);
    for (int r = 0; r < Rows; ++r) {
        const int top = RowGrid::rowTop(r);
        Twips::place(m_questions[size_t(r)], RowGrid::leftColumn, top, RowGrid::width,
                     kQuestionHeight);
        Twips::place(m_answers[size_t(r)], RowGrid::rightColumn, top, RowGrid::width,
                     RowGrid::boxHeight);
    }
    const int scrollWidth = Twips::fromPixels(style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    Twips::place(m_scroll, 9240, 720, scrollWidth, 3495);
}

bool QuizPage::refuseEmptyList()
{
    if (m_list.Length() != 0)
        return false;
    const QString& language = m_settings.uiLanguage;
    if (language == u"sve" || language == u"eng" || language == u"fin") {
        m_prompter.message(tr("Du har inte öppnat en ordlista eller skrivit in några ord som du "
                              "kan bli förhörd på."),
                           QString(), Prompter::ExclamationOk);
    }
    return true;
}

void QuizPage::enter()
{
    show();
    m_list.CopyToQuiz();
    forgetQuizCopyBeyondList();
    m_heading->setText(m_list.heading);
    m_language1->setText(m_list.language1);
    m_language2->setText(m_list.language2);
    m_list.pageStart = 0;
    ShowQuizPage();
    m_quizLastPage = LastQuizPage();
    m_scroll->setMaximum(m_quizLastPage);
    m_scroll->setValue(0);
    ApplyColumnFonts();
    m_answers[0]->setFocus();
}

void QuizPage::leave()
{
    hide();
}

void QuizPage::restart()
{
    m_scroll->setValue(0);
    m_list.ClearAnswers();
    // Answers typed in rows below the list's end are not in the list's scan; they go too.
    for (WordSlot& slot : m_list.slots)
        slot.answer.clear();
    m_list.CopyToQuiz();
    forgetQuizCopyBeyondList();
    m_list.pageStart = 0;
    ShowQuizPage();
}

void QuizPage::forgetQuizCopyBeyondList()
{
    // A copy left from an earlier, longer list would show and count pairs the list no longer has.
    for (int i = m_list.Length() + 1; i < WordList::SlotCount; ++i) {
        m_list[i].quizLearned.clear();
        m_list[i].quizKnown.clear();
    }
}

WordSlot& QuizPage::slotOfRow(int r)
{
    return m_list[qBound(0, m_list.pageStart, WordList::MaxWords - Rows) + r];
}

void QuizPage::ShowQuizPage()
{
    for (int r = 0; r < Rows; ++r)
        m_questions[size_t(r)]->setText(ShownAsItStands(slotOfRow(r).quizKnown));
    updateAnswerNames();
    for (int r = 0; r < Rows; ++r)
        setAnswerText(r, slotOfRow(r).answer);
    if (m_settings.showRw == -1) {
        for (int r = 0; r < Rows; ++r)
            MarkAnswer(r);
    }
}

void QuizPage::setAnswerText(int r, const QString& text)
{
    QLineEdit* box = m_answers[size_t(r)];
    // The answer rule must run for every assignment, also one that leaves the text as it was.
    if (box->text() == text)
        answerChanged(r);
    else
        WordBoxFit::SetWholeText(box, text);
}

void QuizPage::answerChanged(int r)
{
    QLineEdit* box = m_answers[size_t(r)];
    const QString text = box->text();
    WordSlot& slot = slotOfRow(r);
    slot.answer = text;
    // Normal, then marked when colouring is on; only the end state is ever painted.
    if (m_settings.showRw == -1)
        MarkAnswer(r);
    else
        showNormal(r);
    const bool asksForWord = text.startsWith(kRevealMark) || text.endsWith(kRevealMark);
    if (asksForWord && text != slot.quizLearned && !m_revealing) {
        m_revealing = true;
        WordBoxFit::SetWholeText(box, slot.quizLearned); // a reveal is never cut
        m_revealing = false;
    }
}

void QuizPage::MarkAnswer(int r)
{
    QLineEdit* box = m_answers[size_t(r)];
    const WordSlot& slot = slotOfRow(r);
    const bool right = box->text() == slot.quizLearned;
    const QColor base = box->palette().color(QPalette::Base);
    const QColor colour = right ? AnswerColours::Right(base) : AnswerColours::Wrong(base);
    setAnswerColour(r, colour);
    // A blank row past the list's end asks nothing, so a tick there would only be noise; an
    // empty answer shows no colour, so it gets no cross either.
    const bool asksNothing =
        box->text().isEmpty() && slot.quizLearned.isEmpty() && slot.quizKnown.isEmpty();
    const Mark mark = asksNothing             ? Mark::None
                      : right                 ? Mark::Right
                      : box->text().isEmpty() ? Mark::Unanswered
                                              : Mark::Wrong;
    showMark(r, mark, colour);
}

QColor QuizPage::normalColour() const
{
    return palette().color(QPalette::WindowText);
}

void QuizPage::showNormal(int r)
{
    setAnswerColour(r, normalColour());
    showMark(r, Mark::None, QColor());
}

void QuizPage::showMark(int r, Mark mark, const QColor& colour)
{
    QAction* action = m_marks[size_t(r)];
    QLineEdit* box = m_answers[size_t(r)];
    if (mark == Mark::None || mark == Mark::Unanswered) {
        action->setVisible(false);
        box->setAccessibleDescription(mark == Mark::None ? QString() : tr("Inte besvarad ännu"));
        m_shownMarks[size_t(r)] = mark;
        return;
    }
    // Re-drawn only when it changes: marking runs at every keystroke.
    if (m_shownMarks[size_t(r)] != mark || m_markColours[size_t(r)] != colour) {
        action->setIcon(MarkIcon(mark == Mark::Right, colour));
        m_markColours[size_t(r)] = colour;
    }
    const QString meaning = mark == Mark::Right ? tr("Rätt") : tr("Fel");
    action->setText(meaning);
    box->setAccessibleDescription(meaning);
    action->setVisible(true);
    m_shownMarks[size_t(r)] = mark;
}

void QuizPage::updateAnswerNames()
{
    for (int r = 0; r < Rows; ++r) {
        const QString question = slotOfRow(r).quizKnown;
        const QString name = question.isEmpty() ? tr("Svar %1").arg(m_list.pageStart + r + 1)
                                                : tr("Svar på '%1'").arg(question);
        m_answers[size_t(r)]->setAccessibleName(name);
    }
}

void QuizPage::setAnswerColour(int r, const QColor& colour)
{
    QLineEdit* box = m_answers[size_t(r)];
    QPalette pal = box->palette();
    if (pal.color(QPalette::Text) == colour)
        return;
    pal.setColor(QPalette::Text, colour);
    box->setPalette(pal);
}

int QuizPage::LastQuizPage() const
{
    return PageCursor::LastPageOf(m_list.Length());
}

void QuizPage::QuizPageDown()
{
    const std::optional<int> next = PageCursor(m_quizLastPage).next(m_list.pageStart);
    if (!next) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart = *next;
    m_scroll->setValue(m_list.pageStart);
    ShowQuizPage();
}

void QuizPage::QuizPageUp()
{
    const std::optional<int> previous = PageCursor(m_quizLastPage).previous(m_list.pageStart);
    if (!previous) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart = *previous;
    m_scroll->setValue(m_list.pageStart);
    ShowQuizPage();
}

void QuizPage::scrollValueChanged(int value)
{
    const int v = PageCursor(m_scroll->maximum()).snap(value);
    m_scroll->setValue(v);
    m_list.pageStart = v;
    ShowQuizPage();
}

void QuizPage::ToggleShowRw()
{
    setColouring(m_settings.showRw == 0);
}

void QuizPage::setColouring(bool on)
{
    if ((m_settings.showRw != 0) == on)
        return;
    m_settings.showRw = on ? -1 : 0;
    for (int r = 0; r < Rows; ++r)
        showNormal(r);
    ShowQuizPage();
    Q_EMIT showRwChanged(m_settings.showRw);
}

void QuizPage::ApplyColumnFonts()
{
    for (int r = 0; r < Rows; ++r) {
        SetFont(m_answers[size_t(r)], m_settings.font1Name, m_settings.font1Size);
        SetFont(m_questions[size_t(r)], m_settings.font2Name, m_settings.font2Size);
    }
    fitRowHeights();
}

void QuizPage::fitRowHeights()
{
    const int pitch = Twips::toPixels(RowGrid::pitch);
    for (int r = 0; r < Rows; ++r) {
        WordBoxFit::FitLabel(m_questions[size_t(r)], Twips::toPixels(kQuestionHeight), pitch);
        WordBoxFit::FitBox(m_answers[size_t(r)], Twips::toPixels(RowGrid::boxHeight), pitch);
    }
}

void QuizPage::resetWordBoxFonts()
{
    for (int r = 0; r < Rows; ++r) {
        const int top = RowGrid::rowTop(r);
        QLabel* question = m_questions[size_t(r)];
        QLineEdit* answer = m_answers[size_t(r)];
        SetFont(question, DesignFont::name(), DesignFont::points);
        Twips::place(question, RowGrid::leftColumn, top, RowGrid::width, kQuestionHeight);
        SetFont(answer, DesignFont::name(), DesignFont::points);
        Twips::place(answer, RowGrid::rightColumn, top, RowGrid::width, RowGrid::boxHeight);
    }
    fitRowHeights();
}

bool QuizPage::eventFilter(QObject* watched, QEvent* event)
{
    // The labels keep a right click to themselves, so it does not reach the panel.
    const auto type = event->type();
    const bool mouseButton = type == QEvent::MouseButtonPress ||
                             type == QEvent::MouseButtonRelease ||
                             type == QEvent::MouseButtonDblClick;
    if (mouseButton && IsRightButton(event))
        return true;
    return QWidget::eventFilter(watched, event);
}
