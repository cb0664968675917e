#include "HelpViewer.h"

#include <QAction>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Room around the text, so it does not run into the window's edges.
constexpr int kTextMargin = 12;

} // namespace

HelpViewer::HelpViewer(QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_browser(new QTextBrowser), m_back(new QAction(this)),
      m_forward(new QAction(this))
{
    setObjectName(QStringLiteral("helpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vokabo - Hjälp"));
    setAccessibleName(windowTitle());

    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setText(tr("Bakåt"));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_back->setShortcut(QKeySequence::Back);
    m_back->setToolTip(
        tr("Gå tillbaka (%1)")
            .arg(QKeySequence(QKeySequence::Back).toString(QKeySequence::NativeText)));
    m_back->setEnabled(false);
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setText(tr("Framåt"));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_forward->setShortcut(QKeySequence::Forward);
    m_forward->setToolTip(
        tr("Gå framåt (%1)")
            .arg(QKeySequence(QKeySequence::Forward).toString(QKeySequence::NativeText)));
    m_forward->setEnabled(false);

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("helpTools"));
    tools->setWindowTitle(tr("Bläddra"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setContextMenuPolicy(Qt::PreventContextMenu);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(m_back);
    tools->addAction(m_forward);
    addToolBar(tools);

    // Esc and Ctrl+W close the window, as in other viewers of the desktop.
    auto* close = new QAction(this);
    close->setObjectName(QStringLiteral("helpClose"));
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);

    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setAccessibleName(tr("Hjälptext"));
    m_browser->document()->setDocumentMargin(kTextMargin);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(kTextMargin, 0, kTextMargin, kTextMargin);
    layout->addWidget(m_browser);
    setCentralWidget(page);
    resize(680, 600);
}

void HelpViewer::showFile(const QString& path, const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(anchor);
    // The file is HTML whatever its extension says.
    m_browser->setSource(url, QTextDocument::HtmlResource);
}
