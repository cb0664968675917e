#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

bool processRuns(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : m_path(QFileInfo(path).absoluteFilePath()) {}

AtomicFile::~AtomicFile()
{
    cancel();
}

QString AtomicFile::temporaryPrefix(const QString& path)
{
    const QFileInfo info(path);
    return QDir(info.absolutePath())
        .filePath(u'.' + info.fileName() + QStringLiteral(".vokabo-save-"));
}

void AtomicFile::fail(int code)
{
    if (m_error == 0)
        m_error = code ? code : EIO;
    setErrorString(QString::fromLocal8Bit(strerror(m_error)));
}

bool AtomicFile::open(OpenMode mode)
{
    if (!(mode & WriteOnly) || (mode & ReadOnly) || m_fd >= 0)
        return false;
    m_error = 0;
    removeLeftovers();
    // The file keeps its permissions; a new one gets what the umask leaves of rw for all.
    struct stat st;
    const mode_t permissions =
        ::stat(nativeName(m_path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0666;
    const QString prefix =
        temporaryPrefix(m_path) + QString::number(QCoreApplication::applicationPid()) + u'-';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name =
            prefix +
            QString::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, u'0');
        const int fd = ::open(nativeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              permissions);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = name;
            // The umask may have taken bits the old file had.
            if (permissions != 0666)
                ::fchmod(fd, permissions);
            return QIODevice::open(WriteOnly | Unbuffered);
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

qint64 AtomicFile::readData(char*, qint64)
{
    return -1;
}

qint64 AtomicFile::writeData(const char* data, qint64 size)
{
    if (m_fd < 0 || m_error)
        return -1;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(m_fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            fail(n < 0 ? errno : ENOSPC);
            return -1;
        }
        done += n;
    }
    return done;
}

bool AtomicFile::commit()
{
    if (m_fd < 0)
        return false;
    if (!m_error && ::fdatasync(m_fd) != 0)
        fail(errno);
    if (::close(m_fd) != 0)
        fail(errno);
    m_fd = -1;
    QIODevice::close();
    if (!m_error &&
        ::rename(nativeName(m_temporary).constData(), nativeName(m_path).constData()) != 0)
        fail(errno);
    if (m_error) {
        ::unlink(nativeName(m_temporary).constData());
        m_temporary.clear();
        return false;
    }
    m_temporary.clear();
    return true;
}

void AtomicFile::cancel()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        QIODevice::close();
    }
    if (!m_temporary.isEmpty()) {
        ::unlink(nativeName(m_temporary).constData());
        m_temporary.clear();
    }
}

void AtomicFile::removeLeftovers() const
{
    // A copy that is still running may be saving this file now; only a dead copy's file goes.
    const QFileInfo info(temporaryPrefix(m_path));
    const QString start = info.fileName();
    const QDir dir(info.absolutePath());
    // Matched by hand: a list's name may hold the characters of a wildcard pattern.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!entry.fileName().startsWith(start))
            continue;
        const QString rest = entry.fileName().mid(start.size());
        const qsizetype dash = rest.indexOf(u'-');
        bool numeric = false;
        const qint64 pid = rest.left(dash).toLongLong(&numeric);
        if (dash <= 0 || !numeric || entry.isSymLink())
            continue;
        if (pid == QCoreApplication::applicationPid() || !processRuns(pid))
            QFile::remove(entry.filePath());
    }
}
