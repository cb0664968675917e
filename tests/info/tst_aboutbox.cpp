#include "AboutBox.h"
#include "FakePrompter.h"
#include "ProgramSettings.h"
#include "SecretWindow.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class AboutBoxTest : public QObject
{
    Q_OBJECT

private:
    // An about box that is shown, as the Help menu leaves it.
    struct Opened
    {
        std::unique_ptr<AboutBox> box;
        QLabel* label(const char* name) const
        {
            auto* found = box->findChild<QLabel*>(QLatin1String(name));
            return found;
        }
    };
    Opened open(ProgramSettings& settings, FakePrompter& prompter, SecretClicks& clicks,
                const QString& heading)
    {
        Opened opened;
        opened.box = std::make_unique<AboutBox>(
            settings, prompter, clicks, [heading] { return heading; }, nullptr);
        opened.box->show();
        if (!QTest::qWaitForWindowExposed(opened.box.get()))
            qWarning("the about box was not exposed");
        return opened;
    }
    // "7" clicks Label7, "1" clicks Label1.
    static void clickLabels(const Opened& opened, const QString& sequence)
    {
        for (const QChar c : sequence) {
            QLabel* label = opened.label(c == u'7' ? "Label7" : "Label1");
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton);
        }
    }

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    void clickSequenceMessages_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("countBeforeDoubleClick");
        QTest::addColumn<QString>("message");

        const QString code = QStringLiteral("Happy Student!");
        QTest::newRow("double-click alone") << "" << code << 0 << "Mer clickande!";
        QTest::newRow("large name, then small") << "17" << code << 2 << "Mer clickande!";
        QTest::newRow("small name only") << "7" << code << 2 << "Mer clickande!";
        QTest::newRow("small, then large twice") << "711" << code << 0 << "Mer clickande!";
        QTest::newRow("heading differs in case")
            << "71" << QStringLiteral("happy student!") << 5 << "Lösenordet?";
        QTest::newRow("heading with a trailing blank")
            << "71" << QStringLiteral("Happy Student! ") << 5 << "Lösenordet?";
        QTest::newRow("empty heading") << "71" << QString() << 5 << "Lösenordet?";
    }
    void clickSequenceMessages()
    {
        QFETCH(QString, clicks);
        QFETCH(QString, heading);
        QFETCH(int, countBeforeDoubleClick);
        QFETCH(QString, message);
        TestSettings ini;
        ProgramSettings settings;
        FakePrompter prompter;
        SecretClicks state;
        const Opened opened = open(settings, prompter, state, heading);

        clickLabels(opened, clicks);
        QCOMPARE(state.clickCount, countBeforeDoubleClick);
        QVERIFY(prompter.messages.isEmpty());

        // A window opened by mistake is closed, so the test fails instead of waiting forever.
        QString unexpectedWindow;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != opened.box.get()) {
                unexpectedWindow = modal->objectName();
                modal->close();
            }
        });
        guard.start(0);
        QTest::mouseDClick(opened.label("imgOm"), Qt::LeftButton);
        QVERIFY2(unexpectedWindow.isEmpty(), qPrintable(unexpectedWindow));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, message);
        QCOMPARE(prompter.messages[0].flags, 0x40);
        QVERIFY(prompter.messages[0].title.isEmpty());
        QCOMPARE(state.clickCount, 0);
    }

    // Double-clicking a name is one click, not two: the sequence survives it.
    void doubleClickOnNameCountsOnce()
    {
        TestSettings ini;
        ProgramSettings settings;
        FakePrompter prompter;
        SecretClicks state;
        const Opened opened = open(settings, prompter, state, QString());
        QTest::mouseClick(opened.label("Label7"), Qt::LeftButton);
        // What a double-click delivers: press, release, double-click press, release.
        QLabel* label1 = opened.label("Label1");
        QTest::mouseClick(label1, Qt::LeftButton);
        QTest::mouseDClick(label1, Qt::LeftButton);
        QTest::mouseRelease(label1, Qt::LeftButton);
        QCOMPARE(state.clickCount, 5);
    }

    void rightSequenceOpensSecretWindow_data()
    {
        QTest::addColumn<bool>("acrossTwoOpenings");
        QTest::newRow("one opening") << false;
        QTest::newRow("begun in an earlier opening") << true;
    }
    void rightSequenceOpensSecretWindow()
    {
        QFETCH(bool, acrossTwoOpenings);
        TestSettings ini;
        ProgramSettings settings;
        settings.uiLanguage = QStringLiteral("eng");
        FakePrompter prompter;
        SecretClicks state;
        const QString code = QStringLiteral("Happy Student!");
        if (acrossTwoOpenings) {
            const Opened first = open(settings, prompter, state, code);
            clickLabels(first, QStringLiteral("7"));
            QTest::mouseClick(first.box->findChild<QPushButton*>(QStringLiteral("cmdOmOK")),
                              Qt::LeftButton);
            QVERIFY(!first.box->isVisible());
        }
        const Opened opened = open(settings, prompter, state, code);
        clickLabels(opened, acrossTwoOpenings ? QStringLiteral("1") : QStringLiteral("71"));
        QCOMPARE(state.clickCount, 5);

        QString seenName, seenTitle;
        int countWhileOpen = -1;
        // Answers the credits window from inside its own event loop.
        QTimer answer;
        answer.setSingleShot(true);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == opened.box.get())
                return;
            seenName = modal->objectName();
            seenTitle = modal->windowTitle();
            countWhileOpen = state.clickCount;
            if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("hemligok")))
                ok->click();
            else
                modal->close();
        });
        answer.start(0);
        QTest::mouseDClick(opened.label("imgOm"), Qt::LeftButton);

        QCOMPARE(seenName, QStringLiteral("frmHemlig"));
        QCOMPARE(seenTitle, QStringLiteral("The secret window"));
        QCOMPARE(countWhileOpen, 5);
        QCOMPARE(state.clickCount, 0);
        QVERIFY(prompter.messages.isEmpty());
        QVERIFY(opened.box->isVisible());
    }

    void okWritesWelcomeOnlyWhileItIsOn_data()
    {
        QTest::addColumn<int>("welcome");
        QTest::addColumn<QString>("expectedIni");
        QTest::newRow("welcome on") << 1 << QStringLiteral("[Options]\r\nWelcome=0\r\n");
        QTest::newRow("welcome off") << 0 << QString();
    }
    void okWritesWelcomeOnlyWhileItIsOn()
    {
        QFETCH(int, welcome);
        QFETCH(QString, expectedIni);
        TestSettings ini;
        ProgramSettings settings;
        settings.welcome = welcome;
        FakePrompter prompter;
        SecretClicks state;
        for (int opening = 0; opening < 2; ++opening) {
            const Opened opened = open(settings, prompter, state, QString());
            QTest::mouseClick(opened.box->findChild<QPushButton*>(QStringLiteral("cmdOmOK")),
                              Qt::LeftButton);
            QCOMPARE(opened.box->result(), int(QDialog::Accepted));
            QCOMPARE(ini.iniText(), expectedIni);
            if (welcome == 1) // a second OK of the same run writes again
                ini.writeIni(QByteArray());
        }
        QCOMPARE(settings.welcome, welcome);
    }

    // Closing the box without OK writes nothing.
    void closingWithoutOkWritesNothing()
    {
        TestSettings ini;
        ProgramSettings settings;
        FakePrompter prompter;
        SecretClicks state;
        const Opened opened = open(settings, prompter, state, QString());
        opened.box->reject();
        QVERIFY(!QFile::exists(ini.iniPath()));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("lblFri");
        QTest::addColumn<QString>("lblBeskrivn");
        QTest::addColumn<QString>("lbl1");
        QTest::addColumn<QString>("lbl2");
        QTest::addColumn<QString>("lbl3");
        QTest::newRow("sve") << "sve"
                             << "Om Vokabo"
                             << "Detta program är fritt att kopiera och använda."
                             << "Vokabo är ett lättanvänt program för att träna ord, till exempel "
                                "dina engelska-glosor."
                             << "1. Först skriver du in dina ord i programmet och sparar dem."
                             << "2. Sedan tränar du orden direkt eller senare."
                             << "3. På detta sätt får du förhoppningsvis bättre studieresultat.";
        QTest::newRow("eng") << "eng"
                             << "About Vokabo"
                             << "This program is free to use and copy."
                             << "Vokabo is an easy to use vocabulary learning program. For example "
                                "you can use it to learn your foreign words."
                             << "1. You write the words with this program and save them."
                             << "2. Then you learn the words using this program."
                             << "3. Good luck with your studies!";
        QTest::newRow("fin") << "fin"
                             << "Tietoja: Vokabo"
                             << "Tätä ohjelmaa saa käyttää ja kopioda ilmaiseksi."
                             << "Vokabo on helppokäyttöinen sanan harjoittelu ohjelma. Esimerkiksi "
                                "voit käyttää sitä englanninsanojen kuulusteluun."
                             << "1. Kirjoitat ensin sanat ohjelmalla ja tallennat ne."
                             << "2. Kuulustelet sitten sanat ohjelmalla."
                             << "3. Toivottavasti opit sanat paremmin tällä ohjelmalla!";
    }
    void captions()
    {
        QFETCH(QString, language);
        TestSettings ini;
        QVERIFY(InstallInterfaceTranslator(language));
        ProgramSettings settings;
        settings.uiLanguage = language;
        FakePrompter prompter;
        SecretClicks state;
        AboutBox box(
            settings, prompter, state, [] { return QString(); }, nullptr);
        QTEST(box.windowTitle(), "caption");
        for (const char* name : {"lblFri", "lblBeskrivn", "lbl1", "lbl2", "lbl3"}) {
            auto* label = box.findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label, name);
            QTEST(label->text(), name);
        }
        // The names, version and numbers stay the same in every language.
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Vokabo"));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label4"))->text(),
                 QStringLiteral("1.1-32"));
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label9"))->text(), QStringLiteral("3."));
    }

    void secretWindowLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("where");
        const QString swedish =
            QStringLiteral("Vokabo skrevs 1996 av Vokabo-gruppen i Umeå, Sverige.");
        QTest::newRow("sve") << "sve"
                             << "Hemliga rutan" << swedish;
        QTest::newRow("fin keeps Swedish") << "fin"
                                           << "Hemliga rutan" << swedish;
        QTest::newRow("eng")
            << "eng"
            << "The secret window"
            << QStringLiteral("Vokabo was written in 1996 by Vokabo-gruppen in Umeå, Sweden.");
    }
    void secretWindowLanguage()
    {
        QFETCH(QString, language);
        TestSettings ini;
        // The installed translator does not decide: the Finnish one is in place here.
        QVERIFY(InstallInterfaceTranslator(QStringLiteral("fin")));
        SecretClicks state;
        state.clickCount = 5;
        SecretWindow window(language, state, nullptr);
        QTEST(window.windowTitle(), "caption");
        QTEST(window.findChild<QLabel*>(QStringLiteral("lblWhere"))->text(), "where");
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblProgramnamn"))->text(),
                 QStringLiteral("Vokabo"));
        window.show();
        window.findChild<QPushButton*>(QStringLiteral("hemligok"))->click();
        QCOMPARE(state.clickCount, 0);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(!window.isVisible());
    }

    // The pictures come from the program's resources, so a missing one shows as an empty label.
    void picturesAreShown()
    {
        TestSettings ini;
        ProgramSettings settings;
        FakePrompter prompter;
        SecretClicks state;
        AboutBox box(
            settings, prompter, state, [] { return QString(); }, nullptr);
        QVERIFY(!box.findChild<QLabel*>(QStringLiteral("imgOm"))->pixmap().isNull());
        SecretWindow secret(QStringLiteral("sve"), state, nullptr);
        QVERIFY(!secret.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "tst_aboutbox.moc"
