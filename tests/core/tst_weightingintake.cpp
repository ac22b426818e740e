#include "app/languageflag.h"
#include "core/thresholddocument.h"
#include "core/weightingcontrol.h"
#include "publicationlog.h"
#include "testdatagrams.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString DeviceA = QStringLiteral("00:80:E1:26:D3:AA");
const QString DeviceB = QStringLiteral("00:80:E1:26:D3:BB");
// A reading no datagram of these tests carries, set before the intake.
constexpr int Untouched = 7;

void deliver(WeightingConTrol &control, QByteArray bytes)
{
    control.udpReadData(bytesOf(bytes), bytes.size());
}

bleCellState wireless(int cellIndex, int weight, const QString &address, int battery = 80, int rssi = -67)
{
    bleCellState record;
    record.cellIndex = quint16(cellIndex);
    record.online = 1;
    record.boxType = 2;
    record.curData = qint16(weight);
    record.battery = quint8(battery);
    setCellAddress(record, address);
    setCellRssi(record, rssi);
    return record;
}

QVector<int> readings(const WeightingConTrol &control, int page, const QVector<int> &indexes)
{
    QVector<int> values;
    for (int index : indexes) {
        const WeightingCellData *cell = control.page(page) ? control.page(page)->cell(index) : nullptr;
        values.append(cell ? cell->curData() : -999);
    }
    return values;
}

} // namespace

class TestWeightingIntake : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void datagramOfSixtyBytes();
    void cellIndex101EndsTheIntake();
    void intakeRules_data();
    void intakeRules();
    void pagesWithoutATableKeepTheirData();
    void badDatagramsChangeNothing_data();
    void badDatagramsChangeNothing();
    void bluetoothRegistrationAndConflict();
    void bluetoothUserIdOutOfRange_data();
    void bluetoothUserIdOutOfRange();
    void bluetoothRecordsNeedABinding();
    void bluetoothRecordFields();
    void scanOnlineDevice();
    void connectionReports();
    void thresholdDocument();
};

void TestWeightingIntake::init()
{
    LanguageFlag::setChinese(true);
}

void TestWeightingIntake::datagramOfSixtyBytes()
{
    WeightingConTrol control;
    control.createCell(3, 5);
    QByteArray bytes(52, '\0');
    bytes[2] = char(0xEB);
    bytes[3] = char(0xFD);
    bytes += QByteArray::fromHex("050001000200E803");
    QCOMPARE(bytes.size(), 60);
    QSignalSpy times(&control, &WeightingConTrol::disConnecttimesChanged);
    deliver(control, bytes);
    QCOMPARE(control.disConnecttimes(), uint32_t(0));
    QCOMPARE(times.count(), 1);
    // Nothing reaches the record before the refresh.
    QCOMPARE(control.page(3)->cell(5)->curData(), -1);

    control.qmlRequestReflsh();
    const WeightingCellData *cell = control.page(3)->cell(5);
    QCOMPARE(cell->curData(), 1000);
    QCOMPARE(int(cell->state()), 1);
    QCOMPARE(int(cell->boxType()), 2);
    QCOMPARE(cell->batter(), QStringLiteral("-"));
    QCOMPARE(cell->rssi(), QStringLiteral("-"));

    // A second datagram notifies nothing: the count is 0 already.
    deliver(control, bytes);
    QCOMPARE(times.count(), 1);
}

void TestWeightingIntake::cellIndex101EndsTheIntake()
{
    WeightingConTrol control;
    control.createCell(0, 1);
    control.createCell(2, 1);
    control.bleAddOnlineDevice(DeviceA, 4);
    deliver(control, hubDatagram(0, {hubRecord(101, 5), hubRecord(1, 7)}));
    deliver(control, hubDatagram(2, {hubRecord(1, 30)}));
    control.bleReadData(wireless(4, 40, DeviceA), DeviceA);
    control.qmlRequestReflsh();
    QCOMPARE(readings(control, 0, {1}), QVector<int>{-1});
    QCOMPARE(readings(control, 2, {1}), QVector<int>{-1});
    QCOMPARE(readings(control, 20, {4}), QVector<int>{-1});

    // Later pages and the wireless records stayed pending; page 0 is spent.
    control.qmlRequestReflsh();
    QCOMPARE(readings(control, 0, {1}), QVector<int>{-1});
    QCOMPARE(readings(control, 2, {1}), QVector<int>{30});
    QCOMPARE(readings(control, 20, {4}), QVector<int>{40});
}

void TestWeightingIntake::intakeRules_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QVector<int>>("cells");
    QTest::addColumn<QVector<QByteArray>>("datagrams");
    QTest::addColumn<QVector<int>>("expected");

    QTest::newRow("weight FFFF is -1")
        << 0 << QVector<int>{2} << QVector<QByteArray>{hubDatagram(0, {}) + QByteArray::fromHex("020001000000FFFF")}
        << QVector<int>{-1};
    // The whole pending page is replaced: cell 2 gets nothing.
    QTest::newRow("later datagram replaces the earlier")
        << 2 << QVector<int>{1, 2}
        << QVector<QByteArray>{hubDatagram(2, {hubRecord(1, 10), hubRecord(2, 20)}), hubDatagram(2, {hubRecord(1, 11)})}
        << QVector<int>{11, Untouched};
    // Cell 0 of page 1 is the total, never a hub reading.
    QTest::newRow("index 0 is skipped") << 1 << QVector<int>{0, 3}
                                        << QVector<QByteArray>{hubDatagram(1, {hubRecord(0, 999), hubRecord(3, 33)})}
                                        << QVector<int>{33, 33};
    QVector<HubCellRecord> records(102);
    records[100] = hubRecord(8, 80);
    records[101] = hubRecord(7, 70);
    QTest::newRow("only positions up to 100")
        << 4 << QVector<int>{7, 8} << QVector<QByteArray>{hubDatagram(4, records)} << QVector<int>{Untouched, 80};
    QTest::newRow("hub data for page 20 is never taken in")
        << 20 << QVector<int>{1} << QVector<QByteArray>{hubDatagram(20, {hubRecord(1, 500)})}
        << QVector<int>{Untouched};
}

// Every datagram here is counted as received; the next refresh takes in what
// the rules allow, and once only.
void TestWeightingIntake::intakeRules()
{
    QFETCH(int, page);
    QFETCH(QVector<int>, cells);
    QFETCH(QVector<QByteArray>, datagrams);
    QFETCH(QVector<int>, expected);
    WeightingConTrol control;
    const auto untouchAll = [&] {
        for (int index : cells)
            control.page(page)->cell(index)->setCurData(Untouched);
    };
    for (int index : cells)
        control.createCell(page, index);
    untouchAll();
    for (const QByteArray &bytes : datagrams)
        deliver(control, bytes);
    QCOMPARE(control.disConnecttimes(), uint32_t(0));
    control.qmlRequestReflsh();
    QCOMPARE(readings(control, page, cells), expected);

    untouchAll();
    control.qmlRequestReflsh();
    QCOMPARE(readings(control, page, cells), QVector<int>(cells.size(), Untouched));
}

void TestWeightingIntake::pagesWithoutATableKeepTheirData()
{
    WeightingConTrol control;
    deliver(control, hubDatagram(6, {hubRecord(1, 61)}));
    control.qmlRequestReflsh();
    control.qmlRequestReflsh();
    control.createCell(6, 1);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(6)->cell(1)->curData(), 61);
}

void TestWeightingIntake::badDatagramsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("counted");
    const QByteArray good = hubDatagram(1, {hubRecord(1, 100), hubRecord(2, 200)});
    QByteArray tagZero = good;
    tagZero[2] = 0;
    tagZero[3] = 0;
    QTest::newRow("tag 64999") << hubDatagram(-1, {hubRecord(1, 5)}) << false;
    QTest::newRow("tag 65021") << hubDatagram(21, {hubRecord(1, 5)}) << false;
    QTest::newRow("tag 0") << tagZero << false;
    QTest::newRow("51 bytes") << good.left(51) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("8061 bytes") << hubDatagram(1, QVector<HubCellRecord>(1001, hubRecord(1, 5))) + 'x' << false;
    QTest::newRow("1002 records") << hubDatagram(1, QVector<HubCellRecord>(1002, hubRecord(1, 5))) << false;
    // A datagram of the right page but with a cut record replaces the
    // pending page and takes in no half record.
    QTest::newRow("odd length, cut first record") << good.left(57) << true;
    QTest::newRow("odd length, header plus one byte") << good.left(53) << true;
}

void TestWeightingIntake::badDatagramsChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, counted);
    WeightingConTrol control;
    control.createCell(1, 1);
    control.createCell(1, 2);
    deliver(control, bytes);
    QCOMPARE(control.disConnecttimes(), counted ? uint32_t(0) : uint32_t(65535));
    control.qmlRequestReflsh();
    QCOMPARE(readings(control, 1, {1, 2}), (QVector<int>{-1, -1}));
    control.udpReadData(nullptr, 60);
    control.udpReadData(bytesOf(bytes), -4);
}

void TestWeightingIntake::bluetoothRegistrationAndConflict()
{
    WeightingConTrol control;
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.bleAddOnlineDevice(DeviceA, 7);
    const WeightingCellData *own = control.page(20)->cell(7);
    QVERIFY(own);
    QCOMPARE(own->bleAddress(), DeviceA);
    QCOMPARE(own->idIsErr(), false);
    QCOMPARE(own->maxErrData(), 5000.0);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(1).toString(), QStringLiteral("创建设备ID:20.7"));

    control.bleAddOnlineDevice(DeviceA, 7);
    QCOMPARE(log.count(), 1);

    control.bleAddOnlineDevice(DeviceB, 7);
    const WeightingCellData *moved = control.page(20)->cell(999);
    QVERIFY(moved);
    QCOMPARE(moved->bleAddress(), DeviceB);
    QCOMPARE(moved->idIsErr(), true);
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.at(1).at(1).toString(), QStringLiteral("创建设备ID:20.999"));
    // The moved device is registered by its address from now on.
    control.bleAddOnlineDevice(DeviceB, 7);
    control.bleAddOnlineDevice(DeviceB, 12);
    QCOMPARE(log.count(), 2);
    QVERIFY(!control.page(20)->cell(998));

    // Each device feeds its own slot; the moved one shows the ID it claims.
    control.bleReadData(wireless(7, 70, DeviceA), DeviceA);
    control.bleReadData(wireless(7, 77, DeviceB), DeviceB);
    QCOMPARE(moved->ErrId(), 7);
    QCOMPARE(own->ErrId(), 7);
    control.qmlRequestReflsh();
    QCOMPARE(own->curData(), 70);
    QCOMPARE(moved->curData(), 77);

    // A third device claiming 7 gets the next highest free slot.
    control.bleAddOnlineDevice(QStringLiteral("00:80:E1:26:D3:CC"), 7);
    QVERIFY(control.page(20)->cell(998));
    QCOMPARE(control.page(20)->cell(998)->idIsErr(), true);
}

void TestWeightingIntake::bluetoothUserIdOutOfRange_data()
{
    QTest::addColumn<int>("userId");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");
    const QString zh = QStringLiteral("蓝牙设备MAC地址为:00:80:E1:26:D3:AA的用户ID不合理,需小于1000大于0");
    const QString en = QStringLiteral("The MAC address of the Bluetooth device: 00:80:E1:26:D3:AA has an unreasonable "
                                      "user ID, which needs to be less than 1000 and greater than 0.");
    QTest::newRow("0, Chinese") << 0 << true << zh;
    QTest::newRow("1000, Chinese") << 1000 << true << zh;
    QTest::newRow("0, English") << 0 << false << en;
    QTest::newRow("1000, English") << 1000 << false << en;
    QTest::newRow("65535, English") << 65535 << false << en;
}

void TestWeightingIntake::bluetoothUserIdOutOfRange()
{
    QFETCH(int, userId);
    QFETCH(bool, chinese);
    QFETCH(QString, message);
    WeightingConTrol control;
    control.setCH(chinese);
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.bleAddOnlineDevice(DeviceA, userId);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0), (QList<QVariant>{"INF", message}));
    for (int slot = 0; slot < WeightingData::SlotCount; ++slot)
        QVERIFY(!control.page(20)->cell(slot));
}

void TestWeightingIntake::bluetoothRecordsNeedABinding()
{
    WeightingConTrol control;
    // No page 20 yet: dropped.
    control.bleReadData(wireless(3, 30, DeviceA), DeviceA);
    control.createCell(20, 3);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(20)->cell(3)->curData(), -1);

    // A cell without that address, or a device claiming another index: dropped.
    control.bleReadData(wireless(3, 31, DeviceA), DeviceA);
    control.setAddBleAddress(20, 3, DeviceA);
    control.bleReadData(wireless(4, 32, DeviceA), DeviceA);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(20)->cell(3)->curData(), -1);
    QCOMPARE(control.page(20)->cell(3)->ErrId(), 0);

    // Only the newest record of a cell is taken in.
    control.bleReadData(wireless(3, 33, DeviceA), DeviceA);
    control.bleReadData(wireless(3, 34, DeviceA), DeviceA);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(20)->cell(3)->curData(), 34);

    // A binding to slot 1000, outside the wireless slots, takes nothing in.
    control.createCell(20, 1000);
    control.setAddBleAddress(20, 1000, DeviceB);
    control.page(20)->cell(1000)->setIdIsErr(true);
    control.bleReadData(wireless(1000, 35, DeviceB), DeviceB);
    control.qmlRequestReflsh();
    QCOMPARE(control.page(20)->cell(1000)->curData(), -1);
}

void TestWeightingIntake::bluetoothRecordFields()
{
    WeightingConTrol control;
    control.bleAddOnlineDevice(DeviceA, 12);
    bleCellState record = wireless(12, -1, DeviceA, 57, -81);
    record.online = 0;
    record.errorNb = 4;
    control.bleReadData(record, DeviceA);
    control.qmlRequestReflsh();
    const WeightingCellData *cell = control.page(20)->cell(12);
    QCOMPARE(cell->curData(), -1);
    QCOMPARE(int(cell->state()), 0);
    QCOMPARE(int(cell->errorNb()), 4);
    QCOMPARE(int(cell->boxType()), 2);
    QCOMPARE(cell->batter(), QStringLiteral("57"));
    QCOMPARE(cell->rssi(), QStringLiteral("-81"));
    QCOMPARE(cell->minMaxStarted(), 1);
}

void TestWeightingIntake::scanOnlineDevice()
{
    WeightingConTrol control;
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    // Slots follow the record positions: position k is cell k + 1.
    deliver(control, hubDatagram(2, {hubRecord(5, 1, 1), hubRecord(6, 1, 0), hubRecord(7, 1, 3)}));
    deliver(control, hubDatagram(20, {hubRecord(1, 1, 1)}));
    control.scanOnlineDevice();
    QVERIFY(control.page(2)->cell(1));
    QVERIFY(!control.page(2)->cell(2));
    QVERIFY(control.page(2)->cell(3));
    QVERIFY(!control.page(2)->cell(5));
    QCOMPARE(control.page(2)->cell(3)->maxWarnData(), 4000.0);
    QVERIFY(!control.page(20));
    QCOMPARE(log.count(), 2);
    QCOMPARE(log.at(1).at(1).toString(), QStringLiteral("创建设备ID:2.3"));

    // The refresh spends the pending data, so a later scan finds nothing.
    control.deleteCell(2, 1);
    control.qmlRequestReflsh();
    control.scanOnlineDevice();
    QVERIFY(!control.page(2)->cell(1));
}

void TestWeightingIntake::connectionReports()
{
    LanguageFlag::setChinese(false);
    WeightingConTrol control;
    QSignalSpy lines(&control, &WeightingConTrol::cellLogShowSignal);
    QSignalSpy mask(&control, &WeightingConTrol::udpConnectlChanged);
    QSignalSpy flag(&control, &WeightingConTrol::udpConnectChanged);
    control.udpConnectFlagChangedSlot(true, 0, 3);
    QCOMPARE(control.udpConnectl(), 0x00040004);
    QCOMPARE(control.udpConnect(), true);
    QCOMPARE(int(control.udpConnectID()), 3);
    QCOMPARE(lines.at(0), (QList<QVariant>{"INF", "Master control 3 connection normal"}));

    control.udpConnectFlagChangedSlot(false, 0, 3);
    QCOMPARE(control.udpConnectl(), 0x00040000);
    QCOMPARE(control.udpConnect(), false);
    QCOMPARE(lines.at(1), (QList<QVariant>{"ERR", "Master control 3 connection disconnected"}));
    QCOMPARE(mask.count(), 2);
    QCOMPARE(flag.count(), 2);

    // A repeated report changes nothing but is still logged.
    control.udpConnectFlagChangedSlot(false, 0, 3);
    QCOMPARE(control.udpConnectl(), 0x00040000);
    QCOMPARE(mask.count(), 2);
    QCOMPARE(lines.count(), 3);

    // Another slot, another hub; the process-wide flag picks the language.
    LanguageFlag::setChinese(true);
    control.udpConnectFlagChangedSlot(true, 4, 1);
    QCOMPARE(int(control.udpConnecti()), 4);
    QCOMPARE(control.udpConnectl(), 0x00050001);
    QCOMPARE(lines.at(3), (QList<QVariant>{"INF", "主控1连接正常"}));
    control.udpConnectFlagChangedSlot(false, 4, 1);
    QCOMPARE(lines.at(4), (QList<QVariant>{"ERR", "主控1连接断开"}));

    control.resetUdpConnect();
    QCOMPARE(control.udpConnectl(), 0);

    // Hub ID 0 (an address ending in 30, 60, 90...) maps to bit 31; a slot
    // outside the link's ten is reported but keeps no flag.
    control.udpConnectFlagChangedSlot(true, 1, 0);
    QCOMPARE(quint32(control.udpConnectl()), 0x80000000u);
    control.udpConnectFlagChangedSlot(true, 12, 2);
    QCOMPARE(control.udpConnect(), false);
    QCOMPARE(quint32(control.udpConnectl()), 0x80000000u);
}

void TestWeightingIntake::thresholdDocument()
{
    WeightingData page;
    page.createCell(1, 0);
    page.createCell(1, 1);
    page.createCell(1, 2);
    page.createCell(1, 101);
    page.setCellConfig(1, 100, 4000, 0, 5000);
    page.setCellConfig(2, 10, 800, 5, 900);
    page.setMaxWarnData(2, 800.5);
    // Qt's indented form with sorted keys, byte for byte.
    const QByteArray expected = QJsonDocument::fromJson(R"({"VornHubId": 1, "VornCellList": [
        {"VornCellId": 1, "maxErr": 5000, "maxWarn": 4000, "minErr": 0, "minWarn": 100},
        {"VornCellId": 2, "maxErr": 900, "maxWarn": 800.5, "minErr": 5, "minWarn": 10}]})")
                                    .toJson(QJsonDocument::Indented);
    QVERIFY(expected.startsWith("{\n    \"VornCellList\": [\n        {\n            \"VornCellId\": 1,\n"));
    QCOMPARE(ThresholdDocument::build(1, page), expected);

    WeightingData empty;
    QCOMPARE(ThresholdDocument::build(7, empty), QByteArray("{\n    \"VornCellList\": [\n    ],\n    \"VornHubId\": 7\n}\n"));
}

QTEST_GUILESS_MAIN(TestWeightingIntake)
#include "tst_weightingintake.moc"
