#include "ui/shell/screenbeat.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QtTest>

// The beat that lets independent timers of the window change the screen in
// the same frame: it falls on whole multiples of its period on the clock.
class TestScreenBeat : public QObject
{
    Q_OBJECT

private slots:
    void nextBeatIsAWholeMultipleOfThePeriod_data();
    void nextBeatIsAWholeMultipleOfThePeriod();
    void beatsOnlyWhileRunning();
};

void TestScreenBeat::nextBeatIsAWholeMultipleOfThePeriod_data()
{
    QTest::addColumn<int>("period");

    QTest::newRow("flashing, half a second") << 500;
    QTest::newRow("refresh, a second") << 1000;
}

void TestScreenBeat::nextBeatIsAWholeMultipleOfThePeriod()
{
    QFETCH(int, period);

    for (int attempt = 0; attempt < 50; ++attempt) {
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const int ms = ScreenBeat::msToNextBeat(period);
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        // Never the beat just passed, never more than one beat ahead.
        QVERIFY2(ms >= 50 && ms < period + 50, qPrintable(QString::number(ms)));
        // The clock may have moved on while it was read.
        const qint64 offset = (before + ms) % period;
        QVERIFY2(offset <= after - before || offset >= period - (after - before),
                 qPrintable(QStringLiteral("%1 ms past a beat").arg(offset)));
        QTest::qWait(7);
    }
}

void TestScreenBeat::beatsOnlyWhileRunning()
{
    ScreenBeat beat;
    beat.setPeriodMs(100);
    QSignalSpy counted(&beat, &ScreenBeat::countChanged);

    QVERIFY(!counted.wait(250));
    beat.setRunning(true);
    QVERIFY(counted.wait(1000));
    QCOMPARE(beat.count(), counted.count());

    beat.setRunning(false);
    const int stopped = beat.count();
    QVERIFY(!counted.wait(250));
    QCOMPARE(beat.count(), stopped);
}

QTEST_GUILESS_MAIN(TestScreenBeat)
#include "tst_screenbeat.moc"
