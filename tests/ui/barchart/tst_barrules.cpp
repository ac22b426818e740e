#include "ui/barchart/barrules.h"

#include <QtTest>

// The bar chart's geometry (adaptation, axis fields and figure states are in
// the row test).
class TestBarRules : public QObject
{
    Q_OBJECT

private slots:
    void scaleAndTicks_data();
    void scaleAndTicks();
    void markersNeverLieBelowZero_data();
    void markersNeverLieBelowZero();
};

void TestBarRules::scaleAndTicks_data()
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

void TestBarRules::scaleAndTicks()
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
    if (!positions.isEmpty())
        QCOMPARE(BarRules::tickLabel(positions.at(1), propo), QString::number(qRound(positions.at(1) * propo)));
}

void TestBarRules::markersNeverLieBelowZero_data()
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

void TestBarRules::markersNeverLieBelowZero()
{
    QFETCH(QVector<double>, values);
    QFETCH(double, propo);
    const BarRules::Markers m =
        BarRules::markers({values[0], values[1], values[2], values[3], values[4], values[5]}, propo, 20);
    QTEST((QVector<double>{m.underWarn, m.overWarn, m.underAlarm, m.overAlarm, m.minBracket, m.maxBracket}), "markers");
}

QTEST_GUILESS_MAIN(TestBarRules)
#include "tst_barrules.moc"
