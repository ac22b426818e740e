#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "publicationlog.h"
#include "testdatagrams.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using ControlCall = std::function<void(WeightingConTrol &)>;
Q_DECLARE_METATYPE(ControlCall)

namespace {

// Everything a record shows to the rest of the program, for "nothing changed" checks.
QString recordState(const WeightingCellData &r)
{
    return QStringList{QString::number(r.index()), r.name(), QString::number(r.groupId()),
                       QString::number(r.curData()), QString::number(r.peel()), QString::number(r.peelEnable()),
                       QString::number(r.maxWarnData()), QString::number(r.minWarnData()),
                       QString::number(r.maxErrData()), QString::number(r.minErrData()), r.bleAddress(),
                       QString::number(r.idIsErr()), QString::number(r.typeFlag()), r.curState()}
        .join(QLatin1Char('|'));
}

QStringList modelState(const WeightingConTrol &control)
{
    QStringList state;
    for (int p = 0; p < WeightingConTrol::PageCount; ++p) {
        const WeightingData *page = control.page(p);
        if (!page) {
            state << QStringLiteral("page %1 none").arg(p);
            continue;
        }
        for (int slot = 0; slot < WeightingData::SlotCount; ++slot) {
            if (const WeightingCellData *r = page->cell(slot))
                state << QStringLiteral("%1.%2 ").arg(p).arg(slot) + recordState(*r);
        }
    }
    return state;
}

// Reading `raw` for cell `index` of hub page `page`, taken in by the next refresh.
void feed(WeightingConTrol &control, int page, int index, int raw, int state = 1)
{
    QByteArray bytes = hubDatagram(page, {hubRecord(index, raw, state)});
    control.udpReadData(bytesOf(bytes), bytes.size());
}

} // namespace

class TestWeightingControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void construction();
    void createCell_data();
    void createCell();
    void createBleCell();
    void deleteCell();
    void qmlSetGroupCreatesTheGroupAndPublishesItsSum();
    void removeGroup();
    void truncatedRunningSums();
    void totalOnlineWhenAnyCellIsOnline();
    void publicationOrderAndArguments();
    void conFactorScalingAndTare();
    void traceEnable_data();
    void traceEnable();
    void refreshWithoutPageOne();
    void setGroupIndex_data();
    void setGroupIndex();
    void invalidArgumentsChangeNothing_data();
    void invalidArgumentsChangeNothing();
    void recordSignalsRelayedOncePerRecord();
    void closingTheProjectDropsEveryRecord();
    void resetMaxMinDataOnEveryPage();
    void conFactorProperty();
    void withoutLinks();
};

void TestWeightingControl::init()
{
    LanguageFlag::setChinese(true);
}

void TestWeightingControl::construction()
{
    WeightingConTrol control;
    QCOMPARE(control.Comm()->owner(), &control);
    QCOMPARE(control.serialDevice()->owner(), &control);
    QVERIFY(control.bleComm() && control.dataSourceLocal());
    QCOMPARE(control.disConnecttimes(), uint32_t(65535));
    for (int p = 0; p < WeightingConTrol::PageCount; ++p)
        QCOMPARE(control.page(p), nullptr);
}

void TestWeightingControl::createCell_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QVector<int>>("presets");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << true << QVector<int>() << "创建设备ID:3.17";
    QTest::newRow("English") << false << QVector<int>() << "Create device ID:3.17";
    QTest::newRow("project presets") << true << QVector<int>{10, 900, 100, 800} << "创建设备ID:3.17";
}

// New cells take the presets (lower alarm, upper alarm, lower warning, upper
// warning: 0 / 5000 / 0 / 4000 until a project sets them); an occupied slot
// keeps its record.
void TestWeightingControl::createCell()
{
    QFETCH(bool, chinese);
    QFETCH(QVector<int>, presets);
    QFETCH(QString, message);
    WeightingConTrol control;
    control.setCH(chinese);
    if (presets.isEmpty())
        presets = {0, 5000, 0, 4000};
    else
        control.setPreData(presets[0], presets[1], presets[2], presets[3]);
    QCOMPARE((QVector<int>{control.preMinErrData(), control.preMaxErrData(), control.preMinWarnData(),
                           control.preMaxWarnData()}),
             presets);
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.createCell(3, 17);
    const WeightingCellData *cell = control.page(3)->cell(17);
    QVERIFY(cell);
    QCOMPARE(cell->name(), QStringLiteral("CZ 3.17"));
    QCOMPARE((QVector<double>{cell->minErrData(), cell->maxErrData(), cell->minWarnData(), cell->maxWarnData()}),
             (QVector<double>{double(presets[0]), double(presets[1]), double(presets[2]), double(presets[3])}));
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0), (QList<QVariant>{"INF", message}));

    control.createCell(3, 17);
    QCOMPARE(control.page(3)->cell(17), cell);
    QCOMPARE(log.count(), 1);
}

void TestWeightingControl::createBleCell()
{
    WeightingConTrol control;
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.createBleCell(QStringLiteral("AB:CD"), 5);
    const WeightingCellData *cell = control.page(20)->cell(5);
    QVERIFY(cell);
    QCOMPARE(cell->bleAddress(), QStringLiteral("00:80:E1:26:AB:CD"));
    QCOMPARE(cell->maxErrData(), 5000.0);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(1).toString(), QStringLiteral("创建设备ID:20.5"));

    // An occupied slot keeps its record and its binding.
    control.createBleCell(QStringLiteral("11:22"), 5);
    QCOMPARE(control.page(20)->cell(5)->bleAddress(), QStringLiteral("00:80:E1:26:AB:CD"));
    QCOMPARE(log.count(), 1);
}

void TestWeightingControl::deleteCell()
{
    WeightingConTrol control;
    QSignalSpy deleted(&control, &WeightingConTrol::deleteCellSignal);
    control.deleteCell(4, 1);
    QCOMPARE(deleted.count(), 0);

    control.createCell(4, 1);
    QPointer<WeightingCellData> cell = control.page(4)->cell(1);
    control.deleteCell(4, 1);
    QVERIFY(cell.isNull());
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(deleted.at(0), (QList<QVariant>{4, 1}));
    // An empty slot of an existing page is still announced.
    control.deleteCell(4, 2);
    QCOMPARE(deleted.count(), 2);
}

void TestWeightingControl::qmlSetGroupCreatesTheGroupAndPublishesItsSum()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(2, 7);
    control.createCell(2, 8);
    control.qmlSetGroup(2, 7, 3);
    control.qmlSetGroup(2, 8, 3);
    control.createCell(4, 5);
    control.page(4)->cell(5)->setGroupId(25);
    QCOMPARE(control.page(2)->cell(7)->groupId(), 3);
    const WeightingCellData *group = control.page(1)->group(3);
    QVERIFY(group);
    QCOMPARE(group->name(), QStringLiteral("Group3"));
    QCOMPARE(group->index(), 1004);

    QByteArray bytes = hubDatagram(2, {hubRecord(7, 300), hubRecord(8, 45)});
    control.udpReadData(bytesOf(bytes), bytes.size());
    PublicationLog published(&control);
    control.qmlRequestReflsh();
    const Publication sum = published.find(1, 1004);
    QVERIFY(sum.group);
    QCOMPARE(sum.name, QStringLiteral("Group3"));
    QCOMPARE(sum.typeFlag, 1);
    QCOMPARE(sum.curData, 345);
    QCOMPARE(sum.state, 1);
    QCOMPARE(sum.record, group);

    // Members show their group in the display name; a group number beyond the
    // model (a hand-edited project) has no group to name.
    QCOMPARE(published.find(2, 7).name, QStringLiteral("CZ 2.7(Group3)"));
    QCOMPARE(published.find(2, 7).groupId, 3);
    QCOMPARE(published.find(4, 5).name, QStringLiteral("CZ 4.5"));
    QCOMPARE(published.find(4, 5).groupId, 25);
}

void TestWeightingControl::removeGroup()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(1, 5);
    control.createCell(3, 2);
    control.createCell(20, 9);
    control.qmlSetGroup(1, 5, 2);
    control.qmlSetGroup(3, 2, 2);
    control.qmlSetGroup(20, 9, 2);
    control.qmlSetGroup(3, 2, 2);
    QPointer<WeightingCellData> group = control.page(1)->group(2);
    QVERIFY(group);
    QSignalSpy removed(&control, &WeightingConTrol::removeGroupSignal);

    control.removeGroup(1, 1003);
    QVERIFY(group.isNull());
    QCOMPARE(control.page(1)->cell(5)->groupId(), 0);
    QCOMPARE(control.page(3)->cell(2)->groupId(), 0);
    QCOMPARE(control.page(20)->cell(9)->groupId(), 0);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0), (QList<QVariant>{1, 1003}));

    // With no members left the refresh does not bring the group back.
    control.qmlRequestReflsh();
    QVERIFY(!control.page(1)->group(2));
}

void TestWeightingControl::truncatedRunningSums()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    for (int index : {1, 2}) {
        control.createCell(1, index);
        control.qmlSetGroup(1, index, 4);
        WeightingCellData *cell = control.page(1)->cell(index);
        cell->setPeel(0.5);
        cell->setPeelEnable(true);
    }
    QByteArray bytes = hubDatagram(1, {hubRecord(1, 2), hubRecord(2, 2)});
    control.udpReadData(bytesOf(bytes), bytes.size());
    PublicationLog published(&control);
    control.qmlRequestReflsh();
    // Each member's net value is 1.5; the running sum is cut after each step.
    QCOMPARE(published.find(1, 1).curData, 2);
    QCOMPARE(published.find(1, 1005).curData, 2);
    QCOMPARE(published.find(1, 0).curData, 2);
    QCOMPARE(control.page(1)->cell(0)->curData(), 2);
}

void TestWeightingControl::totalOnlineWhenAnyCellIsOnline()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(1, 1);
    control.createCell(5, 1);
    QByteArray offline = hubDatagram(1, {hubRecord(1, 100, 0)});
    control.udpReadData(bytesOf(offline), offline.size());
    control.qmlRequestReflsh();
    const WeightingCellData *total = control.page(1)->cell(0);
    QCOMPARE(int(total->state()), 0);
    QCOMPARE(total->minMaxStarted(), 1);

    feed(control, 5, 1, 250);
    control.qmlRequestReflsh();
    QCOMPARE(int(total->state()), 1);
    QCOMPARE(total->curData(), 350);
}

void TestWeightingControl::publicationOrderAndArguments()
{
    WeightingConTrol control;
    control.createCell(3, 2);
    control.createCell(1, 4);
    control.createCell(0, 1);
    control.createCell(1, 0);
    control.createCell(20, 7);
    control.qmlSetGroup(3, 2, 1);
    // The first reading is classified while the cell is still offline, which
    // clears its extremes; they follow the readings from the second on.
    feed(control, 3, 2, 1200);
    control.qmlRequestReflsh();
    QByteArray bytes = hubDatagram(3, {hubRecord(2, 1500, 1, 5, 9)});
    control.udpReadData(bytesOf(bytes), bytes.size());
    QSignalSpy times(&control, &WeightingConTrol::disConnecttimesChanged);
    PublicationLog published(&control);
    control.qmlRequestReflsh();

    QStringList order;
    for (const Publication &entry : published.entries)
        order << QStringLiteral("%1.%2").arg(entry.pageId).arg(entry.index);
    // Page 0 is never published; group records follow the cells of page 1.
    QCOMPARE(order, (QStringList{"1.0", "1.4", "1.1002", "3.2", "20.7"}));
    QCOMPARE(control.disConnecttimes(), uint32_t(3));
    QCOMPARE(times.count(), 3);

    const Publication cell = published.find(3, 2);
    QVERIFY(!cell.group);
    QCOMPARE(cell.record, control.page(3)->cell(2));
    QCOMPARE(cell.name, QStringLiteral("CZ 3.2(Group1)"));
    // group, type, reading, extremes, four thresholds, link state, error, box type
    QCOMPARE((QVector<int>{cell.groupId, cell.typeFlag, cell.curData, cell.maxData, cell.minData, cell.maxWarnData,
                           cell.minWarnData, cell.maxErrData, cell.minErrData, cell.state, cell.errorNb, cell.boxType}),
             (QVector<int>{1, 0, 1500, 1500, 0, 4000, 0, 5000, 0, 1, 9, 5}));
}

void TestWeightingControl::conFactorScalingAndTare()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(1, 3);
    control.setConFactor(0.1);
    feed(control, 1, 3, 1234);
    PublicationLog published(&control);
    control.qmlRequestReflsh();
    const Publication cell = published.find(1, 3);
    QCOMPARE(cell.curData, 123);
    QCOMPARE(cell.maxWarnData, 400);
    QCOMPARE(cell.maxErrData, 500);

    control.setPeelData(1, 3, 50);
    QCOMPARE(control.page(1)->cell(3)->peel(), 500.0);
    QCOMPARE(control.page(1)->cell(3)->peelEnable(), false);

    // Rounded, not cut: 25 × 0.1 is 2.5 and gives 3 (the halves are in tst_controllerarithmetic).
    feed(control, 1, 3, 25);
    control.qmlRequestReflsh();
    QCOMPARE(published.find(1, 3).curData, 3);
}

void TestWeightingControl::traceEnable_data()
{
    QTest::addColumn<double>("factor");
    QTest::newRow("kilograms") << 1.0;
    QTest::newRow("pounds") << 2.20462262185;
    QTest::newRow("tenths") << 0.1;
}

void TestWeightingControl::traceEnable()
{
    QFETCH(double, factor);
    WeightingConTrol control;
    control.setConFactor(factor);
    control.createCell(1, 0);
    control.createCell(1, 6);
    feed(control, 1, 6, 1234);
    control.qmlRequestReflsh();

    control.traceEnable(1, 6);
    const WeightingCellData *cell = control.page(1)->cell(6);
    // The tare is raw like the reading, whatever the display unit.
    QCOMPARE(cell->peel(), 1234.0);
    QVERIFY(cell->peelEnable());
    PublicationLog published(&control);
    feed(control, 1, 6, 1234);
    control.qmlRequestReflsh();
    QCOMPARE(published.find(1, 6).curData, 0);

    // Switching the tare off keeps its value for the next time.
    control.traceDisable(1, 6);
    QCOMPARE(cell->peelEnable(), false);
    QCOMPARE(cell->peel(), 1234.0);
}

void TestWeightingControl::refreshWithoutPageOne()
{
    WeightingConTrol control;
    control.createCell(3, 5);
    control.page(3)->cell(5)->setGroupId(2);
    feed(control, 3, 5, 700);
    PublicationLog published(&control);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(3)->cell(5)->curData(), 700);
    QVERIFY(published.entries.isEmpty());
    QVERIFY(!control.page(1));
    QCOMPARE(control.disConnecttimes(), uint32_t(0));
}

void TestWeightingControl::setGroupIndex_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("two values") << "5,6" << "5,6,0,0,0,0,0,0,0,0,";
    QTest::newRow("not a number reads 0") << "3,x,7" << "3,0,7,0,0,0,0,0,0,0,";
    QTest::newRow("empty") << "" << "0,0,0,0,0,0,0,0,0,0,";
    QTest::newRow("ten values") << "1,2,3,4,5,6,7,8,9,10" << "1,2,3,4,5,6,7,8,9,10,";
    QTest::newRow("own output reads back") << "5,6,0,0,0,0,0,0,0,0," << "5,6,0,0,0,0,0,0,0,0,";
    QTest::newRow("eleven values") << "1,2,3,4,5,6,7,8,9,10,11" << QString();
    QTest::newRow("eleven with an empty one") << "1,2,3,4,5,6,7,8,9,10,,1" << QString();
}

void TestWeightingControl::setGroupIndex()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    WeightingConTrol control;
    QSignalSpy answer(&control, &WeightingConTrol::readGroup);
    control.setGroupIndex(1, 2, input);
    if (output.isNull()) {
        QCOMPARE(answer.count(), 0);
        return;
    }
    QCOMPARE(answer.count(), 1);
    QCOMPARE(answer.at(0), (QList<QVariant>{1, 2, output}));
}

void TestWeightingControl::invalidArgumentsChangeNothing_data()
{
    QTest::addColumn<ControlCall>("call");
    auto row = [](const char *name, ControlCall call) { QTest::newRow(name) << call; };
    row("createCell page 21", [](WeightingConTrol &c) { c.createCell(21, 1); });
    row("createCell page -1", [](WeightingConTrol &c) { c.createCell(-1, 1); });
    row("createCell index 1001", [](WeightingConTrol &c) { c.createCell(1, 1001); });
    row("createCell index -1", [](WeightingConTrol &c) { c.createCell(1, -1); });
    row("createBleCell index 1001", [](WeightingConTrol &c) { c.createBleCell("AB:CD", 1001); });
    row("createBleCell index -5", [](WeightingConTrol &c) { c.createBleCell("AB:CD", -5); });
    row("deleteCell index 1021", [](WeightingConTrol &c) { c.deleteCell(1, 1021); });
    row("deleteCell page 99", [](WeightingConTrol &c) { c.deleteCell(99, 1); });
    row("removeGroup index 1000", [](WeightingConTrol &c) { c.removeGroup(1, 1000); });
    row("removeGroup index 1021", [](WeightingConTrol &c) { c.removeGroup(1, 1021); });
    row("removeGroup page 21", [](WeightingConTrol &c) { c.removeGroup(21, 1003); });
    row("qmlSetGroup group 20", [](WeightingConTrol &c) { c.qmlSetGroup(1, 5, 20); });
    row("qmlSetGroup group -1", [](WeightingConTrol &c) { c.qmlSetGroup(1, 5, -1); });
    row("qmlSetGroup index 1003", [](WeightingConTrol &c) { c.qmlSetGroup(1, 1003, 2); });
    row("qmlSetGroup page 21", [](WeightingConTrol &c) { c.qmlSetGroup(21, 5, 2); });
    row("setGroupIndex group 20", [](WeightingConTrol &c) { c.setGroupIndex(1, 20, "1"); });
    row("setName index 1021", [](WeightingConTrol &c) { c.setName(1, 1021, "x"); });
    row("setName page -3", [](WeightingConTrol &c) { c.setName(-3, 5, "x"); });
    row("setMinWarnData index -1", [](WeightingConTrol &c) { c.setMinWarnData(1, -1, 9); });
    row("setMaxWarnData page 21", [](WeightingConTrol &c) { c.setMaxWarnData(21, 5, 9); });
    row("setMinErrData index 5000", [](WeightingConTrol &c) { c.setMinErrData(1, 5000, 9); });
    row("setMaxErrData page 200", [](WeightingConTrol &c) { c.setMaxErrData(200, 5, 9); });
    row("setCellConfig index 1021", [](WeightingConTrol &c) { c.setCellConfig(1, 1021, 1, 2, 3, 4); });
    row("setPeelData page 21", [](WeightingConTrol &c) { c.setPeelData(21, 5, 9); });
    row("traceEnable index 2000", [](WeightingConTrol &c) { c.traceEnable(1, 2000); });
    row("traceDisable page -1", [](WeightingConTrol &c) { c.traceDisable(-1, 5); });
    row("setAddBleAddress index -1", [](WeightingConTrol &c) { c.setAddBleAddress(20, -1, "x"); });
    row("empty slot", [](WeightingConTrol &c) { c.setName(1, 77, "x"); });
    row("missing page", [](WeightingConTrol &c) { c.setMaxErrData(9, 1, 9); });
}

void TestWeightingControl::invalidArgumentsChangeNothing()
{
    QFETCH(ControlCall, call);
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(1, 5);
    control.qmlSetGroup(1, 5, 2);
    control.createBleCell(QStringLiteral("AB:CD"), 3);
    const QStringList before = modelState(control);
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    QSignalSpy deleted(&control, &WeightingConTrol::deleteCellSignal);
    QSignalSpy removed(&control, &WeightingConTrol::removeGroupSignal);
    QSignalSpy group(&control, &WeightingConTrol::readGroup);
    call(control);
    QCOMPARE(modelState(control), before);
    QCOMPARE(log.count() + deleted.count() + removed.count() + group.count(), 0);
    QCOMPARE(control.getAddBleAddress(20, 1021), QString());
    QCOMPARE(control.getAddBleAddress(21, 3), QString());
    QCOMPARE(control.getAddBleAddress(20, 3), QStringLiteral("00:80:E1:26:AB:CD"));
}

void TestWeightingControl::recordSignalsRelayedOncePerRecord()
{
    WeightingConTrol control;
    control.createCell(1, 5);
    for (int tick = 0; tick < 5; ++tick)
        control.qmlRequestReflsh();
    // A reading is classified with the link state of the previous one, so
    // the first reading only brings the cell online.
    feed(control, 1, 5, 100);
    control.qmlRequestReflsh();
    QSignalSpy lines(&control, &WeightingConTrol::cellLogShowSignal);
    QSignalSpy sounds(&control, &WeightingConTrol::playAlarmMusicSignal);
    feed(control, 1, 5, 6000);
    control.qmlRequestReflsh();
    // One line and one sound, however many refreshes published the record.
    QCOMPARE(lines.count(), 1);
    QCOMPARE(lines.at(0), (QList<QVariant>{"INF", "CZ 1.5:超重报警"}));
    QCOMPARE(sounds.count(), 1);
    QCOMPARE(sounds.at(0).at(0).toInt(), 2);

    // A new record in the same slot is relayed too.
    control.deleteCell(1, 5);
    control.createCell(1, 5);
    control.qmlRequestReflsh();
    lines.clear();
    for (int tick = 0; tick < 2; ++tick) {
        feed(control, 1, 5, 100);
        control.qmlRequestReflsh();
    }
    QCOMPARE(lines.count(), 1);
    QCOMPARE(lines.at(0).at(1).toString(), QStringLiteral("CZ 1.5:正常"));
}

void TestWeightingControl::closingTheProjectDropsEveryRecord()
{
    WeightingConTrol control;
    control.createCell(1, 0);
    control.createCell(1, 5);
    control.createCell(20, 2);
    control.qmlSetGroup(1, 5, 1);
    PublicationLog published(&control);
    control.qmlRequestReflsh();
    QVector<QPointer<WeightingCellData>> handed;
    for (const Publication &entry : published.entries)
        handed.append(entry.record);
    QCOMPARE(handed.size(), 4);

    QSignalSpy closed(&control, &WeightingConTrol::pagesDeleted);
    QSignalSpy lines(&control, &WeightingConTrol::cellLogShowSignal);
    control.deleteAllPages();
    QCOMPARE(closed.count(), 1);
    for (const QPointer<WeightingCellData> &record : handed)
        QVERIFY(record.isNull());
    for (int p = 0; p < WeightingConTrol::PageCount; ++p)
        QCOMPARE(control.page(p), nullptr);

    published.entries.clear();
    feed(control, 1, 5, 100);
    control.qmlRequestReflsh();
    QVERIFY(published.entries.isEmpty());
    QCOMPARE(lines.count(), 0);

    // The next project starts from an empty model and works as before.
    control.createCell(1, 5);
    feed(control, 1, 5, 100);
    control.qmlRequestReflsh();
    QCOMPARE(published.find(1, 5).curData, 100);
    QCOMPARE(published.find(1, 5).groupId, 0);
    QCOMPARE(lines.count(), 0);
    feed(control, 1, 5, 9000);
    control.qmlRequestReflsh();
    QCOMPARE(lines.count(), 1);
}

void TestWeightingControl::resetMaxMinDataOnEveryPage()
{
    WeightingConTrol control;
    control.createCell(0, 1);
    control.createCell(20, 1);
    for (int raw : {100, 500, 300}) {
        for (int p : {0, 20}) {
            WeightingData *page = control.page(p);
            page->updateCellData(1, raw, 1, 0, 0, "-", "-", "-");
        }
    }
    QCOMPARE(control.page(0)->cell(1)->maxData(), 500);
    control.resetMaxMinData(7);
    for (int p : {0, 20}) {
        QCOMPARE(control.page(p)->cell(1)->maxData(), 300);
        QCOMPARE(control.page(p)->cell(1)->minData(), 300);
    }
}

void TestWeightingControl::conFactorProperty()
{
    WeightingConTrol control;
    QSignalSpy changed(&control, &WeightingConTrol::conFactorChanged);
    for (double ignored : {1.0 + 1e-14, qQNaN(), qInf()})
        control.setConFactor(ignored);
    QCOMPARE(control.conFactor(), 1.0);
    QCOMPARE(changed.count(), 0);

    // A factor of 0 publishes 0 and leaves the tare alone rather than dividing by it.
    control.setConFactor(0);
    control.createCell(1, 1);
    control.setPeelData(1, 1, 10);
    QCOMPARE(control.page(1)->cell(1)->peel(), 0.0);
}

// Without links nothing is sent and nothing breaks.
void TestWeightingControl::withoutLinks()
{
    WeightingConTrol control;
    QSignalSpy comm(&control, &WeightingConTrol::CommChanged);
    control.resetComm();
    control.resetBleComm();
    control.resetSerialDevice();
    control.resetDataSourceLocal();
    QCOMPARE(comm.count(), 1);
    control.createCell(1, 1);
    control.sendData(QStringLiteral("x"));
    control.sendSetPara();
    control.scanOnlineDevice();
    control.setDataSource(QString(), 0, 0);
    control.setDataSource(QStringLiteral("/nonexistent"), 1, 0);
    control.qmlRequestReflsh();
}

QTEST_GUILESS_MAIN(TestWeightingControl)
#include "tst_weightingcontrol.moc"
