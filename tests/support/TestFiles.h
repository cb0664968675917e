#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files read and written byte for byte by the tests.

// The file's bytes; whenMissing when it cannot be read.
inline QByteArray FileBytes(const QString& path, const QByteArray& whenMissing = QByteArray())
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : whenMissing;
}

// Writes the bytes as the whole file; false when it could not, for QVERIFY at the call site.
[[nodiscard]] inline bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
