#include "SecretWindow.h"

#include "BakedPictures.h"

#include "Twips.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

SecretWindow::SecretWindow(const QString& uiLanguage, SecretClicks& clicks, QWidget* mainWindow)
    : QDialog(mainWindow), m_clicks(clicks)
{
    setObjectName(QStringLiteral("frmHemlig"));
    setModal(true);
    setWindowTitle(CaptionFor(uiLanguage));
    setFixedSize(Twips::toPixels(4800), Twips::toPixels(4200));

    m_lblProgramnamn = new QLabel(QStringLiteral("Vokabo"), this);
    m_lblProgramnamn->setObjectName(QStringLiteral("lblProgramnamn"));
    QFont nameFont(QStringLiteral("Times New Roman"));
    nameFont.setStyleHint(QFont::Serif);
    nameFont.setPointSize(24);
    m_lblProgramnamn->setFont(nameFont);
    m_lblProgramnamn->setAlignment(Qt::AlignCenter);
    Twips::place(m_lblProgramnamn, 240, 120, 4320, 720);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_image1->setPixmap(BakedPictures::pixmap(QStringLiteral("secret"), QSize(120, 96)));
    m_image1->setAccessibleName(QStringLiteral("Vokabo"));
    Twips::place(m_image1, 240, 900, 4320, 1500);

    m_lblWhere = new QLabel(CreditLineFor(uiLanguage), this);
    m_lblWhere->setObjectName(QStringLiteral("lblWhere"));
    m_lblWhere->setAlignment(Qt::AlignCenter);
    m_lblWhere->setWordWrap(true);
    Twips::place(m_lblWhere, 240, 2520, 4320, 720);

    m_hemligok = new QPushButton(QStringLiteral("&OK"), this);
    m_hemligok->setObjectName(QStringLiteral("hemligok"));
    m_hemligok->setDefault(true);
    Twips::place(m_hemligok, 1740, 3480, 1320, 420);
    connect(m_hemligok, &QPushButton::clicked, this, [this] {
        m_clicks.clickCount = 0;
        accept();
    });
    CentreOnFirstShow(this, mainWindow);
}

QString SecretWindow::CaptionFor(const QString& uiLanguage)
{
    if (uiLanguage == u"eng")
        return QStringLiteral("The secret window");
    return QStringLiteral("Hemliga rutan");
}

QString SecretWindow::CreditLineFor(const QString& uiLanguage)
{
    if (uiLanguage == u"eng")
        return QStringLiteral("Vokabo was written in 1996 by Vokabo-gruppen in Umeå, Sweden.");
    return QStringLiteral("Vokabo skrevs 1996 av Vokabo-gruppen i Umeå, Sverige.");
}
