#pragma once

#include "WordList.h"
#include "WordListFile.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class ProcessLock;

// Keeps a recovery copy of an unsaved list, so a kill, a crash or the end of the session loses at
// most the last seconds of typing. Each running copy of the program has its own copy file, named
// after its process and guarded by a lock it holds while it runs; the next start offers only
// copies whose program is no longer running.
class ListRecovery : public QObject
{
    Q_OBJECT

public:
    // A copy left by a run that ended without saving, claimed by this run.
    struct Leftover
    {
        QString file;     // the copy itself
        QString filePath; // the list's own file; empty for a list that was never saved
        WordListFileContent content;
    };

    // folder: where the copies live; empty for the program's data folder.
    explicit ListRecovery(WordList& list, const QString& folder = QString(),
                          QObject* parent = nullptr);
    ~ListRecovery() override;

    static QString defaultFolder();
    QString folder() const { return m_folder; }
    // This run's copy file.
    QString ownFile() const;

    // Looks at the list every interval from now on and keeps the copy up to date.
    void start(int intervalMs = 1000);
    // Writes the copy now while the list has unsaved changes, and removes it otherwise.
    void update();
    // The learner chose not to keep the list as it is now: its copy goes, until the next change.
    void forgetCurrent();
    // Removes this run's copy, at a normal end.
    void removeOwn();

    // A copy left by a copy of the program that no longer runs; no other copy can take it now.
    std::optional<Leftover> claimLeftover();
    // Removes a claimed copy once it has been restored or declined.
    void dropLeftover(const Leftover& leftover);

    // The copy's bytes: a first line naming the list's file, then the list as its file holds it.
    static QByteArray copyBytes(const WordList& list);
    static bool readCopy(const QString& file, Leftover& leftover);

private:
    bool ensureFolder();

    WordList& m_list;
    QString m_folder;
    QTimer m_timer;
    QByteArray m_written; // what the copy holds now, or was declined; empty for no copy
    bool m_haveCopy = false;
    std::unique_ptr<ProcessLock> m_lock;
    std::vector<std::unique_ptr<ProcessLock>> m_claimed;
};
