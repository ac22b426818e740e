#include "app/languageflag.h"
#include "core/weightingcelldata.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

// Records the log lines, sound requests and state changes of one record in the
// order they were emitted, as "INF CZ 1.5:text", "sound 2", "state text".
class EventLog : public QObject
{
public:
    explicit EventLog(WeightingCellData *record, bool withStates = false)
    {
        connect(record, &WeightingCellData::cellLogShowSignal, this,
                [this](const QString &st, const QString &str) { events << st + QLatin1Char(' ') + str; });
        connect(record, &WeightingCellData::playAlarmMusicSignal, this,
                [this](int sound) { events << QStringLiteral("sound %1").arg(sound); });
        if (withStates) {
            connect(record, &WeightingCellData::curStateChanged, this,
                    [this, record] { events << QStringLiteral("state ") + record->curState(); });
        }
    }
    QStringList events;
};

// A record online (link state 1) with the thresholds 0 / 1000 / 2000 / 3000
// (lower alarm, lower warning, upper warning, upper alarm) and a first reading.
std::unique_ptr<WeightingCellData> onlineRecord(int index, const QString &name, int raw)
{
    auto record = std::make_unique<WeightingCellData>(index, name, 0);
    record->setState(1);
    record->setMaxErrData(3000);
    record->setMaxWarnData(2000);
    record->setMinWarnData(1000);
    record->setMinErrData(0);
    record->setCurData(raw);
    return record;
}

} // namespace

class TestWeightingCellData : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void freshRecord();
    void classification_data();
    void classification();
    void tare_data();
    void tare();
    void linkState_data();
    void linkState();
    void transitions_data();
    void transitions();
    void unchangedStateEmitsNothing();
    void renamedRecordLogsNewName();
    void silentReadLimit_data();
    void silentReadLimit();
    void classificationCrossesSilenceLimit_data();
    void classificationCrossesSilenceLimit();
    void silenceCountRestartsAndWraps();
    void unorderedThresholds_data();
    void unorderedThresholds();
    void thresholdSetters_data();
    void thresholdSetters();
    void extremes();
    void properties_data();
    void properties();
};

void TestWeightingCellData::cleanup()
{
    LanguageFlag::setChinese(true);
}

// The property defaults are checked by properties(); these are the rest.
void TestWeightingCellData::freshRecord()
{
    WeightingCellData record(17, QStringLiteral("CZ 3.17"), 0);
    QCOMPARE(record.curData(), -1);
    QCOMPARE(record.maxWarnData(), 400.0);
    QCOMPARE(record.maxErrData(), 500.0);
    QCOMPARE((QVector<double>{record.minWarnData(), record.minErrData(), double(record.maxData()),
                              double(record.minData())}),
             QVector<double>(4, 0.0));
    QCOMPARE(record.state(), quint8(0));
    QCOMPARE(record.readCount(), quint32(0));
}

// Without a translator the texts are the literals written in the code, the
// Chinese or the English one as the language flag selects.
void TestWeightingCellData::classification_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("expected");

    const struct {
        int raw;
        const char *chinese;
        const char *english;
    } rows[] = {
        {-1, "超轻报警", "Ultra-light alarm"},
        {0, "超轻警告", "Ultra-light warning"},
        {999, "超轻警告", "Ultra-light warning"},
        {1000, "正常", "Normal"},
        {1999, "正常", "Normal"},
        {2000, "超重警告", "Overweight warning"},
        {2999, "超重警告", "Overweight warning"},
        {3000, "超重报警", "Overweight alarm"},
        {std::numeric_limits<int>::max(), "超重报警", "Overweight alarm"},
        {std::numeric_limits<int>::min(), "超轻报警", "Ultra-light alarm"},
    };
    for (const auto &row : rows) {
        QTest::addRow("zh %d", row.raw) << true << row.raw << QString::fromUtf8(row.chinese);
        QTest::addRow("en %d", row.raw) << false << row.raw << QString::fromUtf8(row.english);
    }
}

void TestWeightingCellData::classification()
{
    QFETCH(bool, chinese);
    QFETCH(int, raw);
    QFETCH(QString, expected);

    LanguageFlag::setChinese(chinese);
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), raw);
    QCOMPARE(record->curState(), expected);
    QCOMPARE(record->curData(), raw);
}

void TestWeightingCellData::tare_data()
{
    QTest::addColumn<double>("peel");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<double>("net");
    QTest::addColumn<QString>("expected");

    // Upper warning at 1100 so that 1000 and 1200 classify differently.
    QTest::newRow("tare on") << 200.0 << true << 1000.0 << QStringLiteral("正常");
    QTest::newRow("tare off") << 200.0 << false << 1200.0 << QStringLiteral("超重警告");
    QTest::newRow("fractional tare") << 200.5 << true << 999.5 << QStringLiteral("超轻警告");
    QTest::newRow("tare above reading") << 1300.0 << true << -100.0 << QStringLiteral("超轻报警");
}

void TestWeightingCellData::tare()
{
    QFETCH(double, peel);
    QFETCH(bool, enabled);
    QFETCH(double, net);
    QFETCH(QString, expected);

    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 0);
    record->setMaxWarnData(1100);
    record->setPeel(peel);
    record->setPeelEnable(enabled);
    record->setCurData(1200);
    QCOMPARE(record->curState(), expected);
    QCOMPARE(record->getCurData(), net);
    QCOMPARE(record->curData(), 1200);
}

void TestWeightingCellData::linkState_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("extremesKept");

    QTest::newRow("zh offline 0") << true << 0 << QStringLiteral("离线") << false;
    QTest::newRow("zh offline 2") << true << 2 << QStringLiteral("离线") << false;
    QTest::newRow("zh fault 3") << true << 3 << QStringLiteral("故障") << true;
    QTest::newRow("zh unknown 4 is offline") << true << 4 << QStringLiteral("离线") << true;
    QTest::newRow("zh unknown 255 is offline") << true << 255 << QStringLiteral("离线") << true;
    QTest::newRow("en offline 0") << false << 0 << QStringLiteral("OFF") << false;
    QTest::newRow("en offline 2") << false << 2 << QStringLiteral("OFF") << false;
    QTest::newRow("en fault 3") << false << 3 << QStringLiteral("ERR") << true;
}

// The link state ranks above every weight; states 0 and 2 also zero the
// extremes at every read.
void TestWeightingCellData::linkState()
{
    QFETCH(bool, chinese);
    QFETCH(int, state);
    QFETCH(QString, expected);
    QFETCH(bool, extremesKept);

    LanguageFlag::setChinese(chinese);
    for (int raw : {-5, 1500, 2500, 3500}) {
        const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1200);
        record->setMinMaxStarted(1);
        record->setState(quint8(state));
        record->setCurData(raw);
        QCOMPARE(record->curState(), expected);
        QCOMPARE(record->maxData(), extremesKept ? qMax(1200, raw) : 0);
        QCOMPARE(record->minData(), extremesKept ? qMin(1200, raw) : 0);
    }
}

void TestWeightingCellData::transitions_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("toRaw");
    QTest::addColumn<int>("toState");
    QTest::addColumn<QStringList>("expected");

    // Every record starts at 1500 ("正常"/"Normal") with link state 1; the
    // expected events are "|"-separated.
    const auto row = [](const QString &name, bool chinese, int index, int raw, int state, const char *events) {
        const QString text = QString::fromUtf8(events);
        QTest::newRow(qPrintable(name)) << chinese << index << raw << state
                                        << (text.isEmpty() ? QStringList() : text.split(QLatin1Char('|')));
    };
    for (int index : {1, 5, 100}) {
        const QString at = QStringLiteral("index %1 ").arg(index);
        row(at + "overweight warning", true, index, 2500, 1, "INF CZ 1.5:超重警告");
        row(at + "ultra-light warning", true, index, 500, 1, "INF CZ 1.5:超轻警告");
        row(at + "overweight alarm", true, index, 3000, 1, "INF CZ 1.5:超重报警|sound 2");
        row(at + "ultra-light alarm", true, index, -1, 1, "INF CZ 1.5:超轻报警|sound 2");
        row(at + "offline", true, index, 1500, 0, "INF CZ 1.5:离线|sound 1|ERR CZ 1.5:离线");
        row(at + "fault", true, index, 1500, 3, "INF CZ 1.5:故障|sound 1|ERR CZ 1.5:故障");
    }
    row("en overweight alarm", false, 5, 3000, 1, "INF CZ 1.5:Overweight alarm|sound 2");
    row("en ultra-light alarm index 300", false, 300, -1, 1, "INF CZ 1.5:Ultra-light alarm|sound 2");
    row("en offline", false, 5, 1500, 2, "INF CZ 1.5:OFF|sound 1|ERR CZ 1.5:OFF");
    row("en fault index 0", false, 0, 1500, 3, "sound 1|ERR CZ 1.5:ERR");

    // The total (0), cells above 100 and groups log only alarms and faults.
    for (int index : {0, 101, 300, 1005}) {
        const QString at = QStringLiteral("index %1 ").arg(index);
        row(at + "warning", true, index, 2500, 1, "");
        row(at + "ultra-light warning", true, index, 500, 1, "");
        row(at + "alarm", true, index, 3000, 1, "INF CZ 1.5:超重报警|sound 2");
        row(at + "offline", true, index, 1500, 0, "sound 1|ERR CZ 1.5:离线");
        row(at + "fault", true, index, 1500, 3, "sound 1|ERR CZ 1.5:故障");
    }
}

void TestWeightingCellData::transitions()
{
    QFETCH(bool, chinese);
    QFETCH(int, index);
    QFETCH(int, toRaw);
    QFETCH(int, toState);
    QFETCH(QStringList, expected);

    LanguageFlag::setChinese(chinese);
    const auto record = onlineRecord(index, QStringLiteral("CZ 1.5"), 1500);
    QCOMPARE(record->curState(), chinese ? QStringLiteral("正常") : QStringLiteral("Normal"));

    EventLog log(record.get());
    QSignalSpy stateSpy(record.get(), &WeightingCellData::curStateChanged);
    record->setState(quint8(toState));
    record->setCurData(toRaw);
    QCOMPARE(log.events, expected);
    QCOMPARE(stateSpy.count(), 1);
}

void TestWeightingCellData::unchangedStateEmitsNothing()
{
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 3500);
    QCOMPARE(record->curState(), QStringLiteral("超重报警"));

    EventLog log(record.get());
    QSignalSpy stateSpy(record.get(), &WeightingCellData::curStateChanged);
    record->setCurData(4000);
    record->setCurState(QStringLiteral("超重报警"));
    record->checkState();
    QCOMPARE(stateSpy.count(), 0);
    QCOMPARE(log.events, QStringList());

    // A different text, written twice, emits once.
    record->setCurState(QStringLiteral("故障"));
    record->setCurState(QStringLiteral("故障"));
    QCOMPARE(stateSpy.count(), 1);
    QCOMPARE(log.events, (QStringList{QStringLiteral("INF CZ 1.5:故障"), QStringLiteral("sound 1"),
                                      QStringLiteral("ERR CZ 1.5:故障")}));
}

void TestWeightingCellData::renamedRecordLogsNewName()
{
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1500);
    EventLog log(record.get());
    QSignalSpy stateSpy(record.get(), &WeightingCellData::curStateChanged);
    record->setName(QStringLiteral("Silo A"));
    QCOMPARE(record->name(), QStringLiteral("Silo A"));
    QCOMPARE(stateSpy.count(), 0);
    record->setCurData(2500);
    QCOMPARE(log.events, QStringList{QStringLiteral("INF Silo A:超重警告")});
}

void TestWeightingCellData::silentReadLimit_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("index 5")
        << 5 << QStringList{QStringLiteral("INF CZ 1.5:离线"), QStringLiteral("sound 1"), QStringLiteral("ERR CZ 1.5:离线")};
    QTest::newRow("index 300") << 300 << QStringList{QStringLiteral("sound 1"), QStringLiteral("ERR CZ 1.5:离线")};
}

// The classification of a reading makes eight reads; the record goes offline
// at the 101st read since the reading and stays offline at every later one.
void TestWeightingCellData::silentReadLimit()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);

    const auto record = onlineRecord(index, QStringLiteral("CZ 1.5"), 1500);
    QCOMPARE(record->readCount(), quint32(8));

    EventLog log(record.get());
    for (int read = 9; read <= 100; ++read)
        QCOMPARE(record->getCurData(), 1500.0);
    QCOMPARE(record->readCount(), quint32(100));
    QCOMPARE(record->curState(), QStringLiteral("正常"));
    QCOMPARE(record->state(), quint8(1));
    QVERIFY(log.events.isEmpty());

    QCOMPARE(record->getCurData(), 1500.0);
    QCOMPARE(record->readCount(), quint32(101));
    QCOMPARE(record->curState(), QStringLiteral("离线"));
    QCOMPARE(record->state(), quint8(0));
    QCOMPARE(log.events, expected);

    // Later silent reads keep the offline text without new log lines.
    record->getCurData();
    QCOMPARE(record->readCount(), quint32(102));
    QCOMPARE(log.events, expected);
}

void TestWeightingCellData::classificationCrossesSilenceLimit_data()
{
    QTest::addColumn<int>("linkState");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("expected");

    QTest::newRow("online zh") << 1 << true << QStringLiteral("离线");
    QTest::newRow("online en") << 1 << false << QStringLiteral("OFF");
    QTest::newRow("fault becomes offline") << 3 << true << QStringLiteral("离线");
}

// A threshold change at read 98 classifies with reads 99 to 106: the third
// read crosses the limit, clears the link state, and the link rule then
// yields offline even though the weight alone would be an alarm.
void TestWeightingCellData::classificationCrossesSilenceLimit()
{
    QFETCH(int, linkState);
    QFETCH(bool, chinese);
    QFETCH(QString, expected);

    LanguageFlag::setChinese(chinese);
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1500);
    record->setState(quint8(linkState));
    while (record->readCount() < 98)
        record->getCurData();

    QSignalSpy stateSpy(record.get(), &WeightingCellData::curStateChanged);
    EventLog log(record.get());
    record->setMaxErrData(1000);
    QCOMPARE(record->readCount(), quint32(106));
    QCOMPARE(record->state(), quint8(0));
    QCOMPARE(record->curState(), expected);
    QCOMPARE(stateSpy.count(), 1);
    QCOMPARE(log.events.count(QStringLiteral("sound 1")), 1);
    QCOMPARE(log.events.count(QStringLiteral("sound 2")), 0);
}

// A reading restarts the count; far past the limit it wraps back to the limit.
void TestWeightingCellData::silenceCountRestartsAndWraps()
{
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1500);
    while (record->readCount() < 10000)
        record->getCurData();
    QCOMPARE(record->curState(), QStringLiteral("离线"));
    record->getCurData();
    QCOMPARE(record->readCount(), quint32(100));
    record->getCurData();
    QCOMPARE(record->readCount(), quint32(101));
    QCOMPARE(record->curState(), QStringLiteral("离线"));

    // The device's next reading restarts the count; the state follows only
    // once the link state says online again.
    record->setCurData(1600);
    QCOMPARE(record->readCount(), quint32(8));
    QCOMPARE(record->curState(), QStringLiteral("离线"));
    record->setState(1);
    record->setCurData(1600);
    QCOMPARE(record->readCount(), quint32(8));
    QCOMPARE(record->curState(), QStringLiteral("正常"));
}

void TestWeightingCellData::unorderedThresholds_data()
{
    QTest::addColumn<double>("minErr");
    QTest::addColumn<double>("minWarn");
    QTest::addColumn<double>("maxWarn");
    QTest::addColumn<double>("maxErr");
    QTest::addColumn<int>("raw");
    QTest::addColumn<QString>("expected");

    // Later rules overwrite earlier matches.
    QTest::newRow("lower alarm above lower warning")
        << 2000.0 << 1000.0 << 500.0 << 3000.0 << 1500 << QStringLiteral("超轻报警");
    QTest::newRow("upper alarm below warnings, inside lower warning band")
        << 0.0 << 3000.0 << 4000.0 << 2000.0 << 2500 << QStringLiteral("超重报警");
    QTest::newRow("upper alarm below warnings, inside normal band")
        << 0.0 << 3000.0 << 4000.0 << 2000.0 << 3500 << QStringLiteral("超重报警");
    QTest::newRow("all zero, reading zero") << 0.0 << 0.0 << 0.0 << 0.0 << 0 << QStringLiteral("超重报警");
    QTest::newRow("equal warnings") << 0.0 << 1000.0 << 1000.0 << 3000.0 << 1000 << QStringLiteral("超重警告");
    QTest::newRow("upper warning below lower warning")
        << 0.0 << 2000.0 << 1000.0 << 3000.0 << 1500 << QStringLiteral("超重警告");
}

void TestWeightingCellData::unorderedThresholds()
{
    QFETCH(double, minErr);
    QFETCH(double, minWarn);
    QFETCH(double, maxWarn);
    QFETCH(double, maxErr);
    QFETCH(int, raw);
    QFETCH(QString, expected);

    WeightingCellData record(5, QStringLiteral("CZ 1.5"), 0);
    record.setState(1);
    record.setMinErrData(minErr);
    record.setMinWarnData(minWarn);
    record.setMaxWarnData(maxWarn);
    record.setMaxErrData(maxErr);
    record.setCurData(raw);
    QCOMPARE(record.curState(), expected);
}

using ThresholdSetter = void (WeightingCellData::*)(double);
using ThresholdGetter = double (WeightingCellData::*)() const;
Q_DECLARE_METATYPE(ThresholdSetter)
Q_DECLARE_METATYPE(ThresholdGetter)

void TestWeightingCellData::thresholdSetters_data()
{
    QTest::addColumn<ThresholdSetter>("set");
    QTest::addColumn<ThresholdGetter>("get");
    QTest::newRow("upper alarm") << &WeightingCellData::setMaxErrData << &WeightingCellData::maxErrData;
    QTest::newRow("upper warning") << &WeightingCellData::setMaxWarnData << &WeightingCellData::maxWarnData;
    QTest::newRow("lower alarm") << &WeightingCellData::setMinErrData << &WeightingCellData::minErrData;
    QTest::newRow("lower warning") << &WeightingCellData::setMinWarnData << &WeightingCellData::minWarnData;
}

// A threshold write re-classifies (eight reads) only when the value changed;
// a value that is not a number is ignored.
void TestWeightingCellData::thresholdSetters()
{
    QFETCH(ThresholdSetter, set);
    QFETCH(ThresholdGetter, get);

    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1500);
    WeightingCellData &r = *record;
    const double before = (r.*get)();
    for (double same : {before, before * (1 + 1e-14), std::numeric_limits<double>::quiet_NaN(),
                        std::numeric_limits<double>::infinity()})
        (r.*set)(same);
    QCOMPARE((r.*get)(), before);
    QCOMPARE(r.readCount(), quint32(8));

    (r.*set)(before + 0.5);
    QCOMPARE((r.*get)(), before + 0.5);
    QCOMPARE(r.readCount(), quint32(16));
}

void TestWeightingCellData::extremes()
{
    const auto record = onlineRecord(5, QStringLiteral("CZ 1.5"), 1500);
    // Before tracking starts every reading sets both extremes.
    QCOMPARE(record->maxData(), 1500);
    QCOMPARE(record->minData(), 1500);
    record->setCurData(1400);
    QCOMPARE(record->maxData(), 1400);
    QCOMPARE(record->minData(), 1400);

    record->setMinMaxStarted(1);
    for (int raw : {1600, 1200, 1500})
        record->setCurData(raw);
    QCOMPARE(record->maxData(), 1600);
    QCOMPARE(record->minData(), 1200);

    record->resetMaxMinData();
    QCOMPARE(record->maxData(), 1500);
    QCOMPARE(record->minData(), 1500);

    // Offline reads force both to 0.
    record->setState(0);
    record->getCurData();
    QCOMPARE(record->maxData(), 0);
    QCOMPARE(record->minData(), 0);
}

void TestWeightingCellData::properties_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("resetValue");

    QTest::newRow("peel") << QByteArray("peel") << QVariant(12.5) << QVariant(0.0);
    QTest::newRow("peelEnable") << QByteArray("peelEnable") << QVariant(true) << QVariant(false);
    QTest::newRow("bleAddress") << QByteArray("bleAddress") << QVariant(QStringLiteral("00:80:E1:26:D3:AA"))
                                << QVariant(QString());
    QTest::newRow("batter") << QByteArray("batter") << QVariant(QStringLiteral("87")) << QVariant(QString());
    QTest::newRow("rssi") << QByteArray("rssi") << QVariant(QStringLiteral("-60")) << QVariant(QString());
    QTest::newRow("idIsErr") << QByteArray("idIsErr") << QVariant(true) << QVariant(false);
    QTest::newRow("ErrId") << QByteArray("ErrId") << QVariant(7) << QVariant(0);
    QTest::newRow("curState") << QByteArray("curState") << QVariant(QStringLiteral("正常")) << QVariant(QString());
}

// Every property: the write notifies once per change, the reset restores the
// initial value (and notifies), and nothing else is emitted.
void TestWeightingCellData::properties()
{
    QFETCH(QByteArray, key);
    const char *name = key.constData();
    QFETCH(QVariant, value);
    QFETCH(QVariant, resetValue);

    WeightingCellData record(0, QStringLiteral("ALL LOAD"), 0);
    const QMetaProperty property = record.metaObject()->property(record.metaObject()->indexOfProperty(name));
    QVERIFY(property.isWritable() && property.isResettable() && property.hasNotifySignal());

    QSignalSpy notify(&record, property.notifySignal());
    QSignalSpy idIsErr1(&record, &WeightingCellData::idIsErr1Changed);
    EventLog log(&record);

    QCOMPARE(record.property(name), resetValue);
    for (int write = 0; write < 2; ++write)
        QVERIFY(record.setProperty(name, value));
    QCOMPARE(record.property(name), value);
    QCOMPARE(notify.count(), 1);

    for (int reset = 0; reset < 2; ++reset)
        QVERIFY(property.reset(&record));
    QCOMPARE(record.property(name), resetValue);
    QCOMPARE(notify.count(), 2);
    QCOMPARE(idIsErr1.count(), 0);
    QCOMPARE(log.events, QStringList());
}

QTEST_GUILESS_MAIN(TestWeightingCellData)
#include "tst_weightingcelldata.moc"
