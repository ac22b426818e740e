// The cell record and the page table that holds the records of one page.
#include "app/languageflag.h"
#include "core/weightingcelldata.h"
#include "core/weightingdata.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

namespace {

// A record's log lines and sounds in order: "INF CZ 1.5:text", "sound 2".
class EventLog : public QObject
{
public:
    explicit EventLog(WeightingCellData *record)
    {
        connect(record, &WeightingCellData::cellLogShowSignal, this,
                [this](const QString &st, const QString &str) { events << st + ' ' + str; });
        connect(record, &WeightingCellData::playAlarmMusicSignal, this,
                [this](int sound) { events << QStringLiteral("sound %1").arg(sound); });
    }
    QStringList events;
};

// Online; lower alarm 0, lower warning 1000, upper warning 2000, upper alarm 3000.
std::unique_ptr<WeightingCellData> onlineRecord(int raw, int index = 5)
{
    auto record = std::make_unique<WeightingCellData>(index, QStringLiteral("CZ 1.5"), 0);
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
    void cleanup() { LanguageFlag::setChinese(true); }

    // The link state ranks above every weight; a tare (peel) applies when set.
    void classification_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("raw");
        QTest::addColumn<double>("peel");
        QTest::addColumn<QString>("expected");
        const auto row = [](bool zh, int state, int raw, double peel, const char *text) {
            QTest::addRow("%s %d %d-%g", zh ? "zh" : "en", state, raw, peel) << zh << state << raw << peel
                                                                            << QString::fromUtf8(text);
        };
        using Row = std::pair<int, const char *>;
        for (const Row &zh : std::initializer_list<Row>{{-1, "超轻报警"}, {0, "超轻警告"}, {1000, "正常"}, {1999, "正常"},
                                                      {2000, "超重警告"}, {3000, "超重报警"},
                                                      {std::numeric_limits<int>::max(), "超重报警"}})
            row(true, 1, zh.first, 0, zh.second);
        row(false, 1, 0, 0, "Ultra-light warning");
        row(false, 1, 2000, 0, "Overweight warning");
        row(true, 1, 1100, 200, "超轻警告");
        row(true, 1, 1000, 1300.5, "超轻报警");
        row(true, 0, 1500, 0, "离线");
        row(false, 2, 3500, 0, "OFF");
        row(true, 3, -5, 0, "故障");
        row(false, 3, -5, 0, "ERR");
    }
    void classification()
    {
        QFETCH(bool, chinese);
        QFETCH(int, state);
        QFETCH(int, raw);
        QFETCH(double, peel);
        QFETCH(QString, expected);
        LanguageFlag::setChinese(chinese);
        const auto record = onlineRecord(1200);
        record->setPeel(peel);
        record->setPeelEnable(peel != 0);
        record->setState(quint8(state));
        record->setCurData(raw);
        QCOMPARE(record->curState(), expected);
    }

    void transitions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("toRaw");
        QTest::addColumn<int>("toState");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, int index, int raw, int state, const char *events) {
            QTest::newRow(name) << index << raw << state << QString::fromUtf8(events);
        };
        row("warning", 100, 2500, 1, "INF CZ 1.5:超重警告");
        row("offline", 5, 1500, 0, "INF CZ 1.5:离线|sound 1|ERR CZ 1.5:离线");
        row("fault", 5, 1500, 3, "INF CZ 1.5:故障|sound 1|ERR CZ 1.5:故障");
        // The total (0), cells above 100 and groups log only alarms and faults.
        row("total warning", 0, 2500, 1, "");
        row("cell 101 warning", 101, 500, 1, "");
        row("group alarm", 1005, 3000, 1, "INF CZ 1.5:超重报警|sound 2");
        row("cell 300 offline", 300, 1500, 2, "sound 1|ERR CZ 1.5:离线");
    }
    void transitions()
    {
        QFETCH(int, index);
        QFETCH(int, toRaw);
        QFETCH(int, toState);
        QFETCH(QString, expected);
        const auto record = onlineRecord(1500, index);
        EventLog log(record.get());
        QSignalSpy changed(record.get(), &WeightingCellData::curStateChanged);
        record->setState(quint8(toState));
        record->setCurData(toRaw);
        QCOMPARE(log.events.join('|'), expected);
        QCOMPARE(changed.count(), 1);

        // The same state again emits nothing.
        record->setCurData(toRaw);
        record->checkState();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(log.events.join('|'), expected);
    }

    // A classification makes eight reads; the 101st read since the last
    // reading takes the record offline, until the next reading restarts it.
    // A threshold write re-classifies only on a change; non-finite ones are ignored.
    void silentReadLimitAndThresholdWrites()
    {
        const auto record = onlineRecord(1500);
        for (double ignored : {3000.0, qQNaN(), qInf()})
            record->setMaxErrData(ignored);
        QCOMPARE(record->maxErrData(), 3000.0);
        QCOMPARE(record->readCount(), quint32(8));
        EventLog log(record.get());
        while (record->readCount() < 100)
            QCOMPARE(record->getCurData(), 1500.0);
        QCOMPARE(record->curState(), QStringLiteral("正常"));
        QVERIFY(log.events.isEmpty());
        record->getCurData();
        QCOMPARE(record->curState() + QString::number(record->state()), QStringLiteral("离线0"));
        QCOMPARE(log.events.join('|'), QStringLiteral("INF CZ 1.5:离线|sound 1|ERR CZ 1.5:离线"));
        while (record->readCount() < 10000)
            record->getCurData();
        record->getCurData();
        QCOMPARE(record->readCount() + log.events.size(), quint32(100 + 3));

        record->setCurData(1600);
        QCOMPARE(record->readCount(), quint32(8));
        QCOMPARE(record->curState(), QStringLiteral("离线"));
        record->setState(1);
        record->setCurData(1600);
        QCOMPARE(record->curState(), QStringLiteral("正常"));
        record->setMaxErrData(1500);
        QCOMPARE(record->readCount(), quint32(16));
        QCOMPARE(record->curState(), QStringLiteral("超重报警"));
    }

    // One record per slot (a second creation must not replace and lose it),
    // groups from slot 1001; setCellConfig(index, lower warning, upper warning,
    // lower alarm, upper alarm) sets the lower warning before the lower alarm.
    void pageTable()
    {
        auto page = std::make_unique<WeightingData>();
        QPointer<WeightingCellData> a = page->createCell(3, 5);
        QPointer<WeightingCellData> b = page->createCell(3, 6);
        QPointer<WeightingCellData> group = page->createGroup(2);
        QCOMPARE(a->name() + ' ' + group->name(), QStringLiteral("CZ 3.5 Group2"));
        QVERIFY(page->createCell(3, 5) == a && page->createGroup(2) == group && page->cell(1003) == group);
        a->setState(1);
        a->setCurData(100);
        QStringList states;
        connect(a, &WeightingCellData::curStateChanged, this, [&states, a] { states << a->curState(); });
        page->setCellConfig(5, 200, 400, 150, 500);
        QCOMPARE((QVector<double>{a->minWarnData(), a->maxWarnData(), a->minErrData(), a->maxErrData()}),
                 (QVector<double>{200, 400, 150, 500}));
        QCOMPARE(states, (QStringList{QStringLiteral("超轻警告"), QStringLiteral("超轻报警")}));
        page->setMaxWarnData(1003, 77);
        QCOMPARE(group->maxWarnData(), 77.0);
        page->setGroup(5, 3);
        page->setGroup(6, 4);
        page->clearGroup(3);
        QCOMPARE((QVector<int>{a->groupId(), b->groupId()}), (QVector<int>{0, 4}));
        page->deleteGroup(2);
        page->deleteCell(5);
        QVERIFY(group.isNull() && a.isNull() && b);
        page.reset();
        QVERIFY(b.isNull());
    }

    // Indexes outside 0 to 1020 reach no slot and touch nothing.
    void slotBounds()
    {
        WeightingData page;
        WeightingCellData *last = page.createCell(1, 1020);
        for (int index : {-1, 1021, std::numeric_limits<int>::min()}) {
            QCOMPARE(page.createCell(1, index), nullptr);
            QCOMPARE(page.cell(index), nullptr);
            page.setCellConfig(index, 1, 2, 3, 4);
            page.setGroup(index, 3);
            page.updateCellData(index, 100, 1, 0, 0, "-", "-", "-");
            page.deleteCell(index);
            QCOMPARE(page.createGroup(index < 0 ? index : index - 1001), nullptr);
            page.deleteGroup(index < 0 ? index : index - 1001);
        }
        QCOMPARE(page.cell(1020), last);
        QCOMPARE(last->maxErrData() + last->curData(), 500.0 - 1);
    }

    // An update classifies with the previous link state, then stores the new one.
    void updateCellData()
    {
        WeightingData page;
        WeightingCellData *record = page.createCell(20, 7);
        page.setCellConfig(7, 1000, 2000, 0, 3000);
        page.updateCellData(7, 1500, 1, 4, 0x0502, "87", "00:80:E1:26:D3:AA", "-61");
        QCOMPARE(record->curState(), QStringLiteral("离线"));
        QCOMPARE((QVector<int>{record->state(), record->errorNb(), record->boxType(), record->minMaxStarted()}),
                 (QVector<int>{1, 4, 0x0502, 1}));
        QCOMPARE(record->batter() + record->rssi(), QStringLiteral("87-61"));
        QVERIFY(record->bleAddress().isEmpty());
        page.updateCellData(7, 2500, 3, 0, 0, "87", QString(), "-61");
        page.updateCellData(7, 1200, 1, 0, 0, "87", QString(), "-61");
        QCOMPARE(record->curState(), QStringLiteral("故障"));
        QCOMPARE(record->maxData(), 2500);
        // Extremes restart at the current reading; offline reads zero them.
        page.resetMaxMinData();
        QCOMPARE((QVector<int>{record->maxData(), record->minData()}), (QVector<int>{1200, 1200}));
        page.updateCellData(7, 1300, 0, 0, 0, "87", QString(), "-61");
        page.updateCellData(7, 1300, 0, 0, 0, "87", QString(), "-61");
        QCOMPARE((QVector<int>{record->maxData(), record->minData()}), (QVector<int>{0, 0}));
    }
};

QTEST_GUILESS_MAIN(TestWeightingCellData)
#include "tst_weightingcelldata.moc"
