#include "ExchangeExport.h"

#include "AtomicFile.h"
#include "DelimitedText.h"
#include "KvtmlFile.h"
#include "WordList.h"

#include <QFileInfo>

int ExportedPairCount(const WordList& list)
{
    int count = list.Length();
    while (count > 0 && list[count - 1].isEmpty())
        --count;
    return count;
}

ExportFormat ExportFormatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return ExportFormat::Csv;
    if (suffix == QLatin1String("kvtml"))
        return ExportFormat::Kvtml;
    return ExportFormat::Tsv;
}

QByteArray ExportBytes(const WordList& list, ExportFormat format)
{
    if (format == ExportFormat::Kvtml)
        return KvtmlBytes(list);
    QString text;
    const int count = ExportedPairCount(list);
    for (int i = 0; i < count; ++i) {
        text += format == ExportFormat::Csv ? CsvRecord(list[i].learned, list[i].known)
                                            : TsvRecord(list[i].learned, list[i].known);
    }
    QByteArray bytes = format == ExportFormat::Csv ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    return bytes + text.toUtf8();
}

ExchangeError WriteExport(const WordList& list, ExportFormat format, QIODevice& device)
{
    const QByteArray bytes = ExportBytes(list, format);
    if (device.write(bytes) != bytes.size())
        return ExchangeFault(ExchangeError::CannotWrite, device.errorString());
    return ExchangeError{};
}

ExchangeError WriteExport(const WordList& list, ExportFormat format, const QString& path)
{
    if (QFileInfo(path).isDir())
        return ExchangeFault(ExchangeError::CannotWrite, QString(), 0, EISDIR);
    AtomicFile file(path);
    if (!file.open())
        return ExchangeFault(ExchangeError::CannotWrite, file.errorString(), 0, file.systemError());
    if (const ExchangeError error = WriteExport(list, format, file)) {
        file.cancel();
        return ExchangeFault(ExchangeError::CannotWrite, error.systemReason, 0, file.systemError());
    }
    if (!file.commit())
        return ExchangeFault(ExchangeError::CannotWrite, file.errorString(), 0, file.systemError());
    return ExchangeError{};
}
