#include "app/languageflag.h"
#include "ui/barchart/barchartitem.h"
#include "ui/barchart/barrules.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QPainter>
#include <QtTest>

// The chart's geometry, the bar rows fed as the controller's refresh
// publishes them, and the chart painted from them.
class TestBarChart : public QObject
{
    Q_OBJECT

private slots:
    void scaleAndTicks_data();
    void scaleAndTicks();
    void markersNeverLieBelowZero_data();
    void markersNeverLieBelowZero();
    void init();
    void adaptationFollowsTheLastRowOfARound();
    void rowsFollowAxesWidthAndColumns();
    void paintedBarsAndMarkers();
    void onlyRowsInViewAreDrawn();

private:
    // Thresholds: alarm below 20 and above 240, warning below 40 and above 220.
    void cell(int index, int weight, int state = 1)
    {
        m_model->setTableData(2, index, 0, 0, "CZ", weight, weight + 5, weight - 5, 220, 40, 240, 20, state, 0, 1, nullptr);
    }
    // One refresh round: the total, then every cell in list order.
    void round(int total, const QVector<int> &cells)
    {
        m_model->setTableData(1, 0, 0, 0, "ALL LOAD", total, 0, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
        for (int i = 0; i < cells.size(); ++i)
            cell(i + 1, cells.at(i));
    }
    QImage render()
    {
        m_model->flush();
        QImage image(m_item->size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        m_item->paint(&painter);
        return image;
    }
    QVariant data(int row, int role) const { return m_model->index(row).data(role); }

    std::unique_ptr<BarChartItem> m_item;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<BarRowModel> m_model;
};

void TestBarChart::scaleAndTicks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("typeFlag");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("propo"); // axes X1 2500 and X2 250
    QTest::addColumn<QVector<double>>("ticks"); // the first two and the last, then the count
    QTest::newRow("total row") << 0 << 0 << 1040.0 << 2.5 << QVector<double>{0, 100, 1000, 11};
    QTest::newRow("group row, odd width") << 1005 << 1 << 993.0 << 2500 / 953.0 << QVector<double>{0, 95, 950, 11};
    QTest::newRow("cell above 1000") << 1005 << 0 << 1040.0 << 0.25 << QVector<double>{0, 100, 1000, 11};
    QTest::newRow("one-pixel step") << 7 << 0 << 45.0 << 50.0 << QVector<double>{0, 1, 5, 6};
    QTest::newRow("step rounds to nothing") << 7 << 0 << 44.0 << 62.5 << QVector<double>{};
    QTest::newRow("exactly the margin") << 0 << 0 << 40.0 << 0.0 << QVector<double>{};
}

void TestBarChart::scaleAndTicks()
{
    QFETCH(int, index);
    QFETCH(int, typeFlag);
    QFETCH(double, width);
    QFETCH(double, propo);
    QFETCH(QVector<double>, ticks);
    QCOMPARE(BarRules::scale(BarRules::onTotalAxis(index, typeFlag) ? 2500 : 250, width), propo);
    QCOMPARE(BarRules::barLength(500, propo), propo > 0 ? 500 / propo : 0.0);
    QCOMPARE(BarRules::barLength(-20, propo), 0.0);
    const QVector<double> positions = BarRules::tickPositions(width);
    const QVector<double> shape = positions.isEmpty()
        ? QVector<double>()
        : QVector<double>{positions.at(0), positions.at(1), positions.last(), double(positions.size())};
    QCOMPARE(shape, ticks);
}

void TestBarChart::markersNeverLieBelowZero_data()
{
    QTest::addColumn<QVector<double>>("values"); // minWarn maxWarn minErr maxErr minimum maximum
    QTest::addColumn<double>("propo");
    QTest::addColumn<QVector<double>>("markers");
    // Bar height 20: dots 5 before, ">" 10 wide ending at its threshold, "]" 4 wide ending at the maximum.
    QTest::newRow("all inside") << QVector<double>{100, 400, 60, 500, 40, 300} << 2.0
                                << QVector<double>{45, 195, 20, 250, 20, 146};
    QTest::newRow("negative extremes") << QVector<double>{4, 8, 2, -10, -50, -2} << 2.0
                                       << QVector<double>{0, 0, 0, 0, 0, 0};
    QTest::newRow("no scale") << QVector<double>{100, 200, 50, 300, 10, 400} << 0.0 << QVector<double>{0, 0, 0, 0, 0, 0};
}

void TestBarChart::markersNeverLieBelowZero()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, propo);
    const BarRules::Markers m =
        BarRules::markers({values[0], values[1], values[2], values[3], values[4], values[5]}, propo, 20);
    QTEST((QVector<double>{m.underWarn, m.overWarn, m.underAlarm, m.overAlarm, m.minBracket, m.maxBracket}), "markers");
}

void TestBarChart::init()
{
    LanguageFlag::setChinese(false);
    m_item.reset();
    m_tester.reset();
    m_model = std::make_unique<BarRowModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_model->setChartWidth(1040);
    m_item = std::make_unique<BarChartItem>();
    m_item->setModel(m_model.get());
    m_item->setSize(QSizeF(1040, 20 + 10 * 25 + 20));
    m_item->setShowNames(false);
    m_item->setShowMinMax(false);
}

void TestBarChart::adaptationFollowsTheLastRowOfARound()
{
    round(900, {100, 180, 200}); // adaptation is off by default
    m_model->setAxisAdaptive(true);
    QSignalSpy x2(m_model.get(), &BarRowModel::axisX2Announced);
    cell(1, 300); // not the last row: the axes stay
    QCOMPARE(m_model->cellMaxData(), BarRowModel::DefaultCellMaxData);
    // Largest cell of a round, maximum after it: up to a tenth below keeps it.
    for (const auto &r : QVector<QPair<int, double>>{{200, 200}, {210, 210}, {191, 210}, {190, 190}, {0, 0}}) {
        round(900, {0, r.first, 0});
        QCOMPARE(m_model->cellMaxData(), r.second);
    }
    QCOMPARE(x2.count(), 4); // only when it moved
    // The total row has its own band; group rows neither count nor move the axes.
    round(820, {100, 0, 0});
    QCOMPARE(m_model->allTotalData(), 900.0);
    m_model->setGroupTableData(1, 1003, 0, 1, "G", 5000, 0, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
    round(1000, {100, 0, 0});
    QCOMPARE(m_model->allTotalData(), 1000.0);
    QCOMPARE(m_model->cellMaxData(), 100.0);
}

void TestBarChart::rowsFollowAxesWidthAndColumns()
{
    round(2000, {100, 245});
    cell(3, 9999, 2);
    m_model->flush();
    // Rows: total (axis X1), 2.1, 2.2 (over its alarm), 2.3 (offline: the
    // attention colour whatever the weight).
    QCOMPARE(data(0, BarRowModel::BarLengthRole).toDouble(), 800.0);
    QCOMPARE(data(1, BarRowModel::BarLengthRole).toDouble(), 400.0);
    QCOMPARE(data(2, BarRowModel::BarColorRole).toString(), QStringLiteral("red"));
    QCOMPARE(data(3, BarRowModel::BarColorRole).toString() + data(3, BarRowModel::StateTextRole).toString(), "#ccc800OFF");
    LanguageFlag::setChinese(true);
    QCOMPARE(data(3, BarRowModel::StateTextRole).toString(), QStringLiteral("离线"));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setChartWidth(540);
    m_model->setCellMaxData(500);
    m_model->setCellMaxData(500); // unchanged: nothing announced
    QCOMPARE(data(1, BarRowModel::PropoRole).toDouble(), 1.0);
    m_model->setRect4(BarRowModel::ColumnHidden);
    QCOMPARE(data(2, BarRowModel::BarColorRole).toString(), QStringLiteral("Orange"));
    m_model->setOverwarnColor(QStringLiteral("#123456"));
    QCOMPARE(data(2, BarRowModel::BarColorRole).toString(), QStringLiteral("#123456"));
    QCOMPARE(changed.count(), 4); // width, maximum, column, palette
    // Field 1 is axis X1 (the total), field 2 axis X2 (the cells), each capped;
    // only digits are taken.
    QVERIFY(m_model->applyAxisField(1, QString(400, '9')) && m_model->applyAxisField(2, "999999"));
    for (const char *refused : {"", "-5", "2.5", "12a"})
        QVERIFY(!m_model->applyAxisField(2, refused));
    QVERIFY(!m_model->applyAxisField(3, "5"));
    QCOMPARE(m_model->allTotalData(), 1000000.0);
    QCOMPARE(m_model->cellMaxData(), 600000.0);
}

void TestBarChart::paintedBarsAndMarkers()
{
    round(0, {200, 0});
    const auto middle = [](int row) { return 20 + row * 25 + 12; };
    m_item->setShowAlarmMarkers(false);
    m_item->setShowWarnMarkers(false);
    QImage image = render();
    // The cell's bar: 200 of 250 on 1000 pixels.
    QVERIFY(image.pixelColor(795, middle(1)).green() > 100 && image.pixelColor(805, middle(1)) == Qt::white);
    // Cell 2.2 has no bar, only markers: the overweight alarm "<" from
    // 240 / 0.25 = 960, the warning dot ending near 880, the "]" at 5 / 0.25.
    QVERIFY(image.pixelColor(960, middle(2)) == Qt::white && image.pixelColor(878, middle(2)) == Qt::white
            && image.pixelColor(19, middle(2) - 2) == Qt::white);
    m_item->setShowAlarmMarkers(true);
    m_item->setShowWarnMarkers(true);
    m_item->setShowMinMax(true);
    image = render();
    QVERIFY(image.pixelColor(960, middle(2)).red() > 200 && image.pixelColor(878, middle(2)).red() > 200);
    QCOMPARE(image.pixelColor(19, middle(2) - 2), QColor(Qt::black));
}

void TestBarChart::onlyRowsInViewAreDrawn()
{
    for (int index = 1; index <= 100; ++index)
        cell(index, 100);
    m_model->flush();
    m_item->setContentY(310); // rows 12 (310 to 325) and 22 (550 to 560) partly in view
    QCOMPARE(m_item->visibleRows(), qMakePair(12, 22));
    QCOMPARE(m_item->rowAt(10), -1); // the ruler
    QCOMPARE(m_item->rowAt(20), 12);
    // Past the end: nothing painted, nothing read beyond the rows.
    m_item->setContentY(5000);
    QVERIFY(m_item->visibleRows().second < m_item->visibleRows().first);
    QCOMPARE(m_item->rowAt(100), -1);
    QCOMPARE(render().pixelColor(50, 100), QColor(Qt::white));
}

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"
