#include "TextLineReader.h"

#include <QIODevice>

namespace {
constexpr qint64 kChunk = 64 * 1024;
}

TextLineReader::TextLineReader(QIODevice& device, qsizetype maxLineBytes)
    : m_device(device), m_maxLineBytes(maxLineBytes)
{
}

bool TextLineReader::fill()
{
    if (m_eof)
        return false;
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + kChunk);
    const qint64 got = m_device.read(m_buffer.data() + old, kChunk);
    if (got <= 0) {
        m_buffer.resize(old);
        m_eof = true;
        m_error = got < 0;
        return false;
    }
    m_buffer.resize(old + got);
    return true;
}

TextLineReader::Status TextLineReader::next(QByteArray& line)
{
    qsizetype scanFrom = m_pos;
    for (;;) {
        const char* data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        for (qsizetype i = scanFrom; i < size; ++i) {
            const char c = data[i];
            if (c != '\n' && c != '\r')
                continue;
            if (c == '\r' && i + 1 == size && !m_eof) {
                // A CR at the end of what we have: the LF of a CR LF may still follow.
                const qsizetype rel = i - m_pos;
                const bool more = fill();
                i = m_pos + rel;
                line = m_buffer.mid(m_pos, rel);
                const bool crlf = more && i + 1 < m_buffer.size() && m_buffer.at(i + 1) == '\n';
                m_pos = crlf ? i + 2 : i + 1;
                return Status::Line;
            }
            line = m_buffer.mid(m_pos, i - m_pos);
            m_pos = (c == '\r' && i + 1 < size && data[i + 1] == '\n') ? i + 2 : i + 1;
            return Status::Line;
        }
        if (m_buffer.size() - m_pos > m_maxLineBytes)
            return Status::TooLong;
        scanFrom = m_buffer.size();
        const qsizetype rel = scanFrom - m_pos;
        if (!fill()) {
            if (m_error)
                return Status::Error;
            if (m_pos < m_buffer.size()) {
                line = m_buffer.mid(m_pos);
                m_pos = m_buffer.size();
                return Status::Line;
            }
            return Status::End;
        }
        scanFrom = m_pos + rel;
    }
}
