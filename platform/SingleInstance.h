#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells whether another copy of the program is running, through a lock file in the user's
// runtime folder that the running copy holds until it ends.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockName = QStringLiteral("vokabo.lock"));
    ~SingleInstance();

    // Takes the lock; false when another living copy holds it.
    bool tryLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};
