#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/tablerowmodel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

namespace {

QVariant role(const CellRowModel &model, int row, int role)
{
    return model.index(row).data(role);
}

} // namespace

// The row models fed by the real weighing controller: its publication, its
// group and delete operations and the end of its pages.
class TestTableRowFeed : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void publishedCellsBecomeRows();
    void partsFollowOnlyTheirRows();
    void groupsAssignedAndRemovedThroughTheController();
    void deletedCellLeavesEveryTable();
    void closingTheProjectDropsTheRecords();

private:
    void refresh();

    std::unique_ptr<WeightingConTrol> m_control;
    std::unique_ptr<TableRowModel> m_main;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestTableRowFeed::init()
{
    m_control = std::make_unique<WeightingConTrol>();
    m_main = std::make_unique<TableRowModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_main.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_main->setController(m_control.get());
    m_control->createCell(1, 0);
    m_control->createCell(1, 1);
    m_control->createCell(2, 7);
    m_control->createCell(20, 5);
}

void TestTableRowFeed::cleanup()
{
    m_tester.reset();
    m_main.reset();
    m_control.reset();
}

void TestTableRowFeed::refresh()
{
    m_control->qmlRequestReflsh();
    m_main->flush();
}

void TestTableRowFeed::publishedCellsBecomeRows()
{
    WeightingCellData *cell = m_control->page(2)->cell(7);
    cell->setState(1);
    cell->setCurData(90);
    cell->setMaxWarnData(80);
    cell->setMaxErrData(100);
    refresh();
    QCOMPARE(keys(*m_main), (Keys{{1, 0}, {1, 1}, {2, 7}, {20, 5}}));
    QCOMPARE(role(*m_main, 2, CellRowModel::NameRole).toString(), QStringLiteral("CZ 2.7"));
    QCOMPARE(role(*m_main, 2, CellRowModel::WidthRole).toInt(), 90);
    QCOMPARE(role(*m_main, 2, TableRowModel::WidthColorRole).toString(), QStringLiteral("Orange"));
    QCOMPARE(role(*m_main, 2, TableRowModel::StateTextRole).toString(), QStringLiteral("在线"));
    QCOMPARE(role(*m_main, 2, CellRowModel::ObjRole).value<QObject *>(), cell);
    QCOMPARE(role(*m_main, 0, CellRowModel::NameRole).toString(), m_control->page(1)->cell(0)->name());

    cell->setCurData(110);
    QSignalSpy changed(m_main.get(), &QAbstractItemModel::dataChanged);
    refresh();
    QCOMPARE(m_main->rowCount(), 4);
    QCOMPARE(role(*m_main, 2, TableRowModel::WidthColorRole).toString(), QStringLiteral("red"));
    QVERIFY(changed.count() >= 1);
}

void TestTableRowFeed::partsFollowOnlyTheirRows()
{
    TableRowModel part;
    part.setPartIndex(3);
    part.setController(m_control.get());
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(20, 5, 0);
    m_control->page(20)->cell(5)->setCurData(33);
    refresh();
    part.flush();
    QCOMPARE(keys(part), (Keys{{1, 0}, {20, 5}}));
    QCOMPARE(role(part, 1, CellRowModel::WidthRole).toInt(), 33);
    QCOMPARE(role(part, 0, CellRowModel::NameRole).toString(), m_control->page(1)->cell(0)->name());
}

void TestTableRowFeed::groupsAssignedAndRemovedThroughTheController()
{
    refresh();
    m_main->clickRow(2, false); // 2.7
    m_main->ctrlClickRow(3); // 20.5
    QCOMPARE(m_main->assignGroupToSelected(4), 2);
    QCOMPARE(m_control->page(2)->cell(7)->groupId(), 4);
    QCOMPARE(m_control->page(20)->cell(5)->groupId(), 4);
    refresh();
    QCOMPARE(keys(*m_main), (Keys{{1, 0}, {1, 1005}, {1, 1}, {2, 7}, {20, 5}}));
    QCOMPARE(role(*m_main, 1, CellRowModel::TypeFlagRole).toInt(), 1);

    m_main->setAllChecked(false);
    m_main->ctrlClickRow(1);
    QCOMPARE(m_main->selectedGroupCount(), 1);
    m_main->removeSelectedGroups();
    QCOMPARE(keys(*m_main), (Keys{{1, 0}, {1, 1}, {2, 7}, {20, 5}}));
    QCOMPARE(m_control->page(2)->cell(7)->groupId(), 0);
}

void TestTableRowFeed::deletedCellLeavesEveryTable()
{
    TableRowModel part;
    part.setPartIndex(1);
    part.setController(m_control.get());
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 7, 0);
    refresh();
    m_control->deleteCell(2, 7);
    QCOMPARE(keys(*m_main), (Keys{{1, 0}, {1, 1}, {20, 5}}));
    QCOMPARE(keys(part), (Keys{{1, 0}}));
    m_control->deleteCell(1, 0); // the total row stays
    QCOMPARE(m_main->rowCount(), 3);
}

void TestTableRowFeed::closingTheProjectDropsTheRecords()
{
    refresh();
    QVERIFY(role(*m_main, 1, CellRowModel::ObjRole).value<QObject *>());
    m_control->deleteAllPages();
    for (int row = 0; row < m_main->rowCount(); ++row)
        QCOMPARE(role(*m_main, row, CellRowModel::ObjRole).value<QObject *>(), nullptr);
    QCOMPARE(m_main->rowCount(), 4); // the rows themselves stay until the view goes
}

QTEST_GUILESS_MAIN(TestTableRowFeed)
#include "tst_tablerowfeed.moc"
