#include "FlagPicture.h"
#include "OptionsDialog.h"
#include "OutlineShape.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "WindowWalk.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// The windows that the editor and quiz pages' own test walks box by box are left to it here.
bool OnEditorOrQuizPage(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->objectName() == u"editgl" || w->objectName() == u"forhor")
            return true;
    }
    return false;
}

} // namespace

class WindowsAccessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlAndPictureIsNamed_data();
    void everyControlAndPictureIsNamed();
    void namesFollowTheInterfaceLanguage_data();
    void namesFollowTheInterfaceLanguage();
    void flagsAreChosenWithKeysAlone();
    void helpWindowIsAWindowThatKeysClose();
    void fileAndHelpItemsHaveTheDesktopKeys();
};

void WindowsAccessTest::everyControlAndPictureIsNamed_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QString>("window");
    for (const char* ui : {"sve", "eng", "fin"}) {
        for (const QString& window : WindowWalk::Names()) {
            if (window == u"editor" || window == u"quiz")
                continue;
            QTest::addRow("%s %s", ui, qPrintable(window)) << QString::fromLatin1(ui) << window;
        }
    }
}

void WindowsAccessTest::everyControlAndPictureIsNamed()
{
    QFETCH(QString, ui);
    QFETCH(QString, window);
    WindowWalk walk(ui);
    int checked = 0;
    const bool visited = walk.visit(window, [&](QWidget* top) {
        QVERIFY2(!AccessibleName(top).isEmpty(), qPrintable(Where(top)));
        for (QWidget* w : VisibleWidgets(top)) {
            if (OnEditorOrQuizPage(w))
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const bool picture = label && !label->pixmap().isNull();
            const bool focusable = w->focusPolicy() & Qt::TabFocus && w->isEnabled();
            if (!picture && !focusable)
                continue;
            ++checked;
            QVERIFY2(!AccessibleName(w).trimmed().isEmpty(), qPrintable(Where(w)));
        }
    });
    QVERIFY(visited);
    QVERIFY(checked > 0);
}

void WindowsAccessTest::namesFollowTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("sve logo") << "sve"
                              << "main menu"
                              << "imgVokabo"
                              << "Vokabos logotyp";
    QTest::newRow("eng logo") << "eng"
                              << "main menu"
                              << "imgVokabo"
                              << "The Vokabo logo";
    QTest::newRow("fin logo") << "fin"
                              << "main menu"
                              << "imgVokabo"
                              << "Vokabon logo";
    QTest::newRow("eng new language") << "eng"
                                      << "options"
                                      << "nys1"
                                      << "New language:";
    QTest::newRow("fin known list") << "fin"
                                    << "options"
                                    << "la2"
                                    << "Kielet jotka osaat:";
    QTest::newRow("sve learned list") << "sve"
                                      << "options"
                                      << "la1"
                                      << "Språk som du ska lära dig:";
    QTest::newRow("fin flag") << "fin"
                              << "options"
                              << "imgPSprak1"
                              << "Svenska";
    QTest::newRow("eng about picture") << "eng"
                                       << "about"
                                       << "imgOm"
                                       << "Picture of Vokabo";
    QTest::newRow("eng help text") << "eng"
                                   << "help"
                                   << "helpText"
                                   << "Help text";
}

void WindowsAccessTest::namesFollowTheInterfaceLanguage()
{
    QFETCH(QString, ui);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    WindowWalk walk(ui);
    const bool visited = walk.visit(window, [&](QWidget* top) {
        auto* w = top->findChild<QWidget*>(control);
        QVERIFY(w);
        QCOMPARE(AccessibleName(w).remove(u'&'), name);
    });
    QVERIFY(visited);
}

void WindowsAccessTest::flagsAreChosenWithKeysAlone()
{
    WindowWalk walk(QStringLiteral("eng"));
    OptionsDialog dialog(walk.settings, walk.prompter, walk.window.get(), {}, {});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    // Tab reaches the language choice; the checked flag is the current language's.
    auto* english = dialog.findChild<FlagPicture*>(QStringLiteral("imgPSprak0"));
    for (int tabs = 0; tabs < 40 && !qobject_cast<FlagPicture*>(QApplication::focusWidget());
         ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* focused = qobject_cast<FlagPicture*>(QApplication::focusWidget());
    QVERIFY(focused);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(english);
    QCOMPARE(iface->role(), QAccessible::RadioButton);
    QVERIFY(iface->state().checkable);
    QVERIFY(iface->state().checked);

    // The arrow keys move to the next flag and choose it; the outline follows.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    auto* swedish = dialog.findChild<FlagPicture*>(QStringLiteral("imgPSprak1"));
    QCOMPARE(QApplication::focusWidget(), swedish);
    QCOMPARE(dialog.pendingLanguage(), QStringLiteral("sve"));
    QVERIFY(!swedish->outline()->isHidden());
    QVERIFY(english->outline()->isHidden());
    QVERIFY(!QAccessible::queryAccessibleInterface(english)->state().checked);
    QVERIFY(QAccessible::queryAccessibleInterface(swedish)->state().checked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(dialog.pendingLanguage(), QStringLiteral("fin"));

    // Back to English with the arrow, then Swedish by Space on a flag reached by the arrows.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(dialog.pendingLanguage(), QStringLiteral("eng"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(dialog.pendingLanguage(), QStringLiteral("sve"));

    // Tab on to OK and press it: the choice is stored.
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("lokb"));
    for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != ok; ++tabs)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Space);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Settings::ReadSetting(Keys::PrgLanguage.section, Keys::PrgLanguage.key, QString()),
             QStringLiteral("sve"));
}

void WindowsAccessTest::helpWindowIsAWindowThatKeysClose()
{
    WindowWalk walk(QStringLiteral("eng"));
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)}) {
        QPointer<QWidget> viewer;
        const bool visited = walk.visit(QStringLiteral("help"), [&](QWidget* top) {
            viewer = top;
            QCOMPARE(QAccessible::queryAccessibleInterface(top)->role(), QAccessible::Window);
            QCOMPARE(top->windowTitle(), QStringLiteral("Vokabo - Help"));
            QApplication::setActiveWindow(top);
            QVERIFY(QTest::qWaitForWindowActive(top));
            QTest::keySequence(top, keys);
            QVERIFY(!top->isVisible());
        });
        QVERIFY(visited);
    }
}

void WindowsAccessTest::fileAndHelpItemsHaveTheDesktopKeys()
{
    WindowWalk walk(QStringLiteral("sve"));
    const auto keys = [&](const char* name) {
        return walk.window->findChild<QAction*>(QLatin1String(name))->shortcut();
    };
    QCOMPARE(keys("nymeny"), QKeySequence(QKeySequence::New));
    QCOMPARE(keys("openfile"), QKeySequence(QKeySequence::Open));
    QCOMPARE(keys("savefile"), QKeySequence(QKeySequence::Save));
    QCOMPARE(keys("save_as"), QKeySequence(QKeySequence::SaveAs));
    QCOMPARE(keys("mnuSS"), QKeySequence(QKeySequence::Print));
    QCOMPARE(keys("avslutameny"), QKeySequence(QKeySequence::Quit));
    QCOMPARE(keys("inihelp"), QKeySequence(Qt::Key_F1));
    for (const char* edit : {"klipput", "kopiera", "klistrain", "radera"})
        QVERIFY2(keys(edit).isEmpty(), edit);
    QCOMPARE(walk.window->findChild<QAction*>(QStringLiteral("savefile"))->text(),
             QStringLiteral("S&para"));
}

QTEST_MAIN(WindowsAccessTest)
#include "tst_windowsaccess.moc"
