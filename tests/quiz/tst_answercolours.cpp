#include "AnswerColours.h"

#include <QTest>

class TestAnswerColours : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void contrastOfKnownPairs();
    void lightBaseKeepsTheDesignedColours_data();
    void lightBaseKeepsTheDesignedColours();
    void darkBaseLightensJustEnough_data();
    void darkBaseLightensJustEnough();
};

void TestAnswerColours::contrastOfKnownPairs()
{
    QCOMPARE(qRound(AnswerColours::Contrast(Qt::black, Qt::white) * 100), 2100);
    QCOMPARE(qRound(AnswerColours::Contrast(Qt::white, Qt::black) * 100), 2100);
    QCOMPARE(AnswerColours::Contrast(QColor(10, 20, 30), QColor(10, 20, 30)), 1.0);
    // The designed green on white, as WCAG's formula gives it.
    QCOMPARE(qRound(AnswerColours::Contrast(QColor(0, 128, 0), Qt::white) * 100), 514);
}

void TestAnswerColours::lightBaseKeepsTheDesignedColours_data()
{
    QTest::addColumn<QColor>("base");
    QTest::newRow("white") << QColor(255, 255, 255);
    QTest::newRow("cream") << QColor(255, 250, 230);
    QTest::newRow("light grey") << QColor(200, 200, 200);
}

void TestAnswerColours::lightBaseKeepsTheDesignedColours()
{
    QFETCH(QColor, base);
    QVERIFY(AnswerColours::IsLight(base));
    QCOMPARE(AnswerColours::Right(base), QColor(0, 128, 0));
    QCOMPARE(AnswerColours::Wrong(base), QColor(192, 0, 0));
}

void TestAnswerColours::darkBaseLightensJustEnough_data()
{
    QTest::addColumn<QColor>("base");
    QTest::newRow("black") << QColor(0, 0, 0);
    QTest::newRow("Fusion dark") << QColor(42, 42, 42);
    QTest::newRow("Adwaita-dark") << QColor(45, 45, 45);
    QTest::newRow("Breeze dark") << QColor(27, 30, 32);
    QTest::newRow("dark blue") << QColor(20, 30, 70);
    QTest::newRow("mid grey") << QColor(100, 100, 100);
}

void TestAnswerColours::darkBaseLightensJustEnough()
{
    QFETCH(QColor, base);
    QVERIFY(!AnswerColours::IsLight(base));
    const QColor right = AnswerColours::Right(base);
    const QColor wrong = AnswerColours::Wrong(base);
    for (const QColor& c : {right, wrong}) {
        QVERIFY2(AnswerColours::Contrast(c, base) >= AnswerColours::kMinimumContrast,
                 qPrintable(c.name()));
        // Lightened no further than reading needs: not washed out towards white.
        QVERIFY2(AnswerColours::Contrast(c, base) < AnswerColours::kMinimumContrast + 0.2,
                 qPrintable(c.name()));
    }
    // Still a green and a red.
    QVERIFY(right.green() > right.red() && right.green() > right.blue());
    QVERIFY(wrong.red() > wrong.green() && wrong.red() > wrong.blue());
}

QTEST_GUILESS_MAIN(TestAnswerColours)
#include "tst_answercolours.moc"
