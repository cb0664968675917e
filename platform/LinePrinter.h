#pragma once

#include <QString>

#include <memory>

// A printer that takes whole lines of text and starts new pages by itself.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;

    // Prints one line and moves to the start of the next.
    virtual void printLine(const QString& text) = 0;
    // Closes the document and hands it on; false when the job failed at any point.
    virtual bool endDoc() = 0;
    // Why the job failed, in the interface language, when the system said; empty otherwise.
    virtual QString failureReason() const { return {}; }
};

// Opens line printers: the system's default printer, or a PDF file when there is none.
class LinePrinterFactory
{
public:
    virtual ~LinePrinterFactory() = default;

    // True when a printer is installed.
    virtual bool hasPrinter() const = 0;
    // A document on the default printer.
    virtual std::unique_ptr<LinePrinter> openPrinter(const QString& documentName) = 0;
    // A document written to a PDF file at the given path.
    virtual std::unique_ptr<LinePrinter> openPdf(const QString& path,
                                                 const QString& documentName) = 0;
    // The folder where a PDF goes when no printer is installed.
    virtual QString pdfFolder() const = 0;
};
