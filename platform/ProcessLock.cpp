#include "ProcessLock.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

ProcessLock::ProcessLock(const QString& path) : m_path(path)
{
#ifndef Q_OS_UNIX
    m_lock = std::make_unique<QLockFile>(path);
    m_lock->setStaleLockTime(0);
#endif
}

ProcessLock::~ProcessLock()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

bool ProcessLock::tryLock()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        return true;
    const int fd =
        ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
#else
    return m_lock->isLocked() || m_lock->tryLock(0);
#endif
}

bool ProcessLock::isLocked() const
{
#ifdef Q_OS_UNIX
    return m_fd >= 0;
#else
    return m_lock->isLocked();
#endif
}
