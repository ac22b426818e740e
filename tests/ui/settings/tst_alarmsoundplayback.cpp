#include "ui/settings/alarmsoundplayback.h"

#include <QSignalSpy>
#include <QtTest>

// When alarm requests play which sound, and the pause after a language change.
class TestAlarmSoundPlayback : public QObject
{
    Q_OBJECT

private slots:
    void alarmRequest_data();
    void alarmRequest();
    void pauseEndsAfterItsTimeCountedFromTheLastChange();
    void soundButton();
    void restoredSettingPlaysNothing();

private:
    struct Spies
    {
        explicit Spies(AlarmSoundPlayback *p)
            : alarm(p, &AlarmSoundPlayback::playAlarm), sound(p, &AlarmSoundPlayback::playSound),
              stop(p, &AlarmSoundPlayback::stopAll), tip(p, &AlarmSoundPlayback::tipSound)
        {
        }
        QSignalSpy alarm;
        QSignalSpy sound;
        QSignalSpy stop;
        QSignalSpy tip;
    };
};

void TestAlarmSoundPlayback::alarmRequest_data()
{
    QTest::addColumn<bool>("paused");
    QTest::addColumn<bool>("mediaOpen");
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("alarm");
    QTest::addColumn<int>("short");
    QTest::addColumn<int>("stop");
    QTest::addColumn<int>("tip");

    QTest::newRow("fault plays the alarm") << false << true << 1 << 1 << 0 << 0 << 1;
    QTest::newRow("weight alarm plays the short sound") << false << true << 2 << 0 << 1 << 0 << 1;
    QTest::newRow("any other code plays the short sound") << false << true << 7 << 0 << 1 << 0 << 1;
    QTest::newRow("sound off still flags the tab") << false << false << 1 << 0 << 0 << 0 << 1;
    QTest::newRow("paused: silence, no flag") << true << true << 1 << 0 << 0 << 1 << 0;
    QTest::newRow("paused with sound off") << true << false << 2 << 0 << 0 << 1 << 0;
}

void TestAlarmSoundPlayback::alarmRequest()
{
    QFETCH(bool, paused);
    QFETCH(bool, mediaOpen);
    QFETCH(int, sound);

    AlarmSoundPlayback playback;
    playback.setMediaOpen(mediaOpen);
    if (paused)
        playback.pauseForLanguageChange();
    QCOMPARE(playback.sounds(), !paused);

    Spies spies(&playback);
    playback.alarm(sound);
    QTEST(int(spies.alarm.count()), "alarm");
    QTEST(int(spies.sound.count()), "short");
    QTEST(int(spies.stop.count()), "stop");
    QTEST(int(spies.tip.count()), "tip");
}

void TestAlarmSoundPlayback::pauseEndsAfterItsTimeCountedFromTheLastChange()
{
    AlarmSoundPlayback playback;
    QCOMPARE(playback.pauseMs(), 10000);
    playback.setPauseMs(300);
    QSignalSpy sounds(&playback, &AlarmSoundPlayback::soundsChanged);
    playback.pauseForLanguageChange();
    QTest::qWait(200);
    playback.pauseForLanguageChange();
    QTest::qWait(200);
    // 400 ms after the first change, 200 ms after the second.
    QVERIFY(!playback.sounds());
    QTRY_VERIFY(playback.sounds());
    QCOMPARE(sounds.count(), 2);

    Spies spies(&playback);
    playback.alarm(1);
    QCOMPARE(spies.alarm.count(), 1);
    QCOMPARE(spies.tip.count(), 1);
}

void TestAlarmSoundPlayback::soundButton()
{
    AlarmSoundPlayback playback;
    Spies spies(&playback);
    playback.toggleMedia();
    QVERIFY(!playback.mediaOpen());
    QCOMPARE(spies.stop.count(), 1);
    QCOMPARE(spies.sound.count(), 0);
    playback.toggleMedia();
    QVERIFY(playback.mediaOpen());
    QCOMPARE(spies.sound.count(), 1);
    QCOMPARE(spies.alarm.count(), 0);
    QCOMPARE(spies.tip.count(), 0);
}

void TestAlarmSoundPlayback::restoredSettingPlaysNothing()
{
    AlarmSoundPlayback playback;
    Spies spies(&playback);
    QSignalSpy changed(&playback, &AlarmSoundPlayback::mediaOpenChanged);
    playback.setMediaOpen(false);
    playback.setMediaOpen(false);
    playback.resetMediaOpen();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(spies.sound.count() + spies.stop.count() + spies.alarm.count(), 0);
}

QTEST_GUILESS_MAIN(TestAlarmSoundPlayback)
#include "tst_alarmsoundplayback.moc"
