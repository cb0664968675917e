#include "WordList.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A list with a word pair in each of the given slots.
WordList listWith(const QList<int>& filled)
{
    WordList list;
    for (int i : filled) {
        list[i].learned = u"l"_qs + QString::number(i);
        list[i].known = u"k"_qs + QString::number(i);
    }
    return list;
}

QList<int> range(int from, int to)
{
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out.append(i);
    return out;
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lengthRunsToTheLastFilledSlot_data();
    void lengthRunsToTheLastFilledSlot();
    void oneWordMakesASlotNonEmpty();
    void clearEmptiesEverySlot();
    void copyToQuizTakesTheEndingSlotToo();
    void fileTitleAndExistence();
    void snapToPage_data();
    void snapToPage();
};

void TestWordList::lengthRunsToTheLastFilledSlot_data()
{
    QTest::addColumn<QList<int>>("filled");
    QTest::addColumn<int>("length");

    QTest::newRow("empty") << QList<int>{} << 0;
    QTest::newRow("words after two empty slots") << QList<int>{2, 3, 50} << 51;
    QTest::newRow("dog, blank, blank, cat") << QList<int>{0, 3} << 4;
    QTest::newRow("one gap stays a blank pair") << QList<int>{0, 1, 2, 3, 4, 6} << 7;
    QTest::newRow("gap at the start") << QList<int>{1, 2} << 3;
    QTest::newRow("two empty slots stay blank pairs") << QList<int>{0, 1, 4, 5} << 6;
    QTest::newRow("full") << range(0, 99) << 100;
    QTest::newRow("gap before the last slot") << (range(0, 97) << 99) << 100;
    // Slot 100 is never reached by the editor; the scan stops before it whatever it holds.
    QTest::newRow("slot 100 filled by mistake") << range(0, 100) << 100;
}

void TestWordList::lengthRunsToTheLastFilledSlot()
{
    QFETCH(QList<int>, filled);
    QFETCH(int, length);
    QCOMPARE(listWith(filled).Length(), length);
}

void TestWordList::oneWordMakesASlotNonEmpty()
{
    WordList list;
    list[0].known = u"hund"_qs;
    list[1].learned = u"cat"_qs;
    list[2].answer = u"x"_qs;
    list[3].quizLearned = u"y"_qs;
    QCOMPARE(list.Length(), 2);
    list[1].learned.clear();
    QCOMPARE(list.Length(), 1);
}

void TestWordList::clearEmptiesEverySlot()
{
    WordList list = listWith({0, 1, 3, 7});
    list.heading = u"Kapitel 3"_qs;
    list.language1 = u"Engelska"_qs;
    list.filePath = u"/tmp/a.vkf"_qs;
    for (int i : {0, 3, 4, 7})
        list[i].answer = u"a"_qs + QString::number(i);
    list.CopyToQuiz();
    list[100].quizKnown = u"stale"_qs;
    list[60].answer = u"typed past the end"_qs;
    QCOMPARE(list.Length(), 8);

    list.ClearAnswers();
    list.Clear();
    for (int i = 0; i < WordList::SlotCount; ++i) {
        QVERIFY(list[i].isEmpty());
        QVERIFY(list[i].answer.isEmpty());
        QVERIFY(list[i].quizLearned.isEmpty());
        QVERIFY(list[i].quizKnown.isEmpty());
    }
    QCOMPARE(list.Length(), 0);
    QCOMPARE(list.heading, u"Kapitel 3"_qs);
    QCOMPARE(list.language1, u"Engelska"_qs);
    QCOMPARE(list.filePath, u"/tmp/a.vkf"_qs);
}

void TestWordList::copyToQuizTakesTheEndingSlotToo()
{
    WordList list = listWith({0, 1, 5});
    list[2].known = u"only known"_qs;
    list[3].quizKnown = u"old"_qs; // a blank pair inside the list
    list[6].quizKnown = u"old"_qs; // slot n, the empty one after the list
    list[7].quizKnown = u"older"_qs;
    list.CopyToQuiz();
    QCOMPARE(list[0].quizLearned, u"l0"_qs);
    QCOMPARE(list[2].quizKnown, u"only known"_qs);
    QCOMPARE(list[3].quizKnown, QString());
    QCOMPARE(list[5].quizLearned, u"l5"_qs); // after two empty slots, still in the list
    QCOMPARE(list[6].quizKnown, QString());
    QCOMPARE(list[7].quizKnown, u"older"_qs);

    WordList full = listWith(range(0, 99));
    full.CopyToQuiz();
    QCOMPARE(full[99].quizKnown, u"k99"_qs);
}

void TestWordList::fileTitleAndExistence()
{
    QCOMPARE(FileTitle(u"C:\\Ord\\tyska.vkf"_qs), u"tyska.vkf"_qs);
    QCOMPARE(FileTitle(u"/home/ola/ord/tyska.vkf"_qs), u"tyska.vkf"_qs);
    QCOMPARE(FileTitle(u"tyska.vkf"_qs), u"tyska.vkf"_qs);
    QCOMPARE(FileTitle(u"/home/ola/"_qs), QString());

    QTemporaryDir dir;
    const QString file = dir.filePath(u"a.vkf"_qs);
    QVERIFY(!FileExists(file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(FileExists(file));
    QVERIFY(!FileExists(dir.path()));
    QVERIFY(!FileExists(QString()));
    QVERIFY(!FileExists(file + u"/below"_qs));
}

void TestWordList::snapToPage_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("page");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("5") << 5 << 0;
    QTest::newRow("25") << 25 << 20;
    QTest::newRow("90") << 90 << 90;
    QTest::newRow("99") << 99 << 90;
}

void TestWordList::snapToPage()
{
    QFETCH(int, value);
    QFETCH(int, page);
    QCOMPARE(SnapToPage(value), page);
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
