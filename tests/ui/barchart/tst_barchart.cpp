#include "app/languageflag.h"
#include "ui/barchart/barchartitem.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QPainter>
#include <QtTest>

// The bar rows fed as the controller's refresh publishes them, and the chart
// painted from them.
class TestBarChart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void adaptationFollowsTheLastRowOfARound();
    void scaleAndColourFollowAxisWidthAndColumns();
    void partsAxisFieldsAndInformation();
    void paintedBarsAndMarkers();
    void onlyRowsInViewAreDrawn();

private:
    // Thresholds: alarm below 20 and above 240, warning below 40 and above 220.
    void cell(int index, int weight, int state = 1, BarRowModel *model = nullptr)
    {
        (model ? model : m_model.get())->setTableData(2, index, 0, 0, QStringLiteral("CZ"), weight, weight + 5, weight - 5,
                                                      220, 40, 240, 20, state, 0, 1, nullptr);
    }
    // One refresh round: the total, then every cell in list order.
    void round(int total, const QVector<int> &cells)
    {
        m_model->setTableData(1, 0, 0, 0, QStringLiteral("ALL LOAD"), total, 0, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
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

    std::unique_ptr<BarRowModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<BarChartItem> m_item;
};

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
    for (auto set : {&BarChartItem::setShowNames, &BarChartItem::setShowMinMax, &BarChartItem::setShowAlarmMarkers,
                     &BarChartItem::setShowWarnMarkers})
        (m_item.get()->*set)(false);
}

void TestBarChart::adaptationFollowsTheLastRowOfARound()
{
    round(900, {100, 180, 200});
    QCOMPARE(m_model->cellMaxData(), BarRowModel::DefaultCellMaxData); // off by default
    m_model->setAxisAdaptive(true);
    QSignalSpy x1(m_model.get(), &BarRowModel::axisX1Announced);
    QSignalSpy x2(m_model.get(), &BarRowModel::axisX2Announced);
    cell(1, 300); // not the last row: the axes stay
    QCOMPARE(m_model->cellMaxData(), BarRowModel::DefaultCellMaxData);
    // The largest cell of each round and the maximum after it: a tenth below
    // (exclusive) keeps the maximum.
    const QVector<QPair<int, double>> rounds{{200, 200}, {210, 210}, {191, 210}, {190, 190}, {0, 0}};
    for (const auto &r : rounds) {
        round(900, {0, r.first, 0});
        QCOMPARE(m_model->cellMaxData(), r.second);
    }
    QCOMPARE(x1.count(), 5); // every round; X2 only when it moved
    QCOMPARE(x2.count(), 4);
    // The total row has its own band; group rows neither count nor move the axes.
    round(820, {100, 0, 0});
    QCOMPARE(m_model->allTotalData(), 900.0);
    m_model->setGroupTableData(1, 1003, 0, 1, QStringLiteral("G"), 5000, 0, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
    round(1000, {100, 0, 0});
    QCOMPARE(m_model->allTotalData(), 1000.0);
    QCOMPARE(m_model->cellMaxData(), 100.0);
}

void TestBarChart::scaleAndColourFollowAxisWidthAndColumns()
{
    round(2000, {100, 245});
    cell(3, 9999, 2);
    m_model->setGroupTableData(1, 1002, 0, 1, QStringLiteral("G"), 300, 0, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
    m_model->flush();
    // Rows: total, group, 2.1, 2.2, 2.3.
    QCOMPARE(data(1, BarRowModel::PropoRole).toDouble(), 2.5);
    QCOMPARE(data(0, BarRowModel::BarLengthRole).toDouble(), 800.0);
    QCOMPARE(data(2, BarRowModel::BarLengthRole).toDouble(), 400.0);
    QCOMPARE(data(3, BarRowModel::BarColorRole).toString(), QStringLiteral("red"));
    QCOMPARE(data(4, BarRowModel::BarColorRole).toString(), QStringLiteral("#ccc800"));
    QCOMPARE(data(4, BarRowModel::StateTextRole).toString(), QStringLiteral("OFF"));
    QSignalSpy changed(m_model.get(), &QAbstractItemModel::dataChanged);
    m_model->setChartWidth(540);
    m_model->setCellMaxData(500);
    m_model->setCellMaxData(500); // unchanged: nothing announced
    QCOMPARE(changed.count(), 2);
    QCOMPARE(data(2, BarRowModel::PropoRole).toDouble(), 1.0);
    m_model->setRect4(BarRowModel::ColumnHidden);
    QCOMPARE(data(3, BarRowModel::BarColorRole).toString(), QStringLiteral("Orange"));
    m_model->setRect4(12); // not a switch value
    QCOMPARE(m_model->rect4(), BarRowModel::ColumnHidden);
    m_model->setOverwarnColor(QStringLiteral("#123456"));
    QCOMPARE(data(3, BarRowModel::BarColorRole).toString(), QStringLiteral("#123456"));
    QCOMPARE(changed.count(), 4);
}

void TestBarChart::partsAxisFieldsAndInformation()
{
    QVERIFY(m_model->applyAxisField(1, QStringLiteral("2000000")));
    QVERIFY(m_model->applyAxisField(2, QStringLiteral("999999")));
    QVERIFY(!m_model->applyAxisField(2, QString()));
    QVERIFY(!m_model->applyAxisField(3, QStringLiteral("5")));
    QCOMPARE(m_model->allTotalData(), 1000000.0);
    QCOMPARE(m_model->cellMaxData(), 600000.0);

    BarRowModel part;
    part.setPartIndex(3);
    part.appendPlaceholder(1, 0, 0, QStringLiteral("name"));
    part.appendPlaceholder(2, 7, 0);
    part.setAxisAdaptive(true);
    part.setPartTableData(2, 7, 0, 0, QStringLiteral("CZ"), 300, 300, 300, 0, 0, 0, 0, 1, 0, 1, nullptr);
    part.setPartTableData(2, 8, 0, 0, QStringLiteral("other"), 900, 900, 900, 0, 0, 0, 0, 1, 0, 1, nullptr);
    part.flush();
    QCOMPARE(part.rowCount(), 2);
    QCOMPARE(part.cellMaxData(), 300.0);

    round(0, {});
    m_model->setTableData(20, 4, 0, 0, QStringLiteral("BLE4"), 120, 130, 110, 400, 50, 500, 20, 2, 7, 3, nullptr);
    m_model->flush();
    const QStringList lines = m_model->infoText(1, QStringLiteral("KG")).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 5), (QStringList{"ID:20.4", "Name:BLE4", "Type:RWX5502-2.0T", "Weight:120", "Status:OFF"}));
    QCOMPARE(lines.at(5), QStringLiteral("Ultra-light alarm weight:20KG"));
    QCOMPARE(m_model->infoText(5, QStringLiteral("KG")), QString());
}

void TestBarChart::paintedBarsAndMarkers()
{
    round(1250, {200, 0});
    const auto middle = [](int row) { return 20 + row * 25 + 12; };
    QImage image = render();
    // The total 1250 of 2500 on 1000 pixels, the cell 200 of 250.
    QVERIFY(image.pixelColor(495, middle(0)) != QColor(Qt::white));
    QCOMPARE(image.pixelColor(505, middle(0)), QColor(Qt::white));
    QVERIFY(image.pixelColor(795, middle(1)).green() > 100);
    QCOMPARE(image.pixelColor(805, middle(1)), QColor(Qt::white));
    // Cell 2.2 has no bar: its markers follow their switches. The overweight
    // alarm "<" starts at 240 / 0.25 = 960, the warning dot ends near 880.
    QCOMPARE(image.pixelColor(960, middle(2)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(878, middle(2)), QColor(Qt::white));
    m_item->setShowAlarmMarkers(true);
    m_item->setShowWarnMarkers(true);
    image = render();
    QVERIFY(image.pixelColor(960, middle(2)).red() > 200);
    QVERIFY(image.pixelColor(878, middle(2)).red() > 200);
    // Brackets at the minimum 0 ... and the maximum 5 / 0.25 = 20, one pixel above the bar.
    QCOMPARE(image.pixelColor(19, middle(2) - 10 + 8), QColor(Qt::white));
    m_item->setShowMinMax(true);
    QCOMPARE(render().pixelColor(19, middle(2) - 2), QColor(Qt::black));

    // A chart too narrow for its axis margin draws no bar and no tick.
    m_item->setSize(QSizeF(38, 100));
    m_model->setChartWidth(38);
    image = render();
    for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(image.pixelColor(x, 10), QColor("#334177"));
        for (int y = 20; y < image.height() - 20; ++y)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }
}

void TestBarChart::onlyRowsInViewAreDrawn()
{
    for (int index = 1; index <= 100; ++index)
        cell(index, 100);
    m_model->flush();
    QCOMPARE(m_item->visibleRows(), qMakePair(0, 9));
    QCOMPARE(m_item->rowAt(10), -1);
    QCOMPARE(m_item->rowAt(269), 9);
    QCOMPARE(m_item->rowAt(275), -1);
    m_item->setContentY(310); // rows 12 (310 to 325) and 22 (550 to 560) partly in view
    QCOMPARE(m_item->visibleRows(), qMakePair(12, 22));
    QCOMPARE(m_item->rowAt(20), 12);
    // Past the end: nothing painted, nothing read beyond the rows.
    m_item->setContentY(5000);
    QVERIFY(m_item->visibleRows().second < m_item->visibleRows().first);
    QCOMPARE(m_item->rowAt(100), -1);
    QCOMPARE(render().pixelColor(50, 100), QColor(Qt::white));
}

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"
