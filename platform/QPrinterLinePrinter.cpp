#include "QPrinterLinePrinter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QStandardPaths>

QPrinterLinePrinter::QPrinterLinePrinter(const QString& documentName, const QString& pdfPath)
    : m_printer(QPrinter::HighResolution)
{
    m_printer.setDocName(documentName);
    if (!pdfPath.isEmpty()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(pdfPath);
        // A file has no printer margins of its own; leave room as a printer would.
        m_printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    }
    m_ok = m_painter.begin(&m_printer);
    if (!m_ok)
        return;

    // Scale the font so that exactly Columns characters fill the printable width.
    QFont font = lineFont();
    font.setPointSizeF(10);
    const qreal advance = QFontMetricsF(font, &m_printer).horizontalAdvance(QString(Columns, u'M'));
    if (advance > 0)
        font.setPointSizeF(10 * m_printer.width() / advance * 0.995);
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, &m_printer);
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
}

QPrinterLinePrinter::~QPrinterLinePrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

QFont QPrinterLinePrinter::lineFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void QPrinterLinePrinter::printLine(const QString& text)
{
    if (!m_ok || m_ended)
        return;
    if (text.size() <= Columns) {
        drawRow(text);
        return;
    }
    for (qsizetype start = 0; start < text.size();) {
        qsizetype length = std::min<qsizetype>(Columns, text.size() - start);
        // Never split a surrogate pair between two rows.
        if (start + length < text.size() && text.at(start + length - 1).isHighSurrogate())
            --length;
        drawRow(text.mid(start, length));
        start += length;
    }
}

void QPrinterLinePrinter::drawRow(const QString& row)
{
    if (m_y > 0 && m_y + m_lineHeight > m_printer.height()) {
        if (!m_printer.newPage()) {
            m_ok = false;
            return;
        }
        m_y = 0;
    }
    m_painter.drawText(QPointF(0, m_y + m_ascent), row);
    m_y += m_lineHeight;
}

bool QPrinterLinePrinter::endDoc()
{
    if (m_ended)
        return m_ok;
    m_ended = true;
    if (m_painter.isActive() && !m_painter.end())
        m_ok = false;
    if (m_printer.printerState() == QPrinter::Error ||
        m_printer.printerState() == QPrinter::Aborted)
        m_ok = false;
    return m_ok;
}

bool QPrinterLinePrinterFactory::hasPrinter() const
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

std::unique_ptr<LinePrinter> QPrinterLinePrinterFactory::openPrinter(const QString& documentName)
{
    return std::make_unique<QPrinterLinePrinter>(documentName);
}

std::unique_ptr<LinePrinter> QPrinterLinePrinterFactory::openPdf(const QString& path,
                                                                 const QString& documentName)
{
    return std::make_unique<QPrinterLinePrinter>(documentName, path);
}

QString QPrinterLinePrinterFactory::pdfFolder() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}
