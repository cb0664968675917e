#include "PageCursor.h"

#include <QTest>

class TestPageCursor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turns_data();
    void turns();
    void snapStaysWithinThePages_data();
    void snapStaysWithinThePages();
    void lastPageHoldsTheLastPair_data();
    void lastPageHoldsTheLastPair();
};

// -1 stands for no page: the turn is refused.
void TestPageCursor::turns_data()
{
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("next");
    QTest::addColumn<int>("previous");

    QTest::newRow("editor, first page") << 90 << 0 << 10 << -1;
    QTest::newRow("editor, middle") << 90 << 40 << 50 << 30;
    QTest::newRow("editor, last page") << 90 << 90 << -1 << 80;
    QTest::newRow("one page only") << 0 << 0 << -1 << -1;
    QTest::newRow("quiz of 23 pairs, last page") << 20 << 20 << -1 << 10;
    QTest::newRow("quiz of 23 pairs, second page") << 20 << 10 << 20 << 0;
    QTest::newRow("a start past the last page") << 20 << 30 << -1 << 20;
}

void TestPageCursor::turns()
{
    QFETCH(int, lastPage);
    QFETCH(int, start);
    QFETCH(int, next);
    QFETCH(int, previous);
    const PageCursor cursor(lastPage);
    QCOMPARE(cursor.lastPage(), lastPage);
    QCOMPARE(cursor.next(start).value_or(-1), next);
    QCOMPARE(cursor.previous(start).value_or(-1), previous);
}

void TestPageCursor::snapStaysWithinThePages_data()
{
    QTest::addColumn<int>("lastPage");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("page");

    QTest::newRow("on the grid") << 90 << 40 << 40;
    QTest::newRow("inside a page") << 90 << 25 << 20;
    QTest::newRow("last slot of the table") << 90 << 99 << 90;
    QTest::newRow("the slot that ends scans") << 90 << 100 << 90;
    QTest::newRow("below the first page") << 90 << -7 << 0;
    QTest::newRow("past a short quiz") << 20 << 55 << 20;
    QTest::newRow("inside the first page") << 20 << 9 << 0;
}

void TestPageCursor::snapStaysWithinThePages()
{
    QFETCH(int, lastPage);
    QFETCH(int, value);
    QFETCH(int, page);
    QCOMPARE(PageCursor(lastPage).snap(value), page);
}

void TestPageCursor::lastPageHoldsTheLastPair_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("lastPage");

    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("10") << 10 << 0;
    QTest::newRow("11") << 11 << 10;
    QTest::newRow("23") << 23 << 20;
    QTest::newRow("91") << 91 << 90;
    QTest::newRow("100") << 100 << 90;
}

void TestPageCursor::lastPageHoldsTheLastPair()
{
    QFETCH(int, length);
    QFETCH(int, lastPage);
    QCOMPARE(PageCursor::LastPageOf(length), lastPage);
}

QTEST_GUILESS_MAIN(TestPageCursor)
#include "tst_pagecursor.moc"
