#pragma once

#include <QMainWindow>

class QAction;
class QTextBrowser;

// The program's help window: the HTML help file in a text browser, with Back and Forward.
class HelpViewer : public QMainWindow
{
    Q_OBJECT

public:
    // owner: the window the viewer belongs to; it stays a window of its own.
    explicit HelpViewer(QWidget* owner = nullptr);

    // Loads the help file and scrolls to the named part.
    void showFile(const QString& path, const QString& anchor);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
    QAction* m_back;
    QAction* m_forward;
};
