#include "AboutBox.h"

#include "BakedPictures.h"
#include "DesignSize.h"
#include "ProgramSettings.h"
#include "Prompter.h"
#include "SettingsWrites.h"
#include "Twips.h"

#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QFont serifFont(qreal points, bool italic)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// Sizes a one-line label to its text, keeping its place.
void fitToText(QLabel* label)
{
    label->resize(label->sizeHint());
}

} // namespace

AboutBox::AboutBox(ProgramSettings& settings, Prompter& prompter, SecretClicks& clicks,
                   std::function<QString()> currentHeading, QWidget* mainWindow)
    : QDialog(mainWindow), m_settings(settings), m_prompter(prompter), m_clicks(clicks),
      m_currentHeading(std::move(currentHeading)), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmOm"));
    setModal(true);
    createControls();
    applyCaptions();
    // The design's places, grown where another language, font or DPI needs more room.
    QList<QWidget*> controls;
    QList<QRect> designed;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        controls.append(child);
        designed.append(child->geometry());
    }
    const QSize extra = GrowFromDesign(controls, designed);
    setFixedSize(QSize(Twips::toPixels(6000), Twips::toPixels(5100)) + extra);
    CentreOnFirstShow(this, m_mainWindow);
}

void AboutBox::createControls()
{
    m_imgOm = makeLabel(this, QStringLiteral("imgOm"));
    m_imgOm->setAlignment(Qt::AlignCenter);
    m_imgOm->setPixmap(BakedPictures::pixmap(QStringLiteral("about"), QSize(80, 80)));
    m_imgOm->setAccessibleName(tr("Bild av Vokabo"));
    Twips::place(m_imgOm, 240, 240, 1200, 1200);

    m_label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Vokabo"));
    m_label1->setFont(serifFont(24, false));
    Twips::place(m_label1, 1680, 120, 2400, 720);
    fitToText(m_label1);

    m_label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("96"));
    m_label3->setFont(serifFont(17.25, true));
    fitToText(m_label3);
    // "96" sits on the large name's baseline, just after it.
    const int baseline = m_label1->y() + (m_label1->height() + m_label1->fontMetrics().ascent() -
                                          m_label1->fontMetrics().descent()) /
                                             2;
    const int label3Top = baseline - (m_label3->height() + m_label3->fontMetrics().ascent() -
                                      m_label3->fontMetrics().descent()) /
                                         2;
    m_label3->move(m_label1->geometry().right() + 6, label3Top);

    QFont boldFace = font();
    boldFace.setBold(true);
    m_label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Vokabo"));
    m_label7->setFont(boldFace);
    Twips::place(m_label7, 1710, 900, 1200, 270);
    fitToText(m_label7);

    m_label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("1.1-32"));
    fitToText(m_label4);
    m_label4->move(m_label7->geometry().right() + 5, m_label7->y());

    m_label2 = makeLabel(this, QStringLiteral("Label2"),
                         QStringLiteral("Copyright © 1996 Vokabo-gruppen"));
    Twips::place(m_label2, 1710, 1200, 4050, 270);

    m_label10 = makeLabel(this, QStringLiteral("Label10"),
                          QStringLiteral("E-Mail: vokabo@users.noreply.github.com"));
    m_label10->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Twips::place(m_label10, 1710, 1470, 4050, 270);

    m_lblFri = makeLabel(this, QStringLiteral("lblFri"));
    m_lblFri->setFont(boldFace);
    m_lblFri->setWordWrap(true);
    Twips::place(m_lblFri, 240, 1860, 5520, 300);

    m_lblBeskrivn = makeLabel(this, QStringLiteral("lblBeskrivn"));
    m_lblBeskrivn->setWordWrap(true);
    m_lblBeskrivn->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(m_lblBeskrivn, 240, 2220, 5520, 600);

    m_lbl1 = makeLabel(this, QStringLiteral("lbl1"));
    m_lbl2 = makeLabel(this, QStringLiteral("lbl2"));
    m_lbl3 = makeLabel(this, QStringLiteral("lbl3"));
    m_label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("1."));
    m_label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("2."));
    m_label9 = makeLabel(this, QStringLiteral("Label9"), QStringLiteral("3."));
    QLabel* steps[] = {m_lbl1, m_lbl2, m_lbl3};
    QLabel* numbers[] = {m_label6, m_label8, m_label9};
    int top = 2910;
    for (int i = 0; i < 3; ++i) {
        QLabel* step = steps[i];
        step->setWordWrap(true);
        step->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Twips::place(step, 240, top, 5520, 480);
        // The step's own number is drawn over in bold colour, so the steps read as a list; it
        // belongs to its line and moves with it.
        QLabel* number = numbers[i];
        number->setParent(step);
        number->show();
        number->setFont(boldFace);
        number->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        number->setAutoFillBackground(true);
        QPalette palette = number->palette();
        palette.setColor(QPalette::WindowText, QColor(0x1a, 0x2f, 0x7a));
        number->setPalette(palette);
        number->move(step->contentsRect().topLeft());
        fitToText(number);
        number->raise();
        top += 510;
    }

    m_cmdOmOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOmOK->setObjectName(QStringLiteral("cmdOmOK"));
    m_cmdOmOK->setDefault(true);
    Twips::place(m_cmdOmOK, 4500, 4530, 1260, 390);
    connect(m_cmdOmOK, &QPushButton::clicked, this, &AboutBox::okClick);

    for (QLabel* watched : {m_label1, m_label7, m_imgOm})
        watched->installEventFilter(this);
}

void AboutBox::applyCaptions()
{
    setWindowTitle(tr("Om Vokabo"));
    m_lblFri->setText(tr("Detta program är fritt att kopiera och använda."));
    m_lblBeskrivn->setText(tr("Vokabo är ett lättanvänt program för att träna ord, till exempel "
                              "dina engelska-glosor."));
    m_lbl1->setText(tr("1. Först skriver du in dina ord i programmet och sparar dem."));
    m_lbl2->setText(tr("2. Sedan tränar du orden direkt eller senare."));
    m_lbl3->setText(tr("3. På detta sätt får du förhoppningsvis bättre studieresultat."));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return QDialog::eventFilter(watched, event);

    if (watched == m_imgOm) {
        if (type == QEvent::MouseButtonDblClick)
            imgOmDblClick();
        return true;
    }
    // A click is a press and a release on the same label; the second press of a
    // double-click is no new click.
    if (type == QEvent::MouseButtonPress) {
        m_pressedLabel = watched;
    } else if (type == QEvent::MouseButtonDblClick) {
        m_pressedLabel = nullptr;
    } else if (m_pressedLabel == watched) {
        m_pressedLabel = nullptr;
        const auto* label = static_cast<QWidget*>(watched);
        if (label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_label7)
                label7Click();
            else
                label1Click();
        }
    }
    return true;
}

void AboutBox::label7Click()
{
    m_clicks.clickCount = 2;
}

void AboutBox::label1Click()
{
    m_clicks.clickCount = m_clicks.clickCount == 2 ? 5 : 0;
}

void AboutBox::imgOmDblClick()
{
    if (m_clicks.clickCount < 5) {
        m_prompter.message(QStringLiteral("Mer clickande!"), QString(), Prompter::InformationOk);
        m_clicks.clickCount = 0;
        return;
    }
    const QString heading = m_currentHeading ? m_currentHeading() : QString();
    if (heading == AccessCode()) {
        SecretWindow secret(m_settings.uiLanguage, m_clicks, m_mainWindow);
        secret.exec();
    } else {
        m_prompter.message(QStringLiteral("Lösenordet?"), QString(), Prompter::InformationOk);
    }
    m_clicks.clickCount = 0;
}

void AboutBox::okClick()
{
    if (m_settings.welcome == 1)
        WriteWelcome(0);
    accept();
}
