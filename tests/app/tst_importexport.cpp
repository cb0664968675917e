// Import and Export in the main window: the File menu's items, the way in from the menu, Open,
// the command line and a drop, the import window, and what Export leaves alone.
#include "EditorPage.h"
#include "ExchangeFile.h"
#include "FakePrompter.h"
#include "FileCommands.h"
#include "ImportCommand.h"
#include "ImportDialog.h"
#include "MainMenuPage.h"
#include "MainMenus.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WhenShown.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

struct Started
{
    ProgramSettings settings;
    FakePrompter prompter;
    std::unique_ptr<MainWindow> window;

    explicit Started(const QString& commandLine = QString(), bool realWindow = false)
    {
        PrepareInterfaceLanguage(settings);
        // Swedish, the source language, whatever the test machine's language is.
        settings.uiLanguage = QStringLiteral("sve");
        InstallInterfaceTranslator(settings.uiLanguage);
        window = std::make_unique<MainWindow>(settings, prompter);
        if (!realWindow) {
            // The import window's choice, as detected, unless a test drives the real one.
            window->importer().setChooser(
                [](const QString&, const QByteArray&, const ImportOptions& detected) {
                    return std::optional<ImportOptions>(detected);
                });
        }
        window->load(commandLine);
    }
    ~Started() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    QAction* action(const char* name) const
    {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    WordList& list() { return window->wordList(); }
    QStringList pairs()
    {
        QStringList out;
        for (int i = 0; i < list().Length(); ++i)
            out << list()[i].learned + u'|' + list()[i].known;
        return out;
    }
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

// Drags a file onto a widget and drops it there, as a file manager does.
void dropFile(QWidget* target, const QString& path, bool* entered = nullptr)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    mime.setText(QUrl::fromLocalFile(path).toString());
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::LinkAction, &mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (entered)
        *entered = enter.isAccepted();
    QDropEvent drop(at, Qt::CopyAction | Qt::LinkAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
}

const QByteArray kCsv = "hund;dog\r\n\"katt; kisse\";cat\r\n;\r\n\xe4lg;moose\r\n";
const QStringList kCsvPairs{"hund|dog", "katt; kisse|cat", "|", QStringLiteral("älg|moose")};

} // namespace

class ImportExportTest : public QObject
{
    Q_OBJECT

    TestSettings m_settings;
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private Q_SLOTS:
    void menuItems_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("importCaption");
        QTest::addColumn<QString>("exportCaption");
        QTest::newRow("sve") << "sve"
                             << "Impor&tera..."
                             << "&Exportera...";
        QTest::newRow("eng") << "eng"
                             << "&Import..."
                             << "&Export...";
        QTest::newRow("fin") << "fin"
                             << "Tu&o..."
                             << "&Vie...";
    }

    void menuItems()
    {
        QFETCH(QString, language);
        QFETCH(QString, importCaption);
        QFETCH(QString, exportCaption);
        Started s;
        InstallInterfaceTranslator(language);
        s.window->SetMainCaptions();
        QStringList names;
        QList<QAction*> items;
        for (QAction* a : s.window->menus()->arkivmeny->actions()) {
            if (!a->isSeparator()) {
                names << a->objectName();
                items << a;
            }
        }
        QCOMPARE(names.mid(0, 8), QStringList({"nymeny", "openfile", "importfile", "savefile",
                                               "save_as", "exportfile", "mnuSS", "instmeny"}));
        QCOMPARE(s.action("importfile")->text(), importCaption);
        QCOMPARE(s.action("exportfile")->text(), exportCaption);
        // The new items' access keys are used by no other item of the menu.
        const auto key = [](const QString& text) {
            const qsizetype at = text.indexOf(u'&');
            return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
        };
        for (const char* name : {"importfile", "exportfile"}) {
            const QChar mine = key(s.action(name)->text());
            QVERIFY(!mine.isNull());
            for (QAction* other : items) {
                if (other != s.action(name))
                    QVERIFY2(
                        key(other->text()) != mine,
                        qPrintable(other->text() + QStringLiteral(" / ") + s.action(name)->text()));
            }
        }
    }

    void importFromTheMenuReplacesTheListUnsaved()
    {
        const QString csv = path("djur.csv");
        QVERIFY(WriteBytes(csv, kCsv));
        Started s;
        s.list()[0].learned = QStringLiteral("old");
        s.list()[50].learned = QStringLiteral("far away");
        s.list().filePath = path("old.vkf");
        s.list().changed = 1;
        s.window->files().recentFiles[0] = path("old.vkf");
        s.prompter.answers.enqueue(Prompter::No);
        s.prompter.fileAnswers.enqueue(csv);
        s.action("importfile")->trigger();

        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::YesNoCancelQuestion));
        QCOMPARE(s.prompter.dialogs.size(), 1);
        QCOMPARE(s.prompter.dialogs[0].kind, FakePrompter::Dialog::Open);
        QVERIFY(s.prompter.dialogs[0].request.filter.contains(QLatin1String("*.kvtml")));
        QVERIFY(s.prompter.dialogs[0].request.filter.endsWith(QLatin1String("*.*")));
        QCOMPARE(s.pairs(), kCsvPairs);
        QVERIFY(s.list()[50].learned.isEmpty());
        QVERIFY(s.window->editorShowing());
        QCOMPARE(s.list().pageStart, 0);
        QCOMPARE(s.window->editor()->findChild<QLineEdit*>("g1_0")->text(), "hund");
        QCOMPARE(s.window->windowTitle(), "Vokabo - Osparad ordlista");
        QVERIFY(s.list().filePath.isEmpty());
        QCOMPARE(s.list().changed, 1);
        QCOMPARE(s.window->files().recentFiles[0], path("old.vkf"));

        // Save asks for a name, proposing the source's name as a word list; cancelled, the
        // source is untouched.
        s.prompter.fileAnswers.enqueue(std::nullopt);
        s.action("savefile")->trigger();
        QCOMPARE(s.prompter.dialogs.size(), 2);
        QCOMPARE(s.prompter.dialogs[1].kind, FakePrompter::Dialog::Save);
        QCOMPARE(s.prompter.dialogs[1].request.fileName, path("djur.vkf"));
        QCOMPARE(readAll(csv), kCsv);
        QCOMPARE(s.list().changed, 1);
    }

    void importOfTheProgramsOwnListOpensIt()
    {
        const QString vkf = path("own.vkf");
        QVERIFY(WriteBytes(vkf, "Rubrik\r\nSvenska\r\nEngelska\r\nhund\r\ndog\r\n"));
        Started s;
        s.prompter.fileAnswers.enqueue(vkf);
        s.action("importfile")->trigger();
        QCOMPARE(s.pairs(), QStringList{"hund|dog"});
        QCOMPARE(s.list().filePath, vkf);
        QCOMPARE(s.list().changed, 0);
        QCOMPARE(s.window->files().recentFiles[0], vkf);
    }

    void importCancelledKeepsTheList()
    {
        Started s;
        s.list()[0].learned = QStringLiteral("kept");
        s.list().changed = 1;
        s.prompter.answers.enqueue(Prompter::Cancel);
        s.action("importfile")->trigger();
        QVERIFY(s.prompter.dialogs.isEmpty());

        const QString csv = path("cancel.csv");
        QVERIFY(WriteBytes(csv, kCsv));
        s.prompter.answers.enqueue(Prompter::No);
        s.prompter.fileAnswers.enqueue(csv);
        s.window->importer().setChooser(
            [](const QString&, const QByteArray&, const ImportOptions&) { return std::nullopt; });
        s.action("importfile")->trigger();
        QCOMPARE(s.list()[0].learned, "kept");
        QCOMPARE(s.list().changed, 1);
    }

    void badFilesKeepTheList_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("billion laughs")
            << "bomb.kvtml"
            << QByteArray("<!DOCTYPE kvtml [<!ENTITY a \"aaaa\"><!ENTITY b \"&a;&a;&a;\">]>"
                          "<kvtml><e><o>&b;</o></e></kvtml>")
            << "Filen deklarerar egna XML-entiteter, som ordlistor aldrig behöver.";
        QTest::newRow("broken XML")
            << "broken.kvtml" << QByteArray("<kvtml version=\"2.0\">\n<entries>\n<entry>")
            << "Filen är ingen giltig XML (rad 3";
        QTest::newRow("no pairs") << "empty.csv" << QByteArray(",\n\n") << "";
        QTest::newRow("binary") << "nul.tsv" << QByteArray("a\tb\0c", 5)
                                << "Filen är ingen textfil.";
    }

    void badFilesKeepTheList()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = m_dir.filePath(name);
        QVERIFY(WriteBytes(file, bytes));
        Started s;
        s.list()[0].learned = QStringLiteral("kept");
        s.list().filePath = path("kept.vkf");
        s.prompter.fileAnswers.enqueue(file);
        s.action("openfile")->trigger();
        QCOMPARE(s.list()[0].learned, "kept");
        QCOMPARE(s.list().filePath, path("kept.vkf"));
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].title, "Importera ordlista");
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::ExclamationOk));
        if (reason.isEmpty()) {
            QCOMPARE(s.prompter.messages[0].text, "Filen innehåller inga ordpar.");
        } else {
            QVERIFY2(s.prompter.messages[0].text.startsWith(
                         QStringLiteral("Listan %1 kunde inte importeras.\r").arg(file)),
                     qPrintable(s.prompter.messages[0].text));
            QVERIFY2(s.prompter.messages[0].text.contains(reason),
                     qPrintable(s.prompter.messages[0].text));
        }
    }

    void openRoutesOtherProgramsFilesThroughImport_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("heading");
        QTest::newRow("spreadsheet CSV") << "a.csv" << kCsv << kCsvPairs << "";
        QTest::newRow("KVTML under another name")
            << "lista.xml"
            << QByteArray("<?xml version=\"1.0\"?><kvtml version=\"2.0\"><information><title>T"
                          "</title></information><entries><entry><translation id=\"0\"><text>a"
                          "</text></translation><translation id=\"1\"><text>b</text>"
                          "</translation></entry></entries></kvtml>")
            << QStringList{"a|b"} << "T";
        QTest::newRow("Anki") << "anki.txt" << QByteArray("#separator:tab\n#html:true\nx<br>\ty\n")
                              << QStringList{"x|y"} << "";
        QTest::newRow("Quizlet") << "quizlet.txt" << QByteArray("term\tdefinition\n")
                                 << QStringList{"term|definition"} << "";
    }

    void openRoutesOtherProgramsFilesThroughImport()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, pairs);
        QFETCH(QString, heading);
        const QString file = m_dir.filePath(name);
        QVERIFY(WriteBytes(file, bytes));
        Started s;
        s.prompter.fileAnswers.enqueue(file);
        s.action("openfile")->trigger();
        QCOMPARE(s.pairs(), pairs);
        QCOMPARE(s.list().heading, heading);
        QVERIFY(s.list().filePath.isEmpty());
        QCOMPARE(s.list().changed, 1);
        QVERIFY(s.window->files().recentFiles[0].isEmpty());
        QCOMPARE(readAll(file), bytes);
    }

    void recentEntryOfASpreadsheetGoesThroughImport()
    {
        const QString file = m_dir.filePath(QStringLiteral("old.csv"));
        QVERIFY(WriteBytes(file, kCsv));
        Started s;
        s.window->files().recentFiles[0] = file;
        s.action("filett")->trigger();
        QCOMPARE(s.pairs(), kCsvPairs);
        QVERIFY(s.list().filePath.isEmpty());
        QCOMPARE(s.list().changed, 1);
        QCOMPARE(readAll(file), kCsv);
    }

    void openReadsWordListsAsBefore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("vkf holding CSV") << "list.vkf";
        QTest::newRow("gls holding KVTML-like text") << "list.gls";
        QTest::newRow("plain txt") << "list.txt";
        QTest::newRow("no extension") << "list";
    }

    void openReadsWordListsAsBefore()
    {
        QFETCH(QString, name);
        const QString file = m_dir.filePath(name);
        QVERIFY(WriteBytes(file, "hund,dog\r\nkatt,cat\r\nrest,1\r\nrest,2\r\n"));
        Started s;
        s.prompter.fileAnswers.enqueue(file);
        s.action("openfile")->trigger();
        QCOMPARE(s.list().heading, "hund,dog");
        QCOMPARE(s.list().language1, "katt,cat");
        QCOMPARE(s.list().filePath, file);
        QCOMPARE(s.list().changed, 0);
    }

    void commandLineImports()
    {
        const QString csv = path("start.csv");
        QVERIFY(WriteBytes(csv, kCsv));
        Started s(csv);
        // The main window comes first; the import follows once it is up.
        QCOMPARE(s.list().Length(), 0);
        QVERIFY(s.prompter.dialogs.isEmpty());
        s.window->openDeferredImport();
        QCOMPARE(s.pairs(), kCsvPairs);
        QCOMPARE(s.window->windowTitle(), "Vokabo - Osparad ordlista");
        QVERIFY(s.list().filePath.isEmpty());
        QCOMPARE(s.list().changed, 1);
    }

    void moreThanHundredPairsSaysHowManyWereLeftOut_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("sve") << "sve"
                             << "Listan har 120 ordpar. En ordlista rymmer 100, så de första 100 "
                                "har lästs in och 20 har utelämnats.";
        QTest::newRow("eng") << "eng"
                             << "The list has 120 word pairs. A wordlist holds 100, so the first "
                                "100 were read and 20 were left out.";
        QTest::newRow("fin") << "fin"
                             << "Listassa on 120 sanaparia. Sanalistaan mahtuu 100, joten "
                                "ensimmäiset 100 luettiin ja 20 jätettiin pois.";
    }

    void moreThanHundredPairsSaysHowManyWereLeftOut()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QByteArray bytes;
        for (int i = 1; i <= 120; ++i)
            bytes += "w" + QByteArray::number(i) + "\tm" + QByteArray::number(i) + "\n";
        const QString file = path("long.tsv");
        QVERIFY(WriteBytes(file, bytes));
        Started s;
        InstallInterfaceTranslator(language);
        s.prompter.fileAnswers.enqueue(file);
        s.action("openfile")->trigger();
        QCOMPARE(s.list().Length(), 100);
        QCOMPARE(s.list()[99].learned, "w100");
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].text, text);
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::InformationOk));
    }

    void dropOnAWordBoxOpensTheFile()
    {
        const QString csv = path("dropped.csv");
        QVERIFY(WriteBytes(csv, kCsv));
        Started s;
        s.action("editmeny")->trigger();
        auto* box = s.window->editor()->findChild<QLineEdit*>("g1_0");
        QVERIFY(box);
        box->setText(QStringLiteral("typed"));
        s.list().changed = 1;
        s.prompter.answers.enqueue(Prompter::No);
        bool entered = false;
        dropFile(box, csv, &entered);
        QVERIFY(entered);
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::YesNoCancelQuestion));
        QCOMPARE(s.pairs(), kCsvPairs);
        QCOMPARE(box->text(), "hund");
        QVERIFY(s.list().filePath.isEmpty());
    }

    void dropOfAWordListOnTheWindowOpensIt()
    {
        const QString vkf = path("dropped.vkf");
        QVERIFY(WriteBytes(vkf, "Rubrik\r\nSvenska\r\nEngelska\r\nhund\r\ndog\r\n"));
        Started s;
        dropFile(s.window->mainMenuPage(), vkf);
        QCOMPARE(s.list().heading, "Rubrik");
        QCOMPARE(s.list().filePath, vkf);
        QCOMPARE(s.window->windowTitle(), "Vokabo - dropped.vkf");
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void noImportWhileTheQuizShows()
    {
        const QString csv = path("quiz.csv");
        QVERIFY(WriteBytes(csv, kCsv));
        Started s;
        s.list()[0].learned = QStringLiteral("a");
        s.list()[0].known = QStringLiteral("b");
        s.action("forhormeny")->trigger();
        QVERIFY(s.window->quizShowing());
        QVERIFY(!s.action("importfile")->isEnabled());
        QVERIFY(!s.action("exportfile")->isEnabled());
        auto* answer = s.window->findChild<QLineEdit*>("t0");
        QVERIFY(answer);
        bool entered = true;
        dropFile(answer, csv, &entered);
        QVERIFY(!entered);
        QCOMPARE(s.list()[0].learned, "a");
        QVERIFY(answer->text().isEmpty());
        s.window->ShowMainMenu();
        QVERIFY(s.action("importfile")->isEnabled());
        QVERIFY(s.action("exportfile")->isEnabled());
    }

    void exportWritesTheListAndChangesNothingElse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("tsv") << "out.tsv" << QByteArray("hund\tdog\n\t\nkatt\tcat, kitty\n");
        QTest::newRow("csv") << "out.csv"
                             << QByteArray("\xEF\xBB\xBFhund,dog\r\n,\r\nkatt,\"cat, kitty\"\r\n");
    }

    void exportWritesTheListAndChangesNothingElse()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString out = m_dir.filePath(name);
        Started s;
        s.list()[0].learned = QStringLiteral("hund");
        s.list()[0].known = QStringLiteral("dog");
        s.list()[2].learned = QStringLiteral("katt");
        s.list()[2].known = QStringLiteral("cat, kitty");
        s.list().filePath = path("djur.vkf");
        s.list().changed = 1;
        s.window->setWindowTitle(QStringLiteral("Vokabo - djur"));
        s.prompter.fileAnswers.enqueue(out);
        s.action("exportfile")->trigger();
        QCOMPARE(readAll(out), bytes);
        QCOMPARE(s.prompter.dialogs.size(), 1);
        QCOMPARE(s.prompter.dialogs[0].kind, FakePrompter::Dialog::Save);
        QCOMPARE(s.prompter.dialogs[0].request.fileName, path("djur.tsv"));
        QVERIFY(s.prompter.dialogs[0].request.filter.contains(QLatin1String("*.kvtml")));
        QCOMPARE(s.list().filePath, path("djur.vkf"));
        QCOMPARE(s.list().changed, 1);
        QCOMPARE(s.window->windowTitle(), "Vokabo - djur");
        QVERIFY(s.window->files().recentFiles[0].isEmpty());
        QVERIFY(!QFile::exists(path("djur.vkf")));

        // Back through Open: the same pairs.
        s.list().changed = 0;
        s.prompter.fileAnswers.enqueue(out);
        s.action("openfile")->trigger();
        QCOMPARE(s.pairs(), QStringList({"hund|dog", "|", "katt|cat, kitty"}));
    }

    void exportFailureSaysSo()
    {
        Started s;
        s.list()[0].learned = QStringLiteral("a");
        s.prompter.fileAnswers.enqueue(m_dir.path());
        s.action("exportfile")->trigger();
        QCOMPARE(s.prompter.messages.size(), 1);
        QVERIFY(s.prompter.messages[0].text.startsWith(
            QStringLiteral("Ordlistan kunde inte exporteras som %1.").arg(m_dir.path())));
        QCOMPARE(s.prompter.messages[0].title, "Exportera ordlista");
    }

    void theImportWindowPreviewsAndSwaps()
    {
        const QString csv = path("window.csv");
        QVERIFY(WriteBytes(csv, "Svenska;Engelska\r\nhund;dog\r\nkatt;cat\r\n"));
        Started s(QString(), true);
        bool checked = false;
        WhenShown<ImportDialog>(s.window.get(), [&checked](ImportDialog* dialog) {
            // A failed check returns early; the window must close all the same.
            struct Closer
            {
                ImportDialog* dialog;
                ~Closer()
                {
                    if (dialog->isVisible())
                        dialog->reject();
                }
            } closer{dialog};
            auto* format = dialog->findChild<QComboBox*>("importFormat");
            auto* delimiter = dialog->findChild<QComboBox*>("importDelimiter");
            auto* table = dialog->findChild<QTableWidget*>("importPreview");
            QVERIFY(format && delimiter && table);
            QCOMPARE(delimiter->currentText(), "Semikolon ;");
            QCOMPARE(table->item(0, 0)->text(), "Svenska");
            QCOMPARE(table->item(1, 1)->text(), "dog");
            // A wrong delimiter leaves each line one word; the preview shows it at once.
            delimiter->setCurrentIndex(2);
            QCOMPARE(table->item(1, 0)->text(), "hund;dog");
            QCOMPARE(table->item(1, 1)->text(), "");
            delimiter->setCurrentIndex(1);
            dialog->findChild<QCheckBox*>("importHeader")->setChecked(true);
            dialog->findChild<QCheckBox*>("importSwap")->setChecked(true);
            QCOMPARE(table->item(0, 0)->text(), "dog");
            QCOMPARE(table->horizontalHeaderItem(0)->text(), "Engelska");
            QCOMPARE(dialog->findChild<QLabel*>("importCount")->text(), "2 ordpar");
            checked = true;
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        s.prompter.fileAnswers.enqueue(csv);
        s.action("importfile")->trigger();
        QVERIFY(checked);
        QCOMPARE(s.pairs(), QStringList({"dog|hund", "cat|katt"}));
        QCOMPARE(s.list().language1, "Engelska");
        QCOMPARE(s.list().language2, "Svenska");
    }
};

QTEST_MAIN(ImportExportTest)
#include "tst_importexport.moc"
