#include "recording/datasavecontrol.h"
#include "ui/settings/alarmsoundplayback.h"
#include "ui/settings/displaycommand.h"
#include "ui/settings/displayunit.h"
#include "ui/settings/receiveportvalidator.h"
#include "ui/settings/recordingsampler.h"
#include "ui/settings/samplingrate.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

// The settings page's rules (display command, rates, receive port, unit, alarm
// sounds) and its recording switch feeding a real recorder from a real table.
class TestSettings : public QObject
{
    Q_OBJECT

    void publish(int index, int weight, int boxType = 1)
    {
        m_rows->setTableData(1, index, 0, 0, "cell", weight, weight, weight, 4000, 0, 5000, 0, 1, 0, boxType, nullptr);
    }
    QStringList lines(const QString &file) const
    {
        QFile f(m_project->path() + "/Data/2024/03/07/" + file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)
                                           : QStringList();
    }
    void sampleAfter(int seconds)
    {
        m_now = m_now.addSecs(seconds);
        m_sampler->sample();
    }

    std::unique_ptr<QTemporaryDir> m_project;
    QDateTime m_now;
    std::unique_ptr<DataSaveControl> m_recorder;
    std::unique_ptr<TableRowModel> m_rows;
    std::unique_ptr<RecordingSampler> m_sampler;

private slots:
    void init()
    {
        m_sampler.reset();
        m_project = std::make_unique<QTemporaryDir>();
        m_now = QDateTime(QDate(2024, 3, 7), QTime(14, 3, 57, 125));
        m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
        m_recorder->setProjectPath(m_project->path());
        m_rows = std::make_unique<TableRowModel>();
        m_sampler = std::make_unique<RecordingSampler>();
        m_sampler->setRows(m_rows.get());
        m_sampler->setRecorder(m_recorder.get());
        // The recorder counts its first gap from its construction.
        m_now = m_now.addSecs(2);
    }

    void displayCommand_data()
    {
        QTest::addColumn<bool>("digitDisplay");
        QTest::addColumn<bool>("weightShown");
        QTest::addColumn<int>("flag");
        QTest::newRow("off, weights") << false << true << 3;
        QTest::newRow("on, weights") << true << true << 2;
        QTest::newRow("on, addresses") << true << false << 0;
        QTest::newRow("off, addresses") << false << false << 1;
    }
    void displayCommand()
    {
        QFETCH(bool, digitDisplay);
        QFETCH(bool, weightShown);
        QFETCH(int, flag);
        DisplayCommand command;
        QSignalSpy changed(&command, &DisplayCommand::commandChanged);
        command.setDigitDisplay(digitDisplay);
        command.setWeightShown(weightShown);
        QCOMPARE(changed.count(), int(!digitDisplay) + int(!weightShown));
        // The hub link sends the text as UTF-8: these are the 36 bytes on the wire.
        const QByteArray expected = QByteArray("\x24\0\x03\0", 4) + char(flag) + QByteArray(31, '\0');
        QCOMPARE(command.command().toUtf8(), expected);
    }

    void rates_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("interval");
        QTest::newRow("2 s") << 0.0 << 0 << 2000;
        QTest::newRow("0.5 s") << 2.0 << 2 << 500;
        QTest::newRow("3 is no position, 1 s") << 3.0 << -1 << 1000;
        QTest::newRow("nan") << qQNaN() << -1 << 1000;
    }
    void rates()
    {
        QFETCH(double, stored);
        QFETCH(int, index);
        QFETCH(int, interval);
        QCOMPARE(SamplingRate::indexFromStored(stored), index);
        // The recorder's gap is half the interval.
        const int position = index >= 0 ? index : std::isfinite(stored) ? int(stored) : -1;
        QCOMPARE(SamplingRate::intervalMs(position), interval);
        QCOMPARE(SamplingRate::saveTick(position), qulonglong(interval / 2));
    }

    void receivePort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("port");
        const int ok = QValidator::Acceptable, bad = QValidator::Invalid, partial = QValidator::Intermediate;
        QTest::newRow("nines") << "1999" << ok << 1999;
        QTest::newRow("highest, leading zero") << "065535" << ok << 65535;
        QTest::newRow("one beyond") << "65536" << bad << 0;
        QTest::newRow("beyond 64 bits") << "99999999999999999999999" << bad << 0;
        QTest::newRow("empty while editing") << "" << partial << 0;
        QTest::newRow("zero") << "0" << partial << 0;
        QTest::newRow("full-width digits") << QString::fromUtf8("２００１") << bad << 0;
    }
    void receivePort()
    {
        QFETCH(QString, text);
        ReceivePortValidator validator;
        QString input = text;
        int pos = input.size();
        QTEST(int(validator.validate(input, pos)), "state");
        QCOMPARE(input, text);
        QTEST(validator.port(text), "port");
    }

    void unit()
    {
        DisplayUnit unit;
        unit.setUnit("LB");
        QCOMPARE(unit.conFactor(), 2.20462262185);
        // Nothing stored or anything unknown reads as KG.
        for (const char *stored : {"", "kg"}) {
            unit.setUnit("LB");
            unit.setUnit(stored);
            QCOMPARE(unit.unit(), QStringLiteral("KG"));
            QCOMPARE(unit.conFactor(), 1.0);
        }
    }

    void alarm_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("mediaOpen");
        QTest::addColumn<int>("sound");
        QTest::addColumn<QVector<int>>("counts"); // alarm, short sound, stop, tab flag
        QTest::newRow("fault plays the alarm") << false << true << 1 << QVector<int>{1, 0, 0, 1};
        QTest::newRow("weight alarm: short sound") << false << true << 2 << QVector<int>{0, 1, 0, 1};
        QTest::newRow("sound off still flags the tab") << false << false << 1 << QVector<int>{0, 0, 0, 1};
        QTest::newRow("paused: silence, no flag") << true << true << 1 << QVector<int>{0, 0, 1, 0};
    }
    void alarm()
    {
        QFETCH(bool, paused);
        QFETCH(bool, mediaOpen);
        QFETCH(int, sound);
        AlarmSoundPlayback playback;
        playback.setMediaOpen(mediaOpen);
        if (paused)
            playback.pauseForLanguageChange();
        QSignalSpy alarm(&playback, &AlarmSoundPlayback::playAlarm), shortSound(&playback, &AlarmSoundPlayback::playSound),
            stop(&playback, &AlarmSoundPlayback::stopAll), tip(&playback, &AlarmSoundPlayback::tipSound);
        playback.alarm(sound);
        QTEST((QVector<int>{alarm.count(), shortSound.count(), stop.count(), tip.count()}), "counts");
    }

    void linesInKilogramsAndNewFiles()
    {
        publish(0, 220);
        publish(1, 0, 0);
        m_sampler->setConFactor(2.20462262185);
        for (const double unusable : {0.0, -1.0, qQNaN(), qInf()})
            m_sampler->setConFactor(unusable);
        sampleAfter(0);
        publish(1, 7, 0);
        sampleAfter(1);
        QCOMPARE(lines("14_03_59user.csv"),
                 QStringList({"timer,ID:1.0/1,ID:1.1/0,", "2024-03-07 14_03_59_125,99.79032139994459,0,",
                              "2024-03-07 14_04_00_125,99.79032139994459,3.1751465899982367,"}));
        // A cell joins the main table: the header changes and a new file begins.
        publish(5, 3, 2);
        sampleAfter(1);
        QCOMPARE(lines("14_04_01user.csv").first(), QStringLiteral("timer,ID:1.0/1,ID:1.1/0,ID:1.5/2,"));
        // Switching recording on starts one more.
        m_sampler->setRecording(true);
        QVERIFY(m_recorder->saveStart());
        sampleAfter(1);
        sampleAfter(1);
        QCOMPARE(lines("14_04_02user.csv").size(), 3);
    }

    void recordsOnlyWhileSwitchedOnWithAllParts()
    {
        m_sampler->setRateIndex(2);
        publish(0, 10);
        QTest::qWait(600); // the timer stays still while switched off
        m_sampler->setRecording(true);
        m_sampler->resetRows();
        m_sampler->sample();
        m_sampler->setRows(m_rows.get());
        m_rows.reset(); // the table went with its workspace
        m_sampler->sample();
        QVERIFY(!QDir(m_project->path() + "/Data").exists());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
