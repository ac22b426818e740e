#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "ui/barchart/barrowmodel.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/percentagethresholds.h"
#include "ui/table/tablerowmodel.h"
#include "ui/table/tablesettingactions.h"
#include "ui/table/twinroworder.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

namespace {

constexpr double kLb = 2.20462262185;

// The four thresholds of a row as shown: minWarn/maxWarn/minErr/maxErr.
QString shownThresholds(const CellRowModel &model, int row)
{
    const QModelIndex i = model.index(row);
    return QStringLiteral("%1/%2/%3/%4")
        .arg(i.data(CellRowModel::MinWarnRole).toInt())
        .arg(i.data(CellRowModel::MaxWarnRole).toInt())
        .arg(i.data(CellRowModel::MinErrRole).toInt())
        .arg(i.data(CellRowModel::MaxErrRole).toInt());
}

} // namespace

// The settings panel's work on the real weighing controller: the one order of
// a table and its bar chart, the percentage thresholds and the actions on the
// selected cells.
class TestTablePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tableAndChartAgreeAfterEveryChange();
    void percentagePassInBothUnits_data();
    void percentagePassInBothUnits();
    void groupAssignmentRecomputesTheGroup();
    void actionsOnTheSelectedCells();

private:
    // Cells 1.1 and 1.2 of 500 kg and 2.3 of 2000 kg, published once.
    void feedThreeCells();
    void refresh();

    std::unique_ptr<WeightingConTrol> m_control;
    std::unique_ptr<TableRowModel> m_table;
    std::unique_ptr<BarRowModel> m_chart;
    std::unique_ptr<QAbstractItemModelTester> m_tableTester;
    std::unique_ptr<QAbstractItemModelTester> m_chartTester;
};

void TestTablePanel::init()
{
    m_control = std::make_unique<WeightingConTrol>();
    m_table = std::make_unique<TableRowModel>();
    m_chart = std::make_unique<BarRowModel>();
    using Mode = QAbstractItemModelTester::FailureReportingMode;
    m_tableTester = std::make_unique<QAbstractItemModelTester>(m_table.get(), Mode::QtTest);
    m_chartTester = std::make_unique<QAbstractItemModelTester>(m_chart.get(), Mode::QtTest);
    m_table->setController(m_control.get());
    m_chart->setController(m_control.get());
}

void TestTablePanel::cleanup()
{
    m_chartTester.reset();
    m_tableTester.reset();
    m_chart.reset();
    m_table.reset();
    m_control.reset();
}

void TestTablePanel::refresh()
{
    m_control->qmlRequestReflsh();
    m_table->flush();
    m_chart->flush();
}

void TestTablePanel::feedThreeCells()
{
    m_control->createCell(1, 0);
    const int cells[][3] = {{1, 1, 1}, {1, 2, 1}, {2, 3, 3}};
    for (const auto &c : cells) {
        m_control->createCell(c[0], c[1]);
        m_control->page(c[0])->cell(c[1])->setBoxType(quint16(c[2]));
    }
    refresh();
}

void TestTablePanel::tableAndChartAgreeAfterEveryChange()
{
    for (int index = 1; index <= 4; ++index)
        m_control->createCell(3, index);
    m_control->createCell(1, 0);
    refresh();
    TwinRowOrder main;
    main.setTable(m_table.get());
    main.setChart(m_chart.get());

    // A part and its twin, filled from the main table's selection.
    TableRowModel part;
    BarRowModel partChart;
    for (CellRowModel *model : {static_cast<CellRowModel *>(&part), static_cast<CellRowModel *>(&partChart)}) {
        model->setPartIndex(1);
        model->setController(m_control.get());
        model->appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    }
    TwinRowOrder twin;
    twin.setTable(&part);
    twin.setChart(&partChart);
    m_table->setAllChecked(true);
    QCOMPARE(twin.addSelectedFrom(m_table.get()), 4);
    QVERIFY(!twin.addCell(3, 2)); // held already
    QCOMPARE(keys(part), (Keys{{1, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}}));

    QVERIFY(!twin.moveTop()); // nothing selected in the part
    const auto step = [&](const char *what, const std::function<void()> &change, const Keys &expected) {
        change();
        QVERIFY2(keys(part) == expected, what);
        QVERIFY2(keys(partChart) == expected, what);
    };
    part.ctrlClickRow(3);
    step("top", [&] { QVERIFY(twin.moveTop()); }, {{1, 0}, {3, 3}, {3, 1}, {3, 2}, {3, 4}});
    step("down", [&] { QVERIFY(twin.moveDown()); }, {{1, 0}, {3, 1}, {3, 3}, {3, 2}, {3, 4}});
    step("bottom", [&] { QVERIFY(twin.moveBottom()); }, {{1, 0}, {3, 1}, {3, 2}, {3, 4}, {3, 3}});
    step("up", [&] { QVERIFY(twin.moveUp()); }, {{1, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4}});
    step("descending", [&] { twin.sortDescending(); }, {{1, 0}, {3, 4}, {3, 3}, {3, 2}, {3, 1}});
    QCOMPARE(part.currentRow(), -1);
    step("removal", [&] { QCOMPARE(twin.removeSelected(), 1); }, {{1, 0}, {3, 4}, {3, 2}, {3, 1}});
    // Publications still reach the moved rows of both.
    m_control->page(3)->cell(1)->setCurData(42);
    refresh();
    part.flush();
    partChart.flush();
    QCOMPARE(part.index(3).data(CellRowModel::WidthRole).toInt(), 42);
    QCOMPARE(partChart.index(3).data(CellRowModel::WidthRole).toInt(), 42);

    // The main pair: sorted, then a new cell and a deletion reach both alike.
    m_table->setAllChecked(false);
    main.sortDescending();
    m_control->createCell(2, 9);
    m_control->deleteCell(3, 3);
    refresh();
    QCOMPARE(keys(*m_table), (Keys{{1, 0}, {3, 4}, {3, 2}, {3, 1}, {2, 9}}));
    QCOMPARE(keys(*m_chart), keys(*m_table));
}

void TestTablePanel::percentagePassInBothUnits_data()
{
    QTest::addColumn<double>("conFactor");
    QTest::addColumn<QStringList>("shown"); // maxWarn/maxErr of 1.1, 1.2, 2.3 and the total
    QTest::newRow("KG") << 1.0 << QStringList{"400/500", "400/500", "1600/2000", "2400/3000"};
    QTest::newRow("LB") << kLb << QStringList{"882/1102", "882/1102", "3527/4409", "5291/6614"};
}

void TestTablePanel::percentagePassInBothUnits()
{
    QFETCH(double, conFactor);
    QFETCH(QStringList, shown);
    m_control->setConFactor(conFactor);
    feedThreeCells();
    PercentageThresholds pass;
    pass.setController(m_control.get());
    pass.setRows(m_table.get());
    pass.setMaxWarnText(QStringLiteral("80"));
    pass.setMaxErrText(QStringLiteral("100"));
    pass.fullPass();
    QCOMPARE(m_control->page(1)->cell(1)->maxErrData(), 500.0); // kg, whatever the unit
    refresh();
    QStringList actual;
    for (const Keys::value_type &key : Keys{{1, 1}, {1, 2}, {2, 3}, {1, 0}}) {
        const QString both = shownThresholds(*m_table, m_table->rowOf(key.first, key.second));
        actual << both.section(QLatin1Char('/'), 1, 1) + QLatin1Char('/') + both.section(QLatin1Char('/'), 3, 3);
    }
    QCOMPARE(actual, shown);
    // The empty ultra-light percentages left those thresholds alone.
    QCOMPARE(m_control->page(1)->cell(1)->minWarnData(), 0.0);
}

void TestTablePanel::groupAssignmentRecomputesTheGroup()
{
    feedThreeCells();
    PercentageThresholds pass;
    pass.setController(m_control.get());
    pass.setRows(m_table.get());
    pass.setMaxWarnText(QStringLiteral("80"));
    pass.setMaxErrText(QStringLiteral("100"));
    // Absolute mode: the cells keep their thresholds, the group step still runs.
    pass.setPercentMode(false);
    pass.fullPass();
    QCOMPARE(m_control->page(1)->cell(1)->maxErrData(), 5000.0);
    m_control->page(1)->cell(1)->setCurData(450);
    m_control->page(1)->cell(2)->setCurData(400);
    refresh();

    m_table->ctrlClickRow(m_table->rowOf(1, 1));
    m_table->ctrlClickRow(m_table->rowOf(1, 2));
    QCOMPARE(m_table->assignGroupToSelected(4), 2);
    // Before the next publication: the group and its members are read from
    // the records.
    pass.scheduleGroupStep();
    QTRY_COMPARE(m_control->page(1)->group(4)->maxErrData(), 1000.0);
    QCOMPARE(m_control->page(1)->group(4)->maxWarnData(), 800.0);
    refresh();
    const int groupRow = m_table->rowOf(1, 1005);
    QCOMPARE(groupRow, 1);
    QCOMPARE(shownThresholds(*m_table, groupRow).section(QLatin1Char('/'), 1), QStringLiteral("800/0/1000"));
    // 850 kg against 800 / 1000.
    QCOMPARE(m_table->index(groupRow).data(TableRowModel::WidthColorRole).toString(), QStringLiteral("Orange"));
}

void TestTablePanel::actionsOnTheSelectedCells()
{
    m_control->setConFactor(kLb);
    feedThreeCells();
    TableSettingActions actions;
    actions.setController(m_control.get());
    actions.setRows(m_table.get());

    // Creation: bulk upwards from the lower index, and the refusals.
    QCOMPARE(actions.createCells(QStringLiteral("1.05-1.03")), QString());
    QCOMPARE(actions.createCells(QStringLiteral("1.05-2.07")), QStringLiteral("请输入相同的主控号"));
    QCOMPARE(actions.createCell(QStringLiteral("1.0")), QStringLiteral("请输入正确的ID号,需大于x.0"));
    QCOMPARE(actions.createWirelessCell(QStringLiteral("7"), QStringLiteral("8F59")),
             QStringLiteral("请输入正确的MAC地址格式"));
    QCOMPARE(actions.createWirelessCell(QStringLiteral("7"), QStringLiteral("8F:59")), QString());
    refresh();
    QCOMPARE(keys(*m_table), (Keys{{1, 0}, {1, 1}, {1, 2}, {2, 3}, {1, 3}, {1, 4}, {1, 5}, {20, 7}}));
    QCOMPARE(m_control->page(20)->cell(7)->bleAddress(), QStringLiteral("00:80:E1:26:8F:59"));

    // Nothing selected: the notice, nothing set.
    QCOMPARE(actions.setAbsolute(QString(), QString(), QString(), QStringLiteral("2000"), QString()),
             QStringLiteral("请选择需修改的设备"));
    QCOMPARE(actions.selectRange(QStringLiteral("2.10-1.02")), QString());
    QCOMPARE(m_table->selectedCount(), 5); // 1.2 to 1.5 and 2.3
    QCOMPARE(actions.selectRange(QStringLiteral("2.10")), QStringLiteral("请输入正确的ID格式"));

    // 2000 LB is beyond a 500 kg cell: its capacity; 1000 LB is converted.
    m_table->setAllChecked(false);
    m_table->clickRow(m_table->rowOf(1, 1), false);
    QCOMPARE(actions.setAbsolute(QString(), QStringLiteral("1000"), QString(), QStringLiteral("2000"),
                                 QStringLiteral("a name of twenty chars")),
             QString());
    const WeightingCellData *cell = m_control->page(1)->cell(1);
    QCOMPARE(cell->maxErrData(), 500.0);
    QCOMPARE(cell->maxWarnData(), 1000 / kLb);
    QCOMPARE(cell->name(), QStringLiteral("a name o")); // 8 characters in Chinese

    QCOMPARE(actions.setTare(QStringLiteral("100")), QString());
    QCOMPARE(cell->peel(), 100 / kLb);
    refresh();
    QCOMPARE(actions.currentValue(QStringLiteral("peel001")), QStringLiteral("100"));
    QCOMPARE(actions.currentValue(QStringLiteral("maxErr001")), QStringLiteral("1102"));

    QCOMPARE(actions.selectedCellCount(), 1);
    actions.deleteSelectedCells();
    QCOMPARE(m_table->rowOf(1, 1), -1);
    QVERIFY(!m_control->page(1)->cell(1));
}

QTEST_MAIN(TestTablePanel)
#include "tst_tablepanel.moc"
