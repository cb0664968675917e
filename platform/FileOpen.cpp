#include "FileOpen.h"

#include <QFile>
#include <QString>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

int OpenForReading(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return EIO;
    }
    return 0;
#else
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return 0;
    return file.exists() ? EACCES : ENOENT;
#endif
}
