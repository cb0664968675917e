#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// State of the hidden click sequence of the about box: 0, 2 or 5. It lives for the whole run,
// so a sequence begun in one opening of the about box can end in a later one.
struct SecretClicks
{
    int clickCount = 0;
};

// "frmHemlig": the hidden credits window. Its texts follow the interface language by hand
// because the Finnish interface keeps the Swedish ones.
class SecretWindow : public QDialog
{
    Q_OBJECT

public:
    SecretWindow(const QString& uiLanguage, SecretClicks& clicks, QWidget* mainWindow);

    static QString CaptionFor(const QString& uiLanguage);
    static QString CreditLineFor(const QString& uiLanguage);

private:
    SecretClicks& m_clicks;

    QLabel* m_lblProgramnamn = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_lblWhere = nullptr;
    QPushButton* m_hemligok = nullptr;
};
