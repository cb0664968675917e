#include "MainMenuPage.h"

#include "BakedPictures.h"
#include "CaptionFit.h"
#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

QToolButton* bigButton(QWidget* parent, const char* name, const QString& picture, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIcon(BakedPictures::icon(picture));
    button->setIconSize(QSize(56, 56));
    // The main window's client area holds the toolbar too; the page starts beneath it.
    Twips::place(button, left, 1800 - 735, 1335, 1335);
    return button;
}

} // namespace

MainMenuPage::MainMenuPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mainMenuPage"));

    imgVokabo = new QLabel(this);
    imgVokabo->setObjectName(QStringLiteral("imgVokabo"));
    imgVokabo->setGeometry(119, 4, 400, 64);
    imgVokabo->setPixmap(BakedPictures::pixmap(QStringLiteral("vokabo_logo"), QSize(400, 64)));

    oppna = bigButton(this, "oppna", QStringLiteral("big_open"), 2640);
    editera = bigButton(this, "editera", QStringLiteral("big_write"), 4080);
    forhorgl = bigButton(this, "forhorgl", QStringLiteral("big_learn"), 5520);

    sprbutton = new QPushButton(this);
    sprbutton->setObjectName(QStringLiteral("sprbutton"));
    sprbutton->setGeometry(176, 174, 136, 27);
    helpbutton = new QPushButton(this);
    helpbutton->setObjectName(QStringLiteral("helpbutton"));
    helpbutton->setGeometry(321, 174, 136, 27);

    imgReklam = new QLabel(this);
    imgReklam->setObjectName(QStringLiteral("imgReklam"));
    imgReklam->setGeometry(480, 223, 150, 56);
    imgReklam->setPixmap(BakedPictures::pixmap(QStringLiteral("programtorget"), QSize(150, 56)));
    imgReklam->setCursor(Qt::PointingHandCursor);
    imgReklam->installEventFilter(this);
    imgReklam->hide();

    SetCaptions();
}

void MainMenuPage::SetCaptions()
{
    oppna->setText(tr("Öppna ord"));
    editera->setText(tr("Skriv ord", "main menu"));
    forhorgl->setText(tr("Förhör ord", "main menu"));
    sprbutton->setText(tr("Inställningar..."));
    helpbutton->setText(tr("Hjälp"));
    FitCaptionFont({oppna, editera, forhorgl}, 9.0, 4);
}

bool MainMenuPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == imgReklam && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Q_EMIT reklamClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
