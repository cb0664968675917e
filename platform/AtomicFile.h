#pragma once

#include <QIODevice>
#include <QString>

// Writes a file as a whole or not at all: the bytes go to a hidden temporary file beside it,
// which replaces the file only once every write and the flush to disk went through. The
// temporary file's name says whose it is, ".NAME.vokabo-save-PID-XXXXXX", so the leftover of a
// killed copy is recognised and cleared at the next save of the same file.
class AtomicFile : public QIODevice
{
public:
    explicit AtomicFile(const QString& path);
    ~AtomicFile() override; // removes the temporary file unless it was committed

    // Creates the temporary file with the permissions the file has (or would get).
    bool open(OpenMode mode = WriteOnly) override;
    // Flushes the temporary file to disk and puts it in the file's place. False, with the file
    // untouched and no temporary file left, when anything failed since open.
    bool commit();
    // Drops what was written; the file is untouched.
    void cancel();

    // The errno of the first failure; 0 when none.
    int systemError() const { return m_error; }

    // The prefix of the temporary files of the file at path.
    static QString temporaryPrefix(const QString& path);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void fail(int code);
    void removeLeftovers() const;

    QString m_path;
    QString m_temporary;
    int m_fd = -1;
    int m_error = 0;
};
