#include "PortalWindow.h"

#include "DesignSize.h"
#include "Prompter.h"
#include "Twips.h"
#include "WebCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PortalWindow::PortalWindow(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmPortal"));
    setWindowTitle(QStringLiteral("Programtorget"));
    setModal(true);

    m_label1 = MakeLabel(this, "Label1", QStringLiteral("Programtorget"));
    m_label1->setFont(QFont(QStringLiteral("Times New Roman"), 18));
    m_label10 = MakeLabel(this, "Label10",
                          QStringLiteral("Inresserad av svenska sharewareprogram? Besök då:"));
    m_txtAdress = new QLineEdit(ServiceAddress.toString(), this);
    m_txtAdress->setObjectName(QStringLiteral("txtAdress"));
    // Select and copy only.
    m_txtAdress->setReadOnly(true);
    // The window's texts are Swedish only; a screen reader names the box in the user's language.
    m_txtAdress->setAccessibleName(tr("Programtorgets adress"));
    m_label2 = MakeLabel(this, "Label2",
                         QStringLiteral("Kopiera adressen härifrån och klistra in i din "
                                        "www-bläddrare."));
    m_label11 = MakeLabel(this, "Label11",
                          QStringLiteral("Tips du kan klicka på nedanstående knapp för att "
                                         "starta din www-bläddrare och direkt gå till "
                                         "Programtorget."));
    m_cmdHemsida = MakeButton(this, "cmdHemsida", QStringLiteral("&Gå till Programtorget"));
    m_cmdHurKopiera = MakeButton(this, "cmdHurKopiera", QStringLiteral("&Hur kopiera?"));
    m_cmdSkolOk = MakeButton(this, "cmdSkolOk", QStringLiteral("&OK"));
    m_cmdSkolOk->setDefault(true);

    Twips::place(m_label1, 120, 120, 5820, 495);
    Twips::place(m_label10, 120, 720, 5820, 285);
    Twips::place(m_txtAdress, 120, 1050, 4335, 345);
    Twips::place(m_cmdHurKopiera, 4560, 1035, 1380, 375);
    Twips::place(m_label2, 120, 1500, 5820, 285);
    Twips::place(m_label11, 120, 1860, 5820, 585);
    Twips::place(m_cmdHemsida, 120, 2640, 2415, 375);
    Twips::place(m_cmdSkolOk, 4560, 2640, 1380, 375);
    // The design's places, grown where a font or DPI needs more room.
    QList<QWidget*> controls{m_label1, m_label10, m_txtAdress,  m_cmdHurKopiera,
                             m_label2, m_label11, m_cmdHemsida, m_cmdSkolOk};
    QList<QRect> designed;
    for (QWidget* control : controls)
        designed.append(control->geometry());
    const QSize extra = GrowFromDesign(controls, designed);
    setFixedSize(QSize(Twips::toPixels(6060), Twips::toPixels(3180)) + extra);

    connect(m_cmdHemsida, &QPushButton::clicked, this, &PortalWindow::GoToService);
    connect(m_cmdHurKopiera, &QPushButton::clicked, this, &PortalWindow::ShowHowToCopy);
    connect(m_cmdSkolOk, &QPushButton::clicked, this, &QDialog::accept);
    CentreOnFirstShow(this, parent);
}

void PortalWindow::GoToService()
{
    OpenInBrowser(m_prompter, ServiceAddress.toString() + u'/',
                  QStringLiteral("Vokabo hittar inte din www-bläddrare, gå till Programtorget på "
                                 "vanligt sätt."),
                  QStringLiteral("Www-bläddraren hittades inte"));
}

void PortalWindow::ShowHowToCopy()
{
    const QStringList steps = {
        QStringLiteral("Markera adressen i textrutan bredvid knappen Hur kopiera"),
        QStringLiteral("Håll ned knappen Ctrl och tryck på C"),
        QStringLiteral("Gå nu till din www-bläddrare eller ett annat program där du vill klistra "
                       "in adressen"),
        QStringLiteral("Placera markören där adressen ska klistras in och håll nere Ctrl och "
                       "tryck på V"),
        QStringLiteral("Klistrade du in adressen i din www-bläddrare, tryck då på enter och du "
                       "kommer du till Programtorget"),
    };
    m_prompter.message(steps.join(u'\r'),
                       QStringLiteral("Så här kopierar du adressen till din www-bläddrare"),
                       Prompter::PlainOk);
}
