#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class FlagPicture;
class NewLanguageEdit;
class OutlineShape;
class Prompter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct ProgramSettings;

// The options dialog: the two lists of language names, the fonts of the two word columns and
// the interface language for the next start. Nothing is stored until OK.
class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // reloadLanguageLists refills the main window's language boxes after the lists are stored;
    // resetWordBoxFonts gives the word boxes their design font until the columns' fonts return.
    OptionsDialog(ProgramSettings& settings, Prompter& prompter, QWidget* mainWindow,
                  std::function<void()> reloadLanguageLists,
                  std::function<void()> resetWordBoxFonts);

    // The interface language chosen with the flags: "eng", "sve" or "fin".
    QString pendingLanguage() const { return m_pendingLanguage; }

    // The language codes in the order of the flags.
    static QString FlagLanguage(int index);
    static int FlagIndex(const QString& language);

private:
    void createControls();
    void applyCaptions();
    void layOut();
    void loadLists();
    void addNewLanguage(NewLanguageEdit* edit, QListWidget* list);
    void removeSelected(QListWidget* list, QPushButton* removeButton);
    void chooseFont(QLineEdit* sample);
    void restoreFont(QLineEdit* sample);
    void chooseFlag(int index);
    void acceptChanges();

    ProgramSettings& m_settings;
    Prompter& m_prompter;
    QWidget* m_mainWindow;
    std::function<void()> m_reloadLanguageLists;
    std::function<void()> m_resetWordBoxFonts;
    QString m_pendingLanguage;

    QLabel* m_lblLS = nullptr;
    QListWidget* m_la1 = nullptr;
    QLabel* m_lblN1 = nullptr;
    NewLanguageEdit* m_nys1 = nullptr;
    QPushButton* m_tb1 = nullptr;
    QLabel* m_lblKS = nullptr;
    QListWidget* m_la2 = nullptr;
    QLabel* m_lblN2 = nullptr;
    NewLanguageEdit* m_nys2 = nullptr;
    QPushButton* m_tb2 = nullptr;
    QLabel* m_lblFont1 = nullptr;
    QLineEdit* m_txtFont1 = nullptr;
    QPushButton* m_cmdFont1 = nullptr;
    QPushButton* m_cmdAterstall1 = nullptr;
    QLabel* m_lblFont2 = nullptr;
    QLineEdit* m_txtFont2 = nullptr;
    QPushButton* m_cmdFont2 = nullptr;
    QPushButton* m_cmdAterstall2 = nullptr;
    QLabel* m_lblPS = nullptr;
    std::array<FlagPicture*, 3> m_imgPSprak{};
    std::array<OutlineShape*, 3> m_shpPSprak{};
    QPushButton* m_lokb = nullptr;
    QPushButton* m_lavbb = nullptr;
};
