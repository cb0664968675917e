#include "TextCodec.h"

#include <QTest>

using TextCodec::Encoding;

class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesEachEncoding_data();
    void decodesEachEncoding();
    void everyWindows1252ByteRoundTrips();
    void encodesInTheNarrowestEncodingThatFits_data();
    void encodesInTheNarrowestEncodingThatFits();
    void onlyTheLeadingMarkIsDropped();
};

void TestTextCodec::decodesEachEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("dog") << int(Encoding::Windows1252) << u"dog"_qs;
    QTest::newRow("1252 letters") << QByteArray("h\xe4st \x80 \x9a") << int(Encoding::Windows1252)
                                  << u"häst € š"_qs;
    QTest::newRow("utf8 without mark")
        << QByteArray("h\xc3\xa4st") << int(Encoding::Utf8) << u"häst"_qs;
    QTest::newRow("utf8 with mark")
        << QByteArray("\xef\xbb\xbfh\xc3\xa4st") << int(Encoding::Utf8) << u"häst"_qs;
    QTest::newRow("mark on plain ascii") << QByteArray("\xef\xbb\xbf"
                                                       "dog")
                                         << int(Encoding::Utf8) << u"dog"_qs;
    QTest::newRow("polish in utf8")
        << QByteArray("\xc5\x82\xc3\xb3\x64\xc5\xba") << int(Encoding::Utf8) << u"łódź"_qs;
    // Bytes that only look like the start of UTF-8 are Windows-1252.
    QTest::newRow("cut sequence") << QByteArray("ab\xc3") << int(Encoding::Windows1252)
                                  << u"abÃ"_qs;
    QTest::newRow("overlong slash")
        << QByteArray("\xc0\xaf") << int(Encoding::Windows1252) << u"À¯"_qs;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << int(Encoding::Windows1252)
                               << QString::fromUtf16(u"í\u00a0\u20ac");
    QTest::newRow("past unicode") << QByteArray("\xf4\x90\x80\x80") << int(Encoding::Windows1252)
                                  << QString::fromUtf16(u"ô\u0090\u20ac\u20ac");
    QTest::newRow("utf8 then 1252")
        << QByteArray("\xc3\xa4 \xe4") << int(Encoding::Windows1252) << u"Ã¤ ä"_qs;
}

void TestTextCodec::decodesEachEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    QCOMPARE(int(TextCodec::detect(bytes)), encoding);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestTextCodec::everyWindows1252ByteRoundTrips()
{
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const QString text = TextCodec::fromWindows1252(all);
    QCOMPARE(text.size(), all.size());
    QVERIFY(TextCodec::fitsWindows1252(text));
    QCOMPARE(TextCodec::encode(text), all);
}

void TestTextCodec::encodesInTheNarrowestEncodingThatFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("swedish") << u"Språk1=å ä ö €"_qs << QByteArray("Spr\xe5k1=\xe5 \xe4 \xf6 \x80");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("polish") << u"ł"_qs << QByteArray("\xef\xbb\xbf\xc5\x82");
    QTest::newRow("one foreign letter takes all")
        << u"ä ł"_qs << QByteArray("\xef\xbb\xbf\xc3\xa4 \xc5\x82");
    QTest::newRow("1252 bytes that would read as utf8")
        << u"Ã¤"_qs << QByteArray("\xef\xbb\xbf\xc3\x83\xc2\xa4");
    QTest::newRow("c1 control without a byte")
        << QString(QChar(0x80)) << QByteArray("\xef\xbb\xbf\xc2\x80");
}

void TestTextCodec::encodesInTheNarrowestEncodingThatFits()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextCodec::encode(text), bytes);
    QCOMPARE(TextCodec::decode(bytes), text);
}

void TestTextCodec::onlyTheLeadingMarkIsDropped()
{
    const QByteArray mark("\xef\xbb\xbf");
    QCOMPARE(TextCodec::decode(mark + mark + "x"), QString(QChar(0xFEFF)) + u'x');
    QCOMPARE(TextCodec::decodeLine(mark + "x", Encoding::Utf8), QString(QChar(0xFEFF)) + u'x');
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
