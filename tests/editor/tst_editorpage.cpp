#include "EditorPageFixture.h"
#include "Twips.h"
#include "WordListFile.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Types text into the focused box character by character, as the keyboard would.
void typeText(const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(ch),
                            Qt::NoModifier);
}

// The rows and columns of dark pixels: the glyphs as they were painted.
QRect InkRect(const QImage& image, const QRect& within)
{
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The text as the font draws it with nothing around it to cut it off.
QRect FreeInkSize(const QString& text, const QFont& font)
{
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(20, 100), text);
    painter.end();
    return InkRect(image, image.rect());
}

void pressKey(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

} // namespace

class EditorPageTest : public EditorPageFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typingWritesIntoTheSlotOfTheRow_data();
    void typingWritesIntoTheSlotOfTheRow();
    void showingAPageKeepsChangedAndEveryWord();
    void onlyANewLanguageNameSetsChanged();
    void headerTextsKeepChanged();
    void draggingTheThumbSnapsToAPage_data();
    void draggingTheThumbSnapsToAPage();
    void enterWalksThePairs_data();
    void enterWalksThePairs();
    void enterInTheLastBoxTurnsThePageAndAsksToSave_data();
    void enterInTheLastBoxTurnsThePageAndAsksToSave();
    void arrowsMoveAlongAColumnAndTurnPages_data();
    void arrowsMoveAlongAColumnAndTurnPages();
    void columnFontsAndTheirReset();
    void wholeGlyphsShowAtEveryWordSize_data();
    void wholeGlyphsShowAtEveryWordSize();
    void rightButtonReleaseAsksForTheEditMenu_data();
    void rightButtonReleaseAsksForTheEditMenu();
    void leaveHidesAtTheFirstPage();
    void aPageTypedByKeyboardIsSavedInTheRightEncoding_data();
    void aPageTypedByKeyboardIsSavedInTheRightEncoding();

private:
    template <typename T> T* child(const char* name) const
    {
        T* widget = m_page->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    QLineEdit* box(const QString& name) const
    {
        return child<QLineEdit>(name.toLatin1().constData());
    }
    QScrollBar* scrollBar() const { return child<QScrollBar>("edvisare"); }
    // Fills slot i with "L<i>" and "K<i>" for the first n slots.
    void fillSlots(int n);
    void focusBox(const QString& name);
};

void EditorPageTest::init()
{
    QVERIFY(openPage());
}

void EditorPageTest::cleanup()
{
    closePage();
}

void EditorPageTest::fillSlots(int n)
{
    for (int i = 0; i < n; ++i) {
        (*m_list)[i].learned = QStringLiteral("L%1").arg(i);
        (*m_list)[i].known = QStringLiteral("K%1").arg(i);
    }
}

void EditorPageTest::wholeGlyphsShowAtEveryWordSize_data()
{
    QTest::addColumn<int>("points");
    for (int points : {8, 9, 10, 11, 12})
        QTest::addRow("%d pt", points) << points;
}

void EditorPageTest::wholeGlyphsShowAtEveryWordSize()
{
    QFETCH(int, points);
    m_settings.font1Name = QStringLiteral("DejaVu Sans");
    m_settings.font1Size = points;
    m_page->enter();
    QLineEdit* row = box(QStringLiteral("g1_3"));
    focusBox(QStringLiteral("g1_3"));
    // Marks above the capitals and the descenders: both reach past the font's usual line.
    const QString text = QStringLiteral("ÅÉgjpqy");
    typeText(text);
    QCOMPARE(row->text(), text);
    row->clearFocus(); // the caret would count as ink

    const QImage image = row->grab().toImage();
    const int frame = row->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, row);
    const QRect contents = row->rect().marginsRemoved(QMargins(frame, frame, frame, frame));
    const QRect glyphs = InkRect(image, row->rect());
    QVERIFY(!glyphs.isEmpty());
    // Clear of the edges of the text area, above as well as below.
    QVERIFY2(contents.adjusted(0, 1, 0, -1).contains(glyphs),
             qPrintable(QStringLiteral("glyphs %1,%2 %3x%4 in %5x%6")
                            .arg(glyphs.x())
                            .arg(glyphs.y())
                            .arg(glyphs.width())
                            .arg(glyphs.height())
                            .arg(row->width())
                            .arg(row->height())));
    // Nothing cut off: the box shows as much of the letters as the font draws.
    QCOMPARE(glyphs.size(), FreeInkSize(text, row->font()).size());
    // The rows never reach into each other.
    QVERIFY(row->geometry().bottom() < box(QStringLiteral("g1_4"))->geometry().top());
}

void EditorPageTest::focusBox(const QString& name)
{
    box(name)->setFocus();
    QCOMPARE(QApplication::focusWidget(), box(name));
}

void EditorPageTest::typingWritesIntoTheSlotOfTheRow_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("learnedColumn");

    QTest::newRow("g2_3 on the page at 40") << "g2_3" << 40 << 43 << false;
    QTest::newRow("g1_0 on the first page") << "g1_0" << 0 << 0 << true;
    QTest::newRow("g1_9 on the last page") << "g1_9" << 90 << 99 << true;
}

void EditorPageTest::typingWritesIntoTheSlotOfTheRow()
{
    QFETCH(QString, boxName);
    QFETCH(int, page);
    QFETCH(int, slot);
    QFETCH(bool, learnedColumn);

    m_page->enter();
    scrollBar()->setValue(page);
    QCOMPARE(m_list->pageStart, page);
    QCOMPARE(m_list->changed, 0);

    focusBox(boxName);
    typeText(QStringLiteral("Haus"));
    const WordSlot& typed = (*m_list)[slot];
    QCOMPARE(learnedColumn ? typed.learned : typed.known, QStringLiteral("Haus"));
    QCOMPARE(learnedColumn ? typed.known : typed.learned, QString());
    QCOMPARE(m_list->changed, 1);

    // Away and back: the word comes from the slot again, no save needed.
    scrollBar()->setValue(page == 0 ? 50 : 0);
    QVERIFY(box(boxName)->text().isEmpty());
    scrollBar()->setValue(page);
    QCOMPARE(box(boxName)->text(), QStringLiteral("Haus"));
}

void EditorPageTest::showingAPageKeepsChangedAndEveryWord()
{
    fillSlots(100);
    // Longer than a box lets one type, as a file may hold; showing it must not shorten the slot.
    const QString longWord(70000, u'x');
    (*m_list)[12].known = longWord;

    m_page->enter();
    QCOMPARE(box(QStringLiteral("g1_0"))->text(), QStringLiteral("L0"));
    QCOMPARE(box(QStringLiteral("g2_9"))->text(), QStringLiteral("K9"));
    QCOMPARE(m_list->changed, 0);

    m_page->EditorPageDown();
    QCOMPARE(m_list->pageStart, 10);
    QCOMPARE(scrollBar()->value(), 10);
    QCOMPARE(box(QStringLiteral("g1_0"))->text(), QStringLiteral("L10"));
    QCOMPARE(box(QStringLiteral("g2_2"))->text(), longWord);
    QCOMPARE((*m_list)[12].known, longWord);
    QCOMPARE(m_list->changed, 0);

    m_list->changed = 1;
    m_page->EditorPageUp();
    QCOMPARE(m_list->pageStart, 0);
    QCOMPARE(m_list->changed, 1);
    QCOMPARE(m_prompter.beeps, 0);

    // A page start off the grid is brought onto it before a row could reach past slot 99.
    m_list->pageStart = 95;
    m_page->ShowEditorPage();
    QCOMPARE(m_list->pageStart, 90);
    QCOMPARE(box(QStringLiteral("g2_9"))->text(), QStringLiteral("K99"));
}

void EditorPageTest::onlyANewLanguageNameSetsChanged()
{
    QComboBox* lang1 = m_page->lang1Box();
    lang1->addItems(
        {QStringLiteral("Engelska"), QStringLiteral("Tyska"), QStringLiteral("Franska")});
    m_list->language1 = QStringLiteral("Tyska");
    m_list->language2 = QStringLiteral("Klingonska");
    m_list->changed = 0;

    m_page->enter();
    QCOMPARE(lang1->currentText(), QStringLiteral("Tyska"));
    QCOMPARE(m_page->lang2Box()->currentText(), QStringLiteral("Klingonska"));
    QCOMPARE(m_list->changed, 0);
    QCOMPARE(lang1->count(), 3);

    // Picking the name already shown changes no text, so nothing.
    lang1->showPopup();
    QAbstractItemView* view = lang1->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(lang1->model()->index(1, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(m_list->language1, QStringLiteral("Tyska"));
    QCOMPARE(m_list->changed, 0);

    // Passing through: Tab out of lang1, Enter in lang2 on a name of its list.
    {
        const EditorPage::Filling filling(*m_page);
        m_page->lang2Box()->addItems({QStringLiteral("Svenska"), QStringLiteral("Norska")});
        m_page->lang2Box()->setEditText(QStringLiteral("Norska"));
    }
    QCOMPARE(m_list->language2, QStringLiteral("Norska"));
    QCOMPARE(m_list->changed, 0);
    lang1->setFocus();
    QTRY_VERIFY(lang1->hasFocus());
    pressKey(Qt::Key_Tab);
    m_page->lang2Box()->setFocus();
    QTRY_VERIFY(m_page->lang2Box()->hasFocus());
    pressKey(Qt::Key_Return);
    QCOMPARE(m_page->lang2Box()->currentText(), QStringLiteral("Norska"));
    QCOMPARE(m_list->changed, 0);

    // Picking another name is a change.
    lang1->showPopup();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(lang1->model()->index(0, 0)).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(m_list->language1, QStringLiteral("Engelska"));
    QCOMPARE(m_list->changed, 1);

    m_list->changed = 0;
    lang1->setFocus();
    pressKey(Qt::Key_Down);
    QCOMPARE(m_list->language1, QStringLiteral("Tyska"));
    QCOMPARE(m_list->changed, 1);

    // Typing a new name neither completes it nor adds it to the list.
    m_list->changed = 0;
    lang1->lineEdit()->selectAll();
    typeText(QStringLiteral("Ty"));
    pressKey(Qt::Key_Return);
    QCOMPARE(m_list->language1, QStringLiteral("Ty"));
    QCOMPARE(lang1->count(), 3);
    QCOMPARE(m_list->changed, 1);
}

void EditorPageTest::headerTextsKeepChanged()
{
    m_list->heading = QStringLiteral("Kapitel 3");
    m_list->language1 = QStringLiteral("Finska");
    m_list->language2 = QStringLiteral("Svenska");
    m_page->enter();
    scrollBar()->setValue(40);

    for (const int changed : {0, 1}) {
        m_list->changed = changed;
        m_page->showHeader();
        QCOMPARE(box(QStringLiteral("rubrik"))->text(), QStringLiteral("Kapitel 3"));
        QCOMPARE(m_page->lang1Box()->currentText(), QStringLiteral("Finska"));
        QCOMPARE(m_page->lang2Box()->currentText(), QStringLiteral("Svenska"));
        QCOMPARE(m_list->pageStart, 0);
        QCOMPARE(scrollBar()->value(), 0);
        QCOMPARE(m_list->changed, changed);
    }

    focusBox(QStringLiteral("rubrik"));
    pressKey(Qt::Key_End);
    typeText(QStringLiteral("!"));
    QCOMPARE(m_list->heading, QStringLiteral("Kapitel 3!"));
    QCOMPARE(m_list->changed, 1);
}

void EditorPageTest::draggingTheThumbSnapsToAPage_data()
{
    QTest::addColumn<int>("dragTo");
    QTest::addColumn<int>("page");

    QTest::newRow("57 shows 50") << 57 << 50;
    QTest::newRow("5 shows the first page") << 5 << 0;
    QTest::newRow("10 stays 10") << 10 << 10;
    QTest::newRow("99 is held at the last page") << 99 << 90;
}

void EditorPageTest::draggingTheThumbSnapsToAPage()
{
    QFETCH(int, dragTo);
    QFETCH(int, page);

    fillSlots(100);
    m_page->enter();
    if (page == 0)
        scrollBar()->setValue(30); // so that the drag is a change
    QScrollBar* bar = scrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(dragTo);
    bar->setSliderDown(false);

    QCOMPARE(bar->value(), page);
    QCOMPARE(bar->sliderPosition(), page);
    QCOMPARE(m_list->pageStart, page);
    QCOMPARE(box(QStringLiteral("g1_0"))->text(), QStringLiteral("L%1").arg(page));
    QCOMPARE(box(QStringLiteral("g2_9"))->text(), QStringLiteral("K%1").arg(page + 9));
    QCOMPARE(m_list->changed, 0);
}

void EditorPageTest::enterWalksThePairs_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("heading to the first row") << "rubrik"
                                              << "g1_0";
    QTest::newRow("learned to known") << "g1_3"
                                      << "g2_3";
    QTest::newRow("known to the next row") << "g2_3"
                                           << "g1_4";
    QTest::newRow("last learned box") << "g1_9"
                                      << "g2_9";
}

void EditorPageTest::enterWalksThePairs()
{
    QFETCH(QString, from);
    QFETCH(QString, to);

    m_page->enter();
    scrollBar()->setValue(20);
    focusBox(from);
    typeText(QStringLiteral("ord"));
    QSignalSpy returnPressed(box(from), &QLineEdit::returnPressed);
    QSignalSpy autoSave(m_page, &EditorPage::autoSaveRequested);

    pressKey(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box(to));
    QCOMPARE(box(from)->text(), QStringLiteral("ord"));
    QCOMPARE(returnPressed.count(), 0); // swallowed before the box saw it
    QCOMPARE(m_list->pageStart, 20);
    QCOMPARE(autoSave.count(), 0);
    QCOMPARE(m_prompter.beeps, 0);

    // The keypad's Enter key does the same.
    focusBox(from);
    pressKey(Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), box(to));
}

void EditorPageTest::enterInTheLastBoxTurnsThePageAndAsksToSave_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("nextPage");
    QTest::addColumn<int>("beeps");

    QTest::newRow("first page") << 0 << 10 << 0;
    QTest::newRow("last page beeps and stays") << 90 << 90 << 1;
}

void EditorPageTest::enterInTheLastBoxTurnsThePageAndAsksToSave()
{
    QFETCH(int, page);
    QFETCH(int, nextPage);
    QFETCH(int, beeps);

    fillSlots(100);
    m_page->enter();
    scrollBar()->setValue(page);
    // The save runs whether or not anything changed.
    QCOMPARE(m_list->changed, 0);
    QSignalSpy autoSave(m_page, &EditorPage::autoSaveRequested);
    int pageWhenSaving = -1;
    QWidget* focusWhenSaving = nullptr;
    connect(m_page, &EditorPage::autoSaveRequested, this, [&] {
        pageWhenSaving = m_list->pageStart;
        focusWhenSaving = QApplication::focusWidget();
    });

    focusBox(QStringLiteral("g2_9"));
    pressKey(Qt::Key_Return);
    QCOMPARE(autoSave.count(), 1);
    QCOMPARE(pageWhenSaving, nextPage);
    QCOMPARE(focusWhenSaving, box(QStringLiteral("g1_0")));
    QCOMPARE(m_list->pageStart, nextPage);
    QCOMPARE(scrollBar()->value(), nextPage);
    QCOMPARE(box(QStringLiteral("g1_0"))->text(), QStringLiteral("L%1").arg(nextPage));
    QCOMPARE(m_prompter.beeps, beeps);
    QCOMPARE(m_list->changed, 0);
}

void EditorPageTest::arrowsMoveAlongAColumnAndTurnPages_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("pageAfter");
    QTest::addColumn<int>("beeps");

    QTest::newRow("down inside a column") << "g1_4" << 30 << int(Qt::Key_Down) << "g1_5" << 30 << 0;
    QTest::newRow("up inside a column") << "g2_4" << 30 << int(Qt::Key_Up) << "g2_3" << 30 << 0;
    QTest::newRow("down from the first row")
        << "g2_0" << 30 << int(Qt::Key_Down) << "g2_1" << 30 << 0;
    QTest::newRow("up from the last row") << "g1_9" << 30 << int(Qt::Key_Up) << "g1_8" << 30 << 0;
    QTest::newRow("up in g2_0 turns back") << "g2_0" << 30 << int(Qt::Key_Up) << "g2_9" << 20 << 0;
    QTest::newRow("up in g2_0 on the first page")
        << "g2_0" << 0 << int(Qt::Key_Up) << "g2_0" << 0 << 1;
    QTest::newRow("down in g1_9 turns on")
        << "g1_9" << 30 << int(Qt::Key_Down) << "g1_0" << 40 << 0;
    QTest::newRow("down in g1_9 on the last page")
        << "g1_9" << 90 << int(Qt::Key_Down) << "g1_0" << 90 << 1;
    QTest::newRow("the heading ignores arrows")
        << "rubrik" << 30 << int(Qt::Key_Down) << "rubrik" << 30 << 0;
    // Page Up and Page Down turn as the scroll bar does: the focus stays, the ends are silent.
    QTest::newRow("page down") << "g2_4" << 30 << int(Qt::Key_PageDown) << "g2_4" << 40 << 0;
    QTest::newRow("page up") << "g1_0" << 30 << int(Qt::Key_PageUp) << "g1_0" << 20 << 0;
    QTest::newRow("page down on the last page")
        << "g1_9" << 90 << int(Qt::Key_PageDown) << "g1_9" << 90 << 0;
    QTest::newRow("page up on the first page")
        << "g2_9" << 0 << int(Qt::Key_PageUp) << "g2_9" << 0 << 0;
}

void EditorPageTest::arrowsMoveAlongAColumnAndTurnPages()
{
    QFETCH(QString, from);
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(QString, to);
    QFETCH(int, pageAfter);
    QFETCH(int, beeps);

    fillSlots(100);
    m_page->enter();
    scrollBar()->setValue(page);
    focusBox(from);
    pressKey(Qt::Key(key));

    QCOMPARE(QApplication::focusWidget(), box(to));
    QCOMPARE(m_list->pageStart, pageAfter);
    QCOMPARE(scrollBar()->value(), pageAfter);
    QCOMPARE(box(QStringLiteral("g2_9"))->text(), QStringLiteral("K%1").arg(pageAfter + 9));
    QCOMPARE(m_prompter.beeps, beeps);
    QCOMPARE(m_list->changed, 0);
}

void EditorPageTest::columnFontsAndTheirReset()
{
    const QFont windowFont = box(QStringLiteral("rubrik"))->font();
    const QSize designSize = box(QStringLiteral("g2_5"))->size();
    m_settings.font1Name = QStringLiteral("DejaVu Serif");
    m_settings.font1Size = 14;
    m_settings.font2Name = QStringLiteral("DejaVu Sans Mono");
    m_settings.font2Size = 11;

    m_page->enter();
    for (int r = 0; r < EditorPage::Rows; ++r) {
        const QFont learned = box(QStringLiteral("g1_%1").arg(r))->font();
        const QFont known = box(QStringLiteral("g2_%1").arg(r))->font();
        QCOMPARE(learned.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(learned.pointSize(), 14);
        QCOMPARE(known.family(), QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(known.pointSize(), 11);
    }
    QCOMPARE(box(QStringLiteral("rubrik"))->font(), windowFont);
    // An 11-point line needs a taller box than the design: it grows down, never into the next row.
    const QRect grown = box(QStringLiteral("g2_5"))->geometry();
    QCOMPARE(grown.topLeft(), Twips::rect(4680, 720 + 5 * 360, 0, 0).topLeft());
    QCOMPARE(grown.width(), designSize.width());
    QVERIFY(grown.height() > designSize.height());
    QVERIFY(grown.bottom() < box(QStringLiteral("g2_6"))->geometry().top());

    box(QStringLiteral("g2_5"))->resize(50, 50);
    m_page->resetWordBoxFonts();
    for (const QString& name : {QStringLiteral("g1_0"), QStringLiteral("g2_5")}) {
        QCOMPARE(box(name)->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(box(name)->font().pointSizeF(), 8.25);
        QCOMPARE(box(name)->size(), designSize);
    }

    m_page->leave();
    m_page->enter();
    QCOMPARE(box(QStringLiteral("g2_5"))->font().family(), QStringLiteral("DejaVu Sans Mono"));
}

void EditorPageTest::rightButtonReleaseAsksForTheEditMenu_data()
{
    QTest::addColumn<QString>("target"); // empty: a bare spot of the panel
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("requests");

    QTest::newRow("row box") << "g2_4" << int(Qt::RightButton) << 1;
    QTest::newRow("heading") << "rubrik" << int(Qt::RightButton) << 1;
    QTest::newRow("bare panel") << "" << int(Qt::RightButton) << 1;
    QTest::newRow("left button on a row box") << "g2_4" << int(Qt::LeftButton) << 0;
    QTest::newRow("left button on the panel") << "" << int(Qt::LeftButton) << 0;
}

void EditorPageTest::rightButtonReleaseAsksForTheEditMenu()
{
    QFETCH(QString, target);
    QFETCH(int, button);
    QFETCH(int, requests);

    m_page->enter();
    QWidget* widget = target.isEmpty() ? static_cast<QWidget*>(m_page) : box(target);
    // Between the heading and the first row nothing but the panel is under the mouse.
    const QPoint at = target.isEmpty() ? QPoint(300, 42) : QPoint(10, 5);
    QCOMPARE(m_page->childAt(QPoint(300, 42)), nullptr);
    QSignalSpy spy(m_page, &EditorPage::editMenuRequested);

    // Through the window, so the platform's routing and its own context menu take part.
    QTest::mouseClick(m_window->windowHandle(), Qt::MouseButton(button), {},
                      widget->mapTo(m_window.get(), at));
    QCOMPARE(spy.count(), requests);
    if (requests)
        QCOMPARE(spy.at(0).at(0).toPoint(), widget->mapToGlobal(at));
    // The box's own context menu stays away.
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void EditorPageTest::leaveHidesAtTheFirstPage()
{
    fillSlots(100);
    QVERIFY(!m_page->isVisible());
    m_page->enter();
    QVERIFY(m_page->isVisible());
    scrollBar()->setValue(70);
    m_page->leave();
    QVERIFY(!m_page->isVisible());
    QCOMPARE(m_list->pageStart, 0);
    QCOMPARE(scrollBar()->value(), 0);
    QCOMPARE(m_list->changed, 0);
}

void EditorPageTest::aPageTypedByKeyboardIsSavedInTheRightEncoding_data()
{
    QTest::addColumn<QStringList>("words"); // heading, then learned and known of each row
    QTest::addColumn<bool>("utf8");

    QStringList nordic{QStringLiteral("Läxa 4")};
    QStringList mixed{QStringLiteral("Läxa 5")};
    const QStringList finnish{QStringLiteral("päivä"), QStringLiteral("hyvää"),
                              QStringLiteral("öljy"),  QStringLiteral("sää"),
                              QStringLiteral("kesä"),  QStringLiteral("yö")};
    const QStringList swedish{QStringLiteral("dag"),    QStringLiteral("gott"),
                              QStringLiteral("olja"),   QStringLiteral("väder"),
                              QStringLiteral("sommar"), QStringLiteral("natt")};
    for (int r = 0; r < EditorPage::Rows; ++r) {
        const QString learned = finnish[r % finnish.size()];
        const QString known = swedish[r % swedish.size()] + QStringLiteral(" å");
        nordic << learned << known;
        mixed << learned << known;
    }
    mixed[7] = QStringLiteral("слово");  // g1_3
    mixed[16] = QStringLiteral("λόγος"); // g2_7

    QTest::newRow("Finnish and Swedish fit Windows-1252") << nordic << false;
    QTest::newRow("Cyrillic and Greek need UTF-8") << mixed << true;
}

void EditorPageTest::aPageTypedByKeyboardIsSavedInTheRightEncoding()
{
    QFETCH(QStringList, words);
    QFETCH(bool, utf8);

    m_list->language1 = QStringLiteral("Finska");
    m_list->language2 = QStringLiteral("Svenska");
    m_page->enter();
    QSignalSpy autoSave(m_page, &EditorPage::autoSaveRequested);

    focusBox(QStringLiteral("rubrik"));
    for (const QString& word : words) {
        typeText(word);
        pressKey(Qt::Key_Return);
    }
    QCOMPARE(autoSave.count(), 1);
    QCOMPARE(m_list->pageStart, 10);
    QCOMPARE(QApplication::focusWidget(), box(QStringLiteral("g1_0")));
    QCOMPARE(m_list->changed, 1);
    QCOMPARE(m_list->Length(), EditorPage::Rows);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    m_list->filePath = dir.filePath(QStringLiteral("ord.vkf"));
    QVERIFY(!WriteWordListFile(*m_list));
    QCOMPARE(m_list->changed, 0);

    QFile file(m_list->filePath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();

    QStringList lines{words.first(), QStringLiteral("Finska"), QStringLiteral("Svenska")};
    lines += words.mid(1);
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    // The Nordic letters lie where Latin-1 and Windows-1252 agree.
    const QByteArray expected = utf8 ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : text.toLatin1();
    QCOMPARE(bytes, expected);
    if (!utf8)
        QVERIFY(bytes.contains("p\xE4iv\xE4\r\ndag \xE5\r\n"));
}

QTEST_MAIN(EditorPageTest)
#include "tst_editorpage.moc"
