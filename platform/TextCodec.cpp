#include "TextCodec.h"

#include <QStringDecoder>

#include <array>

namespace TextCodec {
namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves undefined map to the C1 control
// of the same value, as Windows' own conversion does, so every byte round-trips.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[size_t(i)] == c)
            return 0x80 + i;
    }
    return -1;
}

bool hasNonAscii(const QByteArray& bytes)
{
    for (char b : bytes) {
        if (uchar(b) >= 0x80)
            return true;
    }
    return false;
}

const QByteArray kBom("\xEF\xBB\xBF", 3);

} // namespace

bool startsWithUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith(kBom);
}

bool isValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const uchar cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) ||
            (extra == 3 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

Encoding detect(const QByteArray& bytes)
{
    if (startsWithUtf8Bom(bytes))
        return Encoding::Utf8;
    if (hasNonAscii(bytes) && isValidUtf8(bytes))
        return Encoding::Utf8;
    return Encoding::Windows1252;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighTable[b - 0x80]) : QChar(b);
    }
    return out;
}

QString decodeLine(const QByteArray& bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8) {
        // The decoder would otherwise drop a leading byte-order mark of every piece it is given.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(bytes);
    }
    return fromWindows1252(bytes);
}

QString decode(const QByteArray& bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8 && startsWithUtf8Bom(bytes))
        return decodeLine(QByteArrayView(bytes).sliced(3).toByteArray(), encoding);
    return decodeLine(bytes, encoding);
}

QString decode(const QByteArray& bytes)
{
    return decode(bytes, detect(bytes));
}

bool fitsWindows1252(const QString& text)
{
    for (QChar c : text) {
        if (windows1252Byte(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray encode(const QString& text, Encoding encoding)
{
    if (encoding == Encoding::Utf8)
        return kBom + text.toUtf8();
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = windows1252Byte(text[i].unicode());
        out[i] = char(b < 0 ? '?' : b);
    }
    return out;
}

QByteArray encode(const QString& text)
{
    if (!fitsWindows1252(text))
        return encode(text, Encoding::Utf8);
    QByteArray bytes = encode(text, Encoding::Windows1252);
    // Old-code-page bytes that happen to form UTF-8 ("Ã¤") would be read back as other letters.
    if (detect(bytes) == Encoding::Utf8)
        return encode(text, Encoding::Utf8);
    return bytes;
}

} // namespace TextCodec
