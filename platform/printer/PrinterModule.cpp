// The printer module: QPrinter and the printer list, loaded by SystemPrinters on first use.
#include "PrinterModuleApi.h"

#include <QPrinter>
#include <QPrinterInfo>

extern "C" {

Q_DECL_EXPORT bool vokabo_has_printer()
{
    return !QPrinterInfo::availablePrinters().isEmpty();
}

Q_DECL_EXPORT QPagedPaintDevice* vokabo_open_printer(const QString& documentName)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setDocName(documentName);
    return printer;
}

Q_DECL_EXPORT bool vokabo_printer_failed(QPagedPaintDevice* device)
{
    const auto* printer = static_cast<QPrinter*>(device);
    return printer->printerState() == QPrinter::Error ||
           printer->printerState() == QPrinter::Aborted;
}

Q_DECL_EXPORT void vokabo_close_printer(QPagedPaintDevice* device)
{
    delete static_cast<QPrinter*>(device);
}

} // extern "C"

// The signatures must stay those the program looks up.
static_assert(std::is_same_v<decltype(&vokabo_has_printer), PrinterModuleApi::HasPrinter>);
static_assert(std::is_same_v<decltype(&vokabo_open_printer), PrinterModuleApi::OpenPrinter>);
static_assert(std::is_same_v<decltype(&vokabo_printer_failed), PrinterModuleApi::PrinterFailed>);
static_assert(std::is_same_v<decltype(&vokabo_close_printer), PrinterModuleApi::ClosePrinter>);
