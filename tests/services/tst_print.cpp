#include "FakePrompter.h"
#include "FileSizeLimit.h"
#include "LinePrinter.h"
#include "PrintCommand.h"
#include "PrintLayout.h"
#include "QPrinterLinePrinter.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WordList.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records what the command sends; each document appends its lines to the factory's record.
class RecordingFactory : public LinePrinterFactory
{
public:
    class Printer : public LinePrinter
    {
    public:
        explicit Printer(RecordingFactory& owner) : m_owner(owner) {}
        void printLine(const QString& text) override { m_owner.lines << text; }
        bool endDoc() override
        {
            ++m_owner.ends;
            return m_owner.endResult;
        }

    private:
        RecordingFactory& m_owner;
    };

    bool printerInstalled = true;
    bool endResult = true;
    QString folder;
    QStringList opened; // "printer:<name>" or "pdf:<path>"
    QStringList lines;
    int ends = 0;

    bool hasPrinter() const override { return printerInstalled; }
    std::unique_ptr<LinePrinter> openPrinter(const QString& documentName) override
    {
        opened << QStringLiteral("printer:") + documentName;
        return std::make_unique<Printer>(*this);
    }
    std::unique_ptr<LinePrinter> openPdf(const QString& path, const QString&) override
    {
        opened << QStringLiteral("pdf:") + path;
        return std::make_unique<Printer>(*this);
    }
    QString pdfFolder() const override { return folder; }
};

// The real printer path, with no printer installed and the PDF going to a chosen folder.
class PdfOnlyFactory : public QPrinterLinePrinterFactory
{
public:
    explicit PdfOnlyFactory(const QString& folder) : m_folder(folder) {}
    bool hasPrinter() const override { return false; }
    QString pdfFolder() const override { return m_folder; }

private:
    QString m_folder;
};

WordList SampleList()
{
    WordList list;
    list.heading = QStringLiteral("Djur");
    list.filePath = QStringLiteral("/home/elev/tyska.vkf");
    list[0].learned = QStringLiteral("der Hund");
    list[0].known = QStringLiteral("hund");
    list[2].learned = QStringLiteral("die Katze");
    list[2].known = QStringLiteral("katt");
    return list;
}

bool FileStartsWithPdf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.readAll().startsWith("%PDF-") &&
           file.size() > 1000;
}

// A small file in the way; false when it could not be made.
[[nodiscard]] bool Touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("keep") == 4;
}

} // namespace

class PrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }
    void noSendsNothing();
    void yesPrintsEveryLineAndEndsTheDocument();
    void noPrinterWritesPdfAndSaysWhere();
    void pdfPath_data();
    void pdfPath();
    void failedJobSaysSo_data();
    void failedJobSaysSo();
    void messagesInInterfaceLanguage_data();
    void messagesInInterfaceLanguage();
    void realPdfKeepsTheColumns();
    void realPdfThatCannotBeWrittenFails();
    void realPdfOnAFullDiskLeavesNoFile();

private:
    TestSettings m_settings;
};

void PrintTest::noSendsNothing()
{
    FakePrompter prompter;
    prompter.answers << Prompter::No;
    RecordingFactory printers;
    PrintWordList(SampleList(), prompter, printers);

    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].text, QStringLiteral("Vill du skriva ut denna ordlista?"));
    QCOMPARE(prompter.messages[0].title, QString());
    QCOMPARE(prompter.messages[0].flags, 0x24);
    QVERIFY(printers.opened.isEmpty());
    QVERIFY(printers.lines.isEmpty());
    QCOMPARE(printers.ends, 0);
}

void PrintTest::yesPrintsEveryLineAndEndsTheDocument()
{
    FakePrompter prompter;
    prompter.answers << Prompter::Yes;
    RecordingFactory printers;
    WordList list = SampleList();
    PrintWordList(list, prompter, printers);

    QCOMPARE(printers.opened, QStringList{"printer:tyska.vkf"});
    QCOMPARE(printers.lines, PrintLines(list));
    QCOMPARE(printers.lines.size(), 5); // heading, blank, three slots with the blank pair
    QCOMPARE(printers.ends, 1);
    QCOMPARE(prompter.messages.size(), 1); // the question only
    QCOMPARE(list.changed, 0);
}

void PrintTest::noPrinterWritesPdfAndSaysWhere()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Dokument")); // not there yet
    FakePrompter prompter;
    RecordingFactory printers;
    printers.printerInstalled = false;
    printers.folder = folder;
    PrintWordList(SampleList(), prompter, printers);

    const QString expected = QDir(folder).filePath(QStringLiteral("tyska.pdf"));
    QCOMPARE(printers.opened, QStringList{"pdf:" + expected});
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(printers.ends, 1);
    QCOMPARE(prompter.messages.size(), 2);
    QCOMPARE(prompter.messages[1].flags, 0x40);
    QCOMPARE(prompter.messages[1].text,
             "Ingen skrivare hittades. Ordlistan sparades som PDF-fil:\r" +
                 QDir::toNativeSeparators(expected));
}

void PrintTest::pdfPath_data()
{
    QTest::addColumn<QString>("listPath");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unsaved list") << QString() << QStringList() << "Vokabo.pdf";
    QTest::newRow("named after the file") << "/a/tyska.vkf" << QStringList() << "tyska.pdf";
    QTest::newRow("windows folder") << "C:\\Ord\\glosor.gls" << QStringList() << "glosor.pdf";
    QTest::newRow("only the last extension goes")
        << "/a/my.words.vkf" << QStringList() << "my.words.pdf";
    QTest::newRow("existing file is kept")
        << "/a/tyska.vkf" << QStringList{"tyska.pdf", "tyska (2).pdf"} << "tyska (3).pdf";
    QTest::newRow("existing unsaved printout is kept")
        << QString() << QStringList{"Vokabo.pdf"} << "Vokabo (2).pdf";
    // The longest names a file system takes: a number added shortens the name to fit.
    const QString longest = QString(119, u'o') + QString(66, QChar(0x00e5));
    QTest::newRow("longest name") << "/a/" + longest + ".vkf" << QStringList() << longest + ".pdf";
    QTest::newRow("longest name, numbered")
        << "/a/" + longest + ".vkf" << QStringList{longest + ".pdf"}
        << QString(119, u'o') + QString(64, QChar(0x00e5)) + " (2).pdf";
}

void PrintTest::pdfPath()
{
    QFETCH(QString, listPath);
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString& name : existing)
        QVERIFY(Touch(dir.filePath(name)));
    QCOMPARE(PdfPathFor(dir.path(), listPath), dir.filePath(expected));
}

void PrintTest::failedJobSaysSo_data()
{
    QTest::addColumn<bool>("printerInstalled");
    QTest::newRow("printer") << true;
    QTest::newRow("pdf") << false;
}

void PrintTest::failedJobSaysSo()
{
    QFETCH(bool, printerInstalled);
    QTemporaryDir dir;
    FakePrompter prompter;
    RecordingFactory printers;
    printers.printerInstalled = printerInstalled;
    printers.folder = dir.path();
    printers.endResult = false;
    WordList list = SampleList();
    PrintWordList(list, prompter, printers);

    QCOMPARE(prompter.messages.size(), 2);
    QCOMPARE(prompter.messages[1].text, QStringLiteral("Ordlistan kunde inte skrivas ut."));
    QCOMPARE(prompter.messages[1].flags, 0x30);
    QCOMPARE(list.heading, QStringLiteral("Djur"));
    QCOMPARE(list[2].known, QStringLiteral("katt"));
}

void PrintTest::messagesInInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("savedAsPdf");
    QTest::addColumn<QString>("failed");
    QTest::newRow("eng") << "eng"
                         << "Do you want to print this wordlist?"
                         << "No printer was found. The wordlist was saved as a PDF file:"
                         << "The wordlist could not be printed.";
    QTest::newRow("fin") << "fin"
                         << "Haluatko tulostaa tämän sanalistan?"
                         << "Tulostinta ei löytynyt. Sanalista tallennettiin PDF-tiedostoksi:"
                         << "Sanalistaa ei voitu tulostaa.";
}

void PrintTest::messagesInInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, question);
    QFETCH(QString, savedAsPdf);
    QFETCH(QString, failed);
    QVERIFY(InstallInterfaceTranslator(language));
    QTemporaryDir dir;

    FakePrompter prompter;
    RecordingFactory printers;
    printers.printerInstalled = false;
    printers.folder = dir.path();
    PrintWordList(SampleList(), prompter, printers);
    printers.endResult = false;
    PrintWordList(SampleList(), prompter, printers);

    QCOMPARE(prompter.messages.size(), 4);
    QCOMPARE(prompter.messages[0].text, question);
    QVERIFY2(prompter.messages[1].text.startsWith(savedAsPdf + u'\r'),
             qPrintable(prompter.messages[1].text));
    QCOMPARE(prompter.messages[3].text, failed);
}

void PrintTest::realPdfKeepsTheColumns()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    QTemporaryDir dir;
    WordList list;
    list.heading = QStringLiteral("Djur");
    list[0].learned = QStringLiteral("hund");
    list[0].known = QStringLiteral("dog");
    list[1].learned = QString(39, u'a');
    list[1].known = QStringLiteral("x");
    list[2].learned = QString(40, u'b');
    list[2].known = QStringLiteral("y");
    list[3].known = QStringLiteral("z");
    list[4].learned = QStringLiteral("björn");
    list[4].known = QStringLiteral("bear");

    FakePrompter prompter;
    PdfOnlyFactory printers(dir.path());
    PrintWordList(list, prompter, printers);

    const QString pdf = dir.filePath(QStringLiteral("Vokabo.pdf"));
    QCOMPARE(prompter.messages.size(), 2);
    QCOMPARE(prompter.messages[1].flags, 0x40);
    QVERIFY(prompter.messages[1].text.endsWith(QDir::toNativeSeparators(pdf)));
    QVERIFY(QFileInfo(pdf).size() > 0);

    auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.start(pdftotext, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };

    // The character pitch and the left edge, in points, from the box of a 4-letter word.
    const QString boxes = run({QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    const QRegularExpressionMatch hund =
        QRegularExpression(QStringLiteral(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>hund<)re"))
            .match(boxes);
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)")re")).match(boxes);
    QVERIFY2(hund.hasMatch() && page.hasMatch(), qPrintable(boxes));
    const double pitch = (hund.captured(2).toDouble() - hund.captured(1).toDouble()) / 4;
    const double margin = hund.captured(1).toDouble() - 8 * pitch;
    QVERIFY(margin > 0);
    // 80 characters fill the line between the margins.
    const double lineWidth = page.captured(1).toDouble() - 2 * margin;
    QVERIFY2(80 * pitch <= lineWidth && 80 * pitch > 0.98 * lineWidth,
             qPrintable(QStringLiteral("pitch %1, line %2").arg(pitch).arg(lineWidth)));

    // Read back on that pitch, so a column in the text is a column of the printout.
    const QStringList text = run({QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                  QString::number(pitch), pdf, QStringLiteral("-")})
                                 .split(u'\n');
    auto lineWith = [&](const QString& word) -> QString {
        for (const QString& line : text) {
            if (line.contains(word))
                return line;
        }
        return QString();
    };
    const QString dogLine = lineWith(QStringLiteral("hund"));
    QVERIFY2(!dogLine.isEmpty(), qPrintable(text.join(u'\n')));
    const qsizetype column1 = dogLine.indexOf(QStringLiteral("hund")) - 8;
    auto columnOf = [&](const QString& line, const QString& word) {
        return line.indexOf(word) - column1;
    };
    QCOMPARE(columnOf(lineWith(QStringLiteral("Djur")), QStringLiteral("Djur")), 38);
    QCOMPARE(columnOf(dogLine, QStringLiteral("dog")), 48);
    QCOMPARE(columnOf(lineWith(QString(39, u'a')), QStringLiteral("x")), 48);
    const QString splitLine = lineWith(QString(40, u'b'));
    QCOMPARE(columnOf(splitLine, QString(40, u'b')), 8);
    QVERIFY(!splitLine.contains(u'y'));
    QCOMPARE(columnOf(lineWith(QStringLiteral("        y")), QStringLiteral("y")), 8);
    QCOMPARE(columnOf(lineWith(QStringLiteral("   z")), QStringLiteral("z")), 48);
    QCOMPARE(columnOf(lineWith(QStringLiteral("björn")), QStringLiteral("bear")), 48);
}

void PrintTest::realPdfThatCannotBeWrittenFails()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("not-a-folder"));
    QVERIFY(Touch(file));
    FakePrompter prompter;
    PdfOnlyFactory printers(file + QStringLiteral("/Dokument"));
    PrintWordList(SampleList(), prompter, printers);

    QCOMPARE(prompter.messages.size(), 2);
    QCOMPARE(
        prompter.messages[1].text,
        QStringLiteral("Ordlistan kunde inte skrivas ut.\rEn del av sökvägen är inte en mapp."));
    QCOMPARE(prompter.messages[1].flags, 0x30);
}

void PrintTest::realPdfOnAFullDiskLeavesNoFile()
{
    QTemporaryDir dir;
    PdfOnlyFactory printers(dir.path());
    FakePrompter prompter;
    {
        // Room for the start of the PDF but not for its whole.
        const FileSizeLimit limit(2000);
        QVERIFY(limit.ok());
        PrintWordList(SampleList(), prompter, printers);
    }
    QCOMPARE(prompter.messages.size(), 2);
    QCOMPARE(prompter.messages[1].text,
             QStringLiteral("Ordlistan kunde inte skrivas ut.\rFilen blir för stor."));
    QCOMPARE(prompter.messages[1].flags, 0x30);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());

    // With room again the PDF is written whole under the list's name, and the next is numbered.
    PrintWordList(SampleList(), prompter, printers);
    PrintWordList(SampleList(), prompter, printers);
    QCOMPARE(prompter.messages.size(), 6);
    QCOMPARE(prompter.messages[3].flags, 0x40);
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList({"tyska (2).pdf", "tyska.pdf"}));
    QVERIFY(FileStartsWithPdf(dir.filePath(QStringLiteral("tyska.pdf"))));
}

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
