#include "EditorPage.h"
#include "FakePrompter.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

QString AccessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString();
}

// Every control that Tab can reach on the shown window, a combo box by its text part.
QList<QWidget*> FocusableControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(w))
            w = combo->lineEdit();
        if (!controls.contains(w))
            controls.append(w);
    }
    return controls;
}

} // namespace

// Walks the editor and quiz pages as assistive technology sees them, in each interface language.
class PageAccessTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }
    void pagesNameEveryControl_data();
    void pagesNameEveryControl();
};

void PageAccessTest::pagesNameEveryControl_data()
{
    QTest::addColumn<QByteArray>("locale");
    // word 13, meaning 13, page, heading, answer to 'hund', answer in an empty row, right, wrong
    QTest::addColumn<QStringList>("names");
    QTest::newRow("sve") << QByteArray("sv_SE.UTF-8")
                         << QStringList{"Ord 13",         "Betydelse 13", "Sida", "Rubrik",
                                        "Svar på 'hund'", "Svar 20",      "Rätt", "Fel"};
    QTest::newRow("eng") << QByteArray("en_GB.UTF-8")
                         << QStringList{"Word 13",          "Meaning 13", "Page",  "Heading",
                                        "Answer to 'hund'", "Answer 20",  "Right", "Wrong"};
    QTest::newRow("fin")
        << QByteArray("fi_FI.UTF-8")
        << QStringList{"Sana 13",    "Merkitys 13", "Sivu",  "Otsikko", "Vastaus sanaan 'hund'",
                       "Vastaus 20", "Oikein",      "Väärin"};
}

void PageAccessTest::pagesNameEveryControl()
{
    QFETCH(QByteArray, locale);
    QFETCH(QStringList, names);
    TestSettings testSettings(locale);
    ProgramSettings settings;
    FakePrompter prompter;
    PrepareInterfaceLanguage(settings);
    MainWindow window(settings, prompter);
    QVERIFY(window.load(QString()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WordList& list = window.wordList();
    for (int i = 0; i < 15; ++i) {
        list[i].learned = QStringLiteral("dog%1").arg(i);
        list[i].known = QStringLiteral("hund%1").arg(i);
    }
    list[10].known = QStringLiteral("hund");

    window.EnterEditor();
    const auto walk = [&] {
        for (QWidget* w : FocusableControls(&window)) {
            const QString name = AccessibleText(w, QAccessible::Name);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(w->objectName()));
        }
    };
    walk();
    EditorPage* editor = window.editor();
    const QString language1 = editor->lang1Box()->currentText();
    const QString language2 = editor->lang2Box()->currentText();
    QVERIFY(!language1.isEmpty());
    // The language boxes are named by what they hold, not read out as their current text.
    for (QComboBox* combo : {editor->lang1Box(), editor->lang2Box()}) {
        const QString name = AccessibleText(combo->lineEdit(), QAccessible::Name);
        QVERIFY(!name.isEmpty());
        QVERIFY(name != combo->currentText());
    }
    QCOMPARE(AccessibleText(editor->findChild<QWidget*>("rubrik"), QAccessible::Name), names[3]);
    QCOMPARE(AccessibleText(editor->findChild<QWidget*>("edvisare"), QAccessible::Name), names[2]);

    // Row names follow the page and the language boxes.
    editor->EditorPageDown();
    QLineEdit* g1_2 = editor->findChild<QLineEdit*>("g1_2");
    QLineEdit* g2_2 = editor->findChild<QLineEdit*>("g2_2");
    QCOMPARE(AccessibleText(g1_2, QAccessible::Name), names[0] + ", " + language1);
    QCOMPARE(AccessibleText(g2_2, QAccessible::Name), names[1] + ", " + language2);
    editor->lang1Box()->setEditText(QStringLiteral("Klingon"));
    QCOMPARE(AccessibleText(g1_2, QAccessible::Name), names[0] + ", Klingon");

    window.EnterQuiz();
    QVERIFY(window.quizShowing());
    walk();
    QWidget* quiz = window.findChild<QWidget*>("forhor");
    QLineEdit* t0 = quiz->findChild<QLineEdit*>("t0");
    QLineEdit* t1 = quiz->findChild<QLineEdit*>("t1");
    QLineEdit* t9 = quiz->findChild<QLineEdit*>("t9");
    QCOMPARE(AccessibleText(quiz->findChild<QWidget*>("forhorvisare"), QAccessible::Name),
             names[2]);
    QVERIFY(AccessibleText(t1, QAccessible::Name).contains("hund1"));
    QVERIFY(AccessibleText(t1, QAccessible::Description).isEmpty());

    // The names follow the page as it turns; a row past the list's end is named by its number.
    window.findChild<QToolButton*>("cmdRattFel")->click();
    QCOMPARE(settings.showRw, -1);
    QTest::keyClick(t9, Qt::Key_Down);
    QCOMPARE(list.pageStart, 10);
    QCOMPARE(AccessibleText(t0, QAccessible::Name), names[4]);
    QCOMPARE(AccessibleText(t9, QAccessible::Name), names[5]);
    t1->setText(QStringLiteral("dog11"));
    QCOMPARE(AccessibleText(t1, QAccessible::Description), names[6]);
    // An empty answer is not answered yet, not wrong.
    QVERIFY(AccessibleText(t0, QAccessible::Description) != names[7]);
    t0->setText(QStringLiteral("x"));
    QCOMPARE(AccessibleText(t0, QAccessible::Description), names[7]);

    // Colouring off: nothing is claimed right or wrong any more.
    window.findChild<QToolButton*>("cmdRattFel")->click();
    QCOMPARE(settings.showRw, 0);
    QVERIFY(AccessibleText(t1, QAccessible::Description).isEmpty());
}

QTEST_MAIN(PageAccessTest)
#include "tst_pageaccess.moc"
