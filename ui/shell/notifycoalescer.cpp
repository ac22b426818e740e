#include "ui/shell/notifycoalescer.h"

#include "ui/shell/screenbeat.h"

NotifyCoalescer::NotifyCoalescer(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &NotifyCoalescer::beat);
}

void NotifyCoalescer::changed()
{
    if (m_timer.isActive()) {
        m_pending = true;
        return;
    }
    m_timer.start(ScreenBeat::msToNextBeat(PeriodMs));
    emit notify();
}

void NotifyCoalescer::beat()
{
    if (!m_pending)
        return;
    m_pending = false;
    // The beat's announcement is followed by a wait for the next beat, so a
    // steady stream of changes is announced once per beat.
    m_timer.start(ScreenBeat::msToNextBeat(PeriodMs));
    emit notify();
}
