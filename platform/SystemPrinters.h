#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;

// The system's printers, reached through the printer module, which is loaded on first use: Qt's
// print support library behind it is large, and most sessions print nothing or print to PDF.
namespace SystemPrinters {

// Deletes a printer job's device through the module that made it.
struct PrinterCloser
{
    void operator()(QPagedPaintDevice* printer) const;
};
using Printer = std::unique_ptr<QPagedPaintDevice, PrinterCloser>;

// Where a program in the given folder finds the module: its library folder, as installed and as
// built.
QString moduleDirectory(const QString& programDirectory);
// Loads the module from that folder (by default the running program's), unless it is loaded
// already. False, with a warning on the log, when it is missing or broken: there is then no
// printer, and a printout becomes a PDF.
bool load(const QString& directory = QString());

// True when the module is loaded and the system has a printer.
bool hasPrinter();
// A job on the default printer; null when the module is not loaded.
Printer openPrinter(const QString& documentName);
// True when the printer reports the job failed or aborted.
bool failed(QPagedPaintDevice* printer);

} // namespace SystemPrinters
