#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

bool processRuns(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

const QString kSaveMark = QStringLiteral(".vokabo-save-");
const QString kKeepMark = QStringLiteral(".vokabo-keep-");

// The prefix of a hidden file beside path: ".NAME" and the mark, or the mark alone where the
// name with the mark, a process id and a random part would not fit the file system's limit.
QString hiddenPrefix(const QString& path, const QString& mark)
{
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    long nameMax = ::pathconf(nativeName(dir).constData(), _PC_NAME_MAX);
    if (nameMax <= 0)
        nameMax = NAME_MAX;
    const QString full = u'.' + info.fileName() + mark;
    // Room for the longest process id, the dash and the random part.
    constexpr qsizetype kTail = 10 + 1 + 7;
    const bool fits = nativeName(full).size() + kTail <= nameMax;
    return QDir(dir).filePath(fits ? full : mark);
}

// Copies from the start of one file to the start of another. False with errno set on a failure.
bool copyAll(int from, int to, qint64* total = nullptr)
{
    if (::lseek(from, 0, SEEK_SET) < 0 || ::lseek(to, 0, SEEK_SET) < 0)
        return false;
    char buffer[64 * 1024];
    qint64 done = 0;
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        ssize_t put = 0;
        while (put < n) {
            const ssize_t w = ::write(to, buffer + put, size_t(n - put));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                if (w == 0)
                    errno = ENOSPC;
                return false;
            }
            put += w;
        }
        done += n;
    }
    if (total)
        *total = done;
    return true;
}
#endif

} // namespace

AtomicFile::AtomicFile(const QString& path)
    : m_path(QFileInfo(path).absoluteFilePath())
#ifndef Q_OS_UNIX
      ,
      m_file(m_path)
#endif
{
}

AtomicFile::~AtomicFile()
{
    cancel();
}

void AtomicFile::fail(int code)
{
    if (m_error == 0)
        m_error = code ? code : EIO;
    setErrorString(QString::fromLocal8Bit(strerror(m_error)));
}

qint64 AtomicFile::readData(char*, qint64)
{
    return -1;
}

#ifdef Q_OS_UNIX

QString AtomicFile::temporaryPrefix(const QString& path)
{
    return hiddenPrefix(path, kSaveMark);
}

QString AtomicFile::resolvedPath(const QString& path, int* error)
{
    QString current = QFileInfo(path).absoluteFilePath();
    // As many links as the system itself follows.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (::lstat(nativeName(current).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n =
            ::readlink(nativeName(current).constData(), target.data(), size_t(target.size()));
        if (n < 0 || n >= target.size())
            return current;
        target.truncate(n);
        const QString next = QFile::decodeName(target);
        current = next.startsWith(u'/') ? next : current.left(current.lastIndexOf(u'/') + 1) + next;
    }
    if (error)
        *error = ELOOP;
    return {};
}

bool AtomicFile::createHidden(const QString& prefix, unsigned permissions, int& fd, QString& name)
{
    const QString start = prefix + QString::number(QCoreApplication::applicationPid()) + u'-';
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = start +
               QString::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, u'0');
        fd = ::open(nativeName(name).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC,
                    mode_t(permissions));
        if (fd >= 0)
            return true;
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    fail(EEXIST);
    return false;
}

bool AtomicFile::open(OpenMode mode)
{
    if (!(mode & WriteOnly) || (mode & ReadOnly) || m_fd >= 0)
        return false;
    m_error = 0;
    m_writeProtected = false;
    m_inPlace = false;
    int loop = 0;
    m_target = resolvedPath(m_path, &loop);
    if (m_target.isEmpty()) {
        fail(loop);
        return false;
    }
    removeLeftovers(false);

    struct stat st;
    const bool exists = ::stat(nativeName(m_target).constData(), &st) == 0;
    if (exists && ::faccessat(AT_FDCWD, nativeName(m_target).constData(), W_OK, AT_EACCESS) != 0) {
        m_writeProtected = errno == EACCES || errno == EPERM;
        fail(errno);
        return false;
    }
    // The file keeps its permissions; a new one gets what the umask leaves of rw for all.
    const mode_t permissions = exists ? (st.st_mode & 07777) : 0666;
    // Another name for the same file would keep the old content if the file were replaced.
    m_inPlace = exists && st.st_nlink > 1;
    if (!createHidden(temporaryPrefix(m_target), permissions, m_fd, m_temporary))
        return false;
    if (exists) {
        struct stat made;
        if (::fstat(m_fd, &made) == 0 && (made.st_uid != st.st_uid || made.st_gid != st.st_gid) &&
            ::fchown(m_fd, st.st_uid, st.st_gid) != 0)
            m_inPlace = true; // a new file would change hands
        // After the owner, which clears set-id bits: the umask and fchown may have taken bits.
        ::fchmod(m_fd, permissions);
    }
    return QIODevice::open(WriteOnly | Unbuffered);
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

bool AtomicFile::writeInPlace()
{
    const QByteArray target = nativeName(m_target);
    const int old = ::open(target.constData(), O_RDONLY | O_CLOEXEC);
    if (old < 0) {
        fail(errno);
        return false;
    }
    // A whole copy of the old content, on disk before the file is touched.
    int keep = -1;
    QString keepName;
    if (!createHidden(hiddenPrefix(m_target, kKeepMark), 0600, keep, keepName)) {
        ::close(old);
        return false;
    }
    const bool kept = copyAll(old, keep) && ::fdatasync(keep) == 0;
    const int keepError = errno;
    ::close(old);
    const int out = kept ? ::open(target.constData(), O_WRONLY | O_CLOEXEC) : -1;
    if (out < 0) {
        fail(kept ? errno : keepError);
        ::close(keep);
        ::unlink(nativeName(keepName).constData());
        return false;
    }
    qint64 size = 0;
    if (copyAll(m_fd, out, &size) && ::ftruncate(out, off_t(size)) == 0 && ::fdatasync(out) == 0) {
        ::close(out);
        ::close(keep);
        ::unlink(nativeName(keepName).constData());
        return true;
    }
    fail(errno);
    // The old content goes back; where even that fails, the copy stays as the whole old file.
    qint64 oldSize = 0;
    if (copyAll(keep, out, &oldSize) && ::ftruncate(out, off_t(oldSize)) == 0 &&
        ::fdatasync(out) == 0)
        ::unlink(nativeName(keepName).constData());
    ::close(out);
    ::close(keep);
    return false;
}

bool AtomicFile::commit()
{
    if (m_fd < 0)
        return false;
    if (!m_error && ::fdatasync(m_fd) != 0)
        fail(errno);
    if (!m_error && m_inPlace)
        writeInPlace();
    if (::close(m_fd) != 0)
        fail(errno);
    m_fd = -1;
    QIODevice::close();
    if (!m_error && !m_inPlace &&
        ::rename(nativeName(m_temporary).constData(), nativeName(m_target).constData()) != 0)
        fail(errno);
    if (m_error || m_inPlace)
        ::unlink(nativeName(m_temporary).constData());
    m_temporary.clear();
    if (!m_error)
        removeLeftovers(true);
    return !m_error;
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

void AtomicFile::removeLeftovers(bool keptCopies) const
{
    // A copy that is still running may be saving this file now; only a dead copy's file goes.
    const QString dirPath = QFileInfo(m_target).absolutePath();
    QStringList starts;
    for (const QString& mark : {kSaveMark, kKeepMark}) {
        // A file cut by a killed in-place write has its only whole content in the kept copy.
        if (mark == kKeepMark && !keptCopies)
            continue;
        starts << QFileInfo(hiddenPrefix(m_target, mark)).fileName();
        starts << mark; // the short names of any file in the folder
    }
    const QDir dir(dirPath);
    // Matched by hand: a list's name may hold the characters of a wildcard pattern.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        for (const QString& start : std::as_const(starts)) {
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
            break;
        }
    }
}

#else

QString AtomicFile::temporaryPrefix(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString AtomicFile::resolvedPath(const QString& path, int*)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

bool AtomicFile::open(OpenMode mode)
{
    if (!(mode & WriteOnly) || (mode & ReadOnly) || m_file.isOpen())
        return false;
    m_error = 0;
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable()) {
        m_writeProtected = true;
        fail(EACCES);
        return false;
    }
    m_file.setDirectWriteFallback(false);
    if (!m_file.open(QIODevice::WriteOnly)) {
        fail(EIO);
        return false;
    }
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 AtomicFile::writeData(const char* data, qint64 size)
{
    if (!m_file.isOpen() || m_error)
        return -1;
    const qint64 n = m_file.write(data, size);
    if (n != size) {
        fail(EIO);
        return -1;
    }
    return n;
}

bool AtomicFile::commit()
{
    if (!m_file.isOpen())
        return false;
    QIODevice::close();
    if (m_error) {
        m_file.cancelWriting();
        m_file.commit();
        return false;
    }
    if (!m_file.commit())
        fail(EIO);
    return !m_error;
}

void AtomicFile::cancel()
{
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
        QIODevice::close();
    }
}

#endif
