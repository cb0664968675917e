// The delimited-text reader: whatever the text holds and however it is read, no crash; words
// hold no line breaks; a list that was read goes out as TSV and as CSV and comes back the same.
#include "DelimitedText.h"
#include "ExchangeExport.h"
#include "FuzzCheck.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QBuffer>

namespace {

void checkRoundTrip(const WordList& list, ExportFormat format, const QString& path)
{
    const QByteArray bytes = ExportBytes(list, format);
    FUZZ_CHECK(DetectFormat(path, bytes) == ExchangeFormat::Delimited, "an export is detected");
    ImportOptions options = DetectImportOptions(path, bytes);
    ImportedList back;
    FUZZ_CHECK(!ReadImport(bytes, options, back), "an export reads back");
    const int count = ExportedPairCount(list);
    FUZZ_CHECK(int(back.pairs.size()) == count, "as many pairs come back");
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(back.pairs[size_t(i)].first == list[i].learned &&
                       back.pairs[size_t(i)].second == list[i].known,
                   "the same pairs come back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses the delimiter and the options; the rest is the file.
    static const char16_t delimiters[] = {u'\t', u';', u',', u'|'};
    ImportOptions options;
    options.delimiter = delimiters[data[0] & 3];
    options.html = data[0] & 4;
    options.headerRow = data[0] & 8;
    options.swap = data[0] & 16;
    if (data[0] & 32)
        options.dropColumns.push_back((data[0] >> 6) & 3);
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const ImportOptions detected = DetectImportOptions(QStringLiteral("x.txt"), bytes);
    (void)detected;

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ImportedList imported;
    if (ReadDelimitedText(buffer, options, imported)) {
        FUZZ_CHECK(imported.pairs.empty(), "a failed read leaves no pairs");
        return 0;
    }
    FUZZ_CHECK(imported.pairs.size() <= size_t(WordList::MaxWords), "at most MaxWords pairs");
    FUZZ_CHECK(imported.total >= int(imported.pairs.size()), "the count covers the pairs");
    WordList list;
    WordListFileContent content;
    content.pairs = imported.pairs;
    for (const auto& [learned, known] : imported.pairs) {
        for (const QString* word : {&learned, &known})
            FUZZ_CHECK(!word->contains(u'\n') && !word->contains(u'\r') && !word->contains(u'\t'),
                       "a word is one line");
    }
    ApplyWordListFile(content, list);
    checkRoundTrip(list, ExportFormat::Tsv, QStringLiteral("x.tsv"));
    checkRoundTrip(list, ExportFormat::Csv, QStringLiteral("x.csv"));
    return 0;
}
