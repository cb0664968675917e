#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: shows the HTML help file in a text browser.
class HelpViewer : public QWidget
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
};
