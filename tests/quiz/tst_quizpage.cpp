#include "AnswerColours.h"
#include "FakePrompter.h"
#include "ProgramSettings.h"
#include "QuizPage.h"
#include "Score.h"
#include "TestSettings.h"
#include "Translation.h"
#include "Twips.h"
#include "WordList.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

void FillPairs(WordList& list, int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        list[i].learned = QStringLiteral("ord%1").arg(i);
        list[i].known = QStringLiteral("word%1").arg(i);
    }
}

// A quiz page on a shown, active window, over a list of numbered pairs.
struct Quiz
{
    TestSettings settings;
    WordList list;
    ProgramSettings program;
    FakePrompter prompter;
    QWidget window;
    QuizPage* page = nullptr;

    explicit Quiz(int pairs)
    {
        FillPairs(list, pairs);
        page = new QuizPage(list, program, prompter, &window);
        page->move(0, Twips::toPixels(735));
        window.resize(Twips::toPixels(9570), Twips::toPixels(735 + 4305));
        page->hide();
    }
    bool start()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        page->enter();
        return page->isVisible();
    }
    QLineEdit* t(int r) const { return page->findChild<QLineEdit*>(QStringLiteral("t%1").arg(r)); }
    QLabel* v(int r) const { return page->findChild<QLabel*>(QStringLiteral("v%1").arg(r)); }
    QLabel* label(const char* name) const { return page->findChild<QLabel*>(QLatin1String(name)); }
    QScrollBar* scroll() const
    {
        return page->findChild<QScrollBar*>(QStringLiteral("forhorvisare"));
    }
    QColor colour(int r) const { return t(r)->palette().color(QPalette::Text); }
    QColor normal() const { return page->palette().color(QPalette::WindowText); }
    void gotoPage(int start)
    {
        while (list.pageStart < start)
            page->QuizPageDown();
    }
};

const QColor kGreen(0, 128, 0);
const QColor kRed(192, 0, 0);

} // namespace

class TestQuizPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    void layoutAndCaptions();
    void pagesOfTwentyThreePairs();
    void keyboard_data();
    void keyboard();
    void colouring_data();
    void colouring();
    void toggleShowRw();
    void setColouringIsIdempotent();
    void questionsShowAmpersandsAsTheyStand_data();
    void questionsShowAmpersandsAsTheyStand();
    void emptyAnswerHasNoMark_data();
    void emptyAnswerHasNoMark();
    void questionLabelsHoldMarksAbove_data();
    void questionLabelsHoldMarksAbove();
    void reveal_data();
    void reveal();
    void revealTypedAndPasted();
    void emptyAnswerBelowListEnd();
    void answersKeptAfterLeavingAndEntering();
    void restartEmptiesAnswers();
    void quizCopyEndsWithTheList();
    void emptyListRefused_data();
    void emptyListRefused();
    void rightButtonAsksForEditMenu();
    void columnFonts();
    void marksNeedNoColourVision();
    void darkBoxesGetReadableColours();
};

void TestQuizPage::layoutAndCaptions()
{
    Quiz quiz(3);
    quiz.list.heading = QStringLiteral("<b>Tyska</b>");
    quiz.list.language1 = QStringLiteral("Tyska");
    quiz.list.language2 = QStringLiteral("Svenska");
    QVERIFY(quiz.start());

    QCOMPARE(quiz.page->objectName(), QStringLiteral("forhor"));
    QCOMPARE(quiz.t(3)->geometry(), Twips::rect(4680, 720 + 3 * 360, 4455, 285));
    QCOMPARE(quiz.v(9)->geometry(), Twips::rect(120, 720 + 9 * 360, 4455, 255));
    QCOMPARE(quiz.label("forhorru")->geometry(), Twips::rect(1680, 240, 6135, 495));
    QCOMPARE(quiz.scroll()->geometry().topLeft(), Twips::rect(9240, 720, 0, 0).topLeft());
    QCOMPARE(quiz.scroll()->height(), Twips::toPixels(3495));

    QCOMPARE(quiz.label("forhorru")->text(), quiz.list.heading);
    QCOMPARE(quiz.label("forhorru")->textFormat(), Qt::PlainText); // a heading is not markup
    QCOMPARE(quiz.label("l1visa")->text(), QStringLiteral("Tyska"));
    QCOMPARE(quiz.label("l2visa")->text(), QStringLiteral("Svenska"));
    QCOMPARE(quiz.v(0)->text(), QStringLiteral("word0"));
    QCOMPARE(quiz.v(2)->text(), QStringLiteral("word2"));
    QCOMPARE(quiz.v(3)->text(), QString());
    QVERIFY(quiz.t(0)->hasFocus());
}

void TestQuizPage::pagesOfTwentyThreePairs()
{
    Quiz quiz(23);
    QVERIFY(quiz.start());
    QCOMPARE(quiz.page->LastQuizPage(), 20);
    QCOMPARE(quiz.scroll()->maximum(), 20);
    QCOMPARE(quiz.scroll()->value(), 0);

    // A dragged value snaps to its page.
    quiz.scroll()->setValue(15);
    QCOMPARE(quiz.scroll()->value(), 10);
    QCOMPARE(quiz.list.pageStart, 10);
    QCOMPARE(quiz.v(0)->text(), QStringLiteral("word10"));

    quiz.page->QuizPageDown();
    QCOMPARE(quiz.list.pageStart, 20);
    QCOMPARE(quiz.scroll()->value(), 20);
    QCOMPARE(quiz.v(2)->text(), QStringLiteral("word22"));
    for (int r = 3; r < 10; ++r)
        QCOMPARE(quiz.v(r)->text(), QString());
    QCOMPARE(quiz.prompter.beeps, 0);

    quiz.page->QuizPageDown();
    QCOMPARE(quiz.list.pageStart, 20);
    QCOMPARE(quiz.prompter.beeps, 1);

    quiz.gotoPage(0);
    quiz.scroll()->setValue(0);
    QCOMPARE(quiz.v(0)->text(), QStringLiteral("word0"));
    quiz.page->QuizPageUp();
    QCOMPARE(quiz.list.pageStart, 0);
    QCOMPARE(quiz.prompter.beeps, 2);
}

void TestQuizPage::keyboard_data()
{
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focusRow");
    QTest::addColumn<int>("pageAfter");
    QTest::addColumn<int>("beeps");

    QTest::newRow("Enter in t3") << 23 << 0 << 3 << int(Qt::Key_Return) << 4 << 0 << 0;
    QTest::newRow("keypad Enter in t0") << 23 << 0 << 0 << int(Qt::Key_Enter) << 1 << 0 << 0;
    QTest::newRow("Down in t3") << 23 << 0 << 3 << int(Qt::Key_Down) << 4 << 0 << 0;
    QTest::newRow("Up in t3") << 23 << 0 << 3 << int(Qt::Key_Up) << 2 << 0 << 0;
    QTest::newRow("Up in t9") << 23 << 0 << 9 << int(Qt::Key_Up) << 8 << 0 << 0;
    QTest::newRow("Enter in t9 turns the page")
        << 23 << 0 << 9 << int(Qt::Key_Return) << 0 << 10 << 0;
    QTest::newRow("Down in t9 turns the page")
        << 23 << 10 << 9 << int(Qt::Key_Down) << 0 << 20 << 0;
    QTest::newRow("Down in t9 on the last page")
        << 23 << 20 << 9 << int(Qt::Key_Down) << 0 << 20 << 1;
    QTest::newRow("Enter in t9 of 10 pairs") << 10 << 0 << 9 << int(Qt::Key_Return) << 0 << 0 << 1;
    QTest::newRow("Up in t0 turns back") << 23 << 10 << 0 << int(Qt::Key_Up) << 9 << 0 << 0;
    QTest::newRow("Up in t0 on the first page") << 23 << 0 << 0 << int(Qt::Key_Up) << 0 << 0 << 1;
    // Page Up and Page Down turn as the scroll bar does: the focus stays, the ends are silent.
    QTest::newRow("Page Down in t3") << 23 << 0 << 3 << int(Qt::Key_PageDown) << 3 << 10 << 0;
    QTest::newRow("Page Up in t5") << 23 << 20 << 5 << int(Qt::Key_PageUp) << 5 << 10 << 0;
    QTest::newRow("Page Down on the last page")
        << 23 << 20 << 7 << int(Qt::Key_PageDown) << 7 << 20 << 0;
    QTest::newRow("Page Up on the first page")
        << 23 << 0 << 0 << int(Qt::Key_PageUp) << 0 << 0 << 0;
}

void TestQuizPage::keyboard()
{
    QFETCH(int, pairs);
    QFETCH(int, page);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, focusRow);
    QFETCH(int, pageAfter);
    QFETCH(int, beeps);
    Quiz quiz(pairs);
    QVERIFY(quiz.start());
    quiz.gotoPage(page);
    QCOMPARE(quiz.list.pageStart, page);
    quiz.t(row)->setFocus();
    QTRY_VERIFY(quiz.t(row)->hasFocus());
    QSignalSpy returned(quiz.t(row), &QLineEdit::returnPressed);

    QTest::keyClick(quiz.t(row), Qt::Key(key));

    QVERIFY(quiz.t(focusRow)->hasFocus());
    QCOMPARE(quiz.list.pageStart, pageAfter);
    QCOMPARE(quiz.v(0)->text(), QStringLiteral("word%1").arg(pageAfter));
    QCOMPARE(quiz.prompter.beeps, beeps);
    QCOMPARE(returned.count(), 0); // Enter never reaches the box
}

void TestQuizPage::colouring_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("exact") << QStringLiteral("ord0") << kGreen;
    QTest::newRow("letter case differs") << QStringLiteral("Ord0") << kRed;
    QTest::newRow("trailing blank") << QStringLiteral("ord0 ") << kRed;
    QTest::newRow("leading blank") << QStringLiteral(" ord0") << kRed;
    QTest::newRow("part of the word") << QStringLiteral("ord") << kRed;
}

void TestQuizPage::colouring()
{
    QFETCH(QString, typed);
    QFETCH(QColor, colour);
    Quiz quiz(5);
    quiz.program.showRw = -1;
    QVERIFY(quiz.start());
    QCOMPARE(quiz.colour(0), kRed); // an empty answer to a filled pair

    QTest::keyClicks(quiz.t(0), typed);

    QCOMPARE(quiz.list[0].answer, typed);
    QCOMPARE(quiz.colour(0), colour);
}

void TestQuizPage::toggleShowRw()
{
    Quiz quiz(5);
    QVERIFY(quiz.start());
    QSignalSpy toggled(quiz.page, &QuizPage::showRwChanged);
    QTest::keyClicks(quiz.t(0), QStringLiteral("ord0"));
    QTest::keyClicks(quiz.t(1), QStringLiteral("fel"));
    QCOMPARE(quiz.colour(0), quiz.normal());
    QCOMPARE(quiz.colour(1), quiz.normal());

    quiz.page->ToggleShowRw();
    QCOMPARE(quiz.program.showRw, -1);
    QCOMPARE(quiz.colour(0), kGreen);
    QCOMPARE(quiz.colour(1), kRed);

    quiz.page->ToggleShowRw();
    QCOMPARE(quiz.program.showRw, 0);
    QCOMPARE(quiz.colour(0), quiz.normal());
    QCOMPARE(quiz.colour(1), quiz.normal());
    QCOMPARE(toggled.count(), 2);
    QCOMPARE(toggled.at(0).at(0).toInt(), -1);
    QCOMPARE(toggled.at(1).at(0).toInt(), 0);
}

void TestQuizPage::setColouringIsIdempotent()
{
    Quiz quiz(5);
    QVERIFY(quiz.start());
    QSignalSpy changed(quiz.page, &QuizPage::showRwChanged);
    quiz.page->setColouring(false);
    QCOMPARE(changed.count(), 0);
    quiz.page->setColouring(true);
    quiz.page->setColouring(true);
    QCOMPARE(quiz.program.showRw, -1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(quiz.colour(0), kRed);
    quiz.page->setColouring(false);
    QCOMPARE(quiz.program.showRw, 0);
    QCOMPARE(quiz.colour(0), quiz.normal());
    QCOMPARE(changed.count(), 2);
}

void TestQuizPage::questionsShowAmpersandsAsTheyStand_data()
{
    QTest::addColumn<QString>("question");
    QTest::newRow("lone ampersand") << QStringLiteral("salt & pepper");
    QTest::newRow("doubled") << QStringLiteral("R&&D");
    QTest::newRow("before a letter") << QStringLiteral("&x");
}

void TestQuizPage::questionsShowAmpersandsAsTheyStand()
{
    QFETCH(QString, question);
    Quiz quiz(3);
    quiz.list[1].known = question;
    QVERIFY(quiz.start());
    QLabel* label = quiz.v(1);

    // Drawn exactly as a label with no access key would draw the text.
    QLabel plain(question);
    plain.setTextFormat(Qt::PlainText);
    plain.setFont(label->font());
    plain.setPalette(label->palette());
    plain.setAutoFillBackground(true);
    plain.setBackgroundRole(QPalette::Base);
    plain.resize(label->size());
    QCOMPARE(label->grab().toImage(), plain.grab().toImage());

    // Published as it stands, and still the label of its answer box.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(shown->text(QAccessible::Name), question);
    QAccessibleInterface* answer = QAccessible::queryAccessibleInterface(quiz.t(1));
    bool labelled = false;
    for (const auto& [other, relation] : answer->relations(QAccessible::Label))
        labelled = labelled || other->object() == label;
    QVERIFY(labelled);
    QCOMPARE(quiz.t(1)->accessibleName(), QStringLiteral("Svar på '%1'").arg(question));
}

void TestQuizPage::emptyAnswerHasNoMark_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QString>("description");
    QTest::newRow("sve") << "sve" << QStringLiteral("Inte besvarad ännu");
    QTest::newRow("eng") << "eng" << QStringLiteral("Not answered yet");
    QTest::newRow("fin") << "fin" << QStringLiteral("Ei vielä vastattu");
}

void TestQuizPage::emptyAnswerHasNoMark()
{
    QFETCH(QString, ui);
    QFETCH(QString, description);
    InstallInterfaceTranslator(ui);
    Quiz quiz(5);
    quiz.program.showRw = -1;
    QVERIFY(quiz.start());
    const auto mark = [&](int r) {
        return quiz.t(r)->findChild<QAction*>(QStringLiteral("mark%1").arg(r));
    };
    QTest::keyClicks(quiz.t(1), QStringLiteral("fel"));
    QVERIFY(!mark(0)->isVisible());
    QCOMPARE(quiz.t(0)->accessibleDescription(), description);
    QVERIFY(mark(1)->isVisible());

    // Typed and emptied again: the cross goes with the text.
    quiz.t(1)->clear();
    QVERIFY(!mark(1)->isVisible());
    QCOMPARE(quiz.t(1)->accessibleDescription(), description);
    // Rows past the list's end ask nothing and say nothing.
    QCOMPARE(quiz.t(7)->accessibleDescription(), QString());
    // The count is as before: an empty answer is not right.
    QCOMPARE(CountCorrectScan(quiz.list).right, 0);
    QCOMPARE(CountCorrectScan(quiz.list).total, 5);
}

void TestQuizPage::questionLabelsHoldMarksAbove_data()
{
    QTest::addColumn<int>("points");
    for (int points : {8, 9, 10, 11, 12})
        QTest::addRow("%d pt", points) << points;
}

void TestQuizPage::questionLabelsHoldMarksAbove()
{
    QFETCH(int, points);
    const QString text = QStringLiteral("ÅÉgjpqy");
    Quiz quiz(3);
    quiz.list[0].known = text;
    quiz.program.font2Name = QStringLiteral("DejaVu Sans");
    quiz.program.font2Size = points;
    QVERIFY(quiz.start());
    QLabel* label = quiz.v(0);
    QCOMPARE(label->text(), text);

    const QImage image = label->grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                ink |= QRect(x, y, 1, 1);
    QVERIFY(!ink.isEmpty());
    // A pixel clear of the top and the bottom, and nothing cut.
    QVERIFY2(ink.top() >= 1 && ink.bottom() <= image.height() - 2,
             qPrintable(QStringLiteral("ink %1..%2 in %3")
                            .arg(ink.top())
                            .arg(ink.bottom())
                            .arg(image.height())));
    QImage free(400, 200, QImage::Format_RGB32);
    free.fill(Qt::white);
    QPainter painter(&free);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 100), text);
    painter.end();
    QRect freeInk;
    for (int y = 0; y < free.height(); ++y)
        for (int x = 0; x < free.width(); ++x)
            if (qGray(free.pixel(x, y)) < 96)
                freeInk |= QRect(x, y, 1, 1);
    QCOMPARE(ink.height(), freeInk.height());
    QVERIFY(label->geometry().bottom() < quiz.v(1)->geometry().top());
}

void TestQuizPage::reveal_data()
{
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("changes"); // text changes of the box, the reveal included

    QTest::newRow("alone") << QStringLiteral("hund") << QStringLiteral("???")
                           << QStringLiteral("hund") << 2;
    QTest::newRow("at the start") << QStringLiteral("hund") << QStringLiteral("???hu")
                                  << QStringLiteral("hund") << 2;
    QTest::newRow("at the end") << QStringLiteral("hund") << QStringLiteral("hu???")
                                << QStringLiteral("hund") << 2;
    QTest::newRow("four marks") << QStringLiteral("hund") << QStringLiteral("????")
                                << QStringLiteral("hund") << 2;
    QTest::newRow("in the middle")
        << QStringLiteral("hund") << QStringLiteral("h???d") << QStringLiteral("h???d") << 1;
    QTest::newRow("two marks") << QStringLiteral("hund") << QStringLiteral("??")
                               << QStringLiteral("??") << 1;
    QTest::newRow("right word starts with marks")
        << QStringLiteral("???hund") << QStringLiteral("???") << QStringLiteral("???hund") << 2;
    QTest::newRow("right word ends with marks")
        << QStringLiteral("hund???") << QStringLiteral("x???") << QStringLiteral("hund???") << 2;
}

void TestQuizPage::reveal()
{
    QFETCH(QString, right);
    QFETCH(QString, entered);
    QFETCH(QString, shown);
    QFETCH(int, changes);
    Quiz quiz(3);
    quiz.list[1].learned = right;
    quiz.program.showRw = -1;
    QVERIFY(quiz.start());
    QSignalSpy changed(quiz.t(1), &QLineEdit::textChanged);

    quiz.t(1)->setText(entered);

    QCOMPARE(quiz.t(1)->text(), shown);
    QCOMPARE(quiz.list[1].answer, shown);
    QCOMPARE(changed.count(), changes);
    QCOMPARE(quiz.colour(1), shown == right ? kGreen : kRed);
}

void TestQuizPage::revealTypedAndPasted()
{
    Quiz quiz(3);
    QVERIFY(quiz.start());
    QTest::keyClicks(quiz.t(0), QStringLiteral("??"));
    QCOMPARE(quiz.t(0)->text(), QStringLiteral("??"));
    QTest::keyClicks(quiz.t(0), QStringLiteral("?"));
    QCOMPARE(quiz.t(0)->text(), QStringLiteral("ord0"));

    QGuiApplication::clipboard()->setText(QStringLiteral("???"));
    quiz.t(1)->setFocus();
    quiz.t(1)->paste();
    QCOMPARE(quiz.t(1)->text(), QStringLiteral("ord1"));
    QCOMPARE(quiz.list[1].answer, QStringLiteral("ord1"));
    QCOMPARE(CountCorrectScan(quiz.list).right, 2);
}

void TestQuizPage::emptyAnswerBelowListEnd()
{
    Quiz quiz(5);
    quiz.list[2] = WordSlot(); // a blank pair inside the list
    quiz.program.showRw = -1;
    QVERIFY(quiz.start());
    QCOMPARE(quiz.colour(2), kGreen);
    QCOMPARE(quiz.colour(7), kGreen);
    // A blank row asks nothing: no tick and no "right" for a screen reader, only for answers.
    const auto markShown = [&](int r) {
        return quiz.t(r)->findChild<QAction*>(QStringLiteral("mark%1").arg(r))->isVisible();
    };
    // An empty answer to a pair has no colour to show, so no cross either.
    QVERIFY(!markShown(0));
    QCOMPARE(quiz.t(0)->accessibleDescription(), QStringLiteral("Inte besvarad ännu"));
    QVERIFY(!markShown(2) && !markShown(7));
    QVERIFY(quiz.t(7)->accessibleDescription().isEmpty());

    QTest::keyClicks(quiz.t(7), QStringLiteral("x"));
    QCOMPARE(quiz.colour(7), kRed);
    QVERIFY(markShown(7));
    QCOMPARE(quiz.t(7)->accessibleDescription(), QStringLiteral("Fel"));
    QTest::keyClick(quiz.t(7), Qt::Key_Backspace);
    QCOMPARE(quiz.colour(7), kGreen);
    QVERIFY(!markShown(7));
}

void TestQuizPage::answersKeptAfterLeavingAndEntering()
{
    Quiz quiz(15);
    QVERIFY(quiz.start());
    QTest::keyClicks(quiz.t(0), QStringLiteral("ord0"));
    quiz.page->QuizPageDown();
    QTest::keyClicks(quiz.t(2), QStringLiteral("svar"));
    QCOMPARE(quiz.list[12].answer, QStringLiteral("svar"));

    quiz.page->leave();
    QVERIFY(!quiz.page->isVisible());
    quiz.list.pageStart = 30; // the editor shares the page start
    quiz.page->enter();

    QCOMPARE(quiz.list.pageStart, 0);
    QCOMPARE(quiz.scroll()->value(), 0);
    QCOMPARE(quiz.t(0)->text(), QStringLiteral("ord0"));
    QCOMPARE(quiz.t(2)->text(), QString());
    quiz.page->QuizPageDown();
    QCOMPARE(quiz.t(2)->text(), QStringLiteral("svar"));
    QCOMPARE(quiz.list.changed, 0); // answers are not edits of the list
}

void TestQuizPage::restartEmptiesAnswers()
{
    Quiz quiz(23);
    QVERIFY(quiz.start());
    QTest::keyClicks(quiz.t(0), QStringLiteral("ord0"));
    quiz.gotoPage(20);
    QTest::keyClicks(quiz.t(1), QStringLiteral("ord21"));
    QTest::keyClicks(quiz.t(6), QStringLiteral("below the end"));
    quiz.list[4].learned = QStringLiteral("ny"); // the copy is taken again

    quiz.page->restart();

    QCOMPARE(quiz.list.pageStart, 0);
    QCOMPARE(quiz.scroll()->value(), 0);
    QCOMPARE(quiz.t(0)->text(), QString());
    QCOMPARE(quiz.list[4].quizLearned, QStringLiteral("ny"));
    for (int i = 0; i < WordList::SlotCount; ++i)
        QVERIFY2(quiz.list[i].answer.isEmpty(), qPrintable(QString::number(i)));
    quiz.gotoPage(20);
    QCOMPARE(quiz.t(6)->text(), QString());
}

void TestQuizPage::quizCopyEndsWithTheList()
{
    // A quiz on 30 pairs, then the learner empties slots 3 to 29: the list now ends at 3.
    Quiz quiz(30);
    quiz.program.showRw = -1;
    QVERIFY(quiz.start());
    quiz.page->leave();
    for (int i = 3; i < 30; ++i)
        quiz.list[i] = WordSlot();
    quiz.page->enter();

    QCOMPARE(quiz.scroll()->maximum(), 0);
    QCOMPARE(quiz.v(5)->text(), QString());
    QCOMPARE(quiz.colour(5), kGreen);
    QCOMPARE(CountCorrectScan(quiz.list).total, 3);
}

void TestQuizPage::emptyListRefused_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text"); // empty: no message

    QTest::newRow("sve") << QStringLiteral("sve")
                         << QStringLiteral("Du har inte öppnat en ordlista eller skrivit in några "
                                           "ord som du kan bli förhörd på.");
    QTest::newRow("eng") << QStringLiteral("eng")
                         << QStringLiteral("You have not opened a wordlist or written in any "
                                           "words which you can learn.");
    QTest::newRow("fin") << QStringLiteral("fin")
                         << QStringLiteral("Et ole avannut sanalistaa tai kirjoittanut sananoja "
                                           "joita voit kuulustella.");
    QTest::newRow("other language") << QStringLiteral("deu") << QString();
}

void TestQuizPage::emptyListRefused()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    Quiz quiz(0);
    // An answer or a quiz copy alone does not make a slot part of the list.
    quiz.list[2].answer = QStringLiteral("ord2");
    quiz.list[3].quizKnown = QStringLiteral("word3");
    quiz.program.uiLanguage = language;
    InstallInterfaceTranslator(language);

    QVERIFY(quiz.page->refuseEmptyList());
    if (text.isEmpty()) {
        QVERIFY(quiz.prompter.messages.isEmpty());
    } else {
        QCOMPARE(quiz.prompter.messages.size(), 1);
        QCOMPARE(quiz.prompter.messages[0].text, text);
        QCOMPARE(quiz.prompter.messages[0].title, QString());
        QCOMPARE(quiz.prompter.messages[0].flags, 0x30);
    }

    quiz.list[0].known = QStringLiteral("word0");
    quiz.prompter.clear();
    QVERIFY(!quiz.page->refuseEmptyList());
    QVERIFY(quiz.prompter.messages.isEmpty());
}

void TestQuizPage::rightButtonAsksForEditMenu()
{
    Quiz quiz(3);
    QVERIFY(quiz.start());
    QSignalSpy asked(quiz.page, &QuizPage::editMenuRequested);

    QTest::mouseClick(quiz.t(3), Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(asked.count(), 1);
    QCOMPARE(asked.at(0).at(0).toPoint(), quiz.t(3)->mapToGlobal(QPoint(5, 5)));

    QTest::mouseClick(quiz.v(3), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(quiz.label("forhorru"), Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseClick(quiz.t(3), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(asked.count(), 1);

    QTest::mouseClick(quiz.page, Qt::RightButton, {}, QPoint(3, 3)); // bare panel
    QCOMPARE(asked.count(), 2);
}

void TestQuizPage::columnFonts()
{
    Quiz quiz(3);
    quiz.program.font1Name = QStringLiteral("DejaVu Serif");
    quiz.program.font1Size = 14;
    quiz.program.font2Name = QStringLiteral("DejaVu Sans");
    quiz.program.font2Size = 11;
    QCOMPARE(quiz.t(0)->font().family(), QStringLiteral("MS Sans Serif"));
    QVERIFY(quiz.start());

    for (int r : {0, 9}) {
        QCOMPARE(quiz.t(r)->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(quiz.t(r)->font().pointSize(), 14);
        QCOMPARE(quiz.v(r)->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(quiz.v(r)->font().pointSize(), 11);
    }
    // A 14-point line needs more than the designed height: the box grows down, short of the
    // next row's place.
    const QRect designed = Twips::rect(4680, 720 + 9 * 360, 4455, 285);
    QCOMPARE(quiz.t(9)->geometry().topLeft(), designed.topLeft());
    QCOMPARE(quiz.t(9)->width(), designed.width());
    QVERIFY(quiz.t(9)->height() > designed.height());
    QVERIFY(quiz.t(9)->height() < Twips::toPixels(360));
    QVERIFY(quiz.v(8)->geometry().bottom() < quiz.v(9)->geometry().top());

    quiz.page->resetWordBoxFonts();
    for (QWidget* box : {static_cast<QWidget*>(quiz.t(4)), static_cast<QWidget*>(quiz.v(4))}) {
        QCOMPARE(box->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(box->font().pointSizeF(), 8.25);
    }
    QCOMPARE(quiz.v(4)->geometry(), Twips::rect(120, 720 + 4 * 360, 4455, 255));
    QCOMPARE(quiz.t(4)->geometry(), Twips::rect(4680, 720 + 4 * 360, 4455, 285));
}

void TestQuizPage::marksNeedNoColourVision()
{
    Quiz quiz(5);
    QVERIFY(quiz.start());
    QTest::keyClicks(quiz.t(0), QStringLiteral("ord0"));
    QTest::keyClicks(quiz.t(1), QStringLiteral("fel"));
    const auto mark = [&](int r) {
        return quiz.t(r)->findChild<QAction*>(QStringLiteral("mark%1").arg(r));
    };
    QVERIFY(mark(0) && !mark(0)->isVisible());
    QVERIFY(quiz.t(0)->accessibleDescription().isEmpty());

    quiz.page->ToggleShowRw();
    QVERIFY(mark(0)->isVisible() && mark(1)->isVisible());
    QCOMPARE(quiz.t(0)->accessibleDescription(), QStringLiteral("Rätt"));
    QCOMPARE(quiz.t(1)->accessibleDescription(), QStringLiteral("Fel"));
    // A tick and a cross: they differ in shape, not only in colour.
    const QImage tick = mark(0)->icon().pixmap(16, 16).toImage();
    const QImage cross = mark(1)->icon().pixmap(16, 16).toImage();
    QVERIFY(!tick.isNull() && !cross.isNull());
    QVERIFY(tick.createAlphaMask() != cross.createAlphaMask());

    // Correcting the answer turns its cross into a tick at once.
    quiz.t(1)->setText(QStringLiteral("ord1"));
    QCOMPARE(quiz.t(1)->accessibleDescription(), QStringLiteral("Rätt"));
    QCOMPARE(mark(1)->icon().pixmap(16, 16).toImage().createAlphaMask(), tick.createAlphaMask());

    quiz.page->ToggleShowRw();
    QVERIFY(!mark(0)->isVisible() && !mark(1)->isVisible());
    QVERIFY(quiz.t(1)->accessibleDescription().isEmpty());
}

void TestQuizPage::darkBoxesGetReadableColours()
{
    Quiz quiz(5);
    QPalette dark = quiz.window.palette();
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    quiz.window.setPalette(dark);
    QVERIFY(quiz.start());
    QTest::keyClicks(quiz.t(0), QStringLiteral("ord0"));
    QTest::keyClicks(quiz.t(1), QStringLiteral("fel"));
    quiz.page->ToggleShowRw();
    const QColor base(45, 45, 45);
    QCOMPARE(quiz.t(0)->palette().color(QPalette::Base), base);
    QCOMPARE(quiz.colour(0), AnswerColours::Right(base));
    QCOMPARE(quiz.colour(1), AnswerColours::Wrong(base));
    QVERIFY(AnswerColours::Contrast(quiz.colour(0), base) >= 4.5);
    QVERIFY(AnswerColours::Contrast(quiz.colour(1), base) >= 4.5);
    QVERIFY(quiz.colour(0) != kGreen && quiz.colour(1) != kRed);
}

QTEST_MAIN(TestQuizPage)
#include "tst_quizpage.moc"
