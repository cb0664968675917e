#pragma once

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstring>

// A read-only stream of any length that holds only its first bytes in memory: the head, then the
// filler byte up to the size. It counts what was read, so a test can see how far a reader went.
class GeneratedDevice : public QIODevice
{
public:
    GeneratedDevice(QByteArray head, qint64 size, char filler)
        : m_head(std::move(head)), m_size(size), m_filler(filler)
    {
    }

    bool isSequential() const override { return true; }
    qint64 bytesServed() const { return m_served; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 at = m_served;
        const qint64 n = std::min(maxSize, m_size - at);
        if (n <= 0)
            return 0;
        for (qint64 i = 0; i < n; ++i) {
            const qint64 k = at + i;
            data[i] = k < m_head.size() ? m_head[k] : m_filler;
        }
        m_served += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_head;
    qint64 m_size;
    char m_filler;
    qint64 m_served = 0;
};

// A device that fails once a number of bytes has gone through it: reads serve the data up to
// that point, writes take bytes up to it.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(QByteArray data, qint64 failAfter)
        : m_data(std::move(data)), m_failAfter(failAfter)
    {
    }

    QByteArray written;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 at = m_at;
        if (at >= m_failAfter) {
            setErrorString(QStringLiteral("read error"));
            return -1;
        }
        const qint64 n = std::min({maxSize, m_failAfter - at, qint64(m_data.size()) - at});
        if (n <= 0)
            return 0;
        std::memcpy(data, m_data.constData() + at, size_t(n));
        m_at += n;
        return n;
    }
    qint64 writeData(const char* data, qint64 maxSize) override
    {
        const qint64 room = m_failAfter - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("disk full"));
            return -1;
        }
        const qint64 n = std::min(maxSize, room);
        written.append(data, n);
        return n;
    }

private:
    QByteArray m_data;
    qint64 m_failAfter;
    qint64 m_at = 0;
};
