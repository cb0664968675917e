#include "FakePrompter.h"
#include "Score.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WordList.h"

#include <QTest>

namespace {

void FillPairs(WordList& list, int pairs)
{
    for (int i = 0; i < pairs; ++i) {
        list[i].learned = QStringLiteral("ord%1").arg(i);
        list[i].known = QStringLiteral("word%1").arg(i);
    }
}

} // namespace

class TestScore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    void scan_data();
    void scan();
    void staleQuizCopyBeyondListIsScanned();
    void blankPairsInsideAreCounted();
    void messageText_data();
    void messageText();
    void countCorrectShowsInformationAndChangesNothing();
};

void TestScore::scan_data()
{
    QTest::addColumn<int>("pairs");
    QTest::addColumn<int>("blankSlot");   // emptied after filling; -1 for none
    QTest::addColumn<int>("exact");       // first slots answered with the word itself
    QTest::addColumn<QString>("variant"); // answer given to the next slot, wrong by a detail
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");

    QTest::newRow("7 of 12") << 12 << -1 << 7 << QString() << 7 << 12;
    QTest::newRow("letter case counts") << 3 << -1 << 1 << QStringLiteral("Ord1") << 1 << 3;
    QTest::newRow("trailing blank counts") << 3 << -1 << 1 << QStringLiteral("ord1 ") << 1 << 3;
    QTest::newRow("blank slot inside counts as right") << 10 << 5 << 5 << QString() << 6 << 10;
    QTest::newRow("99 pairs") << 99 << -1 << 99 << QString() << 99 << 99;
    QTest::newRow("100 pairs") << 100 << -1 << 100 << QString() << 100 << 100;
    QTest::newRow("no answers") << 4 << -1 << 0 << QString() << 0 << 4;
}

void TestScore::scan()
{
    QFETCH(int, pairs);
    QFETCH(int, blankSlot);
    QFETCH(int, exact);
    QFETCH(QString, variant);
    QFETCH(int, right);
    QFETCH(int, total);
    TestSettings settings;
    WordList list;
    FillPairs(list, pairs);
    if (blankSlot >= 0)
        list[blankSlot] = WordSlot();
    list.CopyToQuiz();
    for (int i = 0; i < exact; ++i)
        list[i].answer = list[i].quizLearned;
    if (!variant.isEmpty())
        list[exact].answer = variant;

    const Score score = CountCorrectScan(list);
    QCOMPARE(score.right, right);
    QCOMPARE(score.total, total);
}

void TestScore::staleQuizCopyBeyondListIsScanned()
{
    // The count follows the quiz copy, not the list: a copy that reaches past the list's end is
    // counted, which is why the quiz page never leaves one there.
    TestSettings settings;
    WordList list;
    FillPairs(list, 3);
    list.CopyToQuiz();
    list[4].quizLearned = QStringLiteral("gammal");
    list[4].quizKnown = QStringLiteral("old");
    const Score score = CountCorrectScan(list);
    QCOMPARE(score.total, 5);
    QCOMPARE(score.right, 1); // the blank slot 3 with its empty answer
}

void TestScore::blankPairsInsideAreCounted()
{
    // dog/hund, two blank pairs, cat/katt: the quiz asks four, and the blank ones are right.
    TestSettings settings;
    WordList list;
    list[0] = {QStringLiteral("dog"), QStringLiteral("hund"), {}, {}, {}};
    list[3] = {QStringLiteral("cat"), QStringLiteral("katt"), {}, {}, {}};
    list.CopyToQuiz();
    list[0].answer = QStringLiteral("dog");
    const Score score = CountCorrectScan(list);
    QCOMPARE(score.total, 4);
    QCOMPARE(score.right, 3);
    QCOMPARE(ScoreMessageText(score), QStringLiteral(" 3 rätt av  4"));
}

void TestScore::messageText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    QTest::newRow("sve") << QStringLiteral("sve") << 7 << 12 << QStringLiteral(" 7 rätt av  12")
                         << QStringLiteral("Antal rätt");
    QTest::newRow("eng") << QStringLiteral("eng") << 10 << 10
                         << QStringLiteral(" 10 correct of  10")
                         << QStringLiteral("Number of correct written words");
    QTest::newRow("fin") << QStringLiteral("fin") << 7 << 12
                         << QStringLiteral(" 7 oikein, 12 mahdollisesta.")
                         << QStringLiteral("Oikeinkirjoitettua sanaa");
    QTest::newRow("sve none right")
        << QStringLiteral("sve") << 0 << 100 << QStringLiteral(" 0 rätt av  100")
        << QStringLiteral("Antal rätt");
}

void TestScore::messageText()
{
    QFETCH(QString, language);
    QFETCH(int, right);
    QFETCH(int, total);
    QFETCH(QString, text);
    QFETCH(QString, title);
    TestSettings settings;
    QVERIFY(InstallInterfaceTranslator(language));
    QCOMPARE(ScoreMessageText(Score{right, total}), text);
    QCOMPARE(ScoreMessageTitle(), title);
}

void TestScore::countCorrectShowsInformationAndChangesNothing()
{
    TestSettings settings;
    QVERIFY(InstallInterfaceTranslator(QStringLiteral("eng")));
    WordList list;
    FillPairs(list, 10);
    list[5] = WordSlot();
    list.CopyToQuiz();
    for (int i = 0; i < 10; ++i) {
        if (i != 5)
            list[i].answer = list[i].quizLearned;
    }
    list[2].answer = QStringLiteral("ORD2");
    FakePrompter prompter;

    CountCorrect(list, prompter);

    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].text, QStringLiteral(" 9 correct of  10"));
    QCOMPARE(prompter.messages[0].title, QStringLiteral("Number of correct written words"));
    QCOMPARE(prompter.messages[0].flags, 0x40);
    QCOMPARE(list[2].answer, QStringLiteral("ORD2"));
    QCOMPARE(list.changed, 0);
}

QTEST_GUILESS_MAIN(TestScore)
#include "tst_score.moc"
