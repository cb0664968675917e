// The encoding detection and the two encodings: whatever bytes come in, decoding never fails,
// and text decoded once is written and read back unchanged.
#include "FuzzCheck.h"
#include "TextCodec.h"

#include <QStringDecoder>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextCodec::Encoding encoding = TextCodec::detect(bytes);
    const QString text = TextCodec::decode(bytes);

    // Our own UTF-8 check agrees with Qt's decoder: valid UTF-8 is exactly what decodes and
    // encodes back to the same bytes.
    QStringDecoder qtDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString viaQt = qtDecoder.decode(bytes);
    FUZZ_CHECK(TextCodec::isValidUtf8(bytes) == (!qtDecoder.hasError() && viaQt.toUtf8() == bytes),
               "UTF-8 validity");

    if (encoding == TextCodec::Encoding::Windows1252) {
        // Every byte has a character: the old code page loses nothing.
        FUZZ_CHECK(text.size() == bytes.size(), "one character a byte");
        FUZZ_CHECK(TextCodec::encode(text, TextCodec::Encoding::Windows1252) == bytes,
                   "Windows-1252 round trip");
        FUZZ_CHECK(TextCodec::fitsWindows1252(text), "decoded text fits its code page");
    }

    // What a reader made of the file survives a save and a second read.
    const QByteArray written = TextCodec::encode(text);
    FUZZ_CHECK(TextCodec::decode(written) == text, "text round trip");
    // Old programs read only Windows-1252, so it is written whenever it reads back the same.
    if (TextCodec::fitsWindows1252(text)) {
        const QByteArray old = TextCodec::encode(text, TextCodec::Encoding::Windows1252);
        if (TextCodec::detect(old) == TextCodec::Encoding::Windows1252)
            FUZZ_CHECK(written == old, "Windows-1252 written when it fits");
    }

    // The pieces of a line-by-line read decode to the same text as the whole.
    QString joined;
    qsizetype start = 0;
    const QByteArray body =
        encoding == TextCodec::Encoding::Utf8 && TextCodec::startsWithUtf8Bom(bytes) ? bytes.mid(3)
                                                                                     : bytes;
    for (qsizetype i = 0; i <= body.size(); ++i) {
        if (i == body.size() || body[i] == '\n') {
            joined += TextCodec::decodeLine(body.mid(start, i - start), encoding);
            if (i < body.size())
                joined += u'\n';
            start = i + 1;
        }
    }
    if (encoding == TextCodec::Encoding::Windows1252 || TextCodec::isValidUtf8(body))
        FUZZ_CHECK(joined == text, "decoding by lines");
    return 0;
}
