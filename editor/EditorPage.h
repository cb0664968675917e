#pragma once

#include <QWidget>

#include <array>

class PageKeys;
class QComboBox;
class QLineEdit;
class QScrollBar;
class Prompter;
class WordList;
struct ProgramSettings;

// The editor panel: ten rows of word pairs, a page of the word list at a time. Every change of a
// box is written straight into the word list, so nothing has to be collected from the boxes later.
class EditorPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Rows = 10;
    static constexpr int LastPage = 90; // MaxWords minus one page: slot 100 is never shown

    // A fill of the boxes by the program, not by the learner: while one lasts, a box's change is
    // still written into the list but leaves the list's changed flag as it was.
    class Filling
    {
    public:
        explicit Filling(EditorPage& page) : m_page(page) { ++m_page.m_filling; }
        ~Filling() { --m_page.m_filling; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        EditorPage& m_page;
    };

    EditorPage(WordList& list, ProgramSettings& settings, Prompter& prompter,
               QWidget* parent = nullptr);

    // Shows the page at its first page with the list's language names and the column fonts.
    void enter();
    // Hides the page and turns it back to its first page.
    void leave();

    void ShowEditorPage();
    void EditorPageDown();
    void EditorPageUp();
    void ApplyColumnFonts();

    // The list's heading and language names into their boxes, at the first page.
    void showHeader();
    void focusFirstRow();
    // The word boxes back to the default font at their design sizes.
    void resetWordBoxFonts();

    QComboBox* lang1Box() const { return m_lang1; }
    QComboBox* lang2Box() const { return m_lang2; }

Q_SIGNALS:
    // Enter in the last box of a page: the list is to be saved.
    void autoSaveRequested();
    void editMenuRequested(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void placeControls();
    QLineEdit* makeBox(const QString& name);
    QComboBox* makeLanguageBox(const QString& name);
    void scrollValueChanged(int value);
    // A change typed or picked by the learner; a program-made fill does not count.
    void markChanged();
    int slotOfRow(int row) const;
    // Names each row box after its slot, its column's language and its role.
    void updateRowNames();
    void fitRowHeights();

    WordList& m_list;
    ProgramSettings& m_settings;
    Prompter& m_prompter;
    QLineEdit* m_rubrik = nullptr;
    QComboBox* m_lang1 = nullptr;
    QComboBox* m_lang2 = nullptr;
    std::array<QLineEdit*, Rows> m_learned{}; // g1_0 ... g1_9
    std::array<QLineEdit*, Rows> m_known{};   // g2_0 ... g2_9
    QScrollBar* m_edvisare = nullptr;
    PageKeys* m_keys = nullptr;
    int m_filling = 0; // Filling guards in force
};
