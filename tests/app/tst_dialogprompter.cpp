#include "Prompter.h"
#include "TestSettings.h"
#include "Translation.h"
#include "WhenShown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Drives the real dialogs: each test answers the modal dialog from a timer.
class DialogPrompterTest : public QObject
{
    Q_OBJECT

    template <class Dialog, class Act> void whenShown(Act act) { WhenShown<Dialog>(this, act); }

    static QStringList buttonTexts(QMessageBox* box)
    {
        QStringList texts;
        for (QAbstractButton* b : box->buttons())
            texts << b->text();
        texts.sort();
        return texts;
    }

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }

    void messageBoxes_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("press"); // index into the sorted button texts
        QTest::addColumn<int>("answer");
        QTest::newRow("sve yes/no/cancel, No")
            << "sve" << 0x23 << QStringList{"&Ja", "&Nej", "Avbryt"} << 1 << int(Prompter::No);
        QTest::newRow("sve yes/no/cancel, Cancel")
            << "sve" << 0x23 << QStringList{"&Ja", "&Nej", "Avbryt"} << 2 << int(Prompter::Cancel);
        QTest::newRow("eng yes/no, Yes")
            << "eng" << 0x24 << QStringList{"&No", "&Yes"} << 1 << int(Prompter::Yes);
        QTest::newRow("fin exclamation OK")
            << "fin" << 0x30 << QStringList{"OK"} << 0 << int(Prompter::Ok);
        QTest::newRow("information OK")
            << "sve" << 0x40 << QStringList{"OK"} << 0 << int(Prompter::Ok);
        QTest::newRow("plain OK") << "eng" << 0x00 << QStringList{"OK"} << 0 << int(Prompter::Ok);
    }

    void messageBoxes()
    {
        QFETCH(QString, language);
        QFETCH(int, flags);
        QFETCH(QStringList, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        InstallInterfaceTranslator(language);
        DialogPrompter prompter;
        QString title, text;
        QStringList shownButtons;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            shownButtons = buttonTexts(box);
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == shownButtons.value(press))
                    b->click();
            }
        });
        const int result = prompter.message(QStringLiteral("first\rsecond"), QString(), flags);
        QCOMPARE(title, QStringLiteral("Vokabo"));
        QCOMPARE(text, QStringLiteral("first\nsecond"));
        QCOMPARE(shownButtons, buttons);
        QCOMPARE(result, answer);
    }

    void ownTitleIsShown()
    {
        DialogPrompter prompter;
        QString title;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            title = box->windowTitle();
            box->buttons().first()->click();
        });
        prompter.message(QStringLiteral("x"), QStringLiteral("Öppna fil"), Prompter::ExclamationOk);
        QCOMPARE(title, QStringLiteral("Öppna fil"));
    }

    // The count's box: a short text under a long title. The whole title shows, in a window
    // manager's bold type beside its buttons, and the box is centred over the main window.
    void wideTitleFitsAndTheBoxIsCentred()
    {
        QWidget main;
        main.setGeometry(150, 120, 600, 400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        DialogPrompter prompter(&main);
        const QString title = QStringLiteral("Number of correct written words");
        QRect frame;
        QString text;
        whenShown<QMessageBox>([&](QMessageBox* box) {
            QTest::qWait(100); // past the layout requests that follow the show
            frame = box->frameGeometry();
            text = box->text();
            box->buttons().first()->click();
        });
        prompter.message(QStringLiteral(" 3 correct of  20"), title, Prompter::InformationOk);
        QCOMPARE(text, QStringLiteral(" 3 correct of  20"));
        QFont bold = QApplication::font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        QVERIFY2(frame.width() >= metrics.horizontalAdvance(title) + 3 * metrics.height(),
                 qPrintable(QString::number(frame.width())));
        const QPoint offset = frame.center() - main.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    void saveChooserAddsTheExtensionAndOffersTheFilters()
    {
        TestSettings settings;
        QTemporaryDir dir;
        DialogPrompter prompter;
        QStringList filters;
        QString title;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            title = dialog->windowTitle();
            dialog->selectFile(QDir(dir.path()).filePath(QStringLiteral("tyska")));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const auto chosen = prompter.saveFileName(
            {QStringLiteral("Spara ordlista som"),
             QStringLiteral(
                 "Vokabo filer (*.vkf)|*.vkf|Glosfiler (*.gls)|*.gls|Alla filer (*.*)|*.*"),
             QStringLiteral("vkf"), QStringLiteral("*.vkf")});
        QVERIFY(chosen);
        QCOMPARE(*chosen, QDir(dir.path()).filePath(QStringLiteral("tyska.vkf")));
        QCOMPARE(title, QStringLiteral("Spara ordlista som"));
        QCOMPARE(filters,
                 (QStringList{"Vokabo filer (*.vkf)", "Glosfiler (*.gls)", "Alla filer (*.*)"}));
    }

    void cancelledOpenChooserGivesNothing()
    {
        DialogPrompter prompter;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            mode = dialog->fileMode();
            dialog->reject();
        });
        const auto chosen = prompter.openFileName({QStringLiteral("Öppna ordlista"),
                                                   QStringLiteral("Alla filer (*.*)|*.*"),
                                                   QStringLiteral("vkf"), QStringLiteral("*.vkf")});
        QVERIFY(!chosen);
        QCOMPARE(mode, QFileDialog::ExistingFile); // only existing files can be opened
    }
};

QTEST_MAIN(DialogPrompterTest)
#include "tst_dialogprompter.moc"
