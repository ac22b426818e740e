#include "ui/table/percentagepass.h"
#include "ui/table/roworder.h"
#include "ui/table/tablecellid.h"
#include "ui/table/thresholdentry.h"

#include <QtTest>

namespace {

constexpr double kLb = 2.20462262185;

const char *const kThresholdNames[] = {"minWarn", "maxWarn", "minErr", "maxErr"};

// Writes as "page.index name value" texts, so a failure shows them all.
QStringList texts(const QVector<PercentagePass::Write> &writes)
{
    QStringList result;
    for (const PercentagePass::Write &w : writes)
        result << QStringLiteral("%1.%2 %3 %4").arg(w.pageId).arg(w.index).arg(kThresholdNames[w.threshold]).arg(w.kg);
    return result;
}

// "0110": row 0 unselected, rows 1 and 2 selected, row 3 not.
QVector<bool> selection(const QString &flags)
{
    QVector<bool> selected;
    for (QChar flag : flags)
        selected.append(flag == QLatin1Char('1'));
    return selected;
}

} // namespace

Q_DECLARE_METATYPE(PercentagePass::Row)

// The panel's rules: the ID grammars, the threshold entry, the percentage
// pass and the row orders.
class TestTablePanelRules : public QObject
{
    Q_OBJECT

private slots:
    void cellCreation_data();
    void cellCreation();
    void selectionKeys_data();
    void selectionKeys();
    void wirelessFields_data();
    void wirelessFields();
    void thresholdToKg_data();
    void thresholdToKg();
    void keptPercentage_data();
    void keptPercentage();
    void percentagePass_data();
    void percentagePass();
    void rowOrder_data();
    void rowOrder();
};

void TestTablePanelRules::cellCreation_data()
{
    QTest::addColumn<bool>("bulk");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    using P = TableCellId::Problem;
    QTest::newRow("one cell") << false << "1.10" << int(P::None) << 1 << 10 << 10;
    QTest::newRow("leading zero index") << false << "3.07" << int(P::None) << 3 << 7 << 7;
    QTest::newRow("index 0") << false << "1.0" << int(P::ZeroIndex) << 1 << 0 << -1;
    QTest::newRow("three index digits") << false << "1.100" << int(P::Malformed) << 0 << 0 << -1;
    QTest::newRow("page 0") << false << "0.5" << int(P::Malformed) << 0 << 0 << -1;
    QTest::newRow("range in single field") << false << "1.1-1.2" << int(P::Malformed) << 0 << 0 << -1;
    QTest::newRow("bulk downwards") << true << "1.05-1.02" << int(P::None) << 1 << 2 << 5;
    QTest::newRow("bulk one") << true << "4.9-4.9" << int(P::None) << 4 << 9 << 9;
    QTest::newRow("bulk across pages") << true << "1.05-2.07" << int(P::PagesDiffer) << 1 << 0 << -1;
    QTest::newRow("bulk zero index") << true << "1.0-1.5" << int(P::ZeroIndex) << 1 << 0 << -1;
    QTest::newRow("bulk zero last") << true << "1.5-2.00" << int(P::ZeroIndex) << 1 << 0 << -1;
    QTest::newRow("bulk half") << true << "1.05-" << int(P::Malformed) << 0 << 0 << -1;
}

void TestTablePanelRules::cellCreation()
{
    QFETCH(bool, bulk);
    QFETCH(QString, text);
    const TableCellId::Creation c = bulk ? TableCellId::bulk(text) : TableCellId::single(text);
    QTEST(int(c.problem), "problem");
    QTEST(c.page, "page");
    QTEST(c.firstIndex, "first");
    QTEST(c.lastIndex, "last");
}

void TestTablePanelRules::selectionKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high"); // -1: no range
    QTest::newRow("reversed") << "2.10-1.05" << 105 << 210;
    QTest::newRow("in order") << "1.01-1.99" << 101 << 199;
    QTest::newRow("one key") << "3.4-3.04" << 304 << 304;
    QTest::newRow("single ID") << "1.5" << 0 << -1;
    QTest::newRow("empty") << "" << 0 << -1;
}

void TestTablePanelRules::selectionKeys()
{
    QFETCH(QString, text);
    QFETCH(int, high);
    const std::optional<TableCellId::KeyRange> range = TableCellId::selectionKeys(text);
    QCOMPARE(range.has_value(), high >= 0);
    if (range) {
        QTEST(range->low, "low");
        QCOMPARE(range->high, high);
    }
}

void TestTablePanelRules::wirelessFields_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("idValid");
    QTest::addColumn<bool>("macValid");
    QTest::newRow("example") << "5" << "8F:59" << true << true;
    QTest::newRow("largest") << "999" << "00:0A" << true << true;
    QTest::newRow("too large") << "1000" << "8F:5" << false << false;
    QTest::newRow("leading zero, lower case") << "05" << "8f:59" << false << false;
    QTest::newRow("zero, no colon") << "0" << "8F59" << false << false;
}

void TestTablePanelRules::wirelessFields()
{
    QFETCH(QString, id);
    QFETCH(QString, mac);
    QTEST(TableCellId::isWirelessId(id), "idValid");
    QTEST(TableCellId::isMacSuffix(mac), "macValid");
}

void TestTablePanelRules::thresholdToKg_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<double>("conFactor");
    QTest::addColumn<double>("kg");
    QTest::newRow("LB above capacity") << 2000.0 << 1 << kLb << 500.0;
    QTest::newRow("LB below capacity") << 1000.0 << 1 << kLb << 1000 / kLb;
    QTest::newRow("LB at capacity") << 500 * kLb << 1 << kLb << 500.0;
    QTest::newRow("KG above capacity") << 2500.0 << 3 << 1.0 << 2000.0;
    QTest::newRow("KG within") << 800.0 << 2 << 1.0 << 800.0;
    QTest::newRow("total or group") << 700000.0 << 0 << 1.0 << 600000.0;
}

void TestTablePanelRules::thresholdToKg()
{
    QFETCH(double, shown);
    QFETCH(int, typeCode);
    QFETCH(double, conFactor);
    QTEST(ThresholdEntry::toKg(shown, typeCode, conFactor), "kg");
}

void TestTablePanelRules::keptPercentage_data()
{
    QTest::addColumn<bool>("overweight");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("overweight empty") << true << "" << "100";
    QTest::newRow("overweight zero") << true << "0" << "100";
    QTest::newRow("overweight typed") << true << "90" << "90";
    QTest::newRow("ultra-light zero") << false << "0" << "0";
    QTest::newRow("ultra-light empty") << false << "" << "100";
}

void TestTablePanelRules::keptPercentage()
{
    QFETCH(bool, overweight);
    QFETCH(QString, typed);
    QTEST(PercentagePass::keptPercentage(QStringLiteral("100"), typed, overweight), "kept");
}

void TestTablePanelRules::percentagePass_data()
{
    using PercentagePass::Row;
    QTest::addColumn<QVector<Row>>("rows");
    QTest::addColumn<QStringList>("percentages"); // minWarn, maxWarn, minErr, maxErr
    QTest::addColumn<QString>("step"); // full, group or cell (the last row is the new cell)
    QTest::addColumn<QStringList>("writes");
    const Row total{1, 0, 0, 0, 0};
    const QVector<Row> three{total, {1, 1, 0, 0, 1}, {1, 2, 0, 0, 1}, {2, 3, 0, 0, 3}};
    QTest::newRow("two 500 kg, one 2000 kg") << three << QStringList{"", "80", "", "100"} << "full"
        << QStringList{"1.1 maxWarn 400", "1.1 maxErr 500", "1.2 maxWarn 400", "1.2 maxErr 500",
                       "2.3 maxWarn 1600", "2.3 maxErr 2000", "1.0 maxWarn 2400", "1.0 maxErr 3000"};
    // Group 2 sits at index 1003; its members are 1.1 and 2.3; group 5 has none.
    const QVector<Row> grouped{total, {1, 1003, 1, 0, 0}, {1, 1006, 1, 0, 0}, {1, 1, 0, 2, 1},
                               {1, 2, 0, 0, 2}, {2, 3, 0, 2, 5}};
    QTest::newRow("groups") << grouped << QStringList{"0", "", "12.5", ""} << "group"
        << QStringList{"1.1003 minWarn 0", "1.1003 minErr 688", "1.1006 minWarn 0", "1.1006 minErr 0"};
    QTest::newRow("unknown type counts 600000") << QVector<Row>{total, {3, 4, 0, 0, 9}}
        << QStringList{"", "", "", "1"} << "full" << QStringList{"3.4 maxErr 6000", "1.0 maxErr 6000"};
    QTest::newRow("nothing set") << three << QStringList{"", "", "", ""} << "full" << QStringList{};
    // The total's thresholds (kg) are 100 / 2400 / 0 / 3000 before the new cell.
    QTest::newRow("new cell") << QVector<Row>{total, {4, 8, 0, 0, 2}} << QStringList{"10", "80", "", "100"}
        << "cell" << QStringList{"4.8 minWarn 100", "4.8 maxWarn 800", "4.8 maxErr 1000", "1.0 minWarn 200",
                                 "1.0 maxWarn 3200", "1.0 maxErr 4000"};
}

void TestTablePanelRules::percentagePass()
{
    QFETCH(QVector<PercentagePass::Row>, rows);
    QFETCH(QStringList, percentages);
    QFETCH(QString, step);
    const PercentagePass::Percentages p =
        PercentagePass::fromTexts(percentages.at(0), percentages.at(1), percentages.at(2), percentages.at(3));
    QVector<PercentagePass::Write> writes;
    if (step == QLatin1String("full"))
        writes = PercentagePass::fullPass(rows, p);
    else if (step == QLatin1String("group"))
        writes = PercentagePass::groupStep(rows, p);
    else
        writes = PercentagePass::cellStep(rows.last(), {100, 2400, 0, 3000}, p);
    QTEST(texts(writes), "writes");
}

void TestTablePanelRules::rowOrder_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QVector<int>>("order");
    QTest::newRow("top") << "top" << "001011" << QVector<int>{0, 2, 4, 5, 1, 3};
    QTest::newRow("top ignores row 0") << "top" << "10000" << QVector<int>{0, 1, 2, 3, 4};
    QTest::newRow("bottom") << "bottom" << "011001" << QVector<int>{0, 3, 4, 1, 2, 5};
    QTest::newRow("up") << "up" << "000110" << QVector<int>{0, 1, 3, 4, 2, 5};
    QTest::newRow("up, blocked at row 1") << "up" << "01101" << QVector<int>{0, 1, 2, 4, 3};
    QTest::newRow("down") << "down" << "01100" << QVector<int>{0, 3, 1, 2, 4};
    QTest::newRow("down, last row stays") << "down" << "00011" << QVector<int>{0, 1, 2, 3, 4};
    // Keys 1.0, 2.1, 1.1003, 1.7, 2.1, 1.2: equal keys keep their order.
    QTest::newRow("ascending") << "ascending" << "" << QVector<int>{0, 5, 3, 2, 1, 4};
    QTest::newRow("descending") << "descending" << "" << QVector<int>{0, 1, 4, 2, 3, 5};
}

void TestTablePanelRules::rowOrder()
{
    QFETCH(QString, operation);
    QFETCH(QString, selected);
    const QVector<bool> flags = selection(selected);
    RowOrder::Order order;
    if (operation == QLatin1String("top"))
        order = RowOrder::moveTop(flags);
    else if (operation == QLatin1String("bottom"))
        order = RowOrder::moveBottom(flags);
    else if (operation == QLatin1String("up"))
        order = RowOrder::moveUp(flags);
    else if (operation == QLatin1String("down"))
        order = RowOrder::moveDown(flags);
    else
        order = RowOrder::sorted({{1, 0}, {2, 1}, {1, 1003}, {1, 7}, {2, 1}, {1, 2}},
                                 operation == QLatin1String("ascending"));
    QTEST(order, "order");
}

QTEST_APPLESS_MAIN(TestTablePanelRules)
#include "tst_tablepanelrules.moc"
