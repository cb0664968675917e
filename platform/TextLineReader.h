#pragma once

#include <QByteArray>

class QIODevice;

// Splits a device into lines ending in CR LF, a lone LF or a lone CR, reading only as far as the
// caller asks. A line longer than the limit is reported instead of being held in memory. The limit
// is checked once per 64 KiB read, so a line up to 64 KiB longer than it may still come back whole.
class TextLineReader
{
public:
    enum class Status { Line, End, TooLong, Error };

    TextLineReader(QIODevice& device, qsizetype maxLineBytes);

    // The limit for the lines still to come.
    void setMaxLineBytes(qsizetype maxLineBytes) { m_maxLineBytes = maxLineBytes; }

    // The next line without its line end; a last line without a line end counts as a line.
    Status next(QByteArray& line);

private:
    bool fill();

    QIODevice& m_device;
    qsizetype m_maxLineBytes;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    bool m_error = false;
};
