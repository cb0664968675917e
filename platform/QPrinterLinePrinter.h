#pragma once

#include "AtomicFile.h"
#include "LinePrinter.h"

#include "SystemPrinters.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

// Prints lines in a fixed-pitch font sized so that 80 characters fill the page width; a longer
// line wraps onto the next so nothing is cut off at the edge.
class QPrinterLinePrinter : public LinePrinter
{
public:
    static constexpr int Columns = 80;

    // pdfPath empty: the default printer; otherwise a PDF file written to that path.
    QPrinterLinePrinter(const QString& documentName, const QString& pdfPath = QString());
    ~QPrinterLinePrinter() override;

    void printLine(const QString& text) override;
    bool endDoc() override;
    QString failureReason() const override;

    // The font that prints the program's lines.
    static QFont lineFont();

private:
    void drawRow(const QString& row);

    SystemPrinters::Printer m_printer;     // the default printer, or
    std::unique_ptr<AtomicFile> m_pdfFile; // a PDF file, whole or not at all,
    std::unique_ptr<QPdfWriter> m_pdf;     // written without the printer plugin
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
    bool m_ok = false;
    bool m_ended = false;
    qreal m_y = 0;
    qreal m_lineHeight = 0;
    qreal m_ascent = 0;
};

// The real printers: QPrinter on the default printer (through the printer module), or a PDF in
// the documents folder.
class QPrinterLinePrinterFactory : public LinePrinterFactory
{
public:
    bool hasPrinter() const override;
    std::unique_ptr<LinePrinter> openPrinter(const QString& documentName) override;
    std::unique_ptr<LinePrinter> openPdf(const QString& path, const QString& documentName) override;
    QString pdfFolder() const override;
};
