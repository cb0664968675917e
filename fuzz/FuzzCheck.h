#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: print it and abort, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "FUZZ_CHECK failed at %s:%d: %s\n", __FILE__, __LINE__, what);    \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// Splits the fuzzer's bytes into fields at a byte that seldom appears in text.
inline QList<QByteArray> FuzzFields(const uint8_t* data, size_t size, int count)
{
    QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\x1F');
    while (fields.size() < count)
        fields.append(QByteArray());
    return fields;
}
