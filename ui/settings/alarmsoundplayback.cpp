#include "ui/settings/alarmsoundplayback.h"

AlarmSoundPlayback::AlarmSoundPlayback(QObject *parent) : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(LanguagePauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { setSounds(true); });
}

void AlarmSoundPlayback::setMediaOpen(bool open)
{
    if (m_mediaOpen == open)
        return;
    m_mediaOpen = open;
    emit mediaOpenChanged();
}

void AlarmSoundPlayback::setSounds(bool sounds)
{
    if (m_sounds == sounds)
        return;
    m_sounds = sounds;
    emit soundsChanged();
}

void AlarmSoundPlayback::setPauseMs(int ms)
{
    if (ms < 0 || m_pause.interval() == ms)
        return;
    m_pause.setInterval(ms);
    emit pauseMsChanged();
}

void AlarmSoundPlayback::alarm(int sound)
{
    if (!m_sounds) {
        emit stopAll();
        return;
    }
    if (m_mediaOpen) {
        if (sound == FaultSound)
            emit playAlarm();
        else
            emit playSound();
    }
    emit tipSound();
}

void AlarmSoundPlayback::toggleMedia()
{
    setMediaOpen(!m_mediaOpen);
    if (m_mediaOpen)
        emit playSound();
    else
        emit stopAll();
}

void AlarmSoundPlayback::pauseForLanguageChange()
{
    // A second change within the pause starts the ten seconds again: its own
    // re-announcements follow it.
    setSounds(false);
    m_pause.start();
}
