#include "app/languageflag.h"
#include "ui/barchart/barrowmodel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <memory>

namespace {

// Publishes readings the way the controller's refresh does.
struct Publisher
{
    BarRowModel *model;

    void total(int weight)
    {
        model->setTableData(1, 0, 0, 0, QStringLiteral("ALL LOAD"), weight, weight, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
    }
    void cell(int page, int index, int weight, int state = 1)
    {
        model->setTableData(page, index, 0, 0, QStringLiteral("CZ%1.%2").arg(page).arg(index), weight, weight + 5,
                            weight - 5, 400, 50, 500, 20, state, 0, 2, nullptr);
    }
    void group(int index, int weight)
    {
        model->setGroupTableData(1, index, 0, 1, QStringLiteral("G"), weight, weight, weight, 0, 0, 0, 0, 1, 0, 0,
                                 nullptr);
    }
    // One refresh round: the total, then every cell in list order.
    void round(int total, const QVector<int> &cells)
    {
        this->total(total);
        for (int i = 0; i < cells.size(); ++i)
            cell(2, i + 1, cells.at(i));
    }
};

} // namespace

class TestBarRowModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void adaptationSequenceThroughPublications();
    void adaptationRunsOnlyForTheLastRowAndOnlyWhenOn();
    void x1IsAnnouncedEveryRoundX2OnlyWhenItMoves();
    void scaleFollowsAxisAndWidth();
    void offlineBarIsAttentionColourWhateverItsWeight();
    void columnSwitchesAndPaletteRecolour();
    void axisFieldsCapTheirValues();
    void partChartsShareTheTableMatching();
    void informationText();

private:
    std::unique_ptr<BarRowModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    Publisher m_pub{nullptr};
};

void TestBarRowModel::init()
{
    m_model = std::make_unique<BarRowModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model->setChartWidth(1040);
    m_pub.model = m_model.get();
}

void TestBarRowModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    LanguageFlag::setChinese(true);
}

void TestBarRowModel::adaptationSequenceThroughPublications()
{
    m_model->setAxisAdaptive(true);
    m_pub.round(900, {100, 180, 200});
    QCOMPARE(m_model->cellMaxData(), 200.0);
    QCOMPARE(m_model->allTotalData(), 900.0);
    m_pub.round(900, {100, 210, 200});
    QCOMPARE(m_model->cellMaxData(), 210.0);
    m_pub.round(900, {100, 180, 200});
    QCOMPARE(m_model->cellMaxData(), 210.0);
    m_pub.round(900, {100, 150, 120});
    QCOMPARE(m_model->cellMaxData(), 150.0);
    // The total row has its own band: 860 keeps 900, 1000 follows.
    m_pub.round(860, {100, 150, 120});
    QCOMPARE(m_model->allTotalData(), 900.0);
    m_pub.round(1000, {100, 150, 120});
    QCOMPARE(m_model->allTotalData(), 1000.0);
    // Group rows neither count as cells nor move the axes.
    m_pub.group(1003, 5000);
    m_pub.round(1000, {100, 150, 120});
    QCOMPARE(m_model->cellMaxData(), 150.0);
    QCOMPARE(m_model->allTotalData(), 1000.0);
}

void TestBarRowModel::adaptationRunsOnlyForTheLastRowAndOnlyWhenOn()
{
    m_pub.round(900, {100, 180, 200});
    QCOMPARE(m_model->cellMaxData(), BarRowModel::DefaultCellMaxData);
    QCOMPARE(m_model->allTotalData(), BarRowModel::DefaultAllTotalData);

    m_model->setAxisAdaptive(true);
    // Data for rows other than the last leave the axes alone.
    m_pub.total(900);
    m_pub.cell(2, 1, 100);
    QCOMPARE(m_model->cellMaxData(), BarRowModel::DefaultCellMaxData);
    m_pub.cell(2, 3, 200);
    QCOMPARE(m_model->cellMaxData(), 200.0);
}

void TestBarRowModel::x1IsAnnouncedEveryRoundX2OnlyWhenItMoves()
{
    m_pub.round(900, {100, 200});
    m_model->setAxisAdaptive(true);
    QSignalSpy x1(m_model.get(), &BarRowModel::axisX1Announced);
    QSignalSpy x2(m_model.get(), &BarRowModel::axisX2Announced);
    m_pub.round(900, {100, 200});
    QCOMPARE(x1.count(), 1);
    QCOMPARE(x2.count(), 1);
    m_pub.round(900, {100, 200});
    QCOMPARE(x1.count(), 2);
    QCOMPARE(x2.count(), 1);
    // While rows are new, each one is the last row when it arrives.
    m_pub.round(900, {100, 200, 300, 400});
    QCOMPARE(x1.count(), 5);
}

void TestBarRowModel::scaleFollowsAxisAndWidth()
{
    m_pub.round(2000, {100});
    m_pub.group(1002, 300);
    m_model->flush();
    const auto propo = [this](int row) { return m_model->index(row).data(BarRowModel::PropoRole).toDouble(); };
    const auto length = [this](int row) { return m_model->index(row).data(BarRowModel::BarLengthRole).toDouble(); };
    // Rows: total, group (inserted at 1), cell.
    QCOMPARE(propo(0), 2.5);
    QCOMPARE(propo(1), 2.5);
    QCOMPARE(propo(2), 0.25);
    QCOMPARE(length(0), 800.0);
    QCOMPARE(length(2), 400.0);

    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setChartWidth(540);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(propo(2), 0.5);
    m_model->setCellMaxData(500);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(propo(2), 1.0);
    QCOMPARE(propo(0), 5.0);
    // An unchanged maximum announces nothing.
    m_model->setCellMaxData(500);
    QCOMPARE(changed.count(), 2);
    // A chart too narrow for its axis margin has no scale and draws no bar.
    m_model->setChartWidth(30);
    QCOMPARE(propo(2), 0.0);
    QCOMPARE(length(2), 0.0);
}

void TestBarRowModel::offlineBarIsAttentionColourWhateverItsWeight()
{
    m_pub.total(0);
    m_pub.cell(2, 1, 100, 0);
    m_pub.cell(2, 2, 9999, 2);
    m_pub.cell(2, 3, 0, 3);
    m_pub.cell(2, 4, 100, 1);
    m_model->flush();
    const auto color = [this](int row) { return m_model->index(row).data(BarRowModel::BarColorRole).toString(); };
    const auto text = [this](int row) { return m_model->index(row).data(BarRowModel::StateTextRole).toString(); };
    QCOMPARE(color(1), QStringLiteral("#ccc800"));
    QCOMPARE(color(2), QStringLiteral("#ccc800"));
    QCOMPARE(color(3), QStringLiteral("#ccc800"));
    QCOMPARE(color(4), QStringLiteral("green"));
    QCOMPARE(text(1), QStringLiteral("离线"));
    QCOMPARE(text(3), QStringLiteral("故障"));
    LanguageFlag::setChinese(false);
    QCOMPARE(text(2), QStringLiteral("OFF"));
    QCOMPARE(text(4), QStringLiteral("Normal"));
}

void TestBarRowModel::columnSwitchesAndPaletteRecolour()
{
    m_pub.total(0);
    m_pub.cell(2, 1, 600); // above the overweight alarm 500
    m_model->flush();
    const auto color = [this] { return m_model->index(1).data(BarRowModel::BarColorRole).toString(); };
    QCOMPARE(color(), QStringLiteral("red"));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setRect4(BarRowModel::ColumnHidden);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(color(), QStringLiteral("Orange"));
    m_model->setRect4(12); // not a switch value
    QCOMPARE(m_model->rect4(), BarRowModel::ColumnHidden);
    m_model->setOverwarnColor(QStringLiteral("#123456"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(color(), QStringLiteral("#123456"));
}

void TestBarRowModel::axisFieldsCapTheirValues()
{
    QVERIFY(m_model->applyAxisField(1, QStringLiteral("2000000")));
    QCOMPARE(m_model->allTotalData(), 1000000.0);
    QVERIFY(m_model->applyAxisField(2, QStringLiteral("999999")));
    QCOMPARE(m_model->cellMaxData(), 600000.0);
    QVERIFY(!m_model->applyAxisField(2, QStringLiteral("")));
    QVERIFY(!m_model->applyAxisField(3, QStringLiteral("5")));
    QCOMPARE(m_model->cellMaxData(), 600000.0);
}

void TestBarRowModel::partChartsShareTheTableMatching()
{
    BarRowModel part;
    QAbstractItemModelTester tester(&part, QAbstractItemModelTester::FailureReportingMode::QtTest);
    part.setPartIndex(3);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 7, 0);
    part.setChartWidth(1040);
    part.setAxisAdaptive(true);
    part.setPartTableData(2, 7, 0, 0, QStringLiteral("CZ"), 300, 300, 300, 0, 0, 0, 0, 1, 0, 1, nullptr);
    part.setPartTableData(2, 8, 0, 0, QStringLiteral("other"), 900, 900, 900, 0, 0, 0, 0, 1, 0, 1, nullptr);
    part.flush();
    QCOMPARE(part.rowCount(), 2);
    QCOMPARE(part.index(1).data(CellRowModel::WidthRole).toInt(), 300);
    QCOMPARE(part.cellMaxData(), 300.0);
}

void TestBarRowModel::informationText()
{
    m_pub.total(0);
    m_model->setTableData(20, 4, 0, 0, QStringLiteral("BLE4"), 120, 130, 110, 400, 50, 500, 20, 2, 7, 3, nullptr);
    m_model->flush();
    LanguageFlag::setChinese(false);
    const QStringList lines = m_model->infoText(1, QStringLiteral("KG")).split(QLatin1Char('\n'));
    QCOMPARE(lines, (QStringList{"ID:20.4", "Name:BLE4", "Type:RWX5502-2.0T", "Weight:120", "Status:OFF",
                                 "Ultra-light alarm weight:20KG", "Overweight alarm weight:500KG",
                                 "Ultra-light warning weight:50KG", "Overweight warning weight:400KG",
                                 "Minimum weight:110KG", "Maximum weight:130KG", "Error number:7",
                                 "Bluetooth battery:%", "Bluetooth addr:"}));
    LanguageFlag::setChinese(true);
    QVERIFY(m_model->infoText(0, QStringLiteral("LB")).startsWith(QStringLiteral("ID:1.0\n名字:ALL LOAD\n类型:")));
    QCOMPARE(m_model->infoText(5, QStringLiteral("KG")), QString());
}

QTEST_GUILESS_MAIN(TestBarRowModel)
#include "tst_barrowmodel.moc"
