#include "QPrinterLinePrinter.h"

#include "MemoryTrim.h"
#include "SystemError.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QStandardPaths>

QPrinterLinePrinter::QPrinterLinePrinter(const QString& documentName, const QString& pdfPath)
{
    if (pdfPath.isEmpty()) {
        m_printer = SystemPrinters::openPrinter(documentName);
        m_device = m_printer.get();
        if (!m_device)
            return;
    } else {
        // A full disk must not leave a cut PDF under the list's name.
        m_pdfFile = std::make_unique<AtomicFile>(pdfPath);
        if (!m_pdfFile->open(QIODevice::WriteOnly))
            return;
        m_pdf = std::make_unique<QPdfWriter>(m_pdfFile.get());
        m_pdf->setTitle(documentName);
        m_pdf->setCreator(QStringLiteral("Vokabo"));
        // A file has no printer margins of its own; leave room as a printer would.
        m_pdf->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        m_device = m_pdf.get();
    }
    m_ok = m_painter.begin(m_device);
    if (!m_ok)
        return;

    // Scale the font so that exactly Columns characters fill the printable width.
    QFont font = lineFont();
    font.setPointSizeF(10);
    const qreal advance = QFontMetricsF(font, m_device).horizontalAdvance(QString(Columns, u'M'));
    if (advance > 0)
        font.setPointSizeF(10 * m_device->width() / advance * 0.995);
    m_painter.setFont(font);
    const QFontMetricsF metrics(font, m_device);
    m_lineHeight = metrics.lineSpacing();
    m_ascent = metrics.ascent();
}

QPrinterLinePrinter::~QPrinterLinePrinter()
{
    if (m_painter.isActive())
        m_painter.end();
    // A print job's buffers run to megabytes; give them back once the job is done.
    MemoryTrim::ReleaseFreedMemorySoon();
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
    if (m_y > 0 && m_y + m_lineHeight > m_device->height()) {
        if (!m_device->newPage()) {
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
    if (SystemPrinters::failed(m_printer.get()))
        m_ok = false;
    if (m_pdfFile) {
        // The writer must be done with the file before the file is put in place.
        m_device = nullptr;
        m_pdf.reset();
        if (m_ok && m_pdfFile->systemError() == 0)
            m_ok = m_pdfFile->commit();
        else
            m_ok = false;
        if (!m_ok)
            m_pdfFile->cancel();
    }
    return m_ok;
}

QString QPrinterLinePrinter::failureReason() const
{
    return m_pdfFile ? SystemError::text(m_pdfFile->systemError()) : QString();
}

namespace {

// Printers on this kind of system come from CUPS. Without a CUPS server to ask there is no
// printer, and the print plugin with the libraries it pulls in need not be loaded at all.
bool printServerReachable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsSet("CUPS_SERVER"))
        return true;
    for (const char* path :
         {"/run/cups/cups.sock", "/var/run/cups/cups.sock", "/etc/cups/client.conf"}) {
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return true;
    }
    return false;
#else
    return true;
#endif
}

} // namespace

bool QPrinterLinePrinterFactory::hasPrinter() const
{
    return printServerReachable() && SystemPrinters::hasPrinter();
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
