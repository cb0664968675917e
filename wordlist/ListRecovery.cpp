#include "ListRecovery.h"

#include "AtomicFile.h"
#include "ProcessLock.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QByteArray kMagic = QByteArrayLiteral("Vokabo recovery 1\n");
const QString kStart = QStringLiteral("recovery-");
const QString kCopyEnd = QStringLiteral(".vkr");

QString lockFileOf(const QString& folder, const QString& pid)
{
    return QDir(folder).filePath(kStart + pid + QStringLiteral(".lock"));
}

} // namespace

ListRecovery::ListRecovery(WordList& list, const QString& folder, QObject* parent)
    : QObject(parent), m_list(list), m_folder(folder.isEmpty() ? defaultFolder() : folder)
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &ListRecovery::update);
}

ListRecovery::~ListRecovery()
{
    // Without a copy to guard, this run's lock file has no more use.
    if (m_lock && !m_haveCopy)
        QFile::remove(m_lock->path());
}

QString ListRecovery::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("recovery"));
}

QString ListRecovery::ownFile() const
{
    return QDir(m_folder).filePath(kStart + QString::number(QCoreApplication::applicationPid()) +
                                   kCopyEnd);
}

bool ListRecovery::ensureFolder()
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    // Held while this copy runs, so no other copy takes this copy's file for a leftover.
    auto lock = std::make_unique<ProcessLock>(
        lockFileOf(m_folder, QString::number(QCoreApplication::applicationPid())));
    if (!lock->tryLock())
        return false;
    m_lock = std::move(lock);
    return true;
}

void ListRecovery::start(int intervalMs)
{
    // The folder and the lock are made with the first copy: a run without changes writes nothing.
    m_timer.start(intervalMs);
}

QByteArray ListRecovery::copyBytes(const WordList& list)
{
    return kMagic + list.filePath.toUtf8().toPercentEncoding() + '\n' + WordListFileBytes(list);
}

bool ListRecovery::readCopy(const QString& file, Leftover& leftover)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = f.read(2 * kMaxLineBytes * (WordList::MaxWords + 4));
    if (!bytes.startsWith(kMagic))
        return false;
    bytes.remove(0, kMagic.size());
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0)
        return false;
    leftover.file = file;
    leftover.filePath = QString::fromUtf8(QByteArray::fromPercentEncoding(bytes.left(end)));
    bytes.remove(0, end + 1);
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    return !ReadWordListFile(buffer, leftover.content).failed();
}

void ListRecovery::update()
{
    if (m_list.changed != 1) {
        removeOwn();
        return;
    }
    const QByteArray bytes = copyBytes(m_list);
    if (bytes == m_written)
        return;
    const QString own = ownFile();
    // The copy never goes over the list's own file.
    if (!m_list.filePath.isEmpty() && QFileInfo(m_list.filePath).absoluteFilePath() == own)
        return;
    if (!ensureFolder())
        return;
    AtomicFile file(own);
    if (!file.open(QIODevice::WriteOnly))
        return;
    if (file.write(bytes) != bytes.size()) {
        file.cancel();
        return;
    }
    if (file.commit()) {
        m_written = bytes;
        m_haveCopy = true;
    }
}

void ListRecovery::forgetCurrent()
{
    removeOwn();
    if (m_list.changed == 1)
        m_written = copyBytes(m_list);
}

void ListRecovery::removeOwn()
{
    if (m_haveCopy)
        QFile::remove(ownFile());
    // The lock file itself is left while the run holds it; a later run's claim clears it.
    m_haveCopy = false;
    m_written.clear();
}

std::optional<ListRecovery::Leftover> ListRecovery::claimLeftover()
{
    const QDir dir(m_folder);
    const QString ours = QString::number(QCoreApplication::applicationPid());
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString& name : names) {
        // The lock of a run that ended without a copy, free now, goes.
        if (name.startsWith(kStart) && name.endsWith(QStringLiteral(".lock")) &&
            name != QFileInfo(lockFileOf(m_folder, ours)).fileName() &&
            !names.contains(name.chopped(5) + kCopyEnd)) {
            ProcessLock stale(dir.filePath(name));
            if (stale.tryLock())
                QFile::remove(dir.filePath(name));
            continue;
        }
        if (!name.startsWith(kStart) || !name.endsWith(kCopyEnd))
            continue;
        const QString pid = name.mid(kStart.size(), name.size() - kStart.size() - kCopyEnd.size());
        if (pid == ours)
            continue;
        // A lock its owner still holds means that copy runs; the system frees a dead owner's.
        auto lock = std::make_unique<ProcessLock>(lockFileOf(m_folder, pid));
        if (!lock->tryLock())
            continue;
        Leftover leftover;
        if (!readCopy(dir.filePath(name), leftover)) {
            // Not a copy we can read; it would be offered at every start.
            QFile::remove(dir.filePath(name));
            QFile::remove(lock->path());
            continue;
        }
        m_claimed.push_back(std::move(lock));
        return leftover;
    }
    return std::nullopt;
}

void ListRecovery::dropLeftover(const Leftover& leftover)
{
    QFile::remove(leftover.file);
    const QString name = QFileInfo(leftover.file).fileName();
    const QString lockName = lockFileOf(
        m_folder, name.mid(kStart.size(), name.size() - kStart.size() - kCopyEnd.size()));
    for (auto it = m_claimed.begin(); it != m_claimed.end(); ++it) {
        if ((*it)->path() == lockName) {
            QFile::remove(lockName);
            m_claimed.erase(it);
            break;
        }
    }
}
