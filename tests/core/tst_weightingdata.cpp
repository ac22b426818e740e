#include "core/weightingcelldata.h"
#include "core/weightingdata.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <limits>
#include <memory>

class TestWeightingData : public QObject
{
    Q_OBJECT

private slots:
    void createRecords();
    void slotBounds_data();
    void slotBounds();
    void deleteRecords();
    void setCellConfigOrder();
    void forwardedSetters();
    void groups();
    void resetMaxMinData();
    void updateCellData();
};

void TestWeightingData::createRecords()
{
    WeightingData page;
    WeightingCellData *record = page.createCell(3, 17);
    QCOMPARE(page.cell(17), record);
    QCOMPARE(record->name(), QStringLiteral("CZ 3.17"));
    QCOMPARE(record->index(), 17);
    QCOMPARE(record->typeFlag(), 0);
    QCOMPARE(page.createCell(20, 0)->name(), QStringLiteral("CZ 20.0"));
    QCOMPARE(page.createCell(0, 1000)->name(), QStringLiteral("CZ 0.1000"));

    WeightingCellData *group = page.createGroup(4);
    QCOMPARE(group->name(), QStringLiteral("Group4"));
    QCOMPARE(group->index(), 1005);
    QCOMPARE(group->typeFlag(), 1);
    QCOMPARE(page.group(4), group);
    QCOMPARE(page.cell(1005), group);
    QCOMPARE(page.createGroup(0)->index(), 1001);
    QCOMPARE(page.createGroup(19)->index(), 1020);

    // A second creation must not replace (and lose) the existing record.
    record->setMaxErrData(5000);
    QCOMPARE(page.createCell(3, 17), record);
    QCOMPARE(page.cell(17)->maxErrData(), 5000.0);
    QCOMPARE(page.createGroup(4), group);
}

void TestWeightingData::slotBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("1021") << 1021;
    QTest::newRow("1022") << 1022;
    QTest::newRow("large") << (1 << 30);
    QTest::newRow("most negative") << std::numeric_limits<int>::min();
}

// Indexes outside 0 to 1020 reach no slot: nothing is created, changed or
// read, and nothing outside the table is touched.
void TestWeightingData::slotBounds()
{
    QFETCH(int, index);

    WeightingData page;
    WeightingCellData *last = page.createCell(1, 1020);
    WeightingCellData *first = page.createCell(1, 0);
    QVERIFY(last && first);

    QCOMPARE(page.createCell(1, index), nullptr);
    QCOMPARE(page.cell(index), nullptr);
    page.setCellConfig(index, 1, 2, 3, 4);
    page.setMaxErrData(index, 9);
    page.setMaxWarnData(index, 9);
    page.setMinErrData(index, 9);
    page.setMinWarnData(index, 9);
    page.setName(index, QStringLiteral("x"));
    page.setGroup(index, 3);
    page.updateCellData(index, 100, 1, 0, 0, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"));
    page.deleteCell(index);

    QCOMPARE(page.group(index), nullptr);
    QCOMPARE(page.createGroup(index < 0 ? index : index - 1001), nullptr);
    page.deleteGroup(index < 0 ? index : index - 1001);

    QCOMPARE(page.cell(1020), last);
    QCOMPARE(page.cell(0), first);
    for (WeightingCellData *record : {first, last}) {
        QCOMPARE(record->maxErrData(), 500.0);
        QCOMPARE(record->curData(), -1);
        QCOMPARE(record->groupId(), 0);
        QVERIFY(record->name().startsWith(QLatin1String("CZ 1.")));
    }
}

void TestWeightingData::deleteRecords()
{
    auto page = std::make_unique<WeightingData>();
    QPointer<WeightingCellData> cell = page->createCell(2, 7);
    QPointer<WeightingCellData> group = page->createGroup(3);
    page->deleteCell(7);
    QVERIFY(cell.isNull());
    QCOMPARE(page->cell(7), nullptr);
    page->deleteCell(7); // empty slot: nothing
    page->deleteGroup(3);
    QVERIFY(group.isNull());
    QCOMPARE(page->group(3), nullptr);

    // The slots can be used again, and the page deletes what it holds.
    cell = page->createCell(2, 7);
    group = page->createGroup(3);
    QVERIFY(cell && group);
    page.reset();
    QVERIFY(cell.isNull());
    QVERIFY(group.isNull());
}

// setCellConfig stores the index, then sets upper alarm, upper warning, lower
// warning and lower alarm: each changed threshold re-classifies in that order.
void TestWeightingData::setCellConfigOrder()
{
    WeightingData page;
    WeightingCellData *record = page.createCell(1, 5);
    record->setState(1);
    record->setCurData(100);
    QCOMPARE(record->curState(), QStringLiteral("正常"));
    record->setIndex(99);

    QStringList states;
    connect(record, &WeightingCellData::curStateChanged, this,
            [&states, record] { states << record->curState(); });
    page.setCellConfig(5, 200, 400, 150, 500);
    QCOMPARE(record->index(), 5);
    QCOMPARE(record->minWarnData(), 200.0);
    QCOMPARE(record->maxWarnData(), 400.0);
    QCOMPARE(record->minErrData(), 150.0);
    QCOMPARE(record->maxErrData(), 500.0);
    // Lower warning before lower alarm: first the warning, then the alarm.
    QCOMPARE(states, (QStringList{QStringLiteral("超轻警告"), QStringLiteral("超轻报警")}));

    page.setCellConfig(6, 0, 4000, 0, 5000); // empty slot: nothing
    QCOMPARE(page.cell(6), nullptr);
}

// Cells and groups share one index space; empty slots are passed over.
void TestWeightingData::forwardedSetters()
{
    WeightingData page;
    WeightingCellData *record = page.createCell(1, 5);
    WeightingCellData *group = page.createGroup(2);
    for (int index : {5, 1003, 6}) {
        page.setMaxErrData(index, 5000 + index);
        page.setMaxWarnData(index, 4000 + index);
        page.setMinErrData(index, 10 + index);
        page.setMinWarnData(index, 20 + index);
        page.setName(index, QStringLiteral("n%1").arg(index));
    }
    for (WeightingCellData *r : {record, group}) {
        const int index = r->index();
        QCOMPARE((QVector<double>{r->maxErrData(), r->maxWarnData(), r->minErrData(), r->minWarnData()}),
                 (QVector<double>{5000.0 + index, 4000.0 + index, 10.0 + index, 20.0 + index}));
        QCOMPARE(r->name(), QStringLiteral("n%1").arg(index));
    }
    QCOMPARE(page.cell(6), nullptr);
}

void TestWeightingData::groups()
{
    WeightingData page;
    WeightingCellData *a = page.createCell(1, 1);
    WeightingCellData *b = page.createCell(1, 2);
    WeightingCellData *c = page.createCell(1, 1000);
    WeightingCellData *group = page.createGroup(3);
    page.setGroup(1, 3);
    page.setGroup(2, 4);
    page.setGroup(1000, 3);
    page.setGroup(1004, 3); // a group record's own groupId is outside the cell slots
    page.setGroup(7, 3);    // empty slot
    QCOMPARE(a->groupId(), 3);
    QCOMPARE(b->groupId(), 4);
    QCOMPARE(c->groupId(), 3);

    page.clearGroup(3);
    QCOMPARE(a->groupId(), 0);
    QCOMPARE(b->groupId(), 4);
    QCOMPARE(c->groupId(), 0);
    QCOMPARE(group->groupId(), 3);
}

void TestWeightingData::resetMaxMinData()
{
    WeightingData page;
    WeightingCellData *cell = page.createCell(1, 1000);
    WeightingCellData *group = page.createGroup(19);
    for (WeightingCellData *record : {cell, group}) {
        record->setState(1);
        record->setMinMaxStarted(1);
        record->setCurData(100);
        record->setCurData(300);
        record->setCurData(200);
        QCOMPARE(record->maxData(), 300);
    }
    page.resetMaxMinData();
    for (WeightingCellData *record : {cell, group}) {
        QCOMPARE(record->maxData(), 200);
        QCOMPARE(record->minData(), 200);
    }
}

// A device update classifies with the link state of the previous update, then
// stores the new state and the pass-through fields.
void TestWeightingData::updateCellData()
{
    WeightingData page;
    WeightingCellData *record = page.createCell(20, 7);
    page.setCellConfig(7, 1000, 2000, 0, 3000);
    QSignalSpy batter(record, &WeightingCellData::batterChanged);
    QSignalSpy rssi(record, &WeightingCellData::rssiChanged);

    page.updateCellData(7, 1500, 1, 4, 0x0502, QStringLiteral("87"), QStringLiteral("00:80:E1:26:D3:AA"),
                        QStringLiteral("-61"));
    QCOMPARE(record->curData(), 1500);
    QCOMPARE(record->curState(), QStringLiteral("离线"));
    QCOMPARE(record->state(), quint8(1));
    QCOMPARE(record->errorNb(), quint8(4));
    QCOMPARE(record->boxType(), quint16(0x0502));
    QCOMPARE(record->batter(), QStringLiteral("87"));
    QCOMPARE(record->rssi(), QStringLiteral("-61"));
    QCOMPARE(record->minMaxStarted(), 1);
    QVERIFY(record->bleAddress().isEmpty());
    QCOMPARE(batter.count(), 1);
    QCOMPARE(rssi.count(), 1);

    page.updateCellData(7, 2500, 3, 0, 0x0502, QStringLiteral("87"), QString(), QStringLiteral("-61"));
    QCOMPARE(record->curState(), QStringLiteral("超重警告"));
    QCOMPARE(record->state(), quint8(3));
    QCOMPARE(batter.count(), 1);
    QCOMPARE(rssi.count(), 1);
    QCOMPARE(record->maxData(), 2500);

    page.updateCellData(7, 2400, 1, 0, 0, QStringLiteral("86"), QString(), QStringLiteral("-70"));
    QCOMPARE(record->curState(), QStringLiteral("故障"));
    QCOMPARE(batter.count(), 2);
    QCOMPARE(rssi.count(), 2);

    // Hub cells are updated with "-" texts.
    WeightingCellData *hubCell = page.createCell(20, 8);
    page.updateCellData(8, 10, 1, 0, 0, QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"));
    QCOMPARE(hubCell->batter(), QStringLiteral("-"));
    QCOMPARE(hubCell->rssi(), QStringLiteral("-"));

    // An empty slot is ignored.
    page.updateCellData(9, 10, 1, 0, 0, QString(), QString(), QString());
    QCOMPARE(page.cell(9), nullptr);
}

QTEST_GUILESS_MAIN(TestWeightingData)
#include "tst_weightingdata.moc"
