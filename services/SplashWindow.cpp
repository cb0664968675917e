#include "SplashWindow.h"

#include "BakedPictures.h"
#include "Twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

#include <algorithm>

namespace {

QFrame* makeLine(QWidget* parent, int number)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line%1").arg(number));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    line->setPalette(palette);
    return line;
}

} // namespace

SplashWindow::SplashWindow(int intervalMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    // The three seconds run from here: the fonts and pictures below take a moment to load, and
    // that moment is part of the wait, not added to it.
    m_tmrStart = new QTimer(this);
    m_tmrStart->setObjectName(QStringLiteral("tmrStart"));
    m_tmrStart->setSingleShot(true);
    // A coarse timer may tick 5% late: 150 ms more of the splash at every start.
    m_tmrStart->setTimerType(Qt::PreciseTimer);
    m_tmrStart->setInterval(intervalMs);
    connect(m_tmrStart, &QTimer::timeout, this, &SplashWindow::tmrStartTimer);
    m_tmrStart->start();

    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(QStringLiteral("Start"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xc0, 0xc0, 0xc0));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFixedSize(Twips::toPixels(6000), Twips::toPixels(3600));

    m_frm3DStart = new QFrame(this);
    m_frm3DStart->setObjectName(QStringLiteral("frm3DStart"));
    m_frm3DStart->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frm3DStart->setLineWidth(1);
    m_frm3DStart->setMidLineWidth(1);
    Twips::place(m_frm3DStart, 120, 120, 5760, 3360);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignCenter);
    m_image1->setPixmap(BakedPictures::pixmap(QStringLiteral("splash"), QSize(360, 140)));
    m_image1->setAccessibleName(QStringLiteral("Vokabo"));
    Twips::place(m_image1, 300, 270, 5400, 2100);

    m_lblCredit = new QLabel(QStringLiteral("Copyright © 1996 Vokabo-gruppen"), this);
    m_lblCredit->setObjectName(QStringLiteral("lblCredit"));
    m_lblCredit->setAlignment(Qt::AlignCenter);
    Twips::place(m_lblCredit, 300, 2520, 5400, 300);

    m_label1 = new QLabel(QStringLiteral("Freely distributable"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_label1->font();
    bold.setBold(true);
    m_label1->setFont(bold);
    m_label1->setAlignment(Qt::AlignCenter);
    Twips::place(m_label1, 1950, 2910, 2100, 330);

    // Three engraved-looking lines on each side of "Freely distributable". Where larger type
    // needs a wider label, it grows both ways and the lines grow shorter, down to a stub; past
    // that the window grows.
    const int half = (std::max(0, m_label1->sizeHint().width() + 8 - m_label1->width()) + 1) / 2;
    const int lineWidth = Twips::toPixels(1440);
    const int shorter = std::min(half, lineWidth - Twips::toPixels(240));
    const int outward = half - shorter;
    m_label1->setGeometry(m_label1->geometry().adjusted(-half, 0, half, 0));
    for (int i = 0; i < 3; ++i) {
        const int top = Twips::toPixels(2985 + i * 90);
        makeLine(this, i + 1)->setGeometry(Twips::toPixels(420), top, lineWidth - shorter, 1);
        makeLine(this, i + 4)
            ->setGeometry(Twips::toPixels(4140) + half, top, lineWidth - shorter, 1);
    }
    if (outward > 0) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->move(child->x() + outward, child->y());
        m_frm3DStart->setGeometry(m_frm3DStart->geometry().adjusted(-outward, 0, outward, 0));
        setFixedSize(width() + 2 * outward, height());
    }

    CentreOnFirstShow(this, nullptr);
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The keyboard's way to skip: the splash takes the focus while it is the only window.
    activateWindow();
}

void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    skip();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    skip();
}

void SplashWindow::skip()
{
    // Once the timer has fired the main window is on its way already.
    if (!m_tmrStart->isActive())
        return;
    m_tmrStart->stop();
    tmrStartTimer();
}

void SplashWindow::tmrStartTimer()
{
    Q_EMIT timeUp();
    close();
}
