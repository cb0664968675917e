// The KVTML reader: whatever the file holds, no crash and no hang; a list that was read is
// exported as KVTML and read back with the same heading, languages and pairs.
#include "ExchangeExport.h"
#include "FuzzCheck.h"
#include "KvtmlFile.h"
#include "WordList.h"
#include "WordListFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ImportedList imported;
    if (ReadKvtml(buffer, imported)) {
        FUZZ_CHECK(imported.pairs.empty(), "a failed read leaves no pairs");
        return 0;
    }
    FUZZ_CHECK(imported.pairs.size() <= size_t(WordList::MaxWords), "at most MaxWords pairs");
    FUZZ_CHECK(imported.total >= int(imported.pairs.size()), "the count covers the pairs");

    WordList list;
    WordListFileContent content;
    content.heading = imported.heading;
    content.language1 = imported.language1;
    content.language2 = imported.language2;
    content.pairs = imported.pairs;
    ApplyWordListFile(content, list);

    QByteArray exported = ExportBytes(list, ExportFormat::Kvtml);
    QBuffer again(&exported);
    again.open(QIODevice::ReadOnly);
    ImportedList back;
    FUZZ_CHECK(!ReadKvtml(again, back), "an exported list reads back");
    FUZZ_CHECK(back.heading.value_or(QString()) == list.heading, "the same heading");
    FUZZ_CHECK(back.language1.value_or(QString()) == list.language1, "the same first language");
    FUZZ_CHECK(back.language2.value_or(QString()) == list.language2, "the same second language");
    const int count = ExportedPairCount(list);
    FUZZ_CHECK(int(back.pairs.size()) == count, "as many pairs");
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(back.pairs[size_t(i)].first == list[i].learned &&
                       back.pairs[size_t(i)].second == list[i].known,
                   "the same pairs");
    }
    return 0;
}
