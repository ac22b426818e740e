#include "app/languageflag.h"
#include "ui/barchart/barrules.h"
#include "ui/common/figurestate.h"

#include <QtTest>

class TestBarRules : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { LanguageFlag::setChinese(true); }

    void adaptationFollowsTheLargestWeight();
    void scaleDependsOnTheAxisOfTheRow_data();
    void scaleDependsOnTheAxisOfTheRow();
    void narrowChartsHaveNoScaleAndNoTicks_data();
    void narrowChartsHaveNoScaleAndNoTicks();
    void ticksAndTheirLabels();
    void markersNeverLieBelowZero_data();
    void markersNeverLieBelowZero();
    void axisFieldsTakeDigitsAndCap_data();
    void axisFieldsTakeDigitsAndCap();
    void figureStateColoursAndTexts_data();
    void figureStateColoursAndTexts();
};

void TestBarRules::adaptationFollowsTheLargestWeight()
{
    // The largest weights of successive rounds and the maximum after each.
    const QVector<QPair<double, double>> rounds{{100, 100}, {180, 180}, {200, 200}, {210, 210},
                                                {200, 210}, {150, 150}, {0, 0},     {50, 50}};
    double maximum = 250;
    for (const auto &round : rounds) {
        maximum = BarRules::adaptedMaximum(maximum, round.first);
        QCOMPARE(maximum, round.second);
    }
    // The band is a tenth of the weight, exclusive.
    QCOMPARE(BarRules::adaptedMaximum(110, 100), 110.0);
    QCOMPARE(BarRules::adaptedMaximum(110.5, 100), 100.0);
}

void TestBarRules::scaleDependsOnTheAxisOfTheRow_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("typeFlag");
    QTest::addColumn<double>("propo");
    // allTotalData 2500 and cellMaxData 250 on a chart 1040 pixels wide.
    QTest::newRow("total row") << 0 << 0 << 2.5;
    QTest::newRow("group row") << 1005 << 1 << 2.5;
    QTest::newRow("cell row") << 7 << 0 << 0.25;
    QTest::newRow("cell with an index above 1000") << 1005 << 0 << 0.25;
}

void TestBarRules::scaleDependsOnTheAxisOfTheRow()
{
    QFETCH(int, index);
    QFETCH(int, typeFlag);
    QFETCH(double, propo);
    const double maximum = BarRules::onTotalAxis(index, typeFlag) ? 2500 : 250;
    QCOMPARE(BarRules::scale(maximum, 1040), propo);
    QCOMPARE(BarRules::barLength(500, propo), 500 / propo);
}

void TestBarRules::narrowChartsHaveNoScaleAndNoTicks_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<int>("ticks");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("narrower than the margin") << 39.0 << 0;
    QTest::newRow("exactly the margin") << 40.0 << 0;
    QTest::newRow("tick step rounds to nothing") << 44.0 << 0;
    QTest::newRow("one-pixel step") << 45.0 << 6;
}

void TestBarRules::narrowChartsHaveNoScaleAndNoTicks()
{
    QFETCH(double, width);
    QFETCH(int, ticks);
    QCOMPARE(BarRules::tickPositions(width).size(), ticks);
    if (width <= BarRules::AxisMargin) {
        QCOMPARE(BarRules::scale(2500, width), 0.0);
        QCOMPARE(BarRules::barLength(1000, BarRules::scale(2500, width)), 0.0);
        const BarRules::Markers m = BarRules::markers({100, 200, 50, 300, 10, 400}, 0, 21);
        QCOMPARE(m.overAlarm, 0.0);
        QCOMPARE(m.maxBracket, 0.0);
    }
}

void TestBarRules::ticksAndTheirLabels()
{
    const QVector<double> ticks = BarRules::tickPositions(1040);
    QCOMPARE(ticks.size(), 11);
    QCOMPARE(ticks.first(), 0.0);
    QCOMPARE(ticks.at(1), 100.0);
    QCOMPARE(ticks.last(), 1000.0);
    // An odd width: round(95.3) = 95.
    QCOMPARE(BarRules::tickPositions(993).at(1), 95.0);
    QCOMPARE(BarRules::tickLabel(100, 2.5), QStringLiteral("250"));
    QCOMPARE(BarRules::tickLabel(95, 0.26), QStringLiteral("25"));
    QCOMPARE(BarRules::tickLabel(100, 0), QStringLiteral("0"));
    // Negative weights draw nothing.
    QCOMPARE(BarRules::barLength(-20, 0.25), 0.0);
}

void TestBarRules::markersNeverLieBelowZero_data()
{
    QTest::addColumn<double>("minWarn");
    QTest::addColumn<double>("maxWarn");
    QTest::addColumn<double>("minErr");
    QTest::addColumn<double>("maxErr");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QVector<double>>("expected");
    // propo 2 (weight per pixel), bar height 20: dots 5 before, ">" 10 wide
    // ending at its threshold, "]" 4 wide ending at the maximum.
    QTest::newRow("all inside") << 100.0 << 400.0 << 60.0 << 500.0 << 40.0 << 300.0
                                << QVector<double>{45, 195, 20, 250, 20, 146};
    QTest::newRow("zero thresholds") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0
                                     << QVector<double>{0, 0, 0, 0, 0, 0};
    QTest::newRow("negative extremes") << 4.0 << 8.0 << 2.0 << -10.0 << -50.0 << -2.0
                                       << QVector<double>{0, 0, 0, 0, 0, 0};
}

void TestBarRules::markersNeverLieBelowZero()
{
    QFETCH(double, minWarn);
    QFETCH(double, maxWarn);
    QFETCH(double, minErr);
    QFETCH(double, maxErr);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(QVector<double>, expected);
    const BarRules::Markers m = BarRules::markers({minWarn, maxWarn, minErr, maxErr, minimum, maximum}, 2, 20);
    QCOMPARE((QVector<double>{m.underWarn, m.overWarn, m.underAlarm, m.overAlarm, m.minBracket, m.maxBracket}),
             expected);
}

void TestBarRules::axisFieldsTakeDigitsAndCap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("limit");
    QTest::addColumn<double>("value");
    QTest::newRow("X1 above its cap") << "2000000" << BarRules::AxisX1FieldLimit << 1000000.0;
    QTest::newRow("X1 at its cap") << "1000000" << BarRules::AxisX1FieldLimit << 1000000.0;
    QTest::newRow("X2 above its cap") << "600001" << BarRules::AxisX2FieldLimit << 600000.0;
    QTest::newRow("plain") << "1234" << BarRules::AxisX2FieldLimit << 1234.0;
    QTest::newRow("zero") << "0" << BarRules::AxisX2FieldLimit << 0.0;
    QTest::newRow("huge") << QString(400, QLatin1Char('9')) << BarRules::AxisX1FieldLimit << 1000000.0;
    QTest::newRow("empty") << "" << BarRules::AxisX1FieldLimit << -1.0;
    QTest::newRow("sign") << "-5" << BarRules::AxisX1FieldLimit << -1.0;
    QTest::newRow("decimal") << "2.5" << BarRules::AxisX1FieldLimit << -1.0;
    QTest::newRow("letters") << "12a" << BarRules::AxisX1FieldLimit << -1.0;
}

void TestBarRules::axisFieldsTakeDigitsAndCap()
{
    QFETCH(QString, text);
    QFETCH(double, limit);
    QFETCH(double, value);
    QCOMPARE(BarRules::axisFieldValue(text, limit), value);
}

void TestBarRules::figureStateColoursAndTexts_data()
{
    QTest::addColumn<double>("weight");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("overAlarmShown");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("text");
    // Thresholds: alarm below 20, warning below 50, warning above 80, alarm above 100.
    QTest::newRow("normal") << 60.0 << 1 << true << true << "green" << QStringLiteral("正常");
    QTest::newRow("normal, English") << 60.0 << 1 << true << false << "green" << "Normal";
    QTest::newRow("under warning") << 40.0 << 1 << true << false << "LightBlue" << "Ultra-light warning";
    QTest::newRow("over warning") << 90.0 << 1 << true << true << "Orange" << QStringLiteral("超重警告");
    QTest::newRow("under alarm") << 10.0 << 1 << true << false << "Purple" << "Ultra-light alarm";
    QTest::newRow("over alarm") << 110.0 << 1 << true << false << "red" << "Overweight alarm";
    QTest::newRow("over alarm column hidden") << 110.0 << 1 << false << false << "Orange" << "Overweight warning";
    QTest::newRow("offline, normal weight") << 60.0 << 0 << true << true << "#ccc800" << QStringLiteral("离线");
    QTest::newRow("offline, overweight") << 110.0 << 2 << true << false << "#ccc800" << "OFF";
    QTest::newRow("fault, overweight") << 110.0 << 3 << true << false << "#ccc800" << "ERR";
    QTest::newRow("fault, Chinese") << 10.0 << 3 << true << true << "#ccc800" << QStringLiteral("故障");
}

void TestBarRules::figureStateColoursAndTexts()
{
    QFETCH(double, weight);
    QFETCH(int, state);
    QFETCH(bool, overAlarmShown);
    QFETCH(bool, chinese);
    QFETCH(QString, color);
    QFETCH(QString, text);
    TableRules::Columns columns;
    columns.overAlarm = overAlarmShown;
    const FigureState::Result result =
        FigureState::evaluate(weight, {20, 50, 80, 100}, state, columns, TableRules::Palette(), chinese);
    QCOMPARE(result.color, color);
    QCOMPARE(result.text, text);
}

QTEST_GUILESS_MAIN(TestBarRules)
#include "tst_barrules.moc"
