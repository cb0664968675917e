#include "MemoryTrim.h"

#include <QCoreApplication>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace MemoryTrim {

namespace {

bool g_pending = false;

} // namespace

bool ReleaseFreedMemory()
{
#if defined(__GLIBC__)
    return malloc_trim(0) != 0;
#else
    return false;
#endif
}

void ReleaseFreedMemorySoon()
{
    if (g_pending || !QCoreApplication::instance())
        return;
    g_pending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        g_pending = false;
        ReleaseFreedMemory();
    });
}

} // namespace MemoryTrim
