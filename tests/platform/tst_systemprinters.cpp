#include "QPrinterLinePrinter.h"
#include "SystemPrinters.h"

#include <QDir>
#include <QPagedPaintDevice>
#include <QTest>

// The printer module, as built beside the program. The order matters: once loaded, it stays.
class SystemPrintersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theProgramFindsItsModule()
    {
        QCOMPARE(SystemPrinters::moduleDirectory(QStringLiteral(VOKABO_TEST_PROGRAM_DIR)),
                 QDir::cleanPath(QStringLiteral(VOKABO_TEST_MODULE_DIR)));
    }

    void withoutTheModuleThereIsNoPrinter()
    {
        QVERIFY(!SystemPrinters::load(QDir::currentPath() + QStringLiteral("/no-such-folder")));
        // This test program has no module beside it either.
        QVERIFY(!SystemPrinters::hasPrinter());
        QVERIFY(!SystemPrinters::openPrinter(QStringLiteral("Glosor")));
        // A job sent anyway fails, and says so, rather than vanishing.
        QPrinterLinePrinter job(QStringLiteral("Glosor"));
        job.printLine(QStringLiteral("der Hund"));
        QVERIFY(!job.endDoc());
    }

    void theModuleOpensAPrinterJob()
    {
        QVERIFY(SystemPrinters::load(QStringLiteral(VOKABO_TEST_MODULE_DIR)));
        SystemPrinters::Printer printer = SystemPrinters::openPrinter(QStringLiteral("Glosor"));
        QVERIFY(printer);
        // A page at high resolution, ready to paint on.
        QVERIFY(printer->width() > 1000);
        QVERIFY(printer->height() > 1000);
        QVERIFY(!SystemPrinters::failed(printer.get()));
    }
};

QTEST_MAIN(SystemPrintersTest)
#include "tst_systemprinters.moc"
