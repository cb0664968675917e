#pragma once

#include <QIODevice>
#include <QString>

#ifndef Q_OS_UNIX
#include <QSaveFile>
#endif

// Writes a file as a whole or not at all: the bytes go to a hidden temporary file beside it,
// which replaces the file only once every write and the flush to disk went through.
//
// Why not QSaveFile (which the other systems get, see the end of this class):
// - its errors are English strings; we need the errno, to tell the reason in the interface
//   language;
// - its temporary names are visible and anonymous, so a killed copy's leftover is neither hidden
//   nor recognised; ours are ".NAME.vokabo-save-PID-XXXXXXX" (".vokabo-save-PID-XXXXXXX" where
//   a long NAME would not fit the file system's name limit), and the next save of the file
//   clears what a dead copy left;
// - it replaces a hard-linked file or one owned by someone else with a new file, splitting the
//   links and changing the owner; we write such a file in place, keeping a whole copy of the old
//   content (".NAME.vokabo-keep-PID-XXXXXXX") until the new one is complete;
// - it does not refuse a file without write permission when the folder is writable; we do.
// A symbolic link is followed to its target, which is written; the link stays. The file keeps
// its permissions, and its owner where the system lets us.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile() override; // removes the temporary file unless it was committed

    // Creates the temporary file with the permissions the file has (or would get). False when
    // the file exists and the user may not write it.
    bool open(OpenMode mode = WriteOnly) override;
    // Flushes the temporary file to disk and puts its content in the file's place. False, with
    // the file untouched and no temporary file left, when anything failed since open.
    bool commit();
    // Drops what was written; the file is untouched.
    void cancel();

    // The errno of the first failure; 0 when none.
    int systemError() const { return m_error; }
    // True when open failed because the file itself may not be written.
    bool writeProtected() const { return m_writeProtected; }

    // The prefix of the temporary files of the file at path (links not followed).
    static QString temporaryPrefix(const QString& path);
    // The file a write to path reaches: path with the symbolic links at its end followed. Empty,
    // with error set, for a loop of links.
    static QString resolvedPath(const QString& path, int* error = nullptr);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void fail(int code);

    QString m_path; // as given, made absolute
    int m_error = 0;
    bool m_writeProtected = false;

#ifdef Q_OS_UNIX
    // A dead copy's kept old content goes only once a new whole file is in place.
    void removeLeftovers(bool keptCopies) const;
    bool createHidden(const QString& prefix, unsigned permissions, int& fd, QString& name);
    bool writeInPlace();

    QString m_target; // m_path with its links followed
    QString m_temporary;
    int m_fd = -1;
    bool m_inPlace = false; // hard-linked, or an owner we cannot give a new file
#else
    QSaveFile m_file;
#endif
};
