// The readers and writers of other programs' lists: format detection, delimited text, KVTML,
// their faults, and the round trip of each export format.
#include "DelimitedText.h"
#include "ExchangeExport.h"
#include "ExchangeFile.h"
#include "KvtmlFile.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Pairs = QList<QStringList>;
Q_DECLARE_METATYPE(ExchangeFormat)
Q_DECLARE_METATYPE(ExchangeError::Kind)

namespace {

void setPair(WordList& list, int i, const QString& learned, const QString& known)
{
    list[i].learned = learned;
    list[i].known = known;
}

Pairs pairsOf(const ImportedList& list)
{
    Pairs out;
    for (const auto& [learned, known] : list.pairs)
        out.append({learned, known});
    return out;
}

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(EXCHANGE_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", name);
    return file.readAll();
}

QString fixturePath(const char* name)
{
    return QStringLiteral(EXCHANGE_FIXTURES "/") + QLatin1String(name);
}

ImportedList importAs(const QString& path, const QByteArray& bytes, bool headerRow = false,
                      bool swap = false)
{
    ImportOptions options = DetectImportOptions(path, bytes);
    options.headerRow = headerRow;
    options.swap = swap;
    ImportedList list;
    const ExchangeError error = ReadImport(bytes, options, list);
    if (error)
        qWarning("import failed: %d %s", int(error.kind), qPrintable(error.systemReason));
    return list;
}

QByteArray billionLaughs()
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [\n <!ENTITY lol0 \"lol\">\n";
    for (int i = 1; i < 10; ++i) {
        xml += " <!ENTITY lol" + QByteArray::number(i) + " \"";
        for (int k = 0; k < 10; ++k)
            xml += "&lol" + QByteArray::number(i - 1) + ";";
        xml += "\">\n";
    }
    xml += "]>\n<kvtml version=\"2.0\"><information><title>&lol9;</title></information></kvtml>\n";
    return xml;
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void detectFormat_data();
    void detectFormat();
    void delimited_data();
    void delimited();
    void delimitedFixtures_data();
    void delimitedFixtures();
    void moreThanHundredPairs();
    void delimitedFaults();
    void kvtml_data();
    void kvtml();
    void kvtmlFaults_data();
    void kvtmlFaults();
    void exportBytes();
    void roundTrip_data();
    void roundTrip();
    void writeExportFile();
};

void TestExchange::detectFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<ExchangeFormat>("expected");
    const QByteArray kvtml = "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"></kvtml>";
    QTest::newRow("vkf") << "a.vkf" << QByteArray("Djur\r\nSvenska\r\n")
                         << ExchangeFormat::WordList;
    QTest::newRow("kvtml") << "a.kvtml" << kvtml << ExchangeFormat::Kvtml;
    QTest::newRow("kvtml by root, any name") << "a.xml" << kvtml << ExchangeFormat::Kvtml;
    QTest::newRow("kvtml without extension") << "lista" << kvtml << ExchangeFormat::Kvtml;
    QTest::newRow("kvtml named .vkf stays a word list")
        << "a.vkf" << kvtml << ExchangeFormat::WordList;
    QTest::newRow("kvtml named .gls stays a word list")
        << "a.GLS" << kvtml << ExchangeFormat::WordList;
    QTest::newRow("other XML") << "a.xml" << QByteArray("<html><body/></html>")
                               << ExchangeFormat::WordList;
    QTest::newRow("csv") << "a.csv" << QByteArray("hund,dog") << ExchangeFormat::Delimited;
    QTest::newRow("tsv upper case")
        << "a.TSV" << QByteArray("hund\tdog") << ExchangeFormat::Delimited;
    QTest::newRow("txt with tabs")
        << "a.txt" << QByteArray("hund\tdog\n") << ExchangeFormat::Delimited;
    QTest::newRow("txt with Anki header")
        << "a.txt" << QByteArray("#separator:Comma\nhund,dog") << ExchangeFormat::Delimited;
    QTest::newRow("txt with html header")
        << "a.txt" << QByteArray("#html:false\nhund;dog") << ExchangeFormat::Delimited;
    QTest::newRow("plain txt is a word list")
        << "a.txt" << QByteArray("Djur\r\nSvenska\r\n") << ExchangeFormat::WordList;
    QTest::newRow("no extension, commas")
        << "a" << QByteArray("hund,dog") << ExchangeFormat::WordList;
}

void TestExchange::detectFormat()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, head);
    QFETCH(ExchangeFormat, expected);
    QCOMPARE(DetectFormat(path, head), expected);

    // The same from a file on disk.
    QTemporaryDir dir;
    const QString file = dir.filePath(path);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(head);
    out.close();
    QCOMPARE(DetectFileFormat(file), expected);
}

void TestExchange::delimited_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("headerRow");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<QString>("delimiter");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<QStringList>("languages"); // empty: none from the file

    QTest::newRow("comma") << "a.csv" << QByteArray("hund,dog\r\nkatt,cat\r\n") << false << false
                           << "," << Pairs{{"hund", "dog"}, {"katt", "cat"}} << QStringList();
    QTest::newRow("semicolon, commas inside words")
        << "a.csv" << QByteArray("hund;dog, hound\nkatt;cat, kitty\nmus;mouse\n") << false << false
        << ";" << Pairs{{"hund", "dog, hound"}, {"katt", "cat, kitty"}, {"mus", "mouse"}}
        << QStringList();
    QTest::newRow("comma, semicolon inside quotes")
        << "a.csv" << QByteArray("\"a;b\",c\n\"d;e\",f\n") << false << false << ","
        << Pairs{{"a;b", "c"}, {"d;e", "f"}} << QStringList();
    QTest::newRow("quotes: doubled quote, delimiter and line break inside")
        << "a.csv" << QByteArray("\"he said \"\"hi\"\"\",\"x,\r\ny\"\r\nb,c\r\n") << false << false
        << "," << Pairs{{"he said \"hi\"", "x, y"}, {"b", "c"}} << QStringList();
    QTest::newRow("unclosed quote is a character")
        << "a.csv" << QByteArray("\"hund,dog\nkatt,cat") << false << false << ","
        << Pairs{{"\"hund", "dog"}, {"katt", "cat"}} << QStringList();
    QTest::newRow("semicolon inside a quoted CSV field, blanks after it")
        << "a.csv" << QByteArray(",\"  x; y\"\n") << false << false << "," << Pairs{{"", "  x; y"}}
        << QStringList();
    QTest::newRow("tab in every record wins over semicolons")
        << "a.tsv" << QByteArray("\t  x;y\n") << false << false << "\t" << Pairs{{"", "  x;y"}}
        << QStringList();
    QTest::newRow("quote inside an unquoted field")
        << "a.csv" << QByteArray("5\" nail,spik\n") << false << false << ","
        << Pairs{{"5\" nail", "spik"}} << QStringList();
    QTest::newRow("tab, Quizlet") << "a.txt" << QByteArray("hund\tdog\nkatt\tcat, kitty") << false
                                  << false << "\t" << Pairs{{"hund", "dog"}, {"katt", "cat, kitty"}}
                                  << QStringList();
    QTest::newRow("header row names the languages")
        << "a.csv" << QByteArray("Svenska,Engelska\nhund,dog\n") << true << false << ","
        << Pairs{{"hund", "dog"}} << QStringList{"Svenska", "Engelska"};
    QTest::newRow("header row not asked for is a pair")
        << "a.csv" << QByteArray("Svenska,Engelska\nhund,dog\n") << false << false << ","
        << Pairs{{"Svenska", "Engelska"}, {"hund", "dog"}} << QStringList();
    QTest::newRow("swap, with header")
        << "a.csv" << QByteArray("English,Svenska\ndog,hund\n") << true << true << ","
        << Pairs{{"hund", "dog"}} << QStringList{"Svenska", "English"};
    QTest::newRow("empty columns; blank pairs inside kept, at the end dropped")
        << "a.csv" << QByteArray(",dog\nkatt,\n,\nhund,dog\n,\n\n,\n") << false << false << ","
        << Pairs{{"", "dog"}, {"katt", ""}, {"", ""}, {"hund", "dog"}} << QStringList();
    QTest::newRow("empty lines are no records")
        << "a.tsv" << QByteArray("\n\na\tb\n\n\nc\td\n\n") << false << false << "\t"
        << Pairs{{"a", "b"}, {"c", "d"}} << QStringList();
    QTest::newRow("one column, more columns")
        << "a.tsv" << QByteArray("a\nb\tc\td\te\n") << false << false << "\t"
        << Pairs{{"a", ""}, {"b", "c"}} << QStringList();
    QTest::newRow("lone CR line ends") << "a.csv" << QByteArray("a,b\rc,d\r") << false << false
                                       << "," << Pairs{{"a", "b"}, {"c", "d"}} << QStringList();
    QTest::newRow("UTF-8 with BOM")
        << "a.csv" << QByteArray("\xEF\xBB\xBF\xC3\xA4pple,apple\n") << false << false << ","
        << Pairs{{QStringLiteral("äpple"), "apple"}} << QStringList();
    QTest::newRow("UTF-8 without BOM")
        << "a.csv" << QByteArray("\xC3\xA4pple,\xE2\x82\xAC\n") << false << false << ","
        << Pairs{{QStringLiteral("äpple"), QStringLiteral("€")}} << QStringList();
    QTest::newRow("Windows-1252") << "a.csv" << QByteArray("\xE4pple;\x80 euro\n") << false << false
                                  << ";"
                                  << Pairs{{QStringLiteral("äpple"), QStringLiteral("€ euro")}}
                                  << QStringList();
    QByteArray utf16le("\xFF\xFE");
    const QString text16 = QStringLiteral("äpple\tapple\r\nжук\tbeetle\r\n");
    utf16le.append(reinterpret_cast<const char*>(text16.utf16()), text16.size() * 2);
    QTest::newRow("UTF-16 LE with BOM")
        << "a.txt" << utf16le << false << false << "\t"
        << Pairs{{QStringLiteral("äpple"), "apple"}, {QStringLiteral("жук"), "beetle"}}
        << QStringList();
    QByteArray utf16be("\xFE\xFF");
    for (const QChar c : QStringLiteral("ö,o\n")) {
        utf16be.append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() & 0xFF));
    }
    QTest::newRow("UTF-16 BE with BOM") << "a.csv" << utf16be << false << false << ","
                                        << Pairs{{QStringLiteral("ö"), "o"}} << QStringList();
    QTest::newRow("UTF-16 with half a character")
        << "a.tsv"
        << QByteArray("\xFF\xFE"
                      "a\0\x00\xD8\t\0b\0",
                      10)
        << false << false << "\t" << Pairs{{QStringLiteral("a\uFFFD"), "b"}} << QStringList();
    QTest::newRow("Anki: separator by name, html off keeps tags")
        << "a.txt" << QByteArray("#separator:semicolon\n#html:false\n<b>a</b>;b, c\n") << false
        << false << ";" << Pairs{{"<b>a</b>", "b, c"}} << QStringList();
    QTest::newRow("Anki: html on")
        << "a.txt"
        << QByteArray("#separator:tab\n#html:true\n"
                      "<div>hund</div><br/>\t&lt;dog&gt; &amp;&#32;&#x263a;\n")
        << false << false << "\t" << Pairs{{"hund", QStringLiteral("<dog> & ☺")}} << QStringList();
    QTest::newRow("Anki: unknown entity and lone ampersand stay")
        << "a.txt" << QByteArray("#html:true\na &foo; & b\tc\n") << false << false << "\t"
        << Pairs{{"a &foo; & b", "c"}} << QStringList();
    QTest::newRow("Anki: deck and note type columns dropped")
        << "a.txt"
        << QByteArray("#separator:tab\n#deck column:2\n#guid column:1\nG\tD\thund\tdog\n") << false
        << false << "\t" << Pairs{{"hund", "dog"}} << QStringList();
    QTest::newRow("hash line that is not Anki's is a pair")
        << "a.csv" << QByteArray("#1,one\n#2,two\n") << false << false << ","
        << Pairs{{"#1", "one"}, {"#2", "two"}} << QStringList();
}

void TestExchange::delimited()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, headerRow);
    QFETCH(bool, swap);
    QFETCH(QString, delimiter);
    QFETCH(Pairs, pairs);
    QFETCH(QStringList, languages);

    const ImportOptions options = DetectImportOptions(path, bytes);
    QCOMPARE(options.format, ExchangeFormat::Delimited);
    QCOMPARE(QString(QChar(options.delimiter)), delimiter);
    const ImportedList list = importAs(path, bytes, headerRow, swap);
    QCOMPARE(pairsOf(list), pairs);
    QCOMPARE(list.total, int(pairs.size()));
    QVERIFY(!list.heading);
    if (languages.isEmpty()) {
        QVERIFY(!list.language1 && !list.language2);
    } else {
        QCOMPARE(list.language1.value_or("-"), languages[0]);
        QCOMPARE(list.language2.value_or("-"), languages[1]);
    }
}

void TestExchange::delimitedFixtures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("headerRow");
    QTest::addColumn<Pairs>("pairs");
    QTest::newRow("Anki export") << "anki-export.txt" << false
                                 << Pairs{{"hund", "dog"},
                                          {"katt kisse", "cat, \"puss\""},
                                          {QStringLiteral("fågel"), QStringLiteral("bird <3> ☺")}};
    QTest::newRow("Quizlet export")
        << "quizlet-export.txt" << false
        << Pairs{{"hund", "dog"}, {"katt", "cat"}, {QStringLiteral("fågel"), "bird"}};
    QTest::newRow("Swedish spreadsheet") << "spreadsheet-sv.csv" << true
                                         << Pairs{{"hund; stor", "big dog"},
                                                  {"katt", "the \"cat\""},
                                                  {QStringLiteral("räv fox"), "fox"},
                                                  {"", ""},
                                                  {QStringLiteral("älg"), "moose, elk"}};
}

void TestExchange::delimitedFixtures()
{
    QFETCH(QString, name);
    QFETCH(bool, headerRow);
    QFETCH(Pairs, pairs);
    const QString path = fixturePath(name.toLatin1().constData());
    QCOMPARE(DetectFileFormat(path), ExchangeFormat::Delimited);
    const ImportedList list = importAs(path, fixture(name.toLatin1().constData()), headerRow);
    QCOMPARE(pairsOf(list), pairs);
    if (headerRow) {
        QCOMPARE(list.language1.value_or("-"), "Svenska");
        QCOMPARE(list.language2.value_or("-"), "Engelska");
    }
}

void TestExchange::moreThanHundredPairs()
{
    QByteArray bytes;
    for (int i = 1; i <= 120; ++i)
        bytes += "w" + QByteArray::number(i) + "\tm" + QByteArray::number(i) + "\n";
    bytes += "\t\n\t\n";
    const ImportedList list = importAs("a.tsv", bytes);
    QCOMPARE(int(list.pairs.size()), WordList::MaxWords);
    QCOMPARE(list.total, 120);
    QCOMPARE(list.leftOut(), 20);
    QCOMPARE(list.pairs.back().first, "w100");

    // Blank records past the hundredth and after the last pair count for nothing.
    QByteArray blanks;
    for (int i = 0; i < 100; ++i)
        blanks += "a,b\n";
    for (int i = 0; i < 50; ++i)
        blanks += ",\n";
    QCOMPARE(importAs("a.csv", blanks).leftOut(), 0);
}

void TestExchange::delimitedFaults()
{
    ImportOptions options;
    ImportedList list;
    QBuffer nul;
    nul.setData(QByteArray("hund\tdo\0g\n", 10));
    nul.open(QIODevice::ReadOnly);
    QCOMPARE(ReadDelimitedText(nul, options, list).kind, ExchangeError::NotText);

    QBuffer longField;
    longField.setData("a\t" + QByteArray(kMaxFieldLength + 1, 'x'));
    longField.open(QIODevice::ReadOnly);
    QCOMPARE(ReadDelimitedText(longField, options, list).kind, ExchangeError::FieldTooLong);
    QVERIFY(list.pairs.empty());

    QBuffer huge;
    huge.setData(QByteArray(kMaxImportBytes + 1, 'a'));
    huge.open(QIODevice::ReadOnly);
    QCOMPARE(ReadDelimitedText(huge, options, list).kind, ExchangeError::TooLarge);
}

void TestExchange::kvtml_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<Pairs>("pairs");
    QTest::newRow("KVTML 2.0 from KWordQuiz")
        << fixture("kwordquiz-v2.kvtml") << "Djur" << QStringList{"Svenska", "en"}
        << Pairs{{"hund", "dog"},
                 {"katt", "cat & kitten"},
                 {QStringLiteral("älg"), ""},
                 {QStringLiteral("<häst>"), "horse"}};
    QTest::newRow("KVTML 1.0")
        << fixture("kwordquiz-v1.kvtml") << "Colours" << QStringList{"English", "Deutsch"}
        << Pairs{{"red", "rot"}, {"green", QStringLiteral("grün")}, {"", ""}, {"blue", "blau"}};
    QTest::newRow("identifiers with other ids")
        << QByteArray("<kvtml version=\"2.0\"><identifiers>"
                      "<identifier id=\"5\"><name>A</name></identifier>"
                      "<identifier id=\"2\"><name>B</name></identifier>"
                      "<identifier id=\"0\"><name>C</name></identifier></identifiers><entries>"
                      "<entry id=\"0\"><translation id=\"0\"><text>c</text></translation>"
                      "<translation id=\"2\"><text>b</text></translation>"
                      "<translation id=\"5\"><text>a</text></translation></entry>"
                      "</entries></kvtml>")
        << "" << QStringList{"A", "B"} << Pairs{{"a", "b"}};
    const QString xml16 =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?><kvtml version=\"2.0\">"
                       "<entries><entry><translation id=\"0\"><text>жук</text>"
                       "</translation></entry><entry/><entry/></entries></kvtml>");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(xml16.utf16()), xml16.size() * 2);
    QTest::newRow("UTF-16 XML, blank entries at the end dropped")
        << utf16 << "" << QStringList() << Pairs{{QStringLiteral("жук"), ""}};
    QTest::newRow("says UTF-8, holds Windows-1252")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><kvtml><e><o>bj\xF6rn</o>"
                      "<t>bear \x80</t></e></kvtml>")
        << "" << QStringList() << Pairs{{QStringLiteral("björn"), QStringLiteral("bear €")}};
    QTest::newRow("empty list") << QByteArray("<kvtml version=\"2.0\"/>") << "" << QStringList()
                                << Pairs{};
}

void TestExchange::kvtml()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, heading);
    QFETCH(QStringList, languages);
    QFETCH(Pairs, pairs);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ImportedList list;
    const ExchangeError error = ReadKvtml(buffer, list);
    QVERIFY2(!error, qPrintable(error.systemReason));
    QCOMPARE(list.heading.value_or(QString()), heading);
    QCOMPARE(list.language1.value_or(QString()), languages.value(0));
    QCOMPARE(list.language2.value_or(QString()), languages.value(1));
    QCOMPARE(pairsOf(list), pairs);
    QCOMPARE(DetectImportOptions("x.kvtml", bytes).format, ExchangeFormat::Kvtml);
}

void TestExchange::kvtmlFaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ExchangeError::Kind>("kind");
    QTest::newRow("broken XML") << QByteArray("<kvtml version=\"2.0\">\n<entries>\n<entry>\n"
                                              "</entries></kvtml>")
                                << ExchangeError::BadXml;
    QTest::newRow("cut off") << QByteArray("<kvtml version=\"2.0\"><entries><entry>")
                             << ExchangeError::BadXml;
    QTest::newRow("not XML at all") << QByteArray("hund,dog") << ExchangeError::NotKvtml;
    QTest::newRow("other XML") << QByteArray("<html><body>x</body></html>")
                               << ExchangeError::NotKvtml;
    QTest::newRow("billion laughs") << billionLaughs() << ExchangeError::OwnEntities;
    QTest::newRow("external entity")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY x SYSTEM "
                      "\"file:///etc/passwd\">]><kvtml><information><title>&x;</title>"
                      "</information></kvtml>")
        << ExchangeError::OwnEntities;
    QTest::newRow("undeclared entity")
        << QByteArray("<!DOCTYPE kvtml SYSTEM \"kvoctrain.dtd\"><kvtml><e><o>&x;</o></e></kvtml>")
        << ExchangeError::OwnEntities;
    QByteArray deep = "<kvtml>";
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    QTest::newRow("deep nesting") << deep << ExchangeError::TooDeep;
    QTest::newRow("word too long")
        << "<kvtml><e><o>" + QByteArray(kMaxFieldLength + 1, 'x') + "</o></e></kvtml>"
        << ExchangeError::FieldTooLong;
}

void TestExchange::kvtmlFaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ExchangeError::Kind, kind);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ImportedList list;
    list.heading = QStringLiteral("old");
    const ExchangeError error = ReadKvtml(buffer, list);
    QCOMPARE(error.kind, kind);
    QVERIFY(list.pairs.empty());
    QVERIFY(!list.heading);
    if (kind == ExchangeError::BadXml) {
        QVERIFY(error.line >= 1);
        QVERIFY(!error.systemReason.isEmpty());
    }
}

void TestExchange::exportBytes()
{
    WordList list;
    list.heading = QStringLiteral("Djur");
    list.language1 = QStringLiteral("Svenska");
    list.language2 = QStringLiteral("Engelska");
    setPair(list, 0, QStringLiteral("hund"), QStringLiteral("dog, hound"));
    setPair(list, 2, QStringLiteral("\"katt\""), QStringLiteral("cat"));
    QCOMPARE(ExportBytes(list, ExportFormat::Tsv),
             QByteArray("hund\tdog, hound\n\t\n\"\"\"katt\"\"\"\tcat\n"));
    QCOMPARE(ExportBytes(list, ExportFormat::Csv),
             QByteArray("\xEF\xBB\xBFhund,\"dog, hound\"\r\n,\r\n\"\"\"katt\"\"\",cat\r\n"));
    const QByteArray kvtml = ExportBytes(list, ExportFormat::Kvtml);
    QVERIFY(kvtml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QVERIFY(kvtml.contains("<kvtml version=\"2.0\">"));
    QVERIFY(kvtml.contains("<title>Djur</title>"));
    QCOMPARE(kvtml.count("<entry "), 3);

    WordList empty;
    QCOMPARE(ExportBytes(empty, ExportFormat::Tsv), QByteArray());
    QCOMPARE(ExportBytes(empty, ExportFormat::Csv), QByteArray("\xEF\xBB\xBF"));

    QCOMPARE(ExportFormatForPath("a/b.CSV"), ExportFormat::Csv);
    QCOMPARE(ExportFormatForPath("b.kvtml"), ExportFormat::Kvtml);
    QCOMPARE(ExportFormatForPath("b.tsv"), ExportFormat::Tsv);
    QCOMPARE(ExportFormatForPath("b.txt"), ExportFormat::Tsv);
}

void TestExchange::roundTrip_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("tsv") << "list.tsv";
    QTest::newRow("txt") << "list.txt";
    QTest::newRow("csv") << "list.csv";
    QTest::newRow("kvtml") << "list.kvtml";
}

void TestExchange::roundTrip()
{
    QFETCH(QString, path);
    WordList list;
    list.heading = QStringLiteral("Rubrik <&> \"x\"");
    list.language1 = QStringLiteral("Svenska");
    list.language2 = QStringLiteral("Suomi");
    const QList<QStringList> words{{"hund", "dog"},
                                   {"a,b", "c;d"},
                                   {"", ""},
                                   {"\"quoted\"", "it's \"x\""},
                                   {QStringLiteral("äpple ж €"), "&amp; <b>"},
                                   {"", "only known"},
                                   {" spaced ", "#separator:tab"},
                                   {"only learned", ""}};
    for (qsizetype i = 0; i < words.size(); ++i)
        setPair(list, int(i), words[i][0], words[i][1]);

    const ExportFormat format = ExportFormatForPath(path);
    const QByteArray bytes = ExportBytes(list, format);
    QCOMPARE(DetectFormat(path, bytes),
             format == ExportFormat::Kvtml ? ExchangeFormat::Kvtml : ExchangeFormat::Delimited);
    const ImportedList back = importAs(path, bytes);
    QCOMPARE(pairsOf(back), words);
    if (format == ExportFormat::Kvtml) {
        QCOMPARE(back.heading.value_or("-"), list.heading);
        QCOMPARE(back.language1.value_or("-"), list.language1);
        QCOMPARE(back.language2.value_or("-"), list.language2);
    }
}

void TestExchange::writeExportFile()
{
    QTemporaryDir dir;
    WordList list;
    setPair(list, 0, QStringLiteral("a"), QStringLiteral("b"));
    const QString path = dir.filePath("out.csv");
    QVERIFY(!WriteExport(list, ExportFormat::Csv, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF"
                                        "a,b\r\n"));
    QCOMPARE(WriteExport(list, ExportFormat::Csv, dir.path()).kind, ExchangeError::CannotWrite);
    QCOMPARE(WriteExport(list, ExportFormat::Tsv, dir.filePath("no/such/folder.tsv")).kind,
             ExchangeError::CannotWrite);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.csv"});
}

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
