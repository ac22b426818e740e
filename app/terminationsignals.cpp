#include "app/terminationsignals.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QVector>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
constexpr int HandledSignals[] = { SIGTERM, SIGINT };
constexpr int HandledCount = int(sizeof(HandledSignals) / sizeof(HandledSignals[0]));

// [0] is written by the handler, [1] is watched by the notifier. -1 while no
// object holds the handlers.
int signalSockets[2] = { -1, -1 };
struct sigaction previousActions[HandledCount];

void onTerminationSignal(int signalNumber)
{
    // Only async-signal-safe calls here. When the socket is full, earlier
    // signals are still waiting to be read and the program is already on its
    // way out, so a lost byte changes nothing.
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    const ssize_t written = ::write(signalSockets[0], &byte, 1);
    static_cast<void>(written);
    errno = savedErrno;
}

bool setFlags(int fd)
{
    const int status = ::fcntl(fd, F_GETFL);
    const int descriptor = ::fcntl(fd, F_GETFD);
    return status != -1 && descriptor != -1 && ::fcntl(fd, F_SETFL, status | O_NONBLOCK) != -1
        && ::fcntl(fd, F_SETFD, descriptor | FD_CLOEXEC) != -1;
}

void closeSockets()
{
    for (int &fd : signalSockets) {
        if (fd != -1)
            ::close(fd);
        fd = -1;
    }
}

void restoreActions(int count)
{
    for (int i = 0; i < count; ++i)
        ::sigaction(HandledSignals[i], &previousActions[i], nullptr);
}
#endif

} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
}

TerminationSignals::~TerminationSignals()
{
    uninstall();
}

bool TerminationSignals::install()
{
#ifdef Q_OS_UNIX
    if (m_notifier || signalSockets[0] != -1)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) {
        signalSockets[0] = signalSockets[1] = -1;
        return false;
    }
    // Neither end may block: the handler must return at once, and the reader
    // drains whatever has arrived.
    if (!setFlags(signalSockets[0]) || !setFlags(signalSockets[1])) {
        closeSockets();
        return false;
    }
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < HandledCount; ++i) {
        if (::sigaction(HandledSignals[i], &action, &previousActions[i]) != 0) {
            restoreActions(i);
            closeSockets();
            return false;
        }
    }
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);
    return true;
#else
    return false;
#endif
}

void TerminationSignals::uninstall()
{
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    restoreActions(HandledCount);
    delete m_notifier;
    m_notifier = nullptr;
    closeSockets();
#endif
}

void TerminationSignals::readSignals()
{
#ifdef Q_OS_UNIX
    QVector<int> received;
    unsigned char buffer[16];
    ssize_t count = 0;
    while ((count = ::read(signalSockets[1], buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < count; ++i)
            received.append(buffer[i]);
    }
    // A receiver may end this object's life; the rest of the signals then
    // have no one left to tell.
    const QPointer<TerminationSignals> self(this);
    for (const int signalNumber : qAsConst(received)) {
        if (!self)
            return;
        emit terminationRequested(signalNumber);
    }
#endif
}
