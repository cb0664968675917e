#pragma once

#include <QString>

#ifndef Q_OS_UNIX
#include <QLockFile>
#include <memory>
#endif

// A lock on a file that the system releases when the process holding it ends, however it ends.
// Unlike QLockFile it never guesses from process ids and names whether its holder still runs.
class ProcessLock
{
public:
    explicit ProcessLock(const QString& path);
    ~ProcessLock(); // releases the lock; the file stays
    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    // Takes the lock without waiting; false while another holder has it.
    bool tryLock();
    bool isLocked() const;
    QString path() const { return m_path; }

private:
    QString m_path;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};
