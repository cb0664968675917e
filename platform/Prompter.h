#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

// Everything that asks the user something or makes a sound goes through a Prompter, so the
// program's logic can be driven by a scripted fake in tests.
class Prompter
{
public:
    // Message box flags, as numbers: icon and buttons together.
    enum Flags : int {
        PlainOk = 0x00,
        YesNoCancelQuestion = 0x23,
        YesNoQuestion = 0x24,
        ExclamationOk = 0x30,
        InformationOk = 0x40,
    };
    // Answers, as numbers.
    enum Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    struct FileDialog
    {
        QString title;
        // "description|pattern|description|pattern|..."
        QString filter;
        QString defaultExtension; // without the dot, added to a name typed without one
        QString fileName;         // initial file name or full path
    };

    virtual ~Prompter() = default;

    // Shows a modal message box. An empty title shows the program's name; a CR inside the text
    // starts a new line. Returns the answer number.
    virtual int message(const QString& text, const QString& title, int flags) = 0;

    // The full path of an existing file, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(const FileDialog& dialog) = 0;
    // The full path to save to, or nothing when cancelled. Asks before an existing file is
    // overwritten.
    virtual std::optional<QString> saveFileName(const FileDialog& dialog) = 0;
    // A screen font with a size from minPoints to maxPoints, or nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QString& title, int minPoints, int maxPoints) = 0;

    // The platform's default beep.
    virtual void beep() = 0;
};

// The real dialogs: QMessageBox with button texts in the interface language, QFileDialog,
// QFontDialog and QApplication::beep.
class DialogPrompter : public Prompter
{
public:
    explicit DialogPrompter(QWidget* parent = nullptr);

    void setParent(QWidget* parent) { m_parent = parent; }

    int message(const QString& text, const QString& title, int flags) override;
    std::optional<QString> openFileName(const FileDialog& dialog) override;
    std::optional<QString> saveFileName(const FileDialog& dialog) override;
    std::optional<QFont> chooseFont(const QString& title, int minPoints, int maxPoints) override;
    void beep() override;

    // "Vokabo filer (*.vkf)|*.vkf|Alla filer (*.*)|*.*" -> {"Vokabo filer (*.vkf)", ...}
    static QStringList nameFilters(const QString& filter);
    // Adds ".ext" to a chosen path whose file name has no extension.
    static QString withDefaultExtension(const QString& path, const QString& extension);
    // The width a window needs for its whole title in a window manager's title bar.
    static int titleBarWidth(const QString& title);

private:
    QWidget* m_parent;
};
