#include "PrintLayout.h"
#include "TestSettings.h"
#include "WordList.h"

#include <QTest>

namespace {

QString Blanks(int n)
{
    return QString(n, u' ');
}

// pairs: learned, known, learned, known, ...
WordList MakeList(const QString& heading, const QStringList& pairs)
{
    WordList list;
    list.heading = heading;
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        list[i / 2].learned = pairs[i];
        list[i / 2].known = pairs[i + 1];
    }
    return list;
}

} // namespace

class PrintLayoutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lines_data();
    void lines();
    void fullListEndsAtSlot99();

private:
    TestSettings m_settings;
};

void PrintLayoutTest::lines_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("pairs");
    QTest::addColumn<QStringList>("expected");

    const QString w39(39, u'a');
    const QString w40(40, u'b');
    QTest::newRow("empty list") << QString() << QStringList() << QStringList{Blanks(40), " "};
    QTest::newRow("heading of 3 rounds 38.5 down")
        << "abc" << QStringList() << QStringList{Blanks(38) + "abc", " "};
    QTest::newRow("heading of 5 rounds 37.5 up")
        << "abcde" << QStringList() << QStringList{Blanks(38) + "abcde", " "};
    QTest::newRow("heading of 79 starts in column 1")
        << QString(79, u'h') << QStringList() << QStringList{QString(79, u'h'), " "};
    QTest::newRow("heading of 80 starts in column 1")
        << QString(80, u'h') << QStringList() << QStringList{QString(80, u'h'), " "};
    QTest::newRow("heading longer than a line")
        << QString(95, u'h') << QStringList() << QStringList{QString(95, u'h'), " "};
    QTest::newRow("learned of 39 keeps the pair on one line")
        << "" << QStringList{w39, "dog"} << QStringList{Blanks(40), " ", Blanks(8) + w39 + " dog"};
    QTest::newRow("learned of 40 splits the pair")
        << "" << QStringList{w40, "dog"}
        << QStringList{Blanks(40), " ", Blanks(8) + w40, Blanks(8) + "dog"};
    QTest::newRow("empty learned, one-letter known")
        << "" << QStringList{"", "x"} << QStringList{Blanks(40), " ", Blanks(48) + "x"};
    QTest::newRow("empty known keeps the trailing blanks")
        << "" << QStringList{"hund", ""}
        << QStringList{Blanks(40), " ", Blanks(8) + "hund" + Blanks(36)};
    QTest::newRow("blank pair inside the list prints as an empty line")
        << "" << QStringList{"hund", "dog", "", "", "katt", "cat"}
        << QStringList{Blanks(40), " ", Blanks(8) + "hund" + Blanks(36) + "dog", QString(),
                       Blanks(8) + "katt" + Blanks(36) + "cat"};
    QTest::newRow("two blank pairs stay in the list")
        << "" << QStringList{"hund", "dog", "", "", "", "", "katt", "cat"}
        << QStringList{Blanks(40), " ", Blanks(8) + "hund" + Blanks(36) + "dog",
                       "",         "",  Blanks(8) + "katt" + Blanks(36) + "cat"};
    QTest::newRow("a long known word is not cut")
        << "" << QStringList{"a", QString(50, u'k')}
        << QStringList{Blanks(40), " ", Blanks(8) + "a" + Blanks(39) + QString(50, u'k')};
    QTest::newRow("characters beyond the basic plane count once")
        << QStringLiteral("\U0001F600") << QStringList{QStringLiteral("\U0001F600"), "smile"}
        << QStringList{Blanks(40) + QStringLiteral("\U0001F600"), " ",
                       Blanks(8) + QStringLiteral("\U0001F600") + Blanks(39) + "smile"};
}

void PrintLayoutTest::lines()
{
    QFETCH(QString, heading);
    QFETCH(QStringList, pairs);
    QFETCH(QStringList, expected);
    QCOMPARE(PrintLines(MakeList(heading, pairs)), expected);
}

void PrintLayoutTest::fullListEndsAtSlot99()
{
    WordList list;
    for (int i = 0; i < WordList::MaxWords; ++i) {
        list[i].learned = QStringLiteral("w%1").arg(i);
        list[i].known = QStringLiteral("k%1").arg(i);
    }
    const QStringList lines = PrintLines(list);
    QCOMPARE(lines.size(), 2 + WordList::MaxWords);
    QCOMPARE(lines.last(), Blanks(8) + "w99" + Blanks(37) + "k99");
}

QTEST_GUILESS_MAIN(PrintLayoutTest)
#include "tst_printlayout.moc"
