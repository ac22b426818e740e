#include "ui/shell/screenbeat.h"

#include <QDateTime>

namespace {

// A timer may fire a few milliseconds early; a beat this close is the one
// just passed.
constexpr int EarlyMarginMs = 50;
constexpr int ShortestPeriodMs = 100;

} // namespace

ScreenBeat::ScreenBeat(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScreenBeat::beat);
}

int ScreenBeat::msToNextBeat(int periodMs)
{
    const int ms = periodMs - int(QDateTime::currentMSecsSinceEpoch() % periodMs);
    return ms < EarlyMarginMs ? ms + periodMs : ms;
}

void ScreenBeat::setPeriodMs(int ms)
{
    ms = qMax(ms, ShortestPeriodMs);
    if (m_periodMs == ms)
        return;
    m_periodMs = ms;
    if (m_timer.isActive())
        m_timer.start(msToNextBeat(m_periodMs));
    emit periodMsChanged();
}

void ScreenBeat::setRunning(bool running)
{
    if (m_timer.isActive() == running)
        return;
    if (running)
        m_timer.start(msToNextBeat(m_periodMs));
    else
        m_timer.stop();
    emit runningChanged();
}

void ScreenBeat::beat()
{
    m_timer.start(msToNextBeat(m_periodMs));
    ++m_count;
    emit countChanged();
}
