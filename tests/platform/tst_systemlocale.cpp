#include "SystemLocale.h"
#include "TestSettings.h"

#include <QTest>

class TestSystemLocale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapsLocaleNames_data();
    void mapsLocaleNames();
    void followsTheEnvironment_data();
    void followsTheEnvironment();
};

void TestSystemLocale::mapsLocaleNames_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("code");

    QTest::newRow("swedish") << u"sv_SE.UTF-8"_qs << u"sve"_qs;
    QTest::newRow("swedish in finland") << u"sv_FI"_qs << u"sve"_qs;
    QTest::newRow("bokmal") << u"nb_NO.UTF-8"_qs << u"nor"_qs;
    QTest::newRow("danish") << u"da_DK"_qs << u"dan"_qs;
    QTest::newRow("icelandic") << u"is_IS.ISO-8859-1"_qs << u"isl"_qs;
    QTest::newRow("finnish with modifier") << u"fi_FI@euro"_qs << u"fin"_qs;
    QTest::newRow("british") << u"en_GB.UTF-8"_qs << u"eng"_qs;
    QTest::newRow("american") << u"en_US"_qs << u"enu"_qs;
    QTest::newRow("bare english") << u"en"_qs << u"enu"_qs;
    QTest::newRow("german with dash") << u"de-AT"_qs << u"deu"_qs;
    QTest::newRow("c") << u"C"_qs << QString();
    QTest::newRow("c utf8") << u"C.UTF-8"_qs << QString();
    QTest::newRow("posix") << u"POSIX"_qs << QString();
    QTest::newRow("unknown") << u"xx_YY"_qs << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestSystemLocale::mapsLocaleNames()
{
    QFETCH(QString, locale);
    QFETCH(QString, code);
    QCOMPARE(SystemLocale::windowsCodeForLocale(locale), code);
}

void TestSystemLocale::followsTheEnvironment_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QByteArray>("lcMessages");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QString>("code");

    QTest::newRow("lang only") << QByteArray() << QByteArray() << QByteArray()
                               << QByteArray("fi_FI.UTF-8") << u"fin"_qs;
    QTest::newRow("messages over lang")
        << QByteArray() << QByteArray() << QByteArray("da_DK") << QByteArray("fi_FI") << u"dan"_qs;
    QTest::newRow("all over both") << QByteArray() << QByteArray("sv_SE") << QByteArray("da_DK")
                                   << QByteArray("fi_FI") << u"sve"_qs;
    QTest::newRow("c in all wins over lang")
        << QByteArray() << QByteArray("C.UTF-8") << QByteArray() << QByteArray("sv_SE.UTF-8")
        << QString();
    QTest::newRow("language list first") << QByteArray("xx:nb:sv") << QByteArray() << QByteArray()
                                         << QByteArray("fi_FI") << u"nor"_qs;
    QTest::newRow("unknown language list")
        << QByteArray("xx") << QByteArray() << QByteArray() << QByteArray("is_IS") << u"isl"_qs;
    QTest::newRow("language ignored beside c")
        << QByteArray("sv") << QByteArray() << QByteArray() << QByteArray("C") << QString();
    QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                 << QString();
}

void TestSystemLocale::followsTheEnvironment()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QByteArray, lcMessages);
    QFETCH(QByteArray, lang);
    QFETCH(QString, code);
    TestSettings settings(lang);
    qputenv("LANGUAGE", language);
    qputenv("LC_ALL", lcAll);
    qputenv("LC_MESSAGES", lcMessages);
    QCOMPARE(SystemLocale::languageCode(), code);
}

QTEST_GUILESS_MAIN(TestSystemLocale)
#include "tst_systemlocale.moc"
