#include "EditCommands.h"
#include "EditorPageFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

enum Command { Cut, Copy, Paste, Delete };

void run(Command command)
{
    switch (command) {
    case Cut:
        CutSelection();
        break;
    case Copy:
        CopySelection();
        break;
    case Paste:
        PasteClipboard();
        break;
    case Delete:
        DeleteSelection();
        break;
    }
}

QClipboard* clipboard()
{
    return QGuiApplication::clipboard();
}

} // namespace

class EditCommandsTest : public EditorPageFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void commandsOnAnEditorRow_data();
    void commandsOnAnEditorRow();
    void languageBoxTextPart();
    void noTextBoxInFocus_data();
    void noTextBoxInFocus();
    void readOnlyBoxIsOnlyCopied();

private:
    QLineEdit* box(const char* name) const
    {
        return m_page->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void giveFocus(QWidget* widget)
    {
        widget->setFocus();
        QCOMPARE(QApplication::focusWidget(), widget);
    }
};

void EditCommandsTest::init()
{
    QVERIFY(openPage());
    m_page->enter();
    clipboard()->clear();
}

void EditCommandsTest::cleanup()
{
    closePage();
}

void EditCommandsTest::commandsOnAnEditorRow_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("clipboardBefore"); // "<image>": a picture and no text
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<QString>("clipboardAfter"); // "<image>": the picture is still there

    QTest::newRow("cut one word") << int(Cut) << "alt" << 0 << 4 << "Hund"
                                  << "der ";
    QTest::newRow("cut nothing selected") << int(Cut) << "alt" << 3 << 0 << "der Hund"
                                          << "";
    QTest::newRow("copy") << int(Copy) << "alt" << 4 << 4 << "der Hund"
                          << "Hund";
    QTest::newRow("paste over a word") << int(Paste) << "Katze" << 4 << 4 << "der Katze"
                                       << "Katze";
    QTest::newRow("paste at the caret") << int(Paste) << "X" << 3 << 0 << "derX Hund"
                                        << "X";
    QTest::newRow("paste a picture") << int(Paste) << "<image>" << 0 << 4 << "Hund"
                                     << "<image>";
    QTest::newRow("delete") << int(Delete) << "alt" << 0 << 4 << "Hund"
                            << "alt";
}

void EditCommandsTest::commandsOnAnEditorRow()
{
    QFETCH(int, command);
    QFETCH(QString, clipboardBefore);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QString, textAfter);
    QFETCH(QString, clipboardAfter);

    const QString image = QStringLiteral("<image>");
    (*m_list)[24].known = QStringLiteral("der Hund");
    m_page->findChild<QScrollBar*>(QStringLiteral("edvisare"))->setValue(20);
    QCOMPARE(m_list->changed, 0);
    if (clipboardBefore == image) {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard()->setImage(picture);
        QVERIFY(clipboard()->text().isEmpty());
    } else {
        clipboard()->setText(clipboardBefore);
    }

    QLineEdit* g2_4 = box("g2_4");
    giveFocus(g2_4);
    g2_4->setSelection(selectionStart, selectionLength);
    if (selectionLength == 0)
        g2_4->setCursorPosition(selectionStart);
    run(Command(command));

    QCOMPARE(g2_4->text(), textAfter);
    QCOMPARE((*m_list)[24].known, textAfter);
    QCOMPARE(m_list->changed, textAfter == u"der Hund" ? 0 : 1);
    if (clipboardAfter == image)
        QVERIFY(clipboard()->mimeData()->hasImage());
    else
        QCOMPARE(clipboard()->text(), clipboardAfter);
    QVERIFY(m_prompter.messages.isEmpty());
}

void EditCommandsTest::languageBoxTextPart()
{
    m_list->language1 = QStringLiteral("Tyska");
    m_page->enter();
    QComboBox* lang1 = m_page->lang1Box();
    giveFocus(lang1);
    lang1->lineEdit()->setSelection(2, 3);

    CutSelection();
    QCOMPARE(clipboard()->text(), QStringLiteral("ska"));
    QCOMPARE(m_list->language1, QStringLiteral("Ty"));
    QCOMPARE(m_list->changed, 1);

    lang1->lineEdit()->setCursorPosition(0);
    PasteClipboard();
    QCOMPARE(m_list->language1, QStringLiteral("skaTy"));
}

void EditCommandsTest::noTextBoxInFocus_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("clipboardEmptied");

    QTest::newRow("copy") << int(Copy) << true;
    QTest::newRow("cut") << int(Cut) << true;
    QTest::newRow("paste") << int(Paste) << false;
    QTest::newRow("delete") << int(Delete) << false;
}

void EditCommandsTest::noTextBoxInFocus()
{
    QFETCH(int, command);
    QFETCH(bool, clipboardEmptied);

    auto* button = new QPushButton(QStringLiteral("knapp"), m_window.get());
    button->show();
    QScrollBar* bar = m_page->findChild<QScrollBar*>(QStringLiteral("edvisare"));
    for (QWidget* target : {static_cast<QWidget*>(bar), static_cast<QWidget*>(button)}) {
        clipboard()->setText(QStringLiteral("gammal"));
        giveFocus(target);
        run(Command(command));
        QCOMPARE(clipboard()->text(), clipboardEmptied ? QString() : QStringLiteral("gammal"));
        QCOMPARE(QApplication::focusWidget(), target);
    }
    QCOMPARE(bar->value(), 0);
    QCOMPARE(m_list->changed, 0);
    QVERIFY(m_prompter.messages.isEmpty());
    QCOMPARE(m_prompter.beeps, 0);
}

void EditCommandsTest::readOnlyBoxIsOnlyCopied()
{
    auto* shown = new QLineEdit(QStringLiteral("fast text"), m_window.get());
    shown->setReadOnly(true);
    shown->show();
    giveFocus(shown);
    shown->setSelection(0, 4);
    clipboard()->setText(QStringLiteral("annat"));

    CutSelection();
    QCOMPARE(clipboard()->text(), QStringLiteral("fast"));
    PasteClipboard();
    DeleteSelection();
    QCOMPARE(shown->text(), QStringLiteral("fast text"));
}

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
