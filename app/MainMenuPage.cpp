#include "MainMenuPage.h"

#include "BakedPictures.h"
#include "DesignSize.h"
#include "PictureButton.h"
#include "Twips.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
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
    button->setFocusPolicy(Qt::StrongFocus);
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

    imgReklam = new PictureButton(
        BakedPictures::pixmap(QStringLiteral("programtorget"), QSize(150, 56)), this);
    imgReklam->setObjectName(QStringLiteral("imgReklam"));
    imgReklam->setGeometry(480, 223, 150, 56);
    connect(imgReklam, &PictureButton::clicked, this, &MainMenuPage::reklamClicked);
    imgReklam->hide();
    // Enter presses the big buttons too, as it does the service picture.
    for (QToolButton* big : {oppna, editera, forhorgl})
        big->installEventFilter(this);

    SetCaptions();
}

void MainMenuPage::SetCaptions()
{
    oppna->setText(tr("Öppna ord"));
    editera->setText(tr("Skriv ord", "main menu"));
    forhorgl->setText(tr("Förhör ord", "main menu"));
    sprbutton->setText(tr("Inställningar..."));
    helpbutton->setText(tr("Hjälp"));
    oppna->setToolTip(tr("Öppnar en sparad ordlista från en fil"));
    editera->setToolTip(tr("Skriv in nya ord eller ändra ordlistan"));
    forhorgl->setToolTip(tr("Förhör dig på orden i ordlistan"));
    sprbutton->setToolTip(tr("Välj språklistor, typsnitt och programmets språk"));
    helpbutton->setToolTip(tr("Visar hjälpen för Vokabo"));
    imgVokabo->setAccessibleName(tr("Vokabos logotyp"));
    imgReklam->setAccessibleName(tr("Programtorget"));
    imgReklam->setAccessibleDescription(
        tr("Öppnar ett fönster som berättar hur du hittar Programtorget"));
    imgReklam->setToolTip(imgReklam->accessibleDescription());
    fitBigButtons();
}

void MainMenuPage::fitBigButtons()
{
    // The three squares share one size, the widest caption's, and stay centred where the design
    // has them.
    const QRect first = Twips::rect(2640, 1800 - 735, 1335, 1335);
    const int gap = Twips::toPixels(4080 - 2640 - 1335);
    QSize size = first.size();
    for (QToolButton* big : {oppna, editera, forhorgl})
        size = size.expandedTo(TextNeed(big));
    int left = first.left() - (3 * (size.width() - first.width())) / 2;
    for (QToolButton* big : {oppna, editera, forhorgl}) {
        big->setGeometry(QRect(QPoint(left, first.top()), size));
        left += size.width() + gap;
    }
    // The buttons beneath keep clear of taller squares.
    const int below = size.height() - first.height();
    sprbutton->move(sprbutton->x(), 174 + below);
    helpbutton->move(helpbutton->x(), 174 + below);
}

bool MainMenuPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QToolButton*>(watched)->animateClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
