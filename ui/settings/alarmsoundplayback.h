#ifndef ALARMSOUNDPLAYBACK_H
#define ALARMSOUNDPLAYBACK_H

#include <QObject>
#include <QTimer>

// When the alarm sounds play. A state change asks for sound 1 (fault or
// offline) or sound 2 (weight alarm); the settings page's two players do the
// playing. Right after a language change every cell is re-announced in the new
// language, so alarms are paused for ten seconds then: a request in that time
// silences both players and is otherwise dropped. Outside the pause a request
// plays only while sound is switched on, but always flags the information tab.
class AlarmSoundPlayback : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool mediaOpen READ mediaOpen WRITE setMediaOpen RESET resetMediaOpen NOTIFY mediaOpenChanged)
    Q_PROPERTY(bool m_sounds READ sounds WRITE setSounds RESET resetSounds NOTIFY soundsChanged)
    Q_PROPERTY(int pauseMs READ pauseMs WRITE setPauseMs RESET resetPauseMs NOTIFY pauseMsChanged)

public:
    static constexpr int LanguagePauseMs = 10000;
    static constexpr int FaultSound = 1;

    explicit AlarmSoundPlayback(QObject *parent = nullptr);

    bool mediaOpen() const { return m_mediaOpen; }
    void setMediaOpen(bool open);
    void resetMediaOpen() { setMediaOpen(true); }

    // False while alarms are paused.
    bool sounds() const { return m_sounds; }
    void setSounds(bool sounds);
    void resetSounds() { setSounds(true); }

    int pauseMs() const { return m_pause.interval(); }
    void setPauseMs(int ms);
    void resetPauseMs() { setPauseMs(LanguagePauseMs); }

    // An alarm request from the weighing controller.
    Q_INVOKABLE void alarm(int sound);
    // The sound button: switching on plays the short sound once, switching
    // off silences both players.
    Q_INVOKABLE void toggleMedia();
    // The language changed: alarms pause for pauseMs from now.
    Q_INVOKABLE void pauseForLanguageChange();

signals:
    void mediaOpenChanged();
    void soundsChanged();
    void pauseMsChanged();
    // Play "media/alarm.mp3" (fault, offline).
    void playAlarm();
    // Play "media/sound.wav" (weight alarms, sound switched on).
    void playSound();
    void stopAll();
    // An alarm was requested: the information tab flashes (tip_sound).
    void tipSound();

private:
    QTimer m_pause;
    bool m_mediaOpen = true;
    bool m_sounds = true;
};

#endif
