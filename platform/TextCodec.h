#pragma once

#include <QByteArray>
#include <QString>

// The text encoding of word list files and Vokabo.ini. Old files are Windows-1252; a file holding
// characters outside that code page is written as UTF-8 with a byte-order mark, so no letter a
// learner typed is ever replaced by '?'.
namespace TextCodec {

enum class Encoding { Windows1252, Utf8 };

// Which encoding the bytes are in: a UTF-8 byte-order mark, or valid UTF-8 that holds non-ASCII
// bytes, means UTF-8; anything else is taken as Windows-1252.
Encoding detect(const QByteArray& bytes);

// Decodes bytes in the detected encoding; a leading byte-order mark is dropped.
QString decode(const QByteArray& bytes);
QString decode(const QByteArray& bytes, Encoding encoding);
// Decodes a piece of a text whose encoding is known; a byte-order mark in it is kept as a
// character, since only the start of the whole text carries one.
QString decodeLine(const QByteArray& bytes, Encoding encoding);

QString fromWindows1252(const QByteArray& bytes);
// True when every character of the text has a Windows-1252 byte.
bool fitsWindows1252(const QString& text);

// Windows-1252 when every character fits, otherwise UTF-8 preceded by a byte-order mark. Text
// whose Windows-1252 bytes would read back as UTF-8 is written as UTF-8 with the mark too.
QByteArray encode(const QString& text);
QByteArray encode(const QString& text, Encoding encoding);

bool isValidUtf8(const QByteArray& bytes);
bool startsWithUtf8Bom(const QByteArray& bytes);

} // namespace TextCodec
