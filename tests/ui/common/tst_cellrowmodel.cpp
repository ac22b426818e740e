#include "app/languageflag.h"
#include "app/languagenotice.h"
#include "core/weightingcelldata.h"
#include "ui/common/cellrowkeys.h"
#include "ui/table/tablerowmodel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

namespace {

// Publishes one reading the way the controller's refresh does.
struct Publisher
{
    CellRowModel *model;

    void cell(int page, int index, int weight = 0, WeightingCellData *record = nullptr, int state = 1)
    {
        model->setTableData(page, index, 0, 0, QStringLiteral("CZ %1.%2").arg(page).arg(index), weight, weight, weight,
                            4000, 0, 5000, 0, state, 0, 1, record);
    }
    void group(int index, int weight = 0)
    {
        model->setGroupTableData(1, index, 0, 1, QStringLiteral("Group%1").arg(index - 1001), weight, weight, weight,
                                 4000, 0, 5000, 0, 1, 0, 0, nullptr);
    }
    void part(int page, int index, int typeFlag, int weight)
    {
        model->setPartTableData(page, index, 0, typeFlag, QStringLiteral("P"), weight, weight, weight, 4000, 0, 5000,
                                0, 1, 0, 1, nullptr);
    }
};

} // namespace

class TestCellRowModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainTableAppendsUnknownCellsAndUpdatesKnownOnes();
    void cellRowsMatchOnlyTypeFlagZero();
    void groupRowsInsertUnderTheTotalAndUpdate();
    void partsUpdateFirstMatchAndNeverInsert();
    void removalsKeepRowZero_data();
    void removalsKeepRowZero();
    void oneInsertionAndMergedRangesPerRefresh();
    void recordFieldsAndDroppedRecords();
    void selection_data();
    void selection();
    void derivedRolesFollowPaletteAndColumns();
    void countersOverRows();
    void languageChangeReannouncesTexts();
    void selectionCountsAndRecordingLine();

private:
    std::unique_ptr<TableRowModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    Publisher pub{nullptr};
};

void TestCellRowModel::init()
{
    m_model = std::make_unique<TableRowModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    pub.model = m_model.get();
}

void TestCellRowModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
}

void TestCellRowModel::mainTableAppendsUnknownCellsAndUpdatesKnownOnes()
{
    pub.cell(1, 0, 30);
    pub.cell(1, 5, 10);
    pub.cell(2, 3, 20);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {1, 5}, {2, 3}}));

    pub.cell(1, 5, 11);
    pub.cell(7, 7, 1);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {1, 5}, {2, 3}, {7, 7}}));
    QCOMPARE(m_model->index(1).data(CellRowModel::WidthRole).toInt(), 11);
    QCOMPARE(m_model->index(1).data(CellRowModel::NameRole).toString(), QStringLiteral("CZ 1.5"));
    QCOMPARE(m_model->index(1).data(CellRowModel::WTypeRole).toInt(), 1);
}

void TestCellRowModel::cellRowsMatchOnlyTypeFlagZero()
{
    // A stored group row (type flag 1) at page 1 index 5 is not a cell row.
    m_model->appendPlaceholder(1, 0, 0);
    m_model->appendPlaceholder(1, 5, 1);
    pub.cell(1, 5, 10);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {1, 5}, {1, 5}}));
    QCOMPARE(m_model->index(1).data(CellRowModel::NameRole).toString(), QStringLiteral("0"));
    QCOMPARE(m_model->index(2).data(CellRowModel::WidthRole).toInt(), 10);
}

void TestCellRowModel::groupRowsInsertUnderTheTotalAndUpdate()
{
    pub.cell(1, 0, 30);
    pub.cell(1, 1, 10);
    pub.group(1003, 7);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {1, 1003}, {1, 1}}));
    pub.group(1002, 3);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {1, 1002}, {1, 1003}, {1, 1}}));
    pub.group(1003, 8);
    m_model->flush();
    QCOMPARE(m_model->rowCount(), 4);
    QCOMPARE(m_model->index(2).data(CellRowModel::WidthRole).toInt(), 8);
    QCOMPARE(m_model->index(2).data(CellRowModel::TypeFlagRole).toInt(), 1);
    // A cell published after a group insertion still finds its row.
    pub.cell(1, 1, 12);
    m_model->flush();
    QCOMPARE(m_model->index(3).data(CellRowModel::WidthRole).toInt(), 12);
    QCOMPARE(m_model->rowCount(), 4);

    // An empty table takes a first group at the top.
    TableRowModel empty;
    Publisher{&empty}.group(1004, 1);
    empty.flush();
    QCOMPARE(keys(empty), (Keys{{1, 1004}}));
}

void TestCellRowModel::partsUpdateFirstMatchAndNeverInsert()
{
    m_model->setPartIndex(4);
    m_model->appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    m_model->appendPlaceholder(2, 3, 0);
    m_model->appendPlaceholder(2, 3, 0);
    pub.part(9, 9, 0, 5);
    pub.part(2, 3, 0, 44);
    pub.part(1, 0, 0, 99);
    m_model->flush();
    QCOMPARE(keys(*m_model), (Keys{{1, 0}, {2, 3}, {2, 3}}));
    QCOMPARE(m_model->index(0).data(CellRowModel::WidthRole).toInt(), 99);
    QCOMPARE(m_model->index(1).data(CellRowModel::WidthRole).toInt(), 44);
    QCOMPARE(m_model->index(2).data(CellRowModel::WidthRole).toInt(), 0);
    QCOMPARE(m_model->index(2).data(CellRowModel::StateRole).toInt(), 3);
    QCOMPARE(m_model->index(2).data(CellRowModel::NameRole).toString(), QStringLiteral("0"));
}

void TestCellRowModel::removalsKeepRowZero_data()
{
    QTest::addColumn<bool>("group");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<Keys>("left");

    QTest::newRow("group row") << true << 1 << 1003 << Keys{{1, 0}, {1, 1}, {2, 1}, {2, 0}};
    QTest::newRow("cell row") << false << 2 << 1 << Keys{{1, 0}, {1, 1003}, {1, 1}, {2, 0}};
    QTest::newRow("total is never removed") << false << 1 << 0 << Keys{{1, 0}, {1, 1003}, {1, 1}, {2, 1}, {2, 0}};
    QTest::newRow("cell of another page stays") << false << 3 << 1 << Keys{{1, 0}, {1, 1003}, {1, 1}, {2, 1}, {2, 0}};
    QTest::newRow("unknown group") << true << 1 << 1009 << Keys{{1, 0}, {1, 1003}, {1, 1}, {2, 1}, {2, 0}};
}

void TestCellRowModel::removalsKeepRowZero()
{
    QFETCH(bool, group);
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(Keys, left);
    pub.cell(1, 0);
    pub.cell(1, 1);
    pub.group(1003);
    pub.cell(2, 1);
    pub.cell(2, 0);
    m_model->flush();
    if (group)
        m_model->removeGroupRows(page, index);
    else
        m_model->deleteCellRows(page, index);
    QCOMPARE(keys(*m_model), left);
    // The lookup follows the shifted rows.
    pub.cell(2, 0, 77);
    m_model->flush();
    QCOMPARE(m_model->index(m_model->rowCount() - 1).data(CellRowModel::WidthRole).toInt(), 77);
    QCOMPARE(m_model->rowCount(), left.size());
}

void TestCellRowModel::oneInsertionAndMergedRangesPerRefresh()
{
    QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    for (int i = 0; i < 10; ++i)
        pub.cell(1, i, i);
    QCOMPARE(m_model->rowCount(), 0); // not yet announced
    QVERIFY(inserted.wait(1000)); // announced when the event loop runs
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(m_model->rowCount(), 10);
    QCOMPARE(changed.count(), 0);

    for (int i : {7, 2, 3, 9, 4, 8})
        pub.cell(1, i, 100 + i);
    QVERIFY(changed.wait(1000));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 2);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 4);
    QCOMPARE(changed.at(1).at(0).toModelIndex().row(), 7);
    QCOMPARE(changed.at(1).at(1).toModelIndex().row(), 9);
    QCOMPARE(m_model->index(9).data(CellRowModel::WidthRole).toInt(), 109);
    QCOMPARE(m_model->index(6).data(CellRowModel::WidthRole).toInt(), 6);

    // The same readings again announce nothing.
    for (int i : {7, 2, 3, 9, 4, 8})
        pub.cell(1, i, 100 + i);
    m_model->flush();
    QCOMPARE(changed.count(), 2);
}

void TestCellRowModel::recordFieldsAndDroppedRecords()
{
    auto record = std::make_unique<WeightingCellData>(5, QStringLiteral("CZ 20.5"), 0);
    record->setBatter(QStringLiteral("87"));
    record->setRssi(QStringLiteral("-61"));
    record->setBleAddress(QStringLiteral("00:80:E1:26:AB:CD"));
    record->setPeel(12.5);
    record->setIdIsErr(true);
    record->setErrId(9);
    pub.cell(20, 5, 10, record.get());
    pub.cell(20, 6, 10, nullptr);
    m_model->flush();
    const QModelIndex row = m_model->index(0);
    QCOMPARE(row.data(CellRowModel::BatteryRole).toString(), QStringLiteral("87"));
    QCOMPARE(row.data(CellRowModel::RssiRole).toString(), QStringLiteral("-61"));
    QCOMPARE(row.data(CellRowModel::AddrDateRole).toString(), QStringLiteral("00:80:E1:26:AB:CD"));
    QCOMPARE(row.data(CellRowModel::PeelRole).toDouble(), 12.5);
    QCOMPARE(row.data(CellRowModel::ObjRole).value<QObject *>(), record.get());
    QCOMPARE(row.data(TableRowModel::IdTextRole).toString(), QStringLiteral("20.5\n(9)"));
    QCOMPARE(row.data(TableRowModel::StateTextRole).toString(), QStringLiteral("在线\n87%\n-61dBm"));

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->dropRecords();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(row.data(CellRowModel::ObjRole).value<QObject *>(), nullptr);
    QCOMPARE(row.data(TableRowModel::IdTextRole).toString(), QStringLiteral("20.5"));

    // A record its page deletes is never handed out afterwards.
    pub.cell(20, 5, 10, record.get());
    m_model->flush();
    record.reset();
    QCOMPARE(m_model->index(0).data(CellRowModel::ObjRole).value<QObject *>(), nullptr);
}

void TestCellRowModel::selection_data()
{
    QTest::addColumn<QStringList>("clicks"); // p = plain, m = plain with multi-select, c = Ctrl, s = Shift
    QTest::addColumn<QVector<int>>("selected");

    QTest::newRow("plain click selects one") << QStringList{"p2", "p4"} << QVector<int>{4};
    QTest::newRow("plain click again clears") << QStringList{"p2", "p2"} << QVector<int>{};
    QTest::newRow("multi-select keeps others") << QStringList{"m2", "m4", "m5"} << QVector<int>{2, 4, 5};
    QTest::newRow("Ctrl toggles") << QStringList{"p1", "c3", "c5", "c3"} << QVector<int>{1, 5};
    QTest::newRow("Shift from last plain click") << QStringList{"p2", "c7", "s5"} << QVector<int>{2, 3, 4, 5};
    QTest::newRow("Shift upwards") << QStringList{"p5", "s1"} << QVector<int>{1, 2, 3, 4, 5};
    QTest::newRow("Shift ignores Ctrl clicks as anchor") << QStringList{"p1", "c6", "s3"} << QVector<int>{1, 2, 3};
    QTest::newRow("Shift without anchor selects the row") << QStringList{"s3"} << QVector<int>{3};
    QTest::newRow("out of range is ignored") << QStringList{"p2", "p99", "c-1"} << QVector<int>{2};
}

void TestCellRowModel::selection()
{
    QFETCH(QStringList, clicks);
    QFETCH(QVector<int>, selected);
    for (int i = 0; i < 8; ++i)
        pub.cell(1, i);
    m_model->flush();
    for (const QString &click : clicks) {
        const int row = click.mid(1).toInt();
        switch (click.at(0).toLatin1()) {
        case 'p':
            m_model->clickRow(row, false);
            break;
        case 'm':
            m_model->clickRow(row, true);
            break;
        case 'c':
            m_model->ctrlClickRow(row);
            break;
        case 's':
            m_model->shiftClickRow(row);
            break;
        }
    }
    QVector<int> actual;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->index(row).data(CellRowModel::CheckedRole).toBool())
            actual.append(row);
    }
    QCOMPARE(actual, selected);
    QCOMPARE(m_model->selectedCount(), selected.size());
}

void TestCellRowModel::derivedRolesFollowPaletteAndColumns()
{
    m_model->setTableData(1, 1, 0, 0, "a", 90, 110, 50, 80, 0, 100, 0, 1, 0, 0, nullptr);
    m_model->flush();
    const QModelIndex row = m_model->index(0);
    QCOMPARE(row.data(TableRowModel::WidthColorRole).toString(), QStringLiteral("Orange"));
    QCOMPARE(row.data(TableRowModel::MaxColorRole).toString(), QStringLiteral("red"));
    QCOMPARE(row.data(TableRowModel::MinColorRole).toString(), QStringLiteral("white"));

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setRect4(TableRowModel::ColumnHidden);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(row.data(TableRowModel::MaxColorRole).toString(), QStringLiteral("Orange"));
    m_model->setRect4(7); // not a switch value
    QCOMPARE(m_model->rect4(), int(TableRowModel::ColumnHidden));
    m_model->setOverwarnColor(QStringLiteral("#123456"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(row.data(TableRowModel::WidthColorRole).toString(), QStringLiteral("#123456"));
    m_model->resetOverwarnColor();
    QCOMPARE(row.data(TableRowModel::WidthColorRole).toString(), QStringLiteral("Orange"));

    m_model->clickRow(0, false);
    QCOMPARE(row.data(TableRowModel::NameColorRole).toString(), QStringLiteral("#3399ff"));
    QCOMPARE(row.data(TableRowModel::StateColorRole).toString(), QStringLiteral("green"));
    QCOMPARE(row.data(TableRowModel::TypeTextRole).toString(), QStringLiteral("未知设备"));
}

void TestCellRowModel::languageChangeReannouncesTexts()
{
    pub.cell(2, 1, 5);
    pub.cell(2, 2, 5);
    m_model->flush();
    QCOMPARE(m_model->index(1).data(TableRowModel::StateTextRole).toString(), QStringLiteral("在线"));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    LanguageFlag::setChinese(false);
    LanguageNotice::instance()->announce();
    LanguageFlag::setChinese(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
    QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);
}

void TestCellRowModel::countersOverRows()
{
    QSignalSpy counters(m_model.get(), &TableRowModel::countersChanged);
    for (int i = 1; i <= 5; ++i)
        m_model->setTableData(2, i, 0, 0, "a", 5, 5, 5, 80, 20, 100, 10, 1, 0, 0, nullptr);
    for (int i = 6; i <= 7; ++i)
        m_model->setTableData(2, i, 0, 0, "a", 15, 15, 15, 80, 20, 100, 10, 0, 0, 0, nullptr);
    m_model->updateCounters();
    QCOMPARE(m_model->rect3N(), 5);
    QCOMPARE(m_model->rect7N(), 2);
    QCOMPARE(m_model->rectOn(), 5);
    QCOMPARE(m_model->rectOff(), 2);
    QVERIFY(!m_model->mulLoadCheck());
    QCOMPARE(counters.count(), 1);
    m_model->ctrlClickRow(0);
    m_model->ctrlClickRow(6);
    QCOMPARE(counters.count(), 1); // until the next count
    m_model->updateCounters();
    QCOMPARE(m_model->mulLoad(), 20.0);
    QVERIFY(m_model->mulLoadCheck());
    m_model->updateCounters();
    QCOMPARE(counters.count(), 2);
}

void TestCellRowModel::selectionCountsAndRecordingLine()
{
    pub.cell(1, 0, 3);
    pub.cell(2, 4, 220);
    pub.group(1003, 7);
    m_model->setTableData(20, 9, 0, 0, "b", 5, 5, 5, 80, 20, 100, 10, 1, 0, 5, nullptr);
    m_model->flush();
    // Without a controller nothing is assigned, but the selection is counted.
    QCOMPARE(m_model->assignGroupToSelected(2), 0);
    m_model->setAllChecked(true);
    QCOMPARE(m_model->assignGroupToSelected(2), 3);
    QCOMPARE(m_model->selectedGroupCount(), 1);

    QCOMPARE(m_model->recordingHeader(), QStringLiteral("timer,ID:1.0/1,ID:1.1003/0,ID:2.4/1,ID:20.9/5,"));
    QCOMPARE(m_model->recordingValues(1.0), QStringLiteral("3,7,220,5,"));
    // Weights are recorded in kg, shortest exact form.
    QCOMPARE(m_model->recordingValues(2.20462262185),
             QStringLiteral("1.3607771099992443,3.1751465899982367,99.79032139994459,2.2679618499987404,"));
}

QTEST_GUILESS_MAIN(TestCellRowModel)
#include "tst_cellrowmodel.moc"
