// What reaches the records from hubs and wireless cells, and what goes to a hub.
#include "app/languageflag.h"
#include "core/thresholddocument.h"
#include "core/weightingcontrol.h"
#include "publicationlog.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString DeviceA = QStringLiteral("00:80:E1:26:D3:AA");
const QString DeviceB = QStringLiteral("00:80:E1:26:D3:BB");
// A reading no datagram of these tests carries, set before the intake.
constexpr int Untouched = 7;

bleCellState wireless(int cellIndex, int weight, const QString &address)
{
    bleCellState record;
    record.cellIndex = quint16(cellIndex);
    record.online = 1;
    record.boxType = 2;
    record.curData = qint16(weight);
    record.battery = 57;
    setCellAddress(record, address);
    setCellRssi(record, -81);
    return record;
}

QVector<int> readings(const WeightingConTrol &control, int page, const QVector<int> &indexes)
{
    QVector<int> values;
    for (int index : indexes)
        values.append(control.page(page)->cell(index) ? control.page(page)->cell(index)->curData() : -999);
    return values;
}

} // namespace

class TestWeightingIntake : public QObject
{
    Q_OBJECT

private slots:
    void init() { LanguageFlag::setChinese(true); }

    void intakeRules_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QVector<int>>("cells");
        QTest::addColumn<QVector<QByteArray>>("datagrams");
        QTest::addColumn<QVector<int>>("expected");
        QTest::addColumn<bool>("counted");
        const auto row = [](const char *name, int page, QVector<int> cells, QVector<QByteArray> datagrams,
                            QVector<int> expected, bool counted = true) {
            QTest::newRow(name) << page << cells << datagrams << expected << counted;
        };
        const QByteArray two = hubDatagram(1, {hubRecord(1, 100), hubRecord(2, 200)});
        row("60 bytes, tag EB FD", 3, {5},
            {QByteArray::fromHex("0000EBFD") + QByteArray(48, 0) + QByteArray::fromHex("050001000200E803")}, {1000});
        // The whole pending page is replaced: cell 2 gets nothing.
        row("later datagram replaces the earlier", 1, {1, 2}, {two, hubDatagram(1, {hubRecord(1, 11)})}, {11, Untouched});
        // Cell 0 of page 1 is the total, never a hub reading.
        row("index 0 is skipped", 1, {0, 3}, {hubDatagram(1, {hubRecord(0, 999), hubRecord(3, 33)})}, {33, 33});
        QVector<HubCellRecord> records(102);
        records[100] = hubRecord(8, 80);
        records[101] = hubRecord(7, 70);
        row("only positions up to 100", 4, {7, 8}, {hubDatagram(4, records)}, {Untouched, 80});
        row("page 20 is never taken in", 20, {1}, {hubDatagram(20, {hubRecord(1, 500)})}, {Untouched});
        row("cut record", 1, {1, 2}, {two.left(57)}, {Untouched, Untouched});
        row("tag 65021", 1, {1}, {hubDatagram(21, {hubRecord(1, 5)})}, {Untouched}, false);
        row("51 bytes", 1, {1}, {two.left(51)}, {Untouched}, false);
        row("1002 records", 1, {1}, {hubDatagram(1, QVector<HubCellRecord>(1002, hubRecord(1, 5)))}, {Untouched}, false);
    }
    // The next refresh takes in what the rules allow, and once only.
    void intakeRules()
    {
        QFETCH(int, page);
        QFETCH(QVector<int>, cells);
        QFETCH(QVector<QByteArray>, datagrams);
        QFETCH(QVector<int>, expected);
        QFETCH(bool, counted);
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
        QCOMPARE(control.disConnecttimes(), counted ? 0u : 65535u);
        control.qmlRequestReflsh();
        QCOMPARE(readings(control, page, cells), expected);
        untouchAll();
        control.qmlRequestReflsh();
        QCOMPARE(readings(control, page, cells), QVector<int>(cells.size(), Untouched));
        control.udpReadData(nullptr, 60);
    }

    // A page without a table keeps its pending data until one exists; a cell
    // index of 101 ends the refresh, later pages wait for the next one.
    void pendingPages()
    {
        WeightingConTrol control;
        deliver(control, hubDatagram(6, {hubRecord(1, 61)}));
        control.qmlRequestReflsh();
        control.createCell(6, 1);
        control.createCell(0, 1);
        deliver(control, hubDatagram(0, {hubRecord(101, 5), hubRecord(1, 7)}));
        control.qmlRequestReflsh();
        QCOMPARE(readings(control, 6, {1}), QVector<int>{-1});
        control.qmlRequestReflsh();
        QCOMPARE(readings(control, 6, {1}), QVector<int>{61});
        QCOMPARE(readings(control, 0, {1}), QVector<int>{-1});
    }

    // A second device claiming a taken user ID moves to the highest free slot
    // and is known by its address from then on. Records without a page 20,
    // from unbound devices or claiming another index are dropped.
    void bluetooth()
    {
        WeightingConTrol control;
        control.bleReadData(wireless(7, 30, DeviceA), DeviceA);
        control.bleAddOnlineDevice(DeviceA, 7);
        control.bleAddOnlineDevice(DeviceA, 7);
        control.bleAddOnlineDevice(DeviceB, 7);
        control.bleAddOnlineDevice(DeviceB, 12);
        const WeightingCellData *own = control.page(20)->cell(7);
        const WeightingCellData *moved = control.page(20)->cell(999);
        QVERIFY(own && moved && !control.page(20)->cell(12) && !control.page(20)->cell(998));
        QCOMPARE(own->bleAddress() + moved->bleAddress(), DeviceA + DeviceB);
        QCOMPARE(QVector<bool>({own->idIsErr(), moved->idIsErr()}), QVector<bool>({false, true}));
        control.qmlRequestReflsh();
        QCOMPARE(own->curData(), -1);

        for (int weight : {69, 70})
            control.bleReadData(wireless(7, weight, DeviceA), DeviceA);
        control.bleReadData(wireless(7, 77, DeviceB), DeviceB);
        control.bleReadData(wireless(7, 31, QStringLiteral("00:80:E1:26:D3:EE")), QStringLiteral("00:80:E1:26:D3:EE"));
        control.bleReadData(wireless(8, 32, DeviceA), DeviceA);
        control.qmlRequestReflsh();
        QCOMPARE(QVector<int>({own->curData(), moved->curData(), moved->ErrId()}), QVector<int>({70, 77, 7}));
        QCOMPARE(moved->batter() + moved->rssi(), QStringLiteral("57-81"));

        control.bleAddOnlineDevice(QStringLiteral("00:80:E1:26:D3:CC"), 7);
        QVERIFY(control.page(20)->cell(998)->idIsErr());
        // User IDs outside 1 to 999 are reported and register nothing.
        QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
        for (int userId : {0, 1000, 65535})
            control.bleAddOnlineDevice(QStringLiteral("00:80:E1:26:D3:DD"), userId);
        QCOMPARE(log.count(), 3);
        QVERIFY(!control.page(20)->cell(0) && !control.page(20)->cell(1000) && !control.page(20)->cell(997));
    }

    // The scan creates the cells a hub reports online or faulty (position k
    // is cell k + 1); a repeated connection report changes no mask, and a
    // slot outside the link's ten keeps no flag.
    void scanAndConnectionReports()
    {
        WeightingConTrol control;
        deliver(control, hubDatagram(2, {hubRecord(5, 1, 1), hubRecord(6, 1, 0), hubRecord(7, 1, 3)}));
        control.scanOnlineDevice();
        QVERIFY(control.page(2)->cell(1) && !control.page(2)->cell(2) && control.page(2)->cell(3));
        QSignalSpy mask(&control, &WeightingConTrol::udpConnectlChanged);
        for (bool connected : {true, false, false})
            control.udpConnectFlagChangedSlot(connected, 0, 3);
        QCOMPARE(control.udpConnectl(), 0x00040000);
        QCOMPARE(mask.count(), 2);
        control.udpConnectFlagChangedSlot(true, 12, 2);
        QCOMPARE(control.udpConnectl(), 0x00040000);
    }

    // Cells 1 to 100 of the page, in Qt's indented form with sorted keys.
    void thresholdDocument()
    {
        WeightingData page;
        for (int index : {0, 1, 100, 101})
            page.createCell(1, index);
        page.setCellConfig(1, 100, 4000, 0, 5000);
        page.setCellConfig(100, 10, 800, 5, 900);
        page.setMaxWarnData(100, 800.5);
        const QByteArray expected = QJsonDocument::fromJson(R"({"VornHubId": 3, "VornCellList": [
            {"VornCellId": 1, "maxErr": 5000, "maxWarn": 4000, "minErr": 0, "minWarn": 100},
            {"VornCellId": 100, "maxErr": 900, "maxWarn": 800.5, "minErr": 5, "minWarn": 10}]})")
                                        .toJson(QJsonDocument::Indented);
        QCOMPARE(ThresholdDocument::build(3, page), expected);
    }
};

QTEST_GUILESS_MAIN(TestWeightingIntake)
#include "tst_weightingintake.moc"
