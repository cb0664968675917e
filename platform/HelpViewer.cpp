#include "HelpViewer.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpViewer::HelpViewer(QWidget* owner) : QWidget(owner, Qt::Window), m_browser(new QTextBrowser)
{
    setObjectName(QStringLiteral("helpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Vokabo - Hjälp"));
    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(680, 600);
}

void HelpViewer::showFile(const QString& path, const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(anchor);
    // The file is HTML whatever its extension says.
    m_browser->setSource(url, QTextDocument::HtmlResource);
}
