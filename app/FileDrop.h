#pragma once

#include <QObject>

class QWidget;

// Files dropped anywhere on a window, its word boxes included, are handed on as files to open;
// a box never takes a file's address as text.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    // Watches the window and every widget in it that takes drops.
    explicit FileDrop(QWidget* window);

    // Files are refused while this is false (the quiz shows).
    void setEnabled(bool enabled) { m_enabled = enabled; }

Q_SIGNALS:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_enabled = true;
};
