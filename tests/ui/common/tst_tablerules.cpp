#include "ui/common/cellidrange.h"
#include "ui/common/cellinfotext.h"
#include "ui/common/cellrowkeys.h"
#include "ui/common/partnumberpool.h"
#include "ui/common/tablerules.h"
#include "ui/common/weighingtype.h"
#include "ui/table/tablecounters.h"
#include "ui/table/tablerowmodel.h"

#include <QtTest>

// The rules every view shares, the cell range grammar ("1.05-2.07"), the row model and its recording line.
class TestTableRules : public QObject
{
    Q_OBJECT
    std::unique_ptr<TableRowModel> m;

    void cell(int page, int index, int weight = 0)
    {
        m->setTableData(page, index, 0, 0, "CZ", weight, weight, weight, 4000, 0, 5000, 0, 1, 0, 1, nullptr);
    }
    void group(int index, int weight = 0)
    {
        m->setGroupTableData(1, index, 0, 1, "G", weight, weight, weight, 4000, 0, 5000, 0, 1, 0, 0, nullptr);
    }

private slots:
    void init() { m = std::make_unique<TableRowModel>(); }

    void valueColor_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("hidden"); // bit 0 under alarm, 1 over alarm, 2 under warning, 3 over warning
        QTest::addColumn<QString>("color");
        QTest::newRow("on the over-warning") << 80.0 << 0 << "white"; // limits 10 / 20 / 80 / 100
        QTest::newRow("over warning") << 90.0 << 0 << "Orange";
        QTest::newRow("over alarm") << 110.0 << 0 << "red";
        QTest::newRow("over alarm, alarm hidden") << 110.0 << 2 << "Orange";
        QTest::newRow("under warning") << 15.0 << 0 << "LightBlue";
        QTest::newRow("under alarm") << 5.0 << 0 << "Purple";
    }
    void valueColor()
    {
        QFETCH(double, value);
        QFETCH(int, hidden);
        const TableRules::Columns shown{!(hidden & 1), !(hidden & 2), !(hidden & 4), !(hidden & 8)};
        QTEST(TableRules::valueColor(value, {10, 20, 80, 100}, shown, TableRules::Palette()), "color");
    }

    void stateCell_data()
    {
        QTest::addColumn<QPoint>("cell"); // page, index
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("shown"); // text and colour
        QTest::newRow("fault") << QPoint(2, 5) << 3 << true << "故障87 #ccc800";
        QTest::newRow("online, English") << QPoint(2, 5) << 1 << false << "ON green";
        QTest::newRow("online Bluetooth") << QPoint(20, 7) << 1 << true << "在线\n87%\n-61dBm green";
        QTest::newRow("offline") << QPoint(2, 5) << 0 << true << "离线 #ccc800";
        QTest::newRow("state 2 is offline") << QPoint(2, 5) << 2 << false << "OFF #ccc800";
        QTest::newRow("total row") << QPoint(1, 0) << 1 << true << " white";
        QTest::newRow("page 1 above 100") << QPoint(1, 101) << 1 << true << " white";
        QTest::newRow("page 1 cell 100") << QPoint(1, 100) << 1 << true << "在线 green";
    }
    void stateCell()
    {
        QFETCH(QPoint, cell);
        QFETCH(int, state);
        QFETCH(bool, chinese);
        const TableRules::StateCell shown = TableRules::stateCell(cell.x(), cell.y(), state, "87", "-61", chinese);
        QTEST(shown.text + ' ' + shown.color, "shown");
    }

    void typeText()
    {
        QCOMPARE((QStringList{WeighingType::typeText(1, 3, 4, true), WeighingType::typeText(5, 20, 4, false),
                              WeighingType::typeText(4, 3, 4, true), WeighingType::typeText(0, 1, 1003, false)}),
                 (QStringList{"RWX4401-0.5T", "RWX5502-5.0T", "未知设备", "Total weight/Group"}));
    }

    // The details a long press shows: the Bluetooth lines only for page 20, captions in the chosen language.
    void cellInfoText()
    {
        CellRow r;
        std::tie(r.pageId001, r.index001, r.name001, r.battery001, r.addrDate001) =
            std::make_tuple(20, 3, QString("CZ 20.3"), QString("87"), QString("AB:CD"));
        const QStringList english = CellInfoText::text(r, "Normal", "kg", false).split('\n');
        QCOMPARE(english.mid(0, 2), (QStringList{"ID:20.3", "Name:CZ 20.3"}));
        QCOMPARE(english.mid(english.size() - 2), (QStringList{"Bluetooth battery:87%", "Bluetooth addr:AB:CD"}));
        r.pageId001 = 2;
        const QStringList chinese = CellInfoText::text(r, "正常", "kg", true).split('\n');
        QCOMPARE(chinese.size(), english.size() - 2);
        QCOMPARE(chinese.at(1), QString("名字:CZ 20.3"));
    }

    void counters()
    {
        QVector<CellRow> rows(10); // row 0 is the total, row 1 a group; limits 10 / 20 / 80 / 100
        const int widths[] = {50, 50, 5, 5, 15, 150, 90, 50, 50, 50};
        const int states[] = {1, 0, 1, 1, 3, 0, 2, 1, 1, 0};
        for (int i = 0; i < rows.size(); ++i) {
            CellRow &r = rows[i];
            std::tie(r.index001, r.typeFlag001, r.width1, r.state001, r.checked001) =
                std::make_tuple(i == 1 ? 1003 : i, int(i == 1), widths[i], states[i], i < 3 || i == 7);
            std::tie(r.minErr001, r.minWarn001, r.maxWarn001, r.maxErr001) = std::make_tuple(10, 20, 80, 100);
        }
        const TableCounters c = TableCounters::count(rows);
        QCOMPARE((QVector<int>{c.underAlarm, c.underWarn, c.overAlarm, c.overWarn, c.online, c.offline}),
                 (QVector<int>{2, 1, 1, 1, 4, 4}));
        QCOMPARE(c.selectedLoad, 55.0); // neither the total nor a group is summed
    }

    void partNumbers()
    {
        PartNumberPool pool;
        QVERIFY(pool.reserve(2) && !pool.reserve(2) && !pool.reserve(0) && !pool.reserve(20));
        QCOMPARE(pool.take(), 1);
        for (int expected = 3; expected <= 19; ++expected)
            QCOMPARE(pool.take(), expected);
        QCOMPARE(pool.take(), 0); // no 20th part
        QSignalSpy used(&pool, &PartNumberPool::usedChanged); // the part menus bind to it
        pool.release(4);
        QCOMPARE(used.count(), 1);
        QCOMPARE(pool.take(), 4);
    }

    void cellIdRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("typing");
        QTest::addColumn<QVector<int>>("ends");
        QTest::newRow("two pages") << "1.05-2.07" << int(QValidator::Acceptable) << QVector<int>{1, 5, 2, 7};
        QTest::newRow("page 0") << "0.05-1.07" << int(QValidator::Invalid) << QVector<int>{};
        QTest::newRow("three-digit index") << "1.100-1.2" << int(QValidator::Invalid) << QVector<int>{};
        QTest::newRow("one end") << "1.10" << int(QValidator::Intermediate) << QVector<int>{};
        QTest::newRow("past the end") << "1.05-2.07-" << int(QValidator::Invalid) << QVector<int>{};
    }
    void cellIdRange()
    {
        QFETCH(QString, text);
        QTEST(int(CellIdRange::check(text)), "typing");
        const std::optional<CellIdRange> r = CellIdRange::parse(text);
        QTEST(r ? QVector<int>({r->firstPage, r->firstIndex, r->lastPage, r->lastIndex}) : QVector<int>(), "ends");
        QVERIFY(!r || (r->containsBlock(1, 5) && r->containsBlock(2, 7) && r->containsBlock(1, 6))); // a block
        QVERIFY(!r || (!r->containsBlock(1, 4) && !r->containsBlock(1, 8) && !r->containsBlock(3, 6)));
    }

    void rowsMatchInsertAndRemove()
    {
        m->appendPlaceholder(1, 0, 0);
        m->appendPlaceholder(1, 5, 1); // a stored group at 1.5 is no cell row
        cell(1, 5, 10);
        group(1003, 7);
        group(1002, 3); // groups go under the total, in order
        m->flush();
        QCOMPARE(keys(*m), (Keys{{1, 0}, {1, 1002}, {1, 1003}, {1, 5}, {1, 5}}));
        m->deleteCellRows(1, 0); // the total stays
        m->removeGroupRows(1, 1002);
        cell(1, 5, 77); // the lookup follows the shifted rows
        m->flush();
        QCOMPARE(keys(*m), (Keys{{1, 0}, {1, 1003}, {1, 5}, {1, 5}}));
        QCOMPARE(m->index(3).data(CellRowModel::WidthRole).toInt(), 77);
    }

    void oneInsertionAndMergedRangesPerRefresh()
    {
        QSignalSpy inserted(m.get(), &QAbstractItemModel::rowsInserted);
        QSignalSpy changed(m.get(), &QAbstractItemModel::dataChanged);
        for (int i = 0; i < 10; ++i)
            cell(1, i, i);
        m->flush();
        for (int i : {7, 2, 3, 9, 4, 8, 7}) // the same reading twice, and ranges 2-4 and 7-9
            cell(1, i, 100 + i);
        m->flush();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(changed.count(), 2);
        QCOMPARE((QVector<int>{changed.at(0).at(0).toModelIndex().row(), changed.at(0).at(1).toModelIndex().row(),
                               changed.at(1).at(0).toModelIndex().row(), changed.at(1).at(1).toModelIndex().row()}),
                 (QVector<int>{2, 4, 7, 9}));
    }

    void selection_data()
    {
        QTest::addColumn<QString>("clicks"); // p plain, m plain with multi-select, c Ctrl, s Shift
        QTest::addColumn<QVector<int>>("selected");
        QTest::newRow("plain click selects one") << "p2 p4" << QVector<int>{4};
        QTest::newRow("multi-select keeps others") << "m2 m4" << QVector<int>{2, 4};
        QTest::newRow("Ctrl toggles") << "p1 c3 c5 c3" << QVector<int>{1, 5};
        QTest::newRow("Shift from the last plain click") << "p2 c7 s5" << QVector<int>{2, 3, 4, 5};
        QTest::newRow("Shift upwards, out of range ignored") << "p5 s3 p99 c-1" << QVector<int>{3, 4, 5};
    }
    void selection()
    {
        QFETCH(QString, clicks);
        for (int i = 0; i < 8; ++i)
            cell(1, i);
        m->flush();
        for (const QString &click : clicks.split(' ')) {
            const int row = click.mid(1).toInt();
            click[0] == 'c' ? m->ctrlClickRow(row) : click[0] == 's' ? m->shiftClickRow(row) : m->clickRow(row, click[0] == 'm');
        }
        QVector<int> selected;
        for (int row = 0; row < m->rowCount(); ++row)
            if (m->index(row).data(CellRowModel::CheckedRole).toBool())
                selected.append(row);
        QTEST(selected, "selected");
    }

    void recordingLine()
    {
        cell(1, 0, 3);
        cell(2, 4, 220);
        group(1003, 7);
        m->flush();
        QCOMPARE(m->recordingHeader(), QStringLiteral("timer,ID:1.0/1,ID:1.1003/0,ID:2.4/1,"));
        // Weights in kg, shortest exact form.
        QCOMPARE(m->recordingValues(2.20462262185), QStringLiteral("1.3607771099992443,3.1751465899982367,99.79032139994459,"));
    }
};

QTEST_GUILESS_MAIN(TestTableRules)
#include "tst_tablerules.moc"
