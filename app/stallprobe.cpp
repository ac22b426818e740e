#include "app/stallprobe.h"

#include <QDebug>

#include <ctime>

namespace {

// CPU time of the calling thread: a stall on a busy machine is partly other
// programs' turn on the cores, and the probe tells the two apart.
qint64 threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

StallProbe::StallProbe(QObject *parent) : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(TickMs);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
}

bool StallProbe::startIfRequested()
{
    if (qEnvironmentVariableIsEmpty("VORN_STALL_PROBE"))
        return false;
    m_clock.start();
    m_last = 0;
    m_lastCpu = threadCpuMs();
    m_timer.start();
    return true;
}

void StallProbe::tick()
{
    const qint64 now = m_clock.elapsed();
    const qint64 cpu = threadCpuMs();
    const qint64 gap = now - m_last;
    const qint64 busy = cpu - m_lastCpu;
    m_last = now;
    m_lastCpu = cpu;
    if (gap >= ReportFromMs)
        qInfo().noquote() << QStringLiteral("event-loop stall %1 ms (GUI thread busy %2 ms)").arg(gap).arg(busy);
}
