#include "IniFile.h"
#include "TestFiles.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

class TestIniFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_settings.emplace(); }
    void cleanup() { m_settings.reset(); }

    void namesMatchWithoutCaseAndBlanks_data();
    void namesMatchWithoutCaseAndBlanks();
    void writeReplacesOnlyTheValue();
    void emptyValueIsNotTheDefault();
    void sectionsKeepTheOrderOfFirstWrite();
    void nonAsciiNamesAreStoredInWindows1252();
    void textOutside1252MakesTheFileUtf8();
    void longValueComesBackWhole();
    void lineBreaksInAValueCannotAddKeys();
    void missingFileGivesDefaultsAndFirstWriteCreatesIt();
    void folderInPlaceOfTheFile();
    void unwritablePlaceLeavesNothingBehind();
    void binaryGarbageIsKept();
    void oversizedFileIsNotRewritten();
    void valuesReadAsWindowsReadsThem_data();
    void valuesReadAsWindowsReadsThem();
    void quotedAndNulValuesComeBackAsWritten();
    void blanksAtTheEndsComeBackInsideQuotes_data();
    void blanksAtTheEndsComeBackInsideQuotes();
    void utf16FileIsWrittenBackInUtf16_data();
    void utf16FileIsWrittenBackInUtf16();

private:
    QString path() const { return m_settings->iniPath(); }
    std::optional<TestSettings> m_settings;
};

void TestIniFile::namesMatchWithoutCaseAndBlanks_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("exact") << QByteArray("[Options]\r\nWelcome=0\r\n") << u"Options"_qs
                           << u"Welcome"_qs << u"0"_qs;
    QTest::newRow("case") << QByteArray("[OPTIONS]\r\nwelcome=0\r\n") << u"options"_qs
                          << u"WELCOME"_qs << u"0"_qs;
    QTest::newRow("blanks in file") << QByteArray("  [ Options ]  \r\n  Welcome  =  0  \r\n")
                                    << u"Options"_qs << u"Welcome"_qs << u"0"_qs;
    QTest::newRow("blanks in call") << QByteArray("[Options]\r\nWelcome=0\r\n") << u" Options "_qs
                                    << u" Welcome "_qs << u"0"_qs;
    QTest::newRow("swedish letters in any case")
        << QByteArray("[INST\xc4LLNINGAR]\r\nSPR\xc5K1=Tyska\r\n") << u"Inställningar"_qs
        << u"Språk1"_qs << u"Tyska"_qs;
    QTest::newRow("value with equals sign")
        << QByteArray("[Files]\r\n1=/a=b/c.vkf\r\n") << u"Files"_qs << u"1"_qs << u"/a=b/c.vkf"_qs;
    QTest::newRow("lf only") << QByteArray("[Files]\n1=a\n2=b") << u"Files"_qs << u"2"_qs
                             << u"b"_qs;
    QTest::newRow("key in another section") << QByteArray("[Font]\r\nWelcome=0\r\n[Options]\r\n")
                                            << u"Options"_qs << u"Welcome"_qs << u"<default>"_qs;
}

void TestIniFile::namesMatchWithoutCaseAndBlanks()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    m_settings->writeIni(stored);
    QCOMPARE(IniFile::read(path(), section, key, u"<default>"_qs), value);
}

void TestIniFile::writeReplacesOnlyTheValue()
{
    m_settings->writeIni("; hand note\r\n[Språk1]\r\nAntal=6\r\n0=Engelska\r\n[Files]\r\n1=a\r\n");
    QVERIFY(IniFile::write(path(), u"SPRåK1"_qs, u" 0 "_qs, u" Tyska "_qs));
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, u"b"_qs));
    QVERIFY(IniFile::write(path(), u"Språk1"_qs, u"1"_qs, u"Franska"_qs));
    QCOMPARE(m_settings->iniText(),
             u"; hand note\r\n[Språk1]\r\nAntal=6\r\n0=\" Tyska \"\r\n1=Franska\r\n"
             u"[Files]\r\n1=b\r\n"_qs);
    // Blanks at the ends of a value are kept inside quotes, which the read removes.
    QCOMPARE(IniFile::read(path(), u"Språk1"_qs, u"0"_qs, {}), u" Tyska "_qs);
}

void TestIniFile::emptyValueIsNotTheDefault()
{
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, QString()));
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"1"_qs, u"default"_qs), QString());
    QCOMPARE(m_settings->iniText(), u"[Files]\r\n1=\r\n"_qs);
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"2"_qs, u"default"_qs), u"default"_qs);
}

void TestIniFile::sectionsKeepTheOrderOfFirstWrite()
{
    QVERIFY(IniFile::write(path(), u"Språk1"_qs, u"Antal"_qs, u"6"_qs));
    QVERIFY(IniFile::write(path(), u"Options"_qs, u"Welcome"_qs, u"0"_qs));
    QVERIFY(IniFile::write(path(), u"Position"_qs, u"X"_qs, u"1200"_qs));
    QVERIFY(IniFile::write(path(), u"Options"_qs, u"ShowRw"_qs, u"-1"_qs));
    QVERIFY(IniFile::write(path(), u"Språk1"_qs, u"0"_qs, u"Engelska"_qs));
    QCOMPARE(m_settings->iniText(), u"[Språk1]\r\nAntal=6\r\n0=Engelska\r\n"
                                    u"[Options]\r\nWelcome=0\r\nShowRw=-1\r\n"
                                    u"[Position]\r\nX=1200\r\n"_qs);
}

void TestIniFile::nonAsciiNamesAreStoredInWindows1252()
{
    QVERIFY(IniFile::write(path(), u"Inställningar"_qs, u"Språk2"_qs, u"Svenska"_qs));
    QCOMPARE(m_settings->iniBytes(), QByteArray("[Inst\xe4llningar]\r\nSpr\xe5k2=Svenska\r\n"));
}

void TestIniFile::textOutside1252MakesTheFileUtf8()
{
    QVERIFY(IniFile::write(path(), u"Inställningar"_qs, u"Språk1"_qs, u"Tyska"_qs));
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, u"/home/ola/Łódź.vkf"_qs));
    QVERIFY(m_settings->iniBytes().startsWith("\xef\xbb\xbf[Inst\xc3\xa4llningar]"));
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"1"_qs, {}), u"/home/ola/Łódź.vkf"_qs);
    QCOMPARE(IniFile::read(path(), u"Inställningar"_qs, u"Språk1"_qs, {}), u"Tyska"_qs);
    // Once the last such letter is gone, the file goes back to the old code page.
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, u"/home/ola/Åbo.vkf"_qs));
    QVERIFY(m_settings->iniBytes().startsWith("[Inst\xe4llningar]"));
}

void TestIniFile::longValueComesBackWhole()
{
    const QString value = u"/home/ola/"_qs + QString(190, u'å');
    QCOMPARE(value.size(), 200);
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, value));
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"1"_qs, {}), value);
}

void TestIniFile::lineBreaksInAValueCannotAddKeys()
{
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, u"a\r\n[Options]\nOnlyOne=1\rb"_qs));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"OnlyOne"_qs, u"0"_qs), u"0"_qs);
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"1"_qs, {}), u"a  [Options] OnlyOne=1 b"_qs);
}

void TestIniFile::missingFileGivesDefaultsAndFirstWriteCreatesIt()
{
    const QString deep = QDir(m_settings->folder()).filePath(u"a/b/Vokabo.ini"_qs);
    QCOMPARE(IniFile::read(deep, u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"1"_qs);
    QVERIFY(!QFile::exists(deep));
    QVERIFY(IniFile::write(deep, u"Options"_qs, u"Welcome"_qs, u"0"_qs));
    QCOMPARE(FileBytes(deep), QByteArray("[Options]\r\nWelcome=0\r\n"));
}

void TestIniFile::folderInPlaceOfTheFile()
{
    QVERIFY(QDir().mkpath(path()));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"1"_qs);
    QVERIFY(!IniFile::write(path(), u"Options"_qs, u"Welcome"_qs, u"0"_qs));
    QVERIFY(QFileInfo(path()).isDir());
}

void TestIniFile::unwritablePlaceLeavesNothingBehind()
{
    // A parent that is a file fails for every user, root included.
    const QString blocker = QDir(m_settings->folder()).filePath(u"blocker"_qs);
    QVERIFY(WriteBytes(blocker, "x"));
    QVERIFY(!IniFile::write(blocker + u"/Vokabo.ini"_qs, u"Options"_qs, u"Welcome"_qs, u"0"_qs));
    QCOMPARE(FileBytes(blocker), QByteArray("x"));
    QCOMPARE(QDir(m_settings->folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{u"blocker"_qs});
}

void TestIniFile::binaryGarbageIsKept()
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 151 + 7) % 256));
    garbage.replace('\r', 'r').replace('\n', 'n');
    m_settings->writeIni(garbage);
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"1"_qs);
    QVERIFY(IniFile::write(path(), u"Options"_qs, u"Welcome"_qs, u"0"_qs));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"0"_qs);
    QVERIFY(m_settings->iniBytes().startsWith(garbage));
}

void TestIniFile::oversizedFileIsNotRewritten()
{
    QByteArray big("[Options]\r\nWelcome=0\r\n");
    big.append(QByteArray(IniFile::kMaxFileBytes, ';'));
    big.append("\r\n[Files]\r\n1=tail\r\n");
    m_settings->writeIni(big);
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"0"_qs);
    QVERIFY(!IniFile::write(path(), u"Options"_qs, u"ShowRw"_qs, u"-1"_qs));
    QCOMPARE(m_settings->iniBytes(), big);
}

void TestIniFile::valuesReadAsWindowsReadsThem_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("value");
    QTest::newRow("quoted") << QByteArray("\"0\"") << u"0"_qs;
    QTest::newRow("quoted, blanks inside kept") << QByteArray(" \" a b \" ") << u" a b "_qs;
    QTest::newRow("empty quotes") << QByteArray("\"\"") << QString();
    QTest::newRow("one quote") << QByteArray("\"") << u"\""_qs;
    QTest::newRow("opening quote only") << QByteArray("\"abc") << u"\"abc"_qs;
    QTest::newRow("quote inside") << QByteArray("\"a\"b\"") << u"a\"b"_qs;
    QTest::newRow("single quotes kept") << QByteArray("'0'") << u"'0'"_qs;
    QTest::newRow("NUL ends the value") << QByteArray("-1\0\0\0", 5) << u"-1"_qs;
    QTest::newRow("torn tail of NULs") << QByteArray("\0\0\0\0", 4) << QString();
}

void TestIniFile::valuesReadAsWindowsReadsThem()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, value);
    const QByteArray ini = "[Options]\r\nWelcome=" + stored + "\r\n[Font]\r\nFont1Size=10\r\n";
    m_settings->writeIni(ini);
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"default"_qs), value);
    QCOMPARE(IniFile::lookup(QString::fromLatin1(ini), u"Options"_qs, u"Welcome"_qs),
             std::optional<QString>(value));
    QCOMPARE(IniFile::read(path(), u"Font"_qs, u"Font1Size"_qs, u"8"_qs), u"10"_qs);

    // A file big enough to be kept in memory reads the same.
    m_settings->writeIni(ini + QByteArray(128 * 1024, ';'));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"default"_qs), value);
}

void TestIniFile::quotedAndNulValuesComeBackAsWritten()
{
    QVERIFY(IniFile::write(path(), u"Language1"_qs, u"0"_qs, u"\"Klingon\""_qs));
    QVERIFY(IniFile::write(path(), u"Language1"_qs, u"1"_qs, u"a"_qs + QChar(0) + u"b"_qs));
    QCOMPARE(IniFile::read(path(), u"Language1"_qs, u"0"_qs, QString()), u"\"Klingon\""_qs);
    QCOMPARE(IniFile::read(path(), u"Language1"_qs, u"1"_qs, QString()), u"a b"_qs);
    QCOMPARE(m_settings->iniBytes(), QByteArray("[Language1]\r\n0=\"\"Klingon\"\"\r\n1=a b\r\n"));
}

void TestIniFile::blanksAtTheEndsComeBackInsideQuotes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("path ending in a blank")
        << u"/home/ola/ord/tyska.vkf "_qs << QByteArray("1=\"/home/ola/ord/tyska.vkf \"");
    QTest::newRow("leading blank") << u" tyska.vkf"_qs << QByteArray("1=\" tyska.vkf\"");
    QTest::newRow("tab at the end") << u"a\t"_qs << QByteArray("1=\"a\t\"");
    QTest::newRow("blanks only") << u"   "_qs << QByteArray("1=\"   \"");
    QTest::newRow("blank inside only") << u"a b"_qs << QByteArray("1=a b");
}

void TestIniFile::blanksAtTheEndsComeBackInsideQuotes()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    QVERIFY(IniFile::write(path(), u"Files"_qs, u"1"_qs, value));
    QCOMPARE(m_settings->iniBytes(), "[Files]\r\n" + line + "\r\n");
    QCOMPARE(IniFile::read(path(), u"Files"_qs, u"1"_qs, QString()), value);
}

void TestIniFile::utf16FileIsWrittenBackInUtf16_data()
{
    QTest::addColumn<bool>("littleEndian");
    QTest::newRow("UTF-16LE") << true;
    QTest::newRow("UTF-16BE") << false;
}

void TestIniFile::utf16FileIsWrittenBackInUtf16()
{
    QFETCH(bool, littleEndian);
    const auto utf16 = [&](const QString& text) {
        QStringEncoder encoder(littleEndian ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        return QByteArray(littleEndian ? "\xFF\xFE" : "\xFE\xFF") +
               QByteArray(encoder.encode(text));
    };
    m_settings->writeIni(utf16(u"[Options]\r\nWelcome=0\r\n[Språk1]\r\n0=Ελληνικά\r\n"_qs));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"Welcome"_qs, u"1"_qs), u"0"_qs);
    QCOMPARE(IniFile::read(path(), u"språk1"_qs, u"0"_qs, QString()), u"Ελληνικά"_qs);

    QVERIFY(IniFile::write(path(), u"Options"_qs, u"ShowRw"_qs, u"-1"_qs));
    QCOMPARE(m_settings->iniBytes(),
             utf16(u"[Options]\r\nWelcome=0\r\nShowRw=-1\r\n[Språk1]\r\n0=Ελληνικά\r\n"_qs));
    QCOMPARE(IniFile::read(path(), u"Options"_qs, u"ShowRw"_qs, u"0"_qs), u"-1"_qs);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
