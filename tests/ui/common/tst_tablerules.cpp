#include "app/languageflag.h"
#include "ui/common/partnumberpool.h"
#include "ui/table/tablecounters.h"
#include "ui/common/tablerules.h"
#include "ui/common/weighingtype.h"

#include <QSignalSpy>
#include <QtTest>

using namespace TableRules;

class TestTableRules : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LanguageFlag::setChinese(true); }

    void valueColor_data();
    void valueColor();
    void stateCell_data();
    void stateCell();
    void idAndName();
    void typeText_data();
    void typeText();
    void capacity();
    void counters_data();
    void counters();
    void onlineOfflineAndSelectedLoad();
    void partNumbers();
};

void TestTableRules::valueColor_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("hidden"); // bit 0 rect3, 1 rect4, 2 rect7, 3 rect8
    QTest::addColumn<QString>("color");

    // minErr 10, minWarn 20, maxWarn 80, maxErr 100
    QTest::newRow("between warnings") << 50.0 << 0 << "white";
    QTest::newRow("on the over-warning") << 80.0 << 0 << "white";
    QTest::newRow("over warning") << 90.0 << 0 << "Orange";
    QTest::newRow("on the over-alarm") << 100.0 << 0 << "Orange";
    QTest::newRow("over alarm") << 110.0 << 0 << "red";
    QTest::newRow("over alarm, alarm column hidden") << 110.0 << 2 << "Orange";
    QTest::newRow("over alarm, both over columns hidden") << 110.0 << 10 << "white";
    QTest::newRow("under warning") << 15.0 << 0 << "LightBlue";
    QTest::newRow("under alarm") << 5.0 << 0 << "Purple";
    QTest::newRow("under alarm, alarm column hidden") << 5.0 << 1 << "LightBlue";
    QTest::newRow("under alarm, warning column hidden") << 5.0 << 4 << "Purple";
    QTest::newRow("over warning, warning column hidden") << 90.0 << 8 << "white";
}

void TestTableRules::valueColor()
{
    QFETCH(double, value);
    QFETCH(int, hidden);
    QFETCH(QString, color);
    Columns columns;
    columns.underAlarm = !(hidden & 1);
    columns.overAlarm = !(hidden & 2);
    columns.underWarn = !(hidden & 4);
    columns.overWarn = !(hidden & 8);
    QCOMPARE(TableRules::valueColor(value, {10, 20, 80, 100}, columns, Palette()), color);
}

void TestTableRules::stateCell_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("color");

    QTest::newRow("fault") << 2 << 5 << 3 << true << "故障-" << "#ccc800";
    QTest::newRow("fault, English") << 2 << 5 << 3 << false << "ERR" << "#ccc800";
    QTest::newRow("online hub cell") << 2 << 5 << 1 << true << "在线" << "green";
    QTest::newRow("online hub cell, English") << 2 << 5 << 1 << false << "ON" << "green";
    QTest::newRow("online Bluetooth cell") << 20 << 7 << 1 << true << "在线\n-%\n-dBm" << "green";
    QTest::newRow("online Bluetooth cell, English") << 20 << 7 << 1 << false << "ON\n-%\n-dBm" << "green";
    QTest::newRow("offline") << 2 << 5 << 0 << true << "离线" << "#ccc800";
    QTest::newRow("link state 2 is offline") << 2 << 5 << 2 << false << "OFF" << "#ccc800";
    QTest::newRow("total row") << 1 << 0 << 1 << true << "" << "white";
    QTest::newRow("group row") << 1 << 1003 << 3 << true << "" << "white";
    QTest::newRow("page 1 cell above 100") << 1 << 101 << 1 << true << "" << "white";
    QTest::newRow("page 1 cell") << 1 << 100 << 1 << true << "在线" << "green";
    QTest::newRow("page 2 cell 0 is a cell") << 2 << 0 << 0 << true << "离线" << "#ccc800";
}

void TestTableRules::stateCell()
{
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(int, state);
    QFETCH(bool, chinese);
    QFETCH(QString, text);
    QFETCH(QString, color);
    const StateCell cell = TableRules::stateCell(page, index, state, QStringLiteral("-"), QStringLiteral("-"), chinese);
    QCOMPARE(cell.text, text);
    QCOMPARE(cell.color, color);
    if (page == 20 && state == 1) {
        QCOMPARE(TableRules::stateCell(page, index, state, "87", "-61", true).text, QStringLiteral("在线\n87%\n-61dBm"));
    }
}

void TestTableRules::idAndName()
{
    QCOMPARE(idText(3, 17, false, 9), QStringLiteral("3.17"));
    QCOMPARE(idText(20, 5, true, 9), QStringLiteral("20.5\n(9)"));
    QCOMPARE(idColor(false), QStringLiteral("white"));
    QCOMPARE(idColor(true), QStringLiteral("LightYellow"));
    QCOMPARE(nameColor(true, true), QStringLiteral("#3399ff"));
    QCOMPARE(nameColor(false, true), QStringLiteral("LightYellow"));
    QCOMPARE(nameColor(false, false), QStringLiteral("white"));
}

void TestTableRules::typeText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("text");

    QTest::newRow("hub 0.5 t") << 1 << 3 << 4 << true << "RWX4401-0.5T";
    QTest::newRow("hub 1 t") << 2 << 3 << 4 << true << "RWX4401-1.0T";
    QTest::newRow("hub 2 t") << 3 << 3 << 4 << true << "RWX4401-2.0T";
    QTest::newRow("hub 5 t") << 5 << 3 << 4 << true << "RWX4401-5.0T";
    QTest::newRow("Bluetooth 0.5 t") << 1 << 20 << 4 << true << "RWX5502-0.5T";
    QTest::newRow("Bluetooth 5 t") << 5 << 20 << 4 << false << "RWX5502-5.0T";
    QTest::newRow("code 4 is unknown") << 4 << 3 << 4 << true << "未知设备";
    QTest::newRow("unknown, English") << 0 << 20 << 4 << false << "Unknown device";
    QTest::newRow("total") << 0 << 1 << 0 << true << "总重/组";
    QTest::newRow("group, English") << 0 << 1 << 1003 << false << "Total weight/Group";
}

void TestTableRules::typeText()
{
    QFETCH(int, code);
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(bool, chinese);
    QFETCH(QString, text);
    QCOMPARE(WeighingType::typeText(code, page, index, chinese), text);
}

void TestTableRules::capacity()
{
    const QVector<QPair<int, int>> expected{{1, 500}, {2, 1000}, {3, 2000}, {5, 5000}, {0, 600000}, {4, 600000}, {-1, 600000}};
    for (const auto &pair : expected)
        QCOMPARE(WeighingType::capacity(pair.first), pair.second);
}

namespace {

CellRow row(int width, int minErr, int minWarn, int maxWarn, int maxErr)
{
    CellRow r;
    r.index001 = 1;
    r.width1 = width;
    r.minErr001 = minErr;
    r.minWarn001 = minWarn;
    r.maxWarn001 = maxWarn;
    r.maxErr001 = maxErr;
    return r;
}

} // namespace

void TestTableRules::counters_data()
{
    QTest::addColumn<int>("belowAlarm");
    QTest::addColumn<int>("belowWarnOnly");
    QTest::addColumn<int>("aboveAlarm");
    QTest::addColumn<int>("aboveWarnOnly");

    QTest::newRow("five under alarm, seven under warning") << 5 << 2 << 0 << 0;
    QTest::newRow("over only") << 0 << 0 << 3 << 4;
    QTest::newRow("both sides") << 1 << 1 << 2 << 0;
    QTest::newRow("none") << 0 << 0 << 0 << 0;
}

void TestTableRules::counters()
{
    QFETCH(int, belowAlarm);
    QFETCH(int, belowWarnOnly);
    QFETCH(int, aboveAlarm);
    QFETCH(int, aboveWarnOnly);
    QVector<CellRow> rows;
    for (int i = 0; i < belowAlarm; ++i)
        rows.append(row(5, 10, 20, 80, 100));
    for (int i = 0; i < belowWarnOnly; ++i)
        rows.append(row(15, 10, 20, 80, 100));
    for (int i = 0; i < aboveAlarm; ++i)
        rows.append(row(150, 10, 20, 80, 100));
    for (int i = 0; i < aboveWarnOnly; ++i)
        rows.append(row(90, 10, 20, 80, 100));
    rows.append(row(50, 10, 20, 80, 100));
    const TableCounters c = TableCounters::count(rows);
    QCOMPARE(c.underAlarm, belowAlarm);
    QCOMPARE(c.underWarn, belowWarnOnly);
    QCOMPARE(c.overAlarm, aboveAlarm);
    QCOMPARE(c.overWarn, aboveWarnOnly);
}

void TestTableRules::onlineOfflineAndSelectedLoad()
{
    QVector<CellRow> rows;
    CellRow total = row(900, 0, 0, 4000, 5000);
    total.index001 = 0;
    total.state001 = 1;
    total.checked001 = true;
    rows.append(total); // neither counted nor summed
    CellRow group = row(300, 0, 0, 4000, 5000);
    group.index001 = 1003;
    group.typeFlag001 = 1;
    group.state001 = 0;
    group.checked001 = true;
    rows.append(group);
    const int states[] = {1, 1, 3, 0, 2, 1};
    for (int i = 0; i < 6; ++i) {
        CellRow cell = row(100 + i, 0, 0, 4000, 5000);
        cell.index001 = i + 1;
        cell.state001 = states[i];
        cell.checked001 = i % 2 == 0; // 100 + 102 + 104
        rows.append(cell);
    }
    const TableCounters c = TableCounters::count(rows);
    QCOMPARE(c.online, 3);
    QCOMPARE(c.offline, 3);
    QCOMPARE(c.selectedLoad, 306.0);
    QVERIFY(c.anySelected);

    for (CellRow &r : rows) {
        if (r.index001 > 0 && r.typeFlag001 == 0)
            r.checked001 = false;
    }
    const TableCounters none = TableCounters::count(rows);
    QCOMPARE(none.selectedLoad, 0.0);
    QVERIFY(!none.anySelected);
}

void TestTableRules::partNumbers()
{
    PartNumberPool pool;
    QVERIFY(pool.reserve(2)); // a stored part keeps its number
    QVERIFY(!pool.reserve(2));
    QVERIFY(!pool.reserve(0));
    QVERIFY(!pool.reserve(20));
    QCOMPARE(pool.take(), 1);
    QCOMPARE(pool.take(), 3);
    for (int expected = 4; expected <= 19; ++expected)
        QCOMPARE(pool.take(), expected);
    QCOMPARE(pool.take(), 0); // a 20th part is not made
    // The part menus bind to the used numbers: a freed number is announced.
    QSignalSpy used(&pool, &PartNumberPool::usedChanged);
    pool.release(4);
    QCOMPARE(used.count(), 1);
    QVERIFY(!pool.isUsed(4));
    QCOMPARE(pool.take(), 4);
    QCOMPARE(pool.used().size(), 19);
}

QTEST_GUILESS_MAIN(TestTableRules)
#include "tst_tablerules.moc"
