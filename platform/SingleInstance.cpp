#include "SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

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
    return m_lock->isLocked() || m_lock->tryLock(0);
}
