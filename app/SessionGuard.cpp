#include "SessionGuard.h"

#include "MainWindow.h"
#include "Prompter.h"

#include <QSessionManager>

SessionGuard::SessionGuard(MainWindow& window, Prompter& prompter, const QString& recoveryFolder)
    : QObject(&window), m_window(window), m_prompter(prompter),
      m_recovery(window.wordList(), recoveryFolder)
{
    m_recovery.start();
    // A normal end has asked about the list already: what the learner did not save is not wanted.
    connect(&m_window, &MainWindow::exited, this, [this] {
        if (!m_keepCopy)
            m_recovery.removeOwn();
    });
}

void SessionGuard::OfferRecovery()
{
    const std::optional<ListRecovery::Leftover> leftover = m_recovery.claimLeftover();
    if (!leftover)
        return;
    const QString question =
        leftover->filePath.isEmpty()
            ? tr("Vokabo avslutades utan att en ny ordlista sparades. Vill du återställa den?")
            : tr("Vokabo avslutades utan att ändringarna i ordlistan %1 sparades. Vill du "
                 "återställa dem?")
                  .arg(FileTitle(leftover->filePath));
    if (m_prompter.message(question, QString(), Prompter::YesNoQuestion) == Prompter::Yes) {
        m_window.files().Restore(leftover->content, leftover->filePath);
        m_window.EnterEditor();
        // This run's own copy takes over at once, before the old one goes.
        m_recovery.update();
    }
    m_recovery.dropLeftover(*leftover);
}

void SessionGuard::CommitSession(QSessionManager& manager)
{
    const bool mayAsk = manager.allowsInteraction();
    const bool goOn = CommitSession(mayAsk);
    if (mayAsk)
        manager.release();
    if (!goOn)
        manager.cancel();
}

bool SessionGuard::CommitSession(bool mayAsk)
{
    if (mayAsk) {
        const int before = m_window.wordList().changed;
        if (!m_window.files().askToSave(MainWindow::exitQuestion()))
            return false;
        // "No": the learner let the changes go.
        if (before == 1 && m_window.wordList().changed == 1)
            m_recovery.forgetCurrent();
    }
    // Saved: the copy goes; not asked: it holds the list as it is now.
    m_recovery.update();
    m_window.WriteExitSettings();
    return true;
}

void SessionGuard::EndNow()
{
    m_recovery.update();
    m_keepCopy = true;
    m_window.EndWithoutQuestion();
    // Not quit(): it would close the window, which asks the exit question.
    QCoreApplication::exit(0);
}
