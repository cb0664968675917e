#include "EditorPage.h"

#include "DesignFont.h"
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
#include <QMouseEvent>
#include <QScrollBar>

namespace {

constexpr int kPageSize = 10;
constexpr int kScrollBarWidth = 255; // the platform's standard vertical scroll bar

// Lines of a word list file can be longer than a line edit's default limit; a box must never cut
// the text it shows, or showing a page would shorten the word in its slot.
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
    box->installEventFilter(this);
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
        m_list.changed = 1;
    });
    for (int r = 0; r < Rows; ++r) {
        connect(m_learned[size_t(r)], &QLineEdit::textChanged, this,
                [this, r](const QString& text) {
                    m_list[slotOfRow(r)].learned = text;
                    m_list.changed = 1;
                });
        connect(m_known[size_t(r)], &QLineEdit::textChanged, this, [this, r](const QString& text) {
            m_list[slotOfRow(r)].known = text;
            m_list.changed = 1;
        });
    }
    const auto languageChanged = [this](QComboBox* box, QString WordList::*field) {
        m_list.*field = box->currentText();
        m_list.changed = 1;
        updateRowNames();
    };
    // Picking an entry counts as a change even when it holds the text already shown.
    connect(m_lang1, &QComboBox::editTextChanged, this,
            [=, this] { languageChanged(m_lang1, &WordList::language1); });
    connect(m_lang1, &QComboBox::activated, this,
            [=, this] { languageChanged(m_lang1, &WordList::language1); });
    connect(m_lang2, &QComboBox::editTextChanged, this,
            [=, this] { languageChanged(m_lang2, &WordList::language2); });
    connect(m_lang2, &QComboBox::activated, this,
            [=, this] { languageChanged(m_lang2, &WordList::language2); });
    connect(m_edvisare, &QScrollBar::valueChanged, this, &EditorPage::scrollValueChanged);
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

QLineEdit* EditorPage::rowBox(int column, int row) const
{
    return column == 1 ? m_learned[size_t(row)] : m_known[size_t(row)];
}

void EditorPage::enter()
{
    setVisible(true);
    m_list.pageStart = 0;
    ShowEditorPage();
    const int changed = m_list.changed;
    m_lang1->setEditText(m_list.language1);
    m_lang2->setEditText(m_list.language2);
    m_list.changed = changed;
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
    m_list.pageStart = qBound(0, SnapToPage(m_list.pageStart), LastPage);
    const int changed = m_list.changed;
    for (int r = 0; r < Rows; ++r)
        m_learned[size_t(r)]->setText(m_list[slotOfRow(r)].learned);
    for (int r = 0; r < Rows; ++r)
        m_known[size_t(r)]->setText(m_list[slotOfRow(r)].known);
    m_list.changed = changed;
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
    if (m_list.pageStart >= LastPage) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart += kPageSize;
    ShowEditorPage();
    m_edvisare->setValue(m_list.pageStart);
}

void EditorPage::EditorPageUp()
{
    if (m_list.pageStart <= 0) {
        m_prompter.beep();
        return;
    }
    m_list.pageStart -= kPageSize;
    ShowEditorPage();
    m_edvisare->setValue(m_list.pageStart);
}

void EditorPage::scrollValueChanged(int value)
{
    m_edvisare->setValue(SnapToPage(value));
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
    const int changed = m_list.changed;
    m_rubrik->setText(m_list.heading);
    m_lang1->setEditText(m_list.language1);
    m_lang2->setEditText(m_list.language2);
    m_list.pageStart = 0;
    m_edvisare->setValue(0);
    m_list.changed = changed;
}

void EditorPage::focusFirstRow()
{
    m_learned[0]->setFocus(Qt::OtherFocusReason);
}

bool EditorPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        return rowKeyPressed(box, static_cast<QKeyEvent*>(event)->key());
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            Q_EMIT editMenuRequested(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EditorPage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Q_EMIT editMenuRequested(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

bool EditorPage::rowKeyPressed(QLineEdit* box, int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (box == m_rubrik) {
        if (enter)
            m_learned[0]->setFocus(Qt::OtherFocusReason);
        return enter;
    }
    for (int r = 0; r < Rows; ++r) {
        const int column = box == m_learned[size_t(r)] ? 1 : box == m_known[size_t(r)] ? 2 : 0;
        if (column == 0)
            continue;
        if (enter) {
            if (column == 1) {
                m_known[size_t(r)]->setFocus(Qt::OtherFocusReason);
            } else if (r < Rows - 1) {
                m_learned[size_t(r + 1)]->setFocus(Qt::OtherFocusReason);
            } else {
                m_learned[0]->setFocus(Qt::OtherFocusReason);
                EditorPageDown();
                Q_EMIT autoSaveRequested();
            }
            return true;
        }
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            columnKeyPressed(column, r, key);
        // The box has no use for the arrows either way; they are acted on, not consumed.
        return false;
    }
    return false;
}

void EditorPage::columnKeyPressed(int column, int row, int key)
{
    if (key == Qt::Key_Down) {
        if (row < Rows - 1) {
            rowBox(column, row + 1)->setFocus(Qt::OtherFocusReason);
        } else {
            EditorPageDown();
            rowBox(column, 0)->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (row > 0) {
        rowBox(column, row - 1)->setFocus(Qt::OtherFocusReason);
        return;
    }
    const int before = m_list.pageStart;
    EditorPageUp();
    rowBox(column, before == 0 ? 0 : Rows - 1)->setFocus(Qt::OtherFocusReason);
}
