#include "SystemPrinters.h"

#include "PrinterModuleApi.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcPrinters, "vokabo.printers")

namespace SystemPrinters {

namespace {

struct Module
{
    // Kept loaded for the rest of the session, as the devices it makes live in its code.
    QLibrary* library = nullptr;
    bool loaded = false;
    PrinterModuleApi::HasPrinter hasPrinter = nullptr;
    PrinterModuleApi::OpenPrinter openPrinter = nullptr;
    PrinterModuleApi::PrinterFailed printerFailed = nullptr;
    PrinterModuleApi::ClosePrinter closePrinter = nullptr;
};

Module& TheModule()
{
    static Module module;
    return module;
}

} // namespace

void PrinterCloser::operator()(QPagedPaintDevice* printer) const
{
    if (printer && TheModule().closePrinter)
        TheModule().closePrinter(printer);
}

QString moduleDirectory(const QString& programDirectory)
{
    // VOKABO_MODULE_DIR is the module folder relative to the program's own, the same in the
    // build tree as where it is installed.
    return QDir::cleanPath(programDirectory + u'/' + QStringLiteral(VOKABO_MODULE_DIR));
}

bool load(const QString& directory)
{
    Module& module = TheModule();
    if (module.loaded)
        return true;
    const QString folder =
        directory.isEmpty() ? moduleDirectory(QCoreApplication::applicationDirPath()) : directory;
    // By its base name, which QLibrary completes as each system names its modules.
    auto* library = new QLibrary(QDir(folder).filePath(QStringLiteral("vokabo_printer")));
    if (!library->load()) {
        qCWarning(lcPrinters) << "no printer module:" << library->errorString();
        delete library;
        return false;
    }
    module.hasPrinter = reinterpret_cast<PrinterModuleApi::HasPrinter>(
        library->resolve(PrinterModuleApi::kHasPrinter));
    module.openPrinter = reinterpret_cast<PrinterModuleApi::OpenPrinter>(
        library->resolve(PrinterModuleApi::kOpenPrinter));
    module.printerFailed = reinterpret_cast<PrinterModuleApi::PrinterFailed>(
        library->resolve(PrinterModuleApi::kPrinterFailed));
    module.closePrinter = reinterpret_cast<PrinterModuleApi::ClosePrinter>(
        library->resolve(PrinterModuleApi::kClosePrinter));
    module.loaded =
        module.hasPrinter && module.openPrinter && module.printerFailed && module.closePrinter;
    if (!module.loaded) {
        qCWarning(lcPrinters) << "the printer module" << library->fileName() << "is incomplete";
        library->unload();
        delete library;
        module = Module();
        return false;
    }
    module.library = library;
    return true;
}

bool hasPrinter()
{
    return load() && TheModule().hasPrinter();
}

Printer openPrinter(const QString& documentName)
{
    if (!load())
        return Printer();
    return Printer(TheModule().openPrinter(documentName));
}

bool failed(QPagedPaintDevice* printer)
{
    return printer && TheModule().printerFailed && TheModule().printerFailed(printer);
}

} // namespace SystemPrinters
