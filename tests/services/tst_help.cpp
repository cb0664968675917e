#include "FakePrompter.h"
#include "HelpCommand.h"
#include "HelpViewer.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

class HelpTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void missingFileNamesOnlyTheFile_data();
    void missingFileNamesOnlyTheFile();
    void opensAtThePartOfTheLanguage_data();
    void opensAtThePartOfTheLanguage();
    void oneWindowThatCloseHelpCloses();
    void programFolderEndsWithSlash();
    void buildPutsHelpFileBesideProgram();
    void everyLinkOfTheHelpFileHasItsPlace();

private:
    TestSettings m_settings;
};

void HelpTest::cleanup()
{
    CloseHelp();
    InstallInterfaceTranslator(QStringLiteral("sve"));
}

void HelpTest::missingFileNamesOnlyTheFile_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("sve") << "sve"
                         << "Hjälpfilen hittades inte"
                         << "Filen Vokabo.hlp hittades inte, därför kan du inte använda hjälpen.";
    QTest::newRow("eng") << "eng"
                         << "Helpfile not found"
                         << "The file Vokabo.hlp was not found, you can not use the help.";
    QTest::newRow("fin") << "fin"
                         << "Aputiedostoa ei löytynyt"
                         << "Tiedostoa Vokabo.hlp ei löytynyt, et siis voi käytää apua.";
}

void HelpTest::missingFileNamesOnlyTheFile()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QVERIFY(InstallInterfaceTranslator(language));
    QTemporaryDir dir;
    FakePrompter prompter;
    QWidget owner;
    OpenHelpFile(dir.filePath(QStringLiteral("Vokabo.hlp")), prompter, &owner);

    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, title);
    QCOMPARE(prompter.messages[0].text, text);
    QCOMPARE(prompter.messages[0].flags, 0x30);
    QVERIFY(!CurrentHelpViewer());
}

void HelpTest::opensAtThePartOfTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QString>("title");
    QTest::newRow("sve") << "sve"
                         << "svenska"
                         << "Vokabo - Hjälp";
    QTest::newRow("eng") << "eng"
                         << "english"
                         << "Vokabo - Help";
    QTest::newRow("fin") << "fin"
                         << "suomi"
                         << "Vokabo - Ohje";
}

void HelpTest::opensAtThePartOfTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, anchor);
    QFETCH(QString, title);
    QVERIFY(InstallInterfaceTranslator(language));
    FakePrompter prompter;
    QWidget owner;
    OpenHelpFile(QStringLiteral(VOKABO_HELP_SOURCE), prompter, &owner);

    QVERIFY(prompter.messages.isEmpty());
    HelpViewer* viewer = CurrentHelpViewer();
    QVERIFY(viewer);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QCOMPARE(viewer->windowTitle(), title);
    QCOMPARE(viewer->browser()->source().fragment(), anchor);
    // The part's heading is the first thing in view.
    const QTextCursor top = viewer->browser()->cursorForPosition(QPoint(20, 10));
    const QString firstLine = top.block().text();
    QVERIFY2(firstLine.startsWith(QStringLiteral("Vokabo – ")), qPrintable(firstLine));
    if (language != u"sve")
        QVERIFY(viewer->browser()->verticalScrollBar()->value() > 0);
}

void HelpTest::oneWindowThatCloseHelpCloses()
{
    FakePrompter prompter;
    QWidget owner;
    OpenHelpFile(QStringLiteral(VOKABO_HELP_SOURCE), prompter, &owner);
    QPointer<HelpViewer> first = CurrentHelpViewer();
    OpenHelpFile(QStringLiteral(VOKABO_HELP_SOURCE), prompter, &owner);
    QCOMPARE(CurrentHelpViewer(), first.data());
    QVERIFY(first->isVisible());

    CloseHelp();
    QVERIFY(!CurrentHelpViewer());
    QVERIFY(first.isNull());
    CloseHelp(); // closing when nothing is open is harmless
}

void HelpTest::programFolderEndsWithSlash()
{
    QCOMPARE(ProgramFolder(), QCoreApplication::applicationDirPath() + u'/');
}

void HelpTest::buildPutsHelpFileBesideProgram()
{
    QFile copy(QStringLiteral(VOKABO_APP_FOLDER "/Vokabo.hlp"));
    QFile source(QStringLiteral(VOKABO_HELP_SOURCE));
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), source.readAll());
}

void HelpTest::everyLinkOfTheHelpFileHasItsPlace()
{
    QFile file(QStringLiteral(VOKABO_HELP_SOURCE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QSet<QString> names;
    for (const auto& m : QRegularExpression(QStringLiteral("name=\"([^\"]+)\"")).globalMatch(html))
        names.insert(m.captured(1));
    QVERIFY(names.contains(QStringLiteral("svenska")));
    QVERIFY(names.contains(QStringLiteral("english")));
    QVERIFY(names.contains(QStringLiteral("suomi")));
    int links = 0;
    for (const auto& m :
         QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(html)) {
        QVERIFY2(names.contains(m.captured(1)), qPrintable(m.captured(1)));
        ++links;
    }
    QVERIFY(links > 20);
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
