#include "ProgramSettings.h"
#include "Prompter.h"
#include "StartUp.h"
#include "TestSettings.h"
#include "WhenShown.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The program's own file chooser, as the Prompter opens it, in the run's interface language.
class QtDialogLanguageTest : public QObject
{
    Q_OBJECT

    template <class Dialog, class Act> void whenShown(Act act) { WhenShown<Dialog>(this, act); }

private Q_SLOTS:
    // Debian ships only part of Qt's Swedish; the program's own translations fill in the rest.
    void fileChooserSpeaksTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("computer");
        QTest::newRow("sve") << "sve" << QStringList{"Leta i:", "Fil&namn:", "Filer av typen:"}
                             << QStringList{"&Öppna", "Avbryt"} << "Dator";
        QTest::newRow("fin") << "fin" << QStringList{"Lähde:"} << QStringList{"Peruuta"}
                             << "Tietokone";
    }
    void fileChooserSpeaksTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, buttons);
        QFETCH(QString, computer);
        // Qt's catalogues are installed once a run, for the run's language: one language a process.
        if (language != qEnvironmentVariable("VOKABO_TEST_UI"))
            QSKIP("another run checks this language");
        TestSettings ini;
        ini.writeIni(QByteArrayLiteral("[Options]\r\nPrgLanguage=") + language.toLatin1() +
                     QByteArrayLiteral("\r\nWelcome=0\r\n"));
        ProgramSettings settings;
        PrepareInterfaceLanguage(settings);
        DialogPrompter prompter;
        QStringList shownLabels, shownButtons, sidebar;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (label->isVisible())
                    shownLabels << label->text();
            }
            for (const QAbstractButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->isVisible())
                    shownButtons << button->text();
            }
            if (auto* places = dialog->findChild<QAbstractItemView*>(QStringLiteral("sidebar"))) {
                for (int row = 0; row < places->model()->rowCount(); ++row)
                    sidebar << places->model()->index(row, 0).data().toString();
            }
            dialog->reject();
        });
        prompter.openFileName({QStringLiteral("Öppna ordlista"),
                               QStringLiteral("Alla filer (*.*)|*.*"), QStringLiteral("vkf"),
                               QStringLiteral("*.vkf")});
        for (const QString& label : labels)
            QVERIFY2(shownLabels.contains(label), qPrintable(shownLabels.join(u'|')));
        for (const QString& button : buttons)
            QVERIFY2(shownButtons.contains(button), qPrintable(shownButtons.join(u'|')));
        // Qt's own English must not show through.
        QVERIFY(!shownLabels.contains(QStringLiteral("Look in:")));
        QVERIFY(!shownButtons.contains(QStringLiteral("Cancel")));
        QVERIFY(!shownButtons.contains(QStringLiteral("Peru")));
        if (!computer.isEmpty())
            QVERIFY2(sidebar.contains(computer), qPrintable(sidebar.join(u'|')));
    }
};

QTEST_MAIN(QtDialogLanguageTest)
#include "tst_qtdialoglanguage.moc"
