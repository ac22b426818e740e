#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "project/myjson.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/percentagethresholds.h"
#include "ui/table/tablerowmodel.h"
#include "ui/table/tablesettingactions.h"

#include <QAbstractItemModelTester>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr double kLb = 2.20462262185;

QVariant role(const CellRowModel &model, int row, int role) { return model.index(row).data(role); }

// The real controller with the main table.
struct Rows
{
    WeightingConTrol control;
    TableRowModel table;
    QAbstractItemModelTester tester{&table, QAbstractItemModelTester::FailureReportingMode::QtTest};

    Rows() { table.setController(&control); }
    void refresh()
    {
        control.qmlRequestReflsh();
        table.flush();
    }
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

QJsonObject cell(const QString &page, const QString &index, int typeFlag)
{
    return {{"posIndex", 0}, {"pageId", page}, {"cellIndex", index}, {"typeFlag", typeFlag}};
}

} // namespace

// Table rows on the real controller and project file: stored rows, feed,
// deletion, and the settings panel's percentage thresholds and actions.
class TestTableRows : public QObject
{
    Q_OBJECT

private slots:
    void rowsReadFromTheProjectFile();
    void feedGroupsDeletionAndClosing();
    void percentageThresholds_data();
    void percentageThresholds();
    void actionsOnTheSelectedCells();
};

void TestTableRows::rowsReadFromTheProjectFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("p.VORNPRO")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Part 3 holds a malformed page, the main table an empty index.
    const QJsonArray parts{
        QJsonObject{{"index", 0}, {"name", "main"},
                    {"CellList", QJsonArray{cell("1", "0", 0), cell("1", "1003", 1), cell("2", "", 0), cell("2", "7", 0)}}},
        QJsonObject{{"index", 3}, {"name", "north"},
                    {"CellList", QJsonArray{cell("1", "0", 0), cell("x", "8", 0), cell("20", "5", 0)}}}};
    file.write(QJsonDocument(QJsonObject{{"TableParts", parts}}).toJson());
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
    // The stored group row takes the group's readings.
    main.setGroupTableData(1, 1003, 0, 1, "Group2", 9, 9, 9, 0, 0, 0, 0, 1, 0, 0, nullptr);
    main.flush();
    QCOMPARE(role(main, 1, CellRowModel::WidthRole).toInt(), 9);
}

void TestTableRows::feedGroupsDeletionAndClosing()
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
    QCOMPARE(keys(part), (Keys{{1, 0}, {2, 7}}));
    QCOMPARE(role(part, 1, CellRowModel::WidthRole).toInt(), 90);
    r.control.deleteCell(2, 7);
    QCOMPARE(keys(r.table), (Keys{{1, 0}, {1, 1}, {20, 5}}));
    QCOMPARE(keys(part), (Keys{{1, 0}}));
    r.control.deleteCell(1, 0); // the total row stays
    QCOMPARE(r.table.rowCount(), 3);
    // Closing the project: the rows stay until the view goes, their records do not.
    QVERIFY(role(r.table, 1, CellRowModel::ObjRole).value<QObject *>());
    r.control.deleteAllPages();
    QCOMPARE(r.table.rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(role(r.table, row, CellRowModel::ObjRole).value<QObject *>(), nullptr);
}

void TestTableRows::percentageThresholds_data()
{
    QTest::addColumn<double>("conFactor");
    QTest::addColumn<bool>("percentMode");
    QTest::addColumn<QString>("shown"); // maxWarn/maxErr of 1.1, 1.2, 2.3, the total, group 4 of 1.1 and 1.2
    QTest::newRow("KG") << 1.0 << true << "400/500 400/500 1600/2000 2400/3000 800/1000";
    QTest::newRow("LB") << kLb << true << "882/1102 882/1102 3527/4409 5291/6614 1764/2205";
    // Absolute mode: the cells keep their thresholds, the group step still runs.
    QTest::newRow("absolute") << 1.0 << false << "4000/5000 4000/5000 4000/5000 4000/5000 800/1000";
}

void TestTableRows::percentageThresholds()
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

void TestTableRows::actionsOnTheSelectedCells()
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
    r.refresh();
    QCOMPARE(actions.currentValue(QStringLiteral("maxErr001")), QStringLiteral("1102"));
    actions.deleteSelectedCells();
    QCOMPARE(r.table.rowOf(1, 1), -1);
    QVERIFY(!r.control.page(1)->cell(1));
}

QTEST_MAIN(TestTableRows)
#include "tst_tablerows.moc"
