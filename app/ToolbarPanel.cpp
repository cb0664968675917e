#include "ToolbarPanel.h"

#include "BakedPictures.h"
#include "DesignSize.h"
#include "Twips.h"

#include <QApplication>
#include <QKeySequence>
#include <QToolButton>

namespace {

// Keys of the quiz tools, which are toolbar buttons with no menu item of their own.
constexpr auto kShowRwKey = Qt::Key_F7;
constexpr auto kCountKey = Qt::Key_F8;

constexpr char kDesignedPlace[] = "designedPlace";
constexpr qreal kCaptionPoints = 8.0;

QString KeyName(Qt::Key key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

ToolbarPanel::ToolbarPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pnlToolbar"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    Twips::place(this, 0, 0, 9570, 735);

    cmdNytt = addButton("cmdNytt", QStringLiteral("tb_new"), 120, 855);
    cmdOppna = addButton("cmdOppna", QStringLiteral("tb_open"), 960, 855);
    cmdSpara = addButton("cmdSpara", QStringLiteral("tb_save"), 1800, 855);
    cmdSkrivUt = addButton("cmdSkrivUt", QStringLiteral("tb_print"), 2760, 855);
    cmdSkrivOrd = addButton("cmdSkrivOrd", QStringLiteral("tb_write"), 3720, 855);
    cmdTranaOrd = addButton("cmdTranaOrd", QStringLiteral("tb_learn"), 4560, 855);
    cmdHelp = addButton("cmdHelp", QStringLiteral("tb_help"), 5520, 855);
    cmdAntalratt = addButton("cmdAntalratt", QStringLiteral("tb_count"), 6480, 855);
    cmdRattFel = addButton("cmdRattFel", QStringLiteral("visa_ratt"), 7320, 855);
    cmdHuvudmenyn = addButton("cmdHuvudmenyn", QStringLiteral("tb_mainmenu"), 8280, 975);
    // The quiz's tools and the way back have no menu item, so Tab reaches them.
    for (QToolButton* b : {cmdAntalratt, cmdRattFel, cmdHuvudmenyn})
        b->setFocusPolicy(Qt::TabFocus);
    // On while the answers are coloured; the picture still shows what the next press brings.
    cmdRattFel->setCheckable(true);
    SetCaptions();
}

QToolButton* ToolbarPanel::addButton(const char* name, const QString& picture, int left, int width)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIcon(BakedPictures::icon(picture));
    button->setIconSize(QSize(20, 20));
    button->setFocusPolicy(Qt::NoFocus);
    Twips::place(button, left, 60, width, 615);
    button->setProperty(kDesignedPlace, button->geometry());
    return button;
}

void ToolbarPanel::SetCaptions()
{
    cmdNytt->setText(tr("Nytt"));
    cmdOppna->setText(tr("Öppna"));
    cmdSpara->setText(tr("Spara"));
    cmdSkrivUt->setText(tr("Skriv ut"));
    cmdSkrivOrd->setText(tr("Skriv ord", "toolbar"));
    cmdTranaOrd->setText(tr("Förhör ord", "toolbar"));
    cmdHelp->setText(tr("Hjälp"));
    cmdAntalratt->setText(tr("Antal rätt"));
    cmdRattFel->setText(tr("Rätt/fel"));
    cmdHuvudmenyn->setText(tr("Huvudmeny"));
    cmdNytt->setToolTip(tr("Börja på en ny, tom ordlista"));
    cmdOppna->setToolTip(tr("Öppna en sparad ordlista"));
    cmdSpara->setToolTip(tr("Spara ordlistan"));
    cmdSkrivUt->setToolTip(tr("Skriv ut ordlistan"));
    cmdSkrivOrd->setToolTip(tr("Skriv in och ändra orden i listan"));
    cmdTranaOrd->setToolTip(tr("Bli förhörd på orden i listan"));
    cmdHelp->setToolTip(tr("Visa hjälpen"));
    cmdAntalratt->setToolTip(tr("Räkna hur många svar som är rätt (%1)").arg(KeyName(kCountKey)));
    cmdRattFel->setToolTip(tr("Visa rätta svar i grönt och fel svar i rött, eller sluta visa "
                              "dem (%1)")
                               .arg(KeyName(kShowRwKey)));
    cmdHuvudmenyn->setToolTip(tr("Tillbaka till huvudmenyn"));
    // After the captions: setText clears a button's shortcut.
    cmdAntalratt->setShortcut(QKeySequence(kCountKey));
    cmdRattFel->setShortcut(QKeySequence(kShowRwKey));
    fitCaptions();
}

void ToolbarPanel::fitCaptions()
{
    // The small captions of the design, never larger than 8 points; a button whose caption
    // needs more room grows, and the buttons after it move along.
    QFont small = QApplication::font(this);
    small.setPointSizeF(std::min(small.pointSizeF(), kCaptionPoints));
    const QList<QToolButton*> buttons = findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> controls;
    QList<QRect> designed;
    for (QToolButton* b : buttons) {
        b->setFont(small);
        controls.append(b);
        designed.append(b->property(kDesignedPlace).toRect());
    }
    const QSize extra = GrowFromDesign(controls, designed);
    resize(QSize(Twips::toPixels(9570), Twips::toPixels(735)) + extra);
}

void ToolbarPanel::showRwPicture(int showRw)
{
    // Colouring on: the next click turns it off, so the plain book shows.
    cmdRattFel->setIcon(BakedPictures::icon(showRw == 0 ? QStringLiteral("visa_ratt")
                                                        : QStringLiteral("visa_normal")));
    cmdRattFel->setChecked(showRw != 0);
    cmdRattFel->setProperty("showRwPicture", showRw == 0 ? QStringLiteral("imgVisaRatt")
                                                         : QStringLiteral("imgVisaNormal"));
}
