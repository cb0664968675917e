#include "PrintCommand.h"

#include "LinePrinter.h"
#include "PrintLayout.h"
#include "Prompter.h"
#include "WordList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class PrintCommand
{
    Q_DECLARE_TR_FUNCTIONS(PrintCommand)

public:
    static QString question() { return tr("Vill du skriva ut denna ordlista?"); }
    static QString savedAsPdf()
    {
        return tr("Ingen skrivare hittades. Ordlistan sparades som PDF-fil:");
    }
    static QString failed() { return tr("Ordlistan kunde inte skrivas ut."); }
};

QString DocumentName(const WordList& list)
{
    const QString title = FileTitle(list.filePath);
    return title.isEmpty() ? QStringLiteral("Vokabo") : title;
}

} // namespace

namespace {

// The base, shortened by whole characters where base and suffix would pass the longest file name
// the file systems allow.
QString FittedName(QString base, const QString& suffix)
{
    constexpr qsizetype kNameMax = 255;
    while (!base.isEmpty() && QFile::encodeName(base + suffix).size() > kNameMax)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() ? 2 : 1);
    return base + suffix;
}

} // namespace

QString PdfPathFor(const QString& folder, const QString& listPath)
{
    QString base = FileTitle(listPath);
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot > 0)
        base.truncate(dot);
    if (base.isEmpty())
        base = QStringLiteral("Vokabo");
    const QDir dir(folder);
    QString path = dir.filePath(FittedName(base, QStringLiteral(".pdf")));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(FittedName(base, QStringLiteral(" (%1).pdf").arg(n)));
    return path;
}

void PrintWordList(const WordList& list, Prompter& prompter, LinePrinterFactory& printers)
{
    if (prompter.message(PrintCommand::question(), QString(), Prompter::YesNoQuestion) !=
        Prompter::Yes)
        return;

    const QStringList lines = PrintLines(list);
    QString pdfPath;
    std::unique_ptr<LinePrinter> printer;
    if (printers.hasPrinter()) {
        printer = printers.openPrinter(DocumentName(list));
    } else {
        const QString folder = printers.pdfFolder();
        QDir().mkpath(folder);
        pdfPath = PdfPathFor(folder, list.filePath);
        printer = printers.openPdf(pdfPath, DocumentName(list));
    }

    bool printed = false;
    QString reason;
    if (printer) {
        for (const QString& line : lines)
            printer->printLine(line);
        printed = printer->endDoc();
        reason = printer->failureReason();
    }
    if (!printed) {
        prompter.message(PrintCommand::failed() + (reason.isEmpty() ? QString() : u'\r' + reason),
                         QString(), Prompter::ExclamationOk);
        return;
    }
    if (!pdfPath.isEmpty()) {
        prompter.message(PrintCommand::savedAsPdf() + u'\r' + QDir::toNativeSeparators(pdfPath),
                         QString(), Prompter::InformationOk);
    }
}
