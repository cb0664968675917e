#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Whole files read and written byte for byte by the tests.

// The file's bytes; whenMissing when it cannot be read.
inline QByteArray FileBytes(const QString& path, const QByteArray& whenMissing = QByteArray())
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : whenMissing;
}

// Writes the bytes as the whole file; a failed write fails the test.
inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
