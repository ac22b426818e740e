#include "ui/barchart/barchartitem.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

// Colours within a few steps of each other (gradients, antialiasing).
bool near(const QColor &a, const QColor &b, int tolerance = 12)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestBarChartItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void barsAreStateColouredAndScaled();
    void rulersFrameTheBars();
    void narrowChartDrawsNoBarsAndNoTicks();
    void onlyRowsInViewAreDrawn();
    void markersFollowTheirSwitches();

private:
    QImage render();
    void publish(int page, int index, int weight, int state);

    std::unique_ptr<BarRowModel> m_model;
    std::unique_ptr<BarChartItem> m_item;
};

void TestBarChartItem::init()
{
    m_model = std::make_unique<BarRowModel>();
    m_item = std::make_unique<BarChartItem>();
    m_item->setModel(m_model.get());
    m_item->setSize(QSizeF(1040, 20 + 10 * 25 + 20));
    m_model->setChartWidth(1040);
    m_item->setShowNames(false);
    m_item->setShowMinMax(false);
    m_item->setShowAlarmMarkers(false);
    m_item->setShowWarnMarkers(false);
}

void TestBarChartItem::cleanup()
{
    m_item.reset();
    m_model.reset();
}

QImage TestBarChartItem::render()
{
    m_model->flush();
    QImage image(m_item->size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_item->paint(&painter);
    return image;
}

void TestBarChartItem::publish(int page, int index, int weight, int state)
{
    // Thresholds: alarm below 20 and above 240, warning below 40 and above 220.
    m_model->setTableData(page, index, 0, 0, QStringLiteral("CZ"), weight, weight, weight, 220, 40, 240, 20, state, 0,
                          1, nullptr);
}

void TestBarChartItem::barsAreStateColouredAndScaled()
{
    m_model->setTableData(1, 0, 0, 0, QStringLiteral("ALL LOAD"), 1250, 0, 0, 90000, 0, 90000, 0, 1, 0, 0, nullptr);
    publish(2, 1, 200, 1); // normal: 800 pixels at 0.25 per pixel
    publish(2, 2, 245, 1); // overweight alarm: 980 pixels
    publish(2, 3, 200, 0); // offline
    const QImage image = render();
    const auto rowMiddle = [](int row) { return 20 + row * 25 + 12; };
    // The total: 1250 of 2500 on 1000 pixels.
    QVERIFY(near(image.pixelColor(495, rowMiddle(0)), QColor("green"), 20));
    QCOMPARE(image.pixelColor(505, rowMiddle(0)), QColor(Qt::white));
    QVERIFY(near(image.pixelColor(795, rowMiddle(1)), QColor("green"), 20));
    QCOMPARE(image.pixelColor(805, rowMiddle(1)), QColor(Qt::white));
    QVERIFY(near(image.pixelColor(975, rowMiddle(2)), QColor("red"), 20));
    QVERIFY(near(image.pixelColor(795, rowMiddle(3)), QColor("#ccc800"), 20));
    // The gradient lightens the bar towards its start.
    QVERIFY(image.pixelColor(5, rowMiddle(1)).lightness() > image.pixelColor(795, rowMiddle(1)).lightness());
    // Below the last row nothing but the dashed tick lines.
    QCOMPARE(image.pixelColor(50, rowMiddle(6)), QColor(Qt::white));
}

void TestBarChartItem::rulersFrameTheBars()
{
    const QImage image = render();
    const QColor ruler("#334177");
    QCOMPARE(image.pixelColor(1030, 2), ruler);
    QCOMPARE(image.pixelColor(1030, image.height() - 2), ruler);
    // Dashed red lines at every tick through the bar area: 5 on, 5 off.
    int red = 0;
    for (int y = 20; y < image.height() - 20; ++y)
        red += image.pixelColor(100, y) == QColor(Qt::red) ? 1 : 0;
    const int area = image.height() - 40;
    QVERIFY2(red > area / 3 && red < area * 2 / 3, qPrintable(QString::number(red)));
    QCOMPARE(image.pixelColor(150, 100), QColor(Qt::white));
}

void TestBarChartItem::narrowChartDrawsNoBarsAndNoTicks()
{
    publish(2, 1, 200, 1);
    m_item->setSize(QSizeF(38, 100));
    m_model->setChartWidth(38);
    const QImage image = render();
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 20; y < image.height() - 20; ++y)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
    }
    // No tick, no label: the strips are plain.
    for (int x = 0; x < image.width(); ++x)
        QCOMPARE(image.pixelColor(x, 10), QColor("#334177"));
}

void TestBarChartItem::onlyRowsInViewAreDrawn()
{
    for (int index = 1; index <= 100; ++index)
        publish(2, index, 100, 1);
    m_model->flush();
    QCOMPARE(m_item->visibleRows(), qMakePair(0, 9));
    QCOMPARE(m_item->rowAt(10), -1);
    QCOMPARE(m_item->rowAt(20), 0);
    QCOMPARE(m_item->rowAt(269), 9);
    QCOMPARE(m_item->rowAt(275), -1);
    m_item->setContentY(310);
    // Row 12 is partly in view (310 to 325), row 22 too (550 to 560).
    QCOMPARE(m_item->visibleRows(), qMakePair(12, 22));
    QCOMPARE(m_item->rowAt(20), 12);
    m_item->setContentY(100 * 25 - 250);
    QCOMPARE(m_item->visibleRows(), qMakePair(90, 99));
    m_item->setContentY(5000);
    QVERIFY(m_item->visibleRows().second < m_item->visibleRows().first);
    QCOMPARE(m_item->rowAt(100), -1);
    // Drawing past the end paints nothing and reads nothing beyond the rows.
    const QImage image = render();
    QCOMPARE(image.pixelColor(50, 100), QColor(Qt::white));
}

void TestBarChartItem::markersFollowTheirSwitches()
{
    publish(2, 1, 0, 1); // no bar: only markers
    const int y = 20 + 12;
    // The overweight alarm "<" starts at 240 / 0.25 = 960, its tip halfway down.
    QCOMPARE(render().pixelColor(960, y), QColor(Qt::white));
    m_item->setShowAlarmMarkers(true);
    QImage image = render();
    QVERIFY(near(image.pixelColor(960, y), QColor("red"), 60));
    // The overweight warning dot is centred 2 pixels before 220 / 0.25 = 880.
    QCOMPARE(image.pixelColor(878, y), QColor(Qt::white));
    m_item->setShowWarnMarkers(true);
    image = render();
    QVERIFY(near(image.pixelColor(878, y), QColor("Orange"), 30));

    // Brackets: "[" from 40 / 0.25 = 160, "]" ending at 100 / 0.25 = 400,
    // 3-pixel black lines one pixel above and below the bar.
    m_item->setShowAlarmMarkers(false);
    m_item->setShowWarnMarkers(false);
    m_model->setTableData(2, 2, 0, 0, QStringLiteral("CZ"), 0, 100, 40, 220, 40, 240, 20, 1, 0, 1, nullptr);
    const int top = 20 + 25 + 2;
    QCOMPARE(render().pixelColor(160, top + 10), QColor(Qt::white));
    m_item->setShowMinMax(true);
    image = render();
    QCOMPARE(image.pixelColor(160, top + 10), QColor(Qt::black));
    QCOMPARE(image.pixelColor(399, top + 10), QColor(Qt::black));
    QCOMPARE(image.pixelColor(200, top + 10), QColor(Qt::white));

    // Names in black at the bar's left.
    const auto darkPixels = [](const QImage &picture, int row) {
        int dark = 0;
        for (int x = 0; x < 100; ++x)
            dark += picture.pixelColor(x, 20 + row * 25 + 12).lightness() < 60 ? 1 : 0;
        return dark;
    };
    m_item->setShowMinMax(false);
    QCOMPARE(darkPixels(render(), 1), 0);
    m_item->setShowNames(true);
    QVERIFY(darkPixels(render(), 1) > 5);
}

QTEST_MAIN(TestBarChartItem)
#include "tst_barchartitem.moc"
