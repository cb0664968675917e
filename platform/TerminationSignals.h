#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP into a Qt signal on the event loop: the handler only writes a byte to
// a pipe, so no Qt call runs inside it. One object per program.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    // False where the handlers could not be set up; the signals then end the program as before.
    bool installed() const { return m_notifier != nullptr; }

Q_SIGNALS:
    // SIGTERM or SIGHUP arrived: the program is asked to end now.
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
