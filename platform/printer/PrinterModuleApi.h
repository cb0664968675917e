#pragma once

#include <QString>

class QPagedPaintDevice;

// The entry points of the printer module (libvokabo_printer.so), looked up by these names. The
// module holds everything that needs Qt's print support library, so the program loads that
// library only when it prints on a real printer.
namespace PrinterModuleApi {

// True when the system has at least one printer.
using HasPrinter = bool (*)();
inline constexpr char kHasPrinter[] = "vokabo_has_printer";

// A new job on the default printer, at high resolution; the caller closes it.
using OpenPrinter = QPagedPaintDevice* (*)(const QString& documentName);
inline constexpr char kOpenPrinter[] = "vokabo_open_printer";

// True when the printer reports the job failed or aborted.
using PrinterFailed = bool (*)(QPagedPaintDevice* printer);
inline constexpr char kPrinterFailed[] = "vokabo_printer_failed";

// Deletes a printer that OpenPrinter made.
using ClosePrinter = void (*)(QPagedPaintDevice* printer);
inline constexpr char kClosePrinter[] = "vokabo_close_printer";

} // namespace PrinterModuleApi
