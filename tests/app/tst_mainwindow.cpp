#include "EditorPage.h"
#include "FakePrompter.h"
#include "MainMenuPage.h"
#include "MainMenus.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "QuizPage.h"
#include "StartUp.h"
#include "StartedWindow.h"
#include "TestFiles.h"
#include "TestSettings.h"
#include "ToolbarPanel.h"
#include "Translation.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

using Started = StartedWindow;

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartFollowsTheSystemLanguage_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QByteArray>("offbox");
        QTest::addColumn<QString>("uiLanguage");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("title");
        QTest::newRow("Finnish") << QByteArray("fi_FI.UTF-8") << QByteArray() << "fin" << false
                                 << "Vokabo - Ej tallennettu sanalista";
        QTest::newRow("Danish") << QByteArray("da_DK.UTF-8") << QByteArray() << "sve" << true
                                << "Vokabo - Osparad ordlista";
        QTest::newRow("Danish, Offbox On") << QByteArray("da_DK.UTF-8") << QByteArray("On") << "sve"
                                           << false << "Vokabo - Osparad ordlista";
        QTest::newRow("German") << QByteArray("de_DE.UTF-8") << QByteArray() << "eng" << false
                                << "Vokabo - Unsaved wordlist";
        QTest::newRow("none") << QByteArray() << QByteArray() << "eng" << false
                              << "Vokabo - Unsaved wordlist";
    }

    void firstStartFollowsTheSystemLanguage()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QByteArray, offbox);
        QFETCH(QString, uiLanguage);
        QFETCH(bool, picture);
        QFETCH(QString, title);
        TestSettings settings(locale);
        if (!offbox.isEmpty())
            settings.writeIni("[Options]\r\nOffbox=" + offbox + "\r\nWelcome=0\r\n");
        Started s;
        QCOMPARE(s.settings.uiLanguage, uiLanguage);
        QCOMPARE(s.window->windowTitle(), title);
        QCOMPARE(s.window->mainMenuPage()->imgReklam->isVisibleTo(s.window.get()), picture);
        QVERIFY(s.window->mainMenuPage()->imgVokabo->isVisibleTo(s.window.get()));
        QCOMPARE(s.window->wordList().changed, 0);
        QCOMPARE(s.window->pos(), QPoint(0, 0));
        QCOMPARE(s.settings.font1Name, QStringLiteral("MS Sans Serif"));
        QCOMPARE(s.settings.font1Size, 8);

        // The picture comes back with the main menu only for a Nordic system language.
        s.window->wordList()[0].learned = QStringLiteral("a");
        s.window->EnterEditor();
        QVERIFY(!s.window->mainMenuPage()->imgReklam->isVisibleTo(s.window.get()));
        s.window->ShowMainMenu();
        QCOMPARE(s.window->mainMenuPage()->imgReklam->isVisibleTo(s.window.get()), picture);
    }

    void firstRunWritesTheDocumentedSettingsFile()
    {
        TestSettings settings("sv_SE.UTF-8");
        Started s;
        // The about box greets at the first start; its OK turns the greeting off.
        QTimer::singleShot(0, s.window.get(), [&s] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto* ok = QApplication::activeModalWidget()->findChild<QPushButton*>("cmdOmOK");
            QVERIFY(ok);
            ok->click();
        });
        s.window->showAndGreet();
        s.window->move(80, 60); // 1200, 900 twips
        QVERIFY(s.window->close());
        const QString expected = QStringLiteral(
            "[Språk1]\nAntal=6\n0=Engelska\n1=Tyska\n2=Franska\n3=Spanska\n4=Italienska\n"
            "5=Finska\n6=Svenska\n[Språk2]\nAntal=6\n0=Svenska\n1=Engelska\n2=Tyska\n"
            "3=Finska\n4=Franska\n5=Spanska\n6=Italienska\n[Options]\nWelcome=0\nShowRw=0\n"
            "[Position]\nX=1200\nY=900\n[Inställningar]\nSpråk1=Engelska\nSpråk2=Svenska\n"
            "[Files]\n1=\n2=\n3=\n4=\n");
        QString text = settings.iniText();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (text.contains(QStringLiteral("\n\n")))
            text.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
        QCOMPARE(text, expected);
        // Windows-1252, as the file has always been: "ä" is one byte.
        QVERIFY(settings.iniBytes().contains("[Inst\xe4llningar]"));
    }

    void captionsInEachLanguage_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>(
            "expected"); // arkivmeny, avslutameny, cmdSkrivOrd, editera, cmdAntalratt, sprbutton
        QTest::newRow("sve") << QByteArray("sv_SE.UTF-8")
                             << QStringList{"&Arkiv",    "&Avsluta",   "Skriv ord",
                                            "Skriv ord", "Antal rätt", "Inställningar..."};
        QTest::newRow("eng") << QByteArray("en_GB.UTF-8")
                             << QStringList{"&File",       "E&xit Vokabo", "Write",
                                            "Write words", "Count c",      "Options..."};
        QTest::newRow("fin") << QByteArray("fi_FI.UTF-8")
                             << QStringList{"&Tiedosto",       "&Lopeta", "Kirjoita",
                                            "Kirjoita sanoja", "Laske o", "Asetukset..."};
    }

    void captionsInEachLanguage()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, expected);
        TestSettings settings(locale);
        Started s;
        QCOMPARE(s.child<QMenu>("arkivmeny")->title(), expected[0]);
        QCOMPARE(s.action("avslutameny")->text(), expected[1]);
        QCOMPARE(s.child<QToolButton>("cmdSkrivOrd")->text(), expected[2]);
        QCOMPARE(s.child<QToolButton>("editera")->text(), expected[3]);
        QCOMPARE(s.child<QToolButton>("cmdAntalratt")->text(), expected[4]);
        QCOMPARE(s.child<QPushButton>("sprbutton")->text(), expected[5]);
        // Recent-file items read the same in every language.
        QCOMPARE(s.action("filett")->text(), QStringLiteral("&1 "));
    }

    void englishDefaultListsInTheLanguageBoxes()
    {
        TestSettings settings("en_US.UTF-8");
        Started s;
        QComboBox* lang1 = s.window->editor()->lang1Box();
        QComboBox* lang2 = s.window->editor()->lang2Box();
        QStringList first, second;
        for (int i = 0; i < lang1->count(); ++i)
            first << lang1->itemText(i);
        for (int i = 0; i < lang2->count(); ++i)
            second << lang2->itemText(i);
        QCOMPARE(first, (QStringList{"Foreign", "English", "German", "French", "Spanish", "Italian",
                                     "Japanese"}));
        QCOMPARE(second, (QStringList{"English", "German", "French", "Spanish", "Italian",
                                      "Swedish", "My language"}));
        QCOMPARE(lang1->currentText(), QStringLiteral("Foreign"));
        QCOMPARE(lang2->currentText(), QStringLiteral("English"));
        QCOMPARE(s.window->wordList().changed, 0);
    }

    void startsWithTheFileOfTheCommandLine()
    {
        TestSettings settings("sv_SE.UTF-8");
        const QString path = QDir(settings.folder()).filePath(QStringLiteral("my list.vkf"));
        QVERIFY(
            WriteBytes(path, "Kapitel 3\r\nTyska\r\nSvenska\r\nHund\r\nhund\r\nKatze\r\nkatt\r\n"));
        Started s(path);
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Vokabo - my list.vkf"));
        QCOMPARE(s.window->wordList().changed, 0);
        QCOMPARE(s.window->wordList().Length(), 2);
        QVERIFY(!s.window->editorShowing());
        QCOMPARE(s.window->files().recentFiles[0], path);
        s.window->EnterEditor();
        QCOMPARE(s.child<QLineEdit>("g1_1")->text(), QStringLiteral("Katze"));
        QCOMPARE(s.child<QLineEdit>("rubrik")->text(), QStringLiteral("Kapitel 3"));
        QCOMPARE(s.window->editor()->lang1Box()->currentText(), QStringLiteral("Tyska"));
        QCOMPARE(s.window->wordList().changed, 0);
    }

    void commandLineArgumentsAreJoined()
    {
        const CommandLine c = ParseCommandLine({"vokabo", "/home/a/my", "list.vkf"});
        QCOMPARE(c.action, CommandLine::Run);
        QCOMPARE(c.wordListPath, QStringLiteral("/home/a/my list.vkf"));
        QCOMPARE(ParseCommandLine({"vokabo", "--version"}).action, CommandLine::Version);
        QCOMPARE(ParseCommandLine({"vokabo", "--help"}).action, CommandLine::Help);
        QCOMPARE(ParseCommandLine({"vokabo"}).wordListPath, QString());
    }

    void editorThenQuizPassesThroughTheMainMenu()
    {
        TestSettings settings("sv_SE.UTF-8");
        Started s;
        WordList& list = s.window->wordList();
        for (int i = 0; i < 25; ++i) {
            list[i].learned = QStringLiteral("l%1").arg(i);
            list[i].known = QStringLiteral("k%1").arg(i);
        }
        s.action("editmeny")->trigger();
        QVERIFY(s.window->editorShowing());
        QVERIFY(s.child<QToolButton>("cmdHuvudmenyn")->isEnabled());
        s.window->editor()->EditorPageDown();
        QCOMPARE(list.pageStart, 10);

        s.action("forhormeny")->trigger();
        QVERIFY(!s.window->editorShowing());
        QVERIFY(s.window->quizShowing());
        QCOMPARE(list.pageStart, 0);
        QVERIFY(!s.action("openfile")->isEnabled());
        QVERIFY(!s.action("savefile")->isEnabled());
        QVERIFY(!s.action("save_as")->isEnabled());
        QVERIFY(!s.action("filfyra")->isEnabled());
        QVERIFY(!s.child<QToolButton>("cmdOppna")->isEnabled());
        QVERIFY(!s.child<QToolButton>("cmdSpara")->isEnabled());
        QVERIFY(s.action("nymeny")->isEnabled());
        QVERIFY(s.child<QToolButton>("cmdRattFel")->isEnabled());
        QVERIFY(s.child<QToolButton>("cmdAntalratt")->isEnabled());

        s.child<QToolButton>("cmdHuvudmenyn")->click();
        QVERIFY(!s.window->quizShowing());
        QVERIFY(s.action("openfile")->isEnabled());
        QVERIFY(s.child<QToolButton>("cmdSpara")->isEnabled());
        QVERIFY(!s.child<QToolButton>("cmdRattFel")->isEnabled());
        QVERIFY(!s.child<QToolButton>("cmdAntalratt")->isEnabled());
        QVERIFY(!s.child<QToolButton>("cmdHuvudmenyn")->isEnabled());
    }

    void quizOfAnEmptyListIsRefusedOnTheMainMenu()
    {
        TestSettings settings("sv_SE.UTF-8");
        Started s;
        s.window->EnterEditor();
        s.window->wordList()[2].answer = QStringLiteral("late"); // an answer is no word
        s.child<QToolButton>("cmdTranaOrd")->click();
        QVERIFY(!s.window->editorShowing());
        QVERIFY(!s.window->quizShowing());
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].flags, 0x30);
    }

    void newInTheQuizRestartsIt()
    {
        TestSettings settings("sv_SE.UTF-8");
        Started s;
        WordList& list = s.window->wordList();
        list[0].learned = QStringLiteral("dog");
        list[0].known = QStringLiteral("hund");
        list.filePath = QStringLiteral("/lists/animals.vkf");
        s.window->EnterQuiz();
        s.child<QLineEdit>("t0")->setText(QStringLiteral("cat"));
        QCOMPARE(list[0].answer, QStringLiteral("cat"));
        s.child<QToolButton>("cmdNytt")->click();
        QVERIFY(s.window->quizShowing());
        QCOMPARE(list[0].answer, QString());
        QCOMPARE(s.child<QLineEdit>("t0")->text(), QString());
        QCOMPARE(list[0].learned, QStringLiteral("dog"));
        QCOMPARE(list.filePath, QStringLiteral("/lists/animals.vkf"));
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void exitQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("saved");

        QTest::newRow("cancel") << int(Prompter::Cancel) << false << false << false;
        QTest::newRow("no") << int(Prompter::No) << false << true << false;
        QTest::newRow("yes with a file") << int(Prompter::Yes) << false << true << true;
        QTest::newRow("yes, save as cancelled") << int(Prompter::Yes) << true << false << false;
    }

    // The question of an exit with unsaved changes: what each answer does to the list's file, to
    // the settings file and to the program.
    void exitQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, untitled);
        QFETCH(bool, ends);
        QFETCH(bool, saved);
        TestSettings settings("sv_SE.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\n");
        const QString path = QDir(settings.folder()).filePath(QStringLiteral("djur.vkf"));
        const QByteArray old = "Djur\r\nEngelska\r\nSvenska\r\ncat\r\nkatt\r\n";
        QVERIFY(WriteBytes(path, old));
        Started s(untitled ? QString() : path);
        s.window->show();
        s.window->wordList()[0].learned = QStringLiteral("dog");
        s.window->wordList().changed = 1;
        s.prompter.answers.enqueue(answer);
        s.prompter.fileAnswers.enqueue(std::nullopt); // Save as, when it is asked
        QSignalSpy exited(s.window.get(), &MainWindow::exited);

        QCOMPARE(s.window->close(), ends);
        QCOMPARE(exited.count(), ends ? 1 : 0);
        QCOMPARE(s.window->isVisible(), !ends);
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(
            s.prompter.messages[0].text,
            QStringLiteral("Vill du spara ändringar i denna ordlista, innan Vokabo avslutas?"));
        QCOMPARE(s.prompter.messages[0].flags, int(Prompter::YesNoCancelQuestion));
        QCOMPARE(s.prompter.dialogs.size(), untitled ? 1 : 0);
        const QByteArray bytes = FileBytes(path);
        QCOMPARE(bytes.startsWith("Djur\r\nEngelska\r\nSvenska\r\ndog\r\n"), saved);
        if (!saved)
            QCOMPARE(bytes, old);
        // The exit settings are written only by an exit that ends the program.
        QCOMPARE(settings.iniText().contains(QStringLiteral("[Position]")), ends);
        QCOMPARE(settings.iniText().contains(QStringLiteral("[Files]")), ends);
        if (!ends) {
            QCOMPARE(s.window->wordList()[0].learned, QStringLiteral("dog"));
            QCOMPARE(s.window->wordList().changed, 1);
        }
    }

    void exitWritesTheSettingsInOrder()
    {
        TestSettings settings("sv_SE.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\nShowRw=-1\r\n");
        Started s;
        s.window->files().recentFiles[1] = QStringLiteral("/lists/tyska.vkf");
        s.window->wordList().language2 = QStringLiteral("Finska");
        s.window->move(80, 60);
        QVERIFY(s.window->close());
        const QString ini = settings.iniText();
        const QStringList lines = ini.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        const qsizetype position = lines.indexOf(QStringLiteral("[Position]"));
        QVERIFY(position > 0);
        QCOMPARE(lines.mid(position, 3), (QStringList{"[Position]", "X=1200", "Y=900"}));
        QCOMPARE(lines.mid(position + 3, 3),
                 (QStringList{"[Inställningar]", "Språk1=Engelska", "Språk2=Finska"}));
        QVERIFY(lines.contains(QStringLiteral("ShowRw=-1")));
        QCOMPARE(lines.mid(lines.indexOf(QStringLiteral("[Files]")), 5),
                 (QStringList{"[Files]", "1=", "2=/lists/tyska.vkf", "3=", "4="}));
    }

    void editMenuWorksOnTheFocusedBox()
    {
        TestSettings settings("sv_SE.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\n");
        Started s;
        s.window->show();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        WordList& list = s.window->wordList();
        list[0].learned = QStringLiteral("a");
        list[4].known = QStringLiteral("stor hund");
        s.window->EnterEditor();
        auto* box = s.child<QLineEdit>("g2_4");
        box->setFocus();
        box->setSelection(5, 4);
        s.action("klipput")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hund"));
        QCOMPARE(list[4].known, QStringLiteral("stor "));
        QCOMPARE(list.changed, 1);

        // A right click on an answer box pops the Edit menu up; one on the toolbar does not.
        list.changed = 0;
        s.window->EnterQuiz();
        auto* menu = s.child<QMenu>("redigerameny");
        QTest::mouseClick(s.child<QWidget>("pnlToolbar"), Qt::RightButton);
        QVERIFY(!menu->isVisible());
        QTest::mouseClick(s.child<QLineEdit>("t3"), Qt::RightButton);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    // The File and Help items carry standard shortcuts; the boxes' own editing keys still win.
    void textBoxKeysCutCopyAndPaste()
    {
        TestSettings settings("sv_SE.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\n");
        Started s;
        s.window->show();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        WordList& list = s.window->wordList();
        list[0].learned = QStringLiteral("stor hund");
        s.window->EnterEditor();
        for (const char* item : {"klipput", "kopiera", "klistrain", "radera"})
            QVERIFY2(s.action(item)->shortcut().isEmpty(), item);
        auto* from = s.child<QLineEdit>("g1_0");
        auto* to = s.child<QLineEdit>("g2_0");
        from->setFocus();
        QTRY_VERIFY(from->hasFocus());
        QGuiApplication::clipboard()->clear();

        from->setSelection(5, 4);
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("hund"));
        QCOMPARE(from->text(), QStringLiteral("stor hund"));

        from->setSelection(0, 5);
        QTest::keyClick(from, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("stor "));
        QCOMPARE(list[0].learned, QStringLiteral("hund"));

        to->setFocus();
        QTRY_VERIFY(to->hasFocus());
        QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(to->text(), QStringLiteral("stor "));
        QCOMPARE(list[0].known, QStringLiteral("stor "));
        QCOMPARE(list.changed, 1);
        // None of the keys reached a menu command: still the editor, no question asked.
        QVERIFY(s.child<QWidget>("editgl")->isVisible());
        QVERIFY(s.prompter.messages.isEmpty());
    }

    void enterInTheLastBoxTurnsThePageAndSaves()
    {
        TestSettings settings("sv_SE.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\n");
        Started s;
        s.window->show();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        WordList& list = s.window->wordList();
        for (int i = 0; i < 9; ++i)
            list[i] = {QStringLiteral("l%1").arg(i), QStringLiteral("k%1").arg(i), {}, {}, {}};
        s.window->EnterEditor();
        auto* last = s.child<QLineEdit>("g2_9");
        last->setFocus();
        QTest::keyClicks(last, QStringLiteral("ko"));
        QCOMPARE(list[9].known, QStringLiteral("ko"));

        // A list never saved asks for a name; cancelling leaves it unsaved on the next page.
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(s.prompter.dialogs.size(), 1);
        QCOMPARE(s.prompter.dialogs[0].kind, FakePrompter::Dialog::Save);
        QCOMPARE(list.pageStart, 10);
        QCOMPARE(list.changed, 1);
        QCOMPARE(QApplication::focusWidget(), s.child<QLineEdit>("g1_0"));

        // With a file, the same Enter saves straight away.
        const QString path = QDir(settings.folder()).filePath(QStringLiteral("ord.vkf"));
        list.filePath = path;
        last->setFocus();
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(list.pageStart, 20);
        QCOMPARE(list.changed, 0);
        QCOMPARE(s.prompter.dialogs.size(), 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("\r\nko\r\n"));
    }

    void englishPairIsRestoredFromOptions()
    {
        TestSettings settings("en_GB.UTF-8");
        settings.writeIni("[Options]\r\nWelcome=0\r\nLanguage2=Swahili\r\n");
        Started s;
        QCOMPARE(s.window->wordList().language2, QStringLiteral("Swahili"));
        QCOMPARE(s.window->editor()->lang2Box()->currentText(), QStringLiteral("Swahili"));
        s.window->wordList().language1 = QStringLiteral("Latin");
        QVERIFY(s.window->close());
        QVERIFY(settings.iniText().contains(QStringLiteral("Language1=Latin")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
