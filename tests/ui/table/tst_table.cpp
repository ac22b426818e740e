#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "project/myjson.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/percentagepass.h"
#include "ui/table/percentagethresholds.h"
#include "ui/table/roworder.h"
#include "ui/table/tablecellid.h"
#include "ui/table/tablerowmodel.h"
#include "ui/table/tablesettingactions.h"
#include "ui/table/thresholdentry.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double kLb = 2.20462262185;

QVariant role(const CellRowModel &model, int row, int role) { return model.index(row).data(role); }

struct Rows
{
    WeightingConTrol control;
    TableRowModel table;
    QAbstractItemModelTester tester{&table, QAbstractItemModelTester::FailureReportingMode::QtTest};

    Rows() { table.setController(&control); }
    void refresh() { control.qmlRequestReflsh(); table.flush(); }
    // The total, 1.1 and 1.2 of 500 kg and 2.3 of 2000 kg, published once.
    void feedThreeCells()
    {
        control.createCell(1, 0);
        for (const auto &c : {std::array<int, 3>{1, 1, 1}, {1, 2, 1}, {2, 3, 3}}) {
            control.createCell(c[0], c[1]);
            control.page(c[0])->cell(c[1])->setBoxType(quint16(c[2]));
        }
        refresh();
    }
};

} // namespace

Q_DECLARE_METATYPE(PercentagePass::Row)

// The settings panel's rules (cell ID grammars, threshold entry, percentage
// pass, row orders), and the rows on the real controller and project file.
class TestTable : public QObject
{
    Q_OBJECT

private slots:
    void smallRules_data();
    void smallRules();
    void percentagePass_data();
    void percentagePass();
    void rowOrder_data();
    void rowOrder();
    void rowsReadFromTheProjectFile();
    void feedGroupsDeletionAndClosing();
    void percentageThresholds_data();
    void percentageThresholds();
    void actionsOnTheSelectedCells();
};

void TestTable::smallRules_data()
{
    QTest::addColumn<QString>("rule"); // single, bulk, keys (selection range), wireless (ID and MAC), kg
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // problem page first last, low high, validities, or kg
    QTest::newRow("one cell") << "single" << "3.07" << "None 3 7 7";
    QTest::newRow("index 0") << "single" << "1.0" << "ZeroIndex 1 0 -1";
    QTest::newRow("bulk downwards") << "bulk" << "1.05-1.02" << "None 1 2 5";
    QTest::newRow("bulk across pages") << "bulk" << "1.05-2.07" << "PagesDiffer 1 0 -1";
    QTest::newRow("bulk zero last") << "bulk" << "1.5-2.00" << "ZeroIndex 1 0 -1";
    QTest::newRow("bulk half") << "bulk" << "1.05-" << "Malformed 0 0 -1";
    QTest::newRow("keys reversed") << "keys" << "2.10-1.05" << "105 210";
    QTest::newRow("keys of a single ID") << "keys" << "1.5" << "none";
    QTest::newRow("wireless largest") << "wireless" << "999 00:0A" << "true true";
    QTest::newRow("wireless too large") << "wireless" << "1000 8F:5" << "false false";
    QTest::newRow("wireless leading zero, lower case") << "wireless" << "05 8f:59" << "false false";
    // Shown value, type code and unit factor: capped at the capacity in kg (LB in the rows test).
    QTest::newRow("KG above capacity") << "kg" << "2500 3 1" << "2000";
    QTest::newRow("total or group") << "kg" << "700000 0 1" << "600000";
}

void TestTable::smallRules()
{
    QFETCH(QString, rule);
    QFETCH(QString, text);
    const QStringList parts = text.split(' ');
    QString actual;
    if (rule == QLatin1String("kg")) {
        actual = QString::number(ThresholdEntry::toKg(parts.at(0).toDouble(), parts.at(1).toInt(), parts.at(2).toDouble()));
    } else if (rule == QLatin1String("keys")) {
        const auto range = TableCellId::selectionKeys(text);
        actual = range ? QStringLiteral("%1 %2").arg(range->low).arg(range->high) : QStringLiteral("none");
    } else if (rule == QLatin1String("wireless")) {
        actual = QStringLiteral("%1 %2").arg(TableCellId::isWirelessId(parts.at(0)) ? "true" : "false",
                                             TableCellId::isMacSuffix(parts.at(1)) ? "true" : "false");
    } else {
        const auto c = rule == QLatin1String("bulk") ? TableCellId::bulk(text) : TableCellId::single(text);
        const char *problems[] = {"None", "Malformed", "ZeroIndex", "PagesDiffer"};
        actual = QStringLiteral("%1 %2 %3 %4").arg(problems[int(c.problem)]).arg(c.page).arg(c.firstIndex).arg(c.lastIndex);
    }
    QTEST(actual, "expected");
}

void TestTable::percentagePass_data()
{
    using PercentagePass::Row;
    QTest::addColumn<QVector<Row>>("rows");
    QTest::addColumn<QStringList>("percentages"); // minWarn, maxWarn, minErr, maxErr
    QTest::addColumn<QString>("step"); // full, group, cell (the last row is new) or kept (stored text kept)
    QTest::addColumn<QStringList>("writes"); // "page.index threshold kg"
    const Row total{1, 0, 0, 0, 0};
    // Group 2 sits at index 1003 with members 1.1 and 2.3; group 5 has none.
    const QVector<Row> grouped{total, {1, 1003, 1, 0, 0}, {1, 1006, 1, 0, 0}, {1, 1, 0, 2, 1},
                               {1, 2, 0, 0, 2}, {2, 3, 0, 2, 5}};
    QTest::newRow("groups") << grouped << QStringList{"0", "", "12.5", ""} << "group"
        << QStringList{"1.1003 0 0", "1.1003 2 688", "1.1006 0 0", "1.1006 2 0"};
    // A full pass of cells on their capacities is in the rows test.
    QTest::newRow("unknown type counts 600000") << QVector<Row>{total, {3, 4, 0, 0, 9}}
        << QStringList{"", "", "", "1"} << "full" << QStringList{"3.4 3 6000", "1.0 3 6000"};
    // The total holds 100 / 2400 / 0 / 3000 kg before the new cell.
    QTest::newRow("new cell") << QVector<Row>{total, {4, 8, 0, 0, 2}} << QStringList{"10", "80", "", "100"} << "cell"
        << QStringList{"4.8 0 100", "4.8 1 800", "4.8 3 1000", "1.0 0 200", "1.0 1 3200", "1.0 3 4000"};
    // Overweight: only a number other than 0 replaces the stored 100;
    // ultra-light: any non-empty text.
    QTest::newRow("kept") << QVector<Row>{} << QStringList{"", "0", "90", "0"} << "kept"
                          << QStringList{"100", "100", "90", "0"};
}

void TestTable::percentagePass()
{
    QFETCH(QVector<PercentagePass::Row>, rows);
    QFETCH(QStringList, percentages);
    QFETCH(QString, step);
    QStringList actual;
    for (int i = 0; step == QLatin1String("kept") && i < 4; ++i)
        actual << PercentagePass::keptPercentage(QStringLiteral("100"), percentages.at(i), i < 3);
    const auto p = PercentagePass::fromTexts(percentages.at(0), percentages.at(1), percentages.at(2), percentages.at(3));
    QVector<PercentagePass::Write> writes;
    if (step == QLatin1String("full"))
        writes = PercentagePass::fullPass(rows, p);
    else if (step == QLatin1String("group"))
        writes = PercentagePass::groupStep(rows, p);
    else if (step == QLatin1String("cell"))
        writes = PercentagePass::cellStep(rows.last(), {100, 2400, 0, 3000}, p);
    for (const PercentagePass::Write &w : writes)
        actual << QStringLiteral("%1.%2 %3 %4").arg(w.pageId).arg(w.index).arg(int(w.threshold)).arg(w.kg);
    QTEST(actual, "writes");
}

void TestTable::rowOrder_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("selected"); // "0110": rows 1 and 2 selected
    QTest::addColumn<QVector<int>>("order");
    QTest::newRow("top") << "top" << "001011" << QVector<int>{0, 2, 4, 5, 1, 3};
    QTest::newRow("up, blocked at row 1") << "up" << "01101" << QVector<int>{0, 1, 2, 4, 3};
    QTest::newRow("down") << "down" << "01100" << QVector<int>{0, 3, 1, 2, 4};
    QTest::newRow("down, last row stays") << "down" << "00011" << QVector<int>{0, 1, 2, 3, 4};
    // Keys 1.0, 2.1, 1.1003, 1.7, 2.1, 1.2: equal keys keep their order.
    QTest::newRow("ascending") << "ascending" << "" << QVector<int>{0, 5, 3, 2, 1, 4};
    QTest::newRow("descending") << "descending" << "" << QVector<int>{0, 1, 4, 2, 3, 5};
}

void TestTable::rowOrder()
{
    QFETCH(QString, operation);
    QFETCH(QString, selected);
    QVector<bool> flags;
    for (QChar flag : selected)
        flags.append(flag == QLatin1Char('1'));
    const QMap<QString, RowOrder::Order (*)(const QVector<bool> &)> moves{
        {"top", RowOrder::moveTop}, {"bottom", RowOrder::moveBottom}, {"up", RowOrder::moveUp}, {"down", RowOrder::moveDown}};
    const RowOrder::Order order = moves.contains(operation)
        ? moves.value(operation)(flags)
        : RowOrder::sorted({{1, 0}, {2, 1}, {1, 1003}, {1, 7}, {2, 1}, {1, 2}}, operation == QLatin1String("ascending"));
    QTEST(order, "order");
}

void TestTable::rowsReadFromTheProjectFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("p.VORNPRO")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // The main table holds an empty index, part 3 a malformed page.
    file.write(R"({"TableParts": [{"index": 0, "name": "main", "CellList": [
        {"pageId": "1", "cellIndex": "0", "typeFlag": 0}, {"pageId": "1", "cellIndex": "1003", "typeFlag": 1},
        {"pageId": "2", "cellIndex": "", "typeFlag": 0}, {"pageId": "2", "cellIndex": "7", "typeFlag": 0}]},
      {"index": 3, "name": "north", "CellList": [{"pageId": "1", "cellIndex": "0", "typeFlag": 0},
        {"pageId": "x", "cellIndex": "8", "typeFlag": 0}, {"pageId": "20", "cellIndex": "5", "typeFlag": 0}]}]})");
    file.close();
    MyJson json;
    QVERIFY(!json.readProjectFile(file.fileName()).damaged);
    TableRowModel main, part;
    part.setPartIndex(3);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    main.loadPlaceholders(&json);
    part.loadPlaceholders(&json);
    QCOMPARE(keys(main), (Keys{{1, 0}, {1, 1003}, {2, 7}}));
    QCOMPARE(keys(part), (Keys{{1, 0}, {20, 5}}));
    QCOMPARE(role(main, 1, CellRowModel::TypeFlagRole).toInt(), 1);
}

void TestTable::feedGroupsDeletionAndClosing()
{
    Rows r;
    for (const auto &key : Keys{{1, 0}, {1, 1}, {2, 7}, {20, 5}})
        r.control.createCell(key.first, key.second);
    TableRowModel part;
    part.setPartIndex(3);
    part.setController(&r.control);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 7, 0);
    r.control.page(2)->cell(7)->setCurData(90);
    r.refresh();
    part.flush();
    QCOMPARE(keys(r.table), (Keys{{1, 0}, {1, 1}, {2, 7}, {20, 5}}));
    QCOMPARE(role(part, 1, CellRowModel::WidthRole).toInt(), 90);
    r.control.deleteCell(2, 7);
    QCOMPARE(keys(r.table), (Keys{{1, 0}, {1, 1}, {20, 5}}));
    QCOMPARE(keys(part), (Keys{{1, 0}}));
    // Closing the project: the rows stay until the view goes, their records do not.
    QVERIFY(role(r.table, 1, CellRowModel::ObjRole).value<QObject *>());
    r.control.deleteAllPages();
    QCOMPARE(r.table.rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(role(r.table, row, CellRowModel::ObjRole).value<QObject *>(), nullptr);
}

void TestTable::percentageThresholds_data()
{
    QTest::addColumn<double>("conFactor");
    QTest::addColumn<bool>("percentMode");
    QTest::addColumn<QString>("shown"); // maxWarn/maxErr of 1.1, 1.2, 2.3, the total, group 4 of 1.1 and 1.2
    QTest::newRow("KG") << 1.0 << true << "400/500 400/500 1600/2000 2400/3000 800/1000";
    QTest::newRow("LB") << kLb << true << "882/1102 882/1102 3527/4409 5291/6614 1764/2205";
    // Absolute mode: the cells keep their thresholds, the group step still runs.
    QTest::newRow("absolute") << 1.0 << false << "4000/5000 4000/5000 4000/5000 4000/5000 800/1000";
}

void TestTable::percentageThresholds()
{
    QFETCH(double, conFactor);
    QFETCH(bool, percentMode);
    Rows r;
    r.control.setConFactor(conFactor);
    r.feedThreeCells();
    PercentageThresholds pass;
    pass.setController(&r.control);
    pass.setRows(&r.table);
    pass.setMaxWarnText(QStringLiteral("80"));
    pass.setMaxErrText(QStringLiteral("100"));
    pass.setPercentMode(percentMode);
    pass.fullPass();
    r.table.ctrlClickRow(r.table.rowOf(1, 1));
    r.table.ctrlClickRow(r.table.rowOf(1, 2));
    QCOMPARE(r.table.assignGroupToSelected(4), 2);
    pass.groupStep(); // before the next publication: members read from the records
    QCOMPARE(r.control.page(1)->cell(1)->minWarnData(), 0.0); // an empty percentage sets nothing
    r.refresh();
    QStringList shown;
    for (const auto &key : Keys{{1, 1}, {1, 2}, {2, 3}, {1, 0}, {1, 1005}}) {
        const int row = r.table.rowOf(key.first, key.second);
        shown << QStringLiteral("%1/%2").arg(role(r.table, row, CellRowModel::MaxWarnRole).toInt())
                     .arg(role(r.table, row, CellRowModel::MaxErrRole).toInt());
    }
    QTEST(shown.join(' '), "shown");
}

void TestTable::actionsOnTheSelectedCells()
{
    Rows r;
    r.control.setConFactor(kLb);
    r.feedThreeCells();
    TableSettingActions actions;
    actions.setController(&r.control);
    actions.setRows(&r.table);
    QVERIFY(actions.createWirelessCell(QStringLiteral("7"), QStringLiteral("8F:59")).isEmpty());
    QCOMPARE(r.control.page(20)->cell(7)->bleAddress(), QStringLiteral("00:80:E1:26:8F:59"));
    QVERIFY(!actions.setAbsolute(QString(), QString(), QString(), QStringLiteral("2000"), QString()).isEmpty());
    QVERIFY(actions.selectRange(QStringLiteral("2.10-1.02")).isEmpty());
    QCOMPARE(r.table.selectedCount(), 2); // 1.2 and 2.3

    // 2000 LB is beyond a 500 kg cell: its capacity; 1000 LB is converted.
    r.table.setAllChecked(false);
    r.table.clickRow(r.table.rowOf(1, 1), false);
    QVERIFY(actions.setAbsolute(QString(), QStringLiteral("1000"), QString(), QStringLiteral("2000"),
                                QStringLiteral("a name of twenty chars")).isEmpty());
    const WeightingCellData *cell = r.control.page(1)->cell(1);
    QCOMPARE(cell->maxErrData(), 500.0);
    QCOMPARE(cell->maxWarnData(), 1000 / kLb);
    QCOMPARE(cell->name(), QStringLiteral("a name o")); // 8 characters in Chinese
    QVERIFY(actions.setTare(QStringLiteral("100")).isEmpty());
    QCOMPARE(cell->peel(), 100 / kLb);
    actions.deleteSelectedCells();
    QCOMPARE(r.table.rowOf(1, 1), -1);
    QVERIFY(!r.control.page(1)->cell(1));
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
