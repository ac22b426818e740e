#include "ui/table/percentagepass.h"
#include "ui/table/roworder.h"
#include "ui/table/tablecellid.h"
#include "ui/table/thresholdentry.h"

#include <QtTest>

Q_DECLARE_METATYPE(PercentagePass::Row)

// The settings panel's rules: cell ID grammars, threshold entry, percentage
// pass and row orders.
class TestTablePanelRules : public QObject
{
    Q_OBJECT

private slots:
    void smallRules_data();
    void smallRules();
    void percentagePass_data();
    void percentagePass();
    void rowOrder_data();
    void rowOrder();
};

void TestTablePanelRules::smallRules_data()
{
    QTest::addColumn<QString>("rule"); // single, bulk, keys (selection range), wireless (ID and MAC), kg
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // problem page first last, low high, validities, or kg
    using P = TableCellId::Problem;
    const auto creation = [](P problem, int page, int first, int last) {
        return QStringLiteral("%1 %2 %3 %4").arg(int(problem)).arg(page).arg(first).arg(last);
    };
    QTest::newRow("one cell") << "single" << "3.07" << creation(P::None, 3, 7, 7);
    QTest::newRow("index 0") << "single" << "1.0" << creation(P::ZeroIndex, 1, 0, -1);
    QTest::newRow("three index digits") << "single" << "1.100" << creation(P::Malformed, 0, 0, -1);
    QTest::newRow("bulk downwards") << "bulk" << "1.05-1.02" << creation(P::None, 1, 2, 5);
    QTest::newRow("bulk across pages") << "bulk" << "1.05-2.07" << creation(P::PagesDiffer, 1, 0, -1);
    QTest::newRow("bulk zero last") << "bulk" << "1.5-2.00" << creation(P::ZeroIndex, 1, 0, -1);
    QTest::newRow("bulk half") << "bulk" << "1.05-" << creation(P::Malformed, 0, 0, -1);
    QTest::newRow("keys reversed") << "keys" << "2.10-1.05" << "105 210";
    QTest::newRow("keys of a single ID") << "keys" << "1.5" << "none";
    QTest::newRow("wireless largest") << "wireless" << "999 00:0A" << "true true";
    QTest::newRow("wireless too large") << "wireless" << "1000 8F:5" << "false false";
    QTest::newRow("wireless leading zero, lower case") << "wireless" << "05 8f:59" << "false false";
    // Shown value, type code and unit factor: capped at the capacity in kg (LB in the rows test).
    QTest::newRow("KG above capacity") << "kg" << "2500 3 1" << "2000";
    QTest::newRow("total or group") << "kg" << "700000 0 1" << "600000";
}

void TestTablePanelRules::smallRules()
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
        actual = QStringLiteral("%1 %2 %3 %4").arg(int(c.problem)).arg(c.page).arg(c.firstIndex).arg(c.lastIndex);
    }
    QTEST(actual, "expected");
}

void TestTablePanelRules::percentagePass_data()
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

void TestTablePanelRules::percentagePass()
{
    QFETCH(QVector<PercentagePass::Row>, rows);
    QFETCH(QStringList, percentages);
    QFETCH(QString, step);
    QStringList actual;
    if (step == QLatin1String("kept")) {
        for (int i = 0; i < 4; ++i)
            actual << PercentagePass::keptPercentage(QStringLiteral("100"), percentages.at(i), i < 3);
        QTEST(actual, "writes");
        return;
    }
    const auto p = PercentagePass::fromTexts(percentages.at(0), percentages.at(1), percentages.at(2), percentages.at(3));
    QVector<PercentagePass::Write> writes;
    if (step == QLatin1String("full"))
        writes = PercentagePass::fullPass(rows, p);
    else if (step == QLatin1String("group"))
        writes = PercentagePass::groupStep(rows, p);
    else
        writes = PercentagePass::cellStep(rows.last(), {100, 2400, 0, 3000}, p);
    for (const PercentagePass::Write &w : writes)
        actual << QStringLiteral("%1.%2 %3 %4").arg(w.pageId).arg(w.index).arg(int(w.threshold)).arg(w.kg);
    QTEST(actual, "writes");
}

void TestTablePanelRules::rowOrder_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("selected"); // "0110": rows 1 and 2 selected
    QTest::addColumn<QVector<int>>("order");
    QTest::newRow("top") << "top" << "001011" << QVector<int>{0, 2, 4, 5, 1, 3};
    QTest::newRow("bottom") << "bottom" << "011001" << QVector<int>{0, 3, 4, 1, 2, 5};
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

QTEST_APPLESS_MAIN(TestTablePanelRules)
#include "tst_tablepanelrules.moc"
