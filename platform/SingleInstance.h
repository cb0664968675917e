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

    // Takes the lock; false only when a living copy of the program holds it. Any other failure
    // to lock lets the program start.
    bool tryLock();

private:
    std::unique_ptr<QLockFile> m_lock;
};
