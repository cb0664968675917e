#include "FakePrompter.h"
#include "MainWindow.h"
#include "ProgramSettings.h"
#include "StartUp.h"
#include "TestSettings.h"
#include "Translation.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

void TypeText(const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
}

// Presses the key on the open popup or the focused widget; false when there is neither.
[[nodiscard]] bool Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        return false;
    QTest::keyClick(target, Qt::Key(key), modifiers);
    return true;
}

// Presses Tab until the focus is on the named control, at most once round the window.
bool TabTo(const char* name)
{
    for (int i = 0; i < 60; ++i) {
        if (QApplication::focusWidget() &&
            QApplication::focusWidget()->objectName() == QLatin1String(name))
            return true;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return false;
}

} // namespace

// The quiz from start to end without a mouse.
class QuizKeysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { InstallInterfaceTranslator(QStringLiteral("sve")); }
    void quizByKeysAlone();
    void quizKeysDoNothingElsewhere();
    void toolTipsNameTheKeys();
};

void QuizKeysTest::quizByKeysAlone()
{
    TestSettings testSettings("sv_SE.UTF-8");
    ProgramSettings settings;
    FakePrompter prompter;
    PrepareInterfaceLanguage(settings);
    MainWindow window(settings, prompter);
    QVERIFY(window.load(QString()));
    WordList& list = window.wordList();
    for (int i = 0; i < 3; ++i) {
        list[i].learned = QStringLiteral("dog%1").arg(i);
        list[i].known = QStringLiteral("hund%1").arg(i);
    }
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Alt+O opens the Words menu, F chooses "Förhör ord...".
    QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QVERIFY(Press(Qt::Key_F));
    QTRY_VERIFY(window.quizShowing());
    // The offscreen platform leaves a closed menu active; a desktop gives the window back.
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::qWait(100);
    QApplication::setActiveWindow(&window);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&window));
    QLineEdit* t0 = window.findChild<QLineEdit*>("t0");
    QCOMPARE(QApplication::focusWidget(), t0);
    QVERIFY(!t0->hasSelectedText());

    TypeText(QStringLiteral("dog0"));
    QVERIFY(Press(Qt::Key_Return));
    TypeText(QStringLiteral("cat"));
    QCOMPARE(list[1].answer, QStringLiteral("cat"));

    auto* showRw = window.findChild<QToolButton*>("cmdRattFel");
    QCOMPARE(settings.showRw, 0);
    QVERIFY(Press(Qt::Key_F7));
    QTRY_COMPARE(settings.showRw, -1);
    QVERIFY(showRw->isChecked());
    QCOMPARE(QAccessible::queryAccessibleInterface(showRw)->state().checked, 1);
    QCOMPARE(t0->accessibleDescription(), QStringLiteral("Rätt"));
    QCOMPARE(window.findChild<QLineEdit*>("t1")->accessibleDescription(), QStringLiteral("Fel"));

    // The same switch reached with Tab and pressed with Space turns the colouring off again.
    QVERIFY(TabTo("cmdRattFel"));
    QVERIFY(Press(Qt::Key_Space));
    QTRY_COMPARE(settings.showRw, 0);
    QVERIFY(!showRw->isChecked());
    QVERIFY(Press(Qt::Key_F7));
    QTRY_COMPARE(settings.showRw, -1);

    QVERIFY(Press(Qt::Key_F8));
    QTRY_COMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].title, QStringLiteral("Antal rätt"));
    QCOMPARE(prompter.messages[0].text, QStringLiteral(" 1 rätt av  3"));
    QCOMPARE(prompter.messages[0].flags, int(Prompter::InformationOk));

    QVERIFY(TabTo("cmdHuvudmenyn"));
    QVERIFY(Press(Qt::Key_Space));
    QTRY_VERIFY(!window.quizShowing());
}

void QuizKeysTest::quizKeysDoNothingElsewhere()
{
    TestSettings testSettings("sv_SE.UTF-8");
    ProgramSettings settings;
    FakePrompter prompter;
    PrepareInterfaceLanguage(settings);
    MainWindow window(settings, prompter);
    QVERIFY(window.load(QString()));
    window.wordList()[0].learned = QStringLiteral("dog");
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.EnterEditor();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F7);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
    QTest::qWait(50);
    QCOMPARE(settings.showRw, 0);
    QVERIFY(prompter.messages.isEmpty());
    // Entering the editor leaves the caret in the first row, not on a selected language name.
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("g1_0"));
}

void QuizKeysTest::toolTipsNameTheKeys()
{
    TestSettings testSettings("en_GB.UTF-8");
    ProgramSettings settings;
    FakePrompter prompter;
    PrepareInterfaceLanguage(settings);
    MainWindow window(settings, prompter);
    QVERIFY(window.load(QString()));
    auto* showRw = window.findChild<QToolButton*>("cmdRattFel");
    auto* count = window.findChild<QToolButton*>("cmdAntalratt");
    QVERIFY(showRw->toolTip().contains(QStringLiteral("F7")));
    QVERIFY(count->toolTip().contains(QStringLiteral("F8")));
    for (QToolButton* b : window.findChildren<QToolButton*>()) {
        if (!b->parentWidget() || b->parentWidget()->objectName() != QStringLiteral("pnlToolbar"))
            continue;
        QVERIFY2(!b->toolTip().isEmpty() && b->toolTip() != b->text(), qPrintable(b->objectName()));
    }
}

QTEST_MAIN(QuizKeysTest)
#include "tst_quizkeys.moc"
