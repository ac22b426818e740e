#ifndef TERMINATIONSIGNALS_H
#define TERMINATIONSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the thread that owns this
// object. A desktop logout or a service stop sends SIGTERM; left to the
// default action it would end the program without saving the project.
//
// The POSIX handler only writes the signal number into one end of a socket
// pair (write() is async-signal-safe); a QSocketNotifier on the other end
// brings it into the event loop, where terminationRequested() is emitted.
// Only one object can hold the handlers at a time. On platforms without POSIX
// signals install() does nothing and returns false.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    // Puts the previous handlers back and closes the socket pair.
    ~TerminationSignals() override;

    // Installs the handlers for SIGTERM and SIGINT. False when another object
    // holds them, or the socket pair or a handler cannot be set up; nothing is
    // left installed then.
    bool install();
    bool isInstalled() const { return m_notifier != nullptr; }

signals:
    // Emitted once per delivered signal, with its number.
    void terminationRequested(int signalNumber);

private:
    void readSignals();
    void uninstall();

    QSocketNotifier *m_notifier = nullptr;
};

#endif
