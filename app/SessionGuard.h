#pragma once

#include "ListRecovery.h"

#include <QCoreApplication>
#include <QObject>

class MainWindow;
class Prompter;
class QSessionManager;

// Sees that no typed word is lost when the program ends some other way than by its own close:
// keeps the recovery copy of an unsaved list, offers a dead run's copy back at start, asks the
// exit question when the desktop session ends and saves what it can on SIGTERM or SIGHUP.
class SessionGuard : public QObject
{
    Q_OBJECT

public:
    // recoveryFolder: empty for the program's data folder.
    SessionGuard(MainWindow& window, Prompter& prompter, const QString& recoveryFolder = QString());

    ListRecovery& recovery() { return m_recovery; }

    // After the main window is up: a copy left by a run that ended without saving is offered back.
    void OfferRecovery();
    // The desktop session ends: the exit question where the session manager lets us ask.
    void CommitSession(QSessionManager& manager);
    // The same, with mayAsk from the session manager. False when the learner cancelled the end.
    bool CommitSession(bool mayAsk);
    // SIGTERM or SIGHUP: the exit settings and a recovery copy of an unsaved list, then the end.
    void EndNow();

private:
    MainWindow& m_window;
    Prompter& m_prompter;
    ListRecovery m_recovery;
    bool m_keepCopy = false;
};
