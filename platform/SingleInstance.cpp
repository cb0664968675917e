#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace {

bool processRuns(qint64 pid)
{
#ifdef Q_OS_UNIX
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#else
    return pid > 0;
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString& lockName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    m_lock = std::make_unique<QLockFile>(QDir(folder).filePath(lockName));
    // A lock left by a crashed copy is taken over once its process is gone.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryLock()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    // Only a lock that names a living copy of this program means one is running; a lock that
    // cannot be made (a full disk, a folder in its place) must not keep the learner out.
    if (m_lock->error() != QLockFile::LockFailedError)
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock->getLockInfo(&pid, &host, &application))
        return true;
    // QLockFile has already found the holder running under the program name it recorded.
    const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    return !(here && processRuns(pid));
}
