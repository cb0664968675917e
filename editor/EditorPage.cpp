#include "EditorPage.h"

#include "DesignFont.h"
#include "PageCursor.h"
#include "PageKeys.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "RowGrid.h"
#include "Twips.h"
#include "WordBoxFit.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

constexpr int kScrollBarWidth = 255; // the platform's standard vertical scroll bar

// Words can be longer than a line edit's default limit; a box must never cut the text it shows,
// or showing a page would shorten the word in its slot.
constexpr int kBoxMaxLength = kMaxFieldLength;

} // namespace

EditorPage::EditorPage(WordList& list, ProgramSettings& settings, Prompter& prompter,
                       QWidget* parent)
    : QWidget(parent), m_list(list), m_settings(settings), m_prompter(prompter)
{
    setObjectName(QStringLiteral("editgl"));
    setContextMenuPolicy(Qt::PreventContextMenu);
    createControls();
    placeControls();
    // The page is shown only by entering the editor.
    setVisible(false);
}

QLineEdit* EditorPage::makeBox(const QString& name)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(kBoxMaxLength);
    // A right click brings up the program's Edit menu instead of the box's own.
    box->setContextMenuPolicy(Qt::PreventContextMenu);
    return box;
}

QComboBox* EditorPage::makeLanguageBox(const QString& name)
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    // The list offers names; typing a name must neither add it to the list nor complete it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->lineEdit()->setMaxLength(kBoxMaxLength);
    return box;
}

void EditorPage::createControls()
{
    // Created in the order Tab should visit them: header, then the rows pair by pair.
    m_lang1 = makeLanguageBox(QStringLiteral("lang1"));
    m_rubrik = makeBox(QStringLiteral("rubrik"));
    m_lang2 = makeLanguageBox(QStringLiteral("lang2"));
    for (int r = 0; r < Rows; ++r) {
        m_learned[size_t(r)] = makeBox(QStringLiteral("g1_%1").arg(r));
        m_known[size_t(r)] = makeBox(QStringLiteral("g2_%1").arg(r));
    }
    m_edvisare = new QScrollBar(Qt::Vertical, this);
    m_edvisare->setObjectName(QStringLiteral("edvisare"));
    m_edvisare->setRange(0, LastPage);
    m_edvisare->setSingleStep(kPageSize);
    m_edvisare->setPageStep(kPageSize);
    // The page turns when the thumb is let go, not at every step of a drag.
    m_edvisare->setTracking(false);
    // Reachable with Tab for paging by keyboard, but a click does not take the focus from a row.
    m_edvisare->setFocusPolicy(Qt::TabFocus);

    m_rubrik->setAccessibleName(tr("Rubrik"));
    // A combo box is always read out as its current text; its text part carries the name.
    m_lang1->lineEdit()->setAccessibleName(tr("Ordens språk"));
    m_lang2->lineEdit()->setAccessibleName(tr("Betydelsernas språk"));
    m_edvisare->setAccessibleName(tr("Sida"));
    updateRowNames();

    connect(m_rubrik, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_list.heading = text;
        markChanged();
    });
    for (int r = 0; r < Rows; ++r) {
        connect(m_learned[size_t(r)], &QLineEdit::textChanged, this,
                [this, r](const QString& text) {
                    m_list[slotOfRow(r)].learned = text;
                    markChanged();
                });
        connect(m_known[size_t(r)], &QLineEdit::textChanged, this, [this, r](const QString& text) {
            m_list[slotOfRow(r)].known = text;
            markChanged();
        });
    }
    // Only a new text counts: leaving the box or Enter on a name of its list changes nothing.
    connect(m_lang1, &QComboBox::editTextChanged, this, [this](const QString& text) {
        m_list.language1 = text;
        markChanged();
        updateRowNames();
    });
    connect(m_lang2, &QComboBox::editTextChanged, this, [this](const QString& text) {
        m_list.language2 = text;
        markChanged();
        updateRowNames();
    });
    connect(m_edvisare, &QScrollBar::valueChanged, this, &EditorPage::scrollValueChanged);

    m_rubrik->installEventFilter(this);
    std::vector<QWidget*> learned(m_learned.begin(), m_learned.end());
    std::vector<QWidget*> known(m_known.begin(), m_known.end());
    m_keys = new PageKeys(this, m_edvisare, {learned, known},
                          {[this] { EditorPageDown(); }, [this] { EditorPageUp(); },
                           [this] { return m_list.pageStart == 0; }});
    m_keys->watchRightClick(m_rubrik);
    connect(m_keys, &PageKeys::lastBoxEntered, this, &EditorPage::autoSaveRequested);
    connect(m_keys, &PageKeys::editMenuRequested, this, &EditorPage::editMenuRequested);
}

void EditorPage::markChanged()
{
    if (m_filling == 0)
        m_list.changed = 1;
}

void EditorPage::placeControls()
{
    Twips::place(this, 0, 735, 9570, 4305);
    Twips::place(m_lang1, 120, 240, 1455, 315);
    Twips::place(m_rubrik, 1680, 240, 6135, 285);
    Twips::place(m_lang2, 7920, 240, 1455, 315);
    for (int r = 0; r < Rows; ++r) {
        const int top = RowGrid::rowTop(r);
        Twips::place(m_learned[size_t(r)], RowGrid::leftColumn, top, RowGrid::width,
                     RowGrid::boxHeight);
        Twips::place(m_known[size_t(r)], RowGrid::rightColumn, top, RowGrid::width,
                     RowGrid::boxHeight);
    }
    Twips::place(m_edvisare, 9240, 720, kScrollBarWidth, 3495);
}

int EditorPage::slotOfRow(int row) const
{
    return m_list.pageStart + row;
}

void EditorPage::enter()
{
    setVisible(true);
    m_list.pageStart = 0;
    ShowEditorPage();
    {
        const Filling filling(*this);
        WordBoxFit::SetWholeText(m_lang1->lineEdit(), m_list.language1);
        WordBoxFit::SetWholeText(m_lang2->lineEdit(), m_list.language2);
    }
    m_edvisare->setMaximum(LastPage);
    m_edvisare->setValue(0);
    ApplyColumnFonts();
    // Focus left on the page being hidden would move on to lang1 with its whole text selected.
    if (!isAncestorOf(QApplication::focusWidget()))
        focusFirstRow();
}

void EditorPage::leave()
{
    m_list.pageStart = 0;
    m_edvisare->setValue(0);
    setVisible(false);
}

void EditorPage::ShowEditorPage()
{
    // The quiz shares pageStart; a value off the page grid must not reach past slot 99.
    m_list.pageStart = PageCursor(LastPage).snap(m_list.pageStart);
    const Filling filling(*this);
    for (int r = 0; r < Rows; ++r)
        WordBoxFit::SetWholeText(m_learned[size_t(r)], m_list[slotOfRow(r)].learned);
    for (int r = 0; r < Rows; ++r)
        WordBoxFit::SetWholeText(m_known[size_t(r)], m_list[slotOfRow(r)].known);
    updateRowNames();
}

void EditorPage::updateRowNames()
{
    const auto name = [](const QString& role, const QString& language) {
        return language.isEmpty() ? role : role + QStringLiteral(", ") + language;
    };
    const QString language1 = m_lang1->currentText();
    const QString language2 = m_lang2->currentText();
    for (int r = 0; r < Rows; ++r) {
        const int number = slotOfRow(r) + 1;
        m_learned[size_t(r)]->setAccessibleName(name(tr("Ord %1").arg(number), language1));
        m_known[size_t(r)]->setAccessibleName(name(tr("Betydelse %1").arg(number), language2));
    }
}

void EditorPage::EditorPageDown()
{
    const std::optional<int> next = PageCursor(LastPage).next(m_list.pageStart);
    if (!next) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart = *next;
    ShowEditorPage();
    m_edvisare->setValue(m_list.pageStart);
}

void EditorPage::EditorPageUp()
{
    const std::optional<int> previous = PageCursor(LastPage).previous(m_list.pageStart);
    if (!previous) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart = *previous;
    ShowEditorPage();
    m_edvisare->setValue(m_list.pageStart);
}

void EditorPage::scrollValueChanged(int value)
{
    m_edvisare->setValue(PageCursor(m_edvisare->maximum()).snap(value));
    m_list.pageStart = m_edvisare->value();
    ShowEditorPage();
}

void EditorPage::ApplyColumnFonts()
{
    const auto apply = [](QLineEdit* box, const QString& name, int points) {
        QFont font = box->font();
        font.setFamily(name);
        // A size the settings file could not give sensibly leaves the box's size alone.
        if (points > 0)
            font.setPointSize(points);
        box->setFont(font);
    };
    for (int r = 0; r < Rows; ++r) {
        apply(m_learned[size_t(r)], m_settings.font1Name, m_settings.font1Size);
        apply(m_known[size_t(r)], m_settings.font2Name, m_settings.font2Size);
    }
    fitRowHeights();
}

void EditorPage::fitRowHeights()
{
    const int height = Twips::toPixels(RowGrid::boxHeight);
    const int pitch = Twips::toPixels(RowGrid::pitch);
    for (int r = 0; r < Rows; ++r) {
        WordBoxFit::FitBox(m_learned[size_t(r)], height, pitch);
        WordBoxFit::FitBox(m_known[size_t(r)], height, pitch);
    }
}

void EditorPage::resetWordBoxFonts()
{
    QFont font(DesignFont::name());
    font.setPointSizeF(DesignFont::points);
    const QSize size = Twips::rect(0, 0, RowGrid::width, RowGrid::boxHeight).size();
    for (int r = 0; r < Rows; ++r) {
        for (QLineEdit* box : {m_learned[size_t(r)], m_known[size_t(r)]}) {
            box->setFont(font);
            box->resize(size);
        }
    }
    fitRowHeights();
}

void EditorPage::showHeader()
{
    const Filling filling(*this);
    WordBoxFit::SetWholeText(m_rubrik, m_list.heading);
    WordBoxFit::SetWholeText(m_lang1->lineEdit(), m_list.language1);
    WordBoxFit::SetWholeText(m_lang2->lineEdit(), m_list.language2);
    m_list.pageStart = 0;
    m_edvisare->setValue(0);
}

void EditorPage::focusFirstRow()
{
    m_learned[0]->setFocus(Qt::OtherFocusReason);
}

bool EditorPage::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the heading goes on to the first word.
    if (watched == m_rubrik && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_learned[0]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
