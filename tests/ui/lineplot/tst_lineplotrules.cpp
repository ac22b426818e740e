#include "ui/lineplot/curvebuffer.h"
#include "ui/lineplot/curvedecimation.h"
#include "ui/lineplot/lineplotrules.h"

#include <QtTest>

using Points = QVector<QPointF>;

// The expected value of the current row's column.
template <typename T>
T expected(const char *column)
{
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

// The line plot's rules, one table each: nearest point, recording time, axis
// widening, observation window, tooltip width, dial text, the bounded curve
// buffer and the decimation to pixel columns.
class TestLinePlotRules : public QObject
{
    Q_OBJECT

private slots:
    void nearestValue_data();
    void nearestValue();
    void recordTime_data();
    void recordTime();
    void widened_data();
    void widened();
    void observationWindow_data();
    void observationWindow();
    void tooltipWidth_data();
    void tooltipWidth();
    void dialText_data();
    void dialText();
    void curveBuffer_data();
    void curveBuffer();
    void decimate_data();
    void decimate();
};

void TestLinePlotRules::nearestValue_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("value");

    const Points seconds{{0, 10}, {1000, 11}, {2000, 12}, {3000, 13}, {4000, 14}, {5000, 15}, {6000, 16}};
    QTest::newRow("exact point") << seconds << 3000.0 << 13.0;
    QTest::newRow("nearer of two neighbours") << seconds << 3600.0 << 14.0;
    QTest::newRow("before the first, within 2.5 s") << seconds << -2500.0 << 10.0;
    QTest::newRow("after the last, within 2.5 s") << seconds << 8400.0 << 16.0;
    QTest::newRow("after the last, beyond 2.5 s") << seconds << 8600.0 << 0.0;
    const Points gap{{0, 10}, {1000, 11}, {20000, 30}, {21000, 31}};
    QTest::newRow("middle of a gap over 2.5 s") << gap << 10000.0 << 0.0;
    QTest::newRow("edge of a gap within 2.5 s") << gap << 3400.0 << 11.0;
    QTest::newRow("no points") << Points{} << 0.0 << 0.0;
    Points long90000;
    for (int i = 0; i < 90000; ++i)
        long90000.append({i * 1000.0, double(i % 1000)});
    QTest::newRow("long curve, binary search") << long90000 << 54321400.0 << 321.0;
}

void TestLinePlotRules::nearestValue()
{
    QFETCH(Points, points);
    QFETCH(double, time);
    QCOMPARE(LinePlotRules::nearestValue(points.cbegin(), points.cend(), time), expected<double>("value"));
}

void TestLinePlotRules::recordTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("time");

    const QDateTime may6(QDate(2024, 5, 6), QTime(7, 8, 9));
    QTest::newRow("fields of any text after the seconds") << "2024-05-06 07_08_09_xxx" << may6;
    QTest::newRow("recorder's stamp") << "2024-05-06 07_08_09_125" << may6;
    QTest::newRow("blanks and dashes anywhere") << "2024 05-06_07 08  09" << may6;
    QTest::newRow("five fields") << "2024-05-06 07_08" << QDateTime();
    QTest::newRow("not a number") << "2024-05-06 07_xx_09" << QDateTime();
    QTest::newRow("no such day") << "2024-02-30 07_08_09" << QDateTime();
    QTest::newRow("empty") << "" << QDateTime();
}

void TestLinePlotRules::recordTime()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, time);
    const LinePlotRules::RecordStamp stamp = LinePlotRules::recordTime(text);
    QCOMPARE(stamp.isValid() ? stamp.toDateTime() : QDateTime(), time);
    // Through the day cache as the history load converts it.
    LinePlotRules::LocalDays days;
    if (stamp.isValid())
        QCOMPARE(days.msecs(stamp), double(time.toMSecsSinceEpoch()));
}

void TestLinePlotRules::widened_data()
{
    QTest::addColumn<QVector<double>>("weights");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("bottom");

    QTest::newRow("400 raises 300 to 450") << QVector<double>{400} << 450.0 << 0.0;
    QTest::newRow("a later 100 leaves 450") << QVector<double>{400, 100} << 450.0 << 0.0;
    QTest::newRow("250 + 50 is not above 300") << QVector<double>{250} << 300.0 << 0.0;
    QTest::newRow("a negative weight lowers the bottom") << QVector<double>{-20, -5} << 300.0 << -20.0;
}

void TestLinePlotRules::widened()
{
    QFETCH(QVector<double>, weights);
    LinePlotRules::WeightAxis axis{300, 0};
    for (double weight : weights)
        axis = LinePlotRules::widened(axis, weight);
    QCOMPARE(axis.top, expected<double>("top"));
    QCOMPARE(axis.bottom, expected<double>("bottom"));
}

void TestLinePlotRules::observationWindow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qint64>("spanMs");

    QTest::newRow("10 minutes") << "10" << "10" << qint64(600000);
    QTest::newRow("250 shown and used as 100") << "250" << "100" << qint64(6000000);
    QTest::newRow("0 is the last 100 s") << "0" << "0" << qint64(100000);
    QTest::newRow("empty is the last 100 s") << "" << "" << qint64(100000);
    QTest::newRow("digits only") << "1a2" << "12" << qint64(720000);
    QTest::newRow("too many digits for a number") << "99999999999" << "100" << qint64(6000000);
    QTest::newRow("leading zeros") << "0050" << "0050" << qint64(3000000);
}

void TestLinePlotRules::observationWindow()
{
    QFETCH(QString, typed);
    QCOMPARE(LinePlotRules::observationText(typed), expected<QString>("shown"));
    QCOMPARE(LinePlotRules::observationSpanMs(typed), expected<qint64>("spanMs"));
}

void TestLinePlotRules::tooltipWidth_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("parked");
    QTest::addColumn<int>("width");

    const QStringList lines{QStringLiteral("2024-05-06 07:08:09"), QStringLiteral("ID:1.5 Load:12")};
    QTest::newRow("longest line plus one, times 10") << lines << false << 200;
    QTest::newRow("parked at the left edge") << lines << true << 50;
}

void TestLinePlotRules::tooltipWidth()
{
    QFETCH(QStringList, lines);
    QFETCH(bool, parked);
    QCOMPARE(LinePlotRules::tooltipWidth(lines, parked), expected<int>("width"));
}

void TestLinePlotRules::dialText_data()
{
    QTest::addColumn<int>("hundredths");
    QTest::addColumn<QString>("text");

    QTest::newRow("midnight") << 0 << "0:00:00";
    QTest::newRow("noon, the start") << 4320000 << "12:00:00";
    QTest::newRow("hundredths dropped") << 2558999 << "7:06:29";
    QTest::newRow("end of the day") << 8640000 << "24:00:00";
}

void TestLinePlotRules::dialText()
{
    QFETCH(int, hundredths);
    QCOMPARE(LinePlotRules::dialText(hundredths), expected<QString>("text"));
}

void TestLinePlotRules::curveBuffer_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<Points>("appended");
    QTest::addColumn<int>("laterCapacity");
    QTest::addColumn<Points>("kept");

    QTest::newRow("under the cap") << 5 << Points{{1, 1}, {2, 2}} << 5 << Points{{1, 1}, {2, 2}};
    QTest::newRow("oldest dropped first") << 3 << Points{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}} << 3
                                          << Points{{3, 3}, {4, 4}, {5, 5}};
    QTest::newRow("late point takes its place") << 5 << Points{{1, 1}, {3, 3}, {2, 2}, {3, 4}} << 5
                                                << Points{{1, 1}, {2, 2}, {3, 3}, {3, 4}};
    QTest::newRow("smaller cap drops at once") << 5 << Points{{1, 1}, {2, 2}, {3, 3}, {4, 4}} << 2
                                               << Points{{3, 3}, {4, 4}};
    Points many;
    for (int i = 0; i < 100; ++i)
        many.append({double(i), double(i)});
    QTest::newRow("many drops, storage compacted") << 7 << many << 7 << many.mid(93);
}

void TestLinePlotRules::curveBuffer()
{
    QFETCH(int, capacity);
    QFETCH(Points, appended);
    QFETCH(int, laterCapacity);
    CurveBuffer buffer(capacity);
    for (const QPointF &point : appended)
        buffer.append(point);
    buffer.setCapacity(laterCapacity);
    QCOMPARE(Points(buffer.begin(), buffer.end()), expected<Points>("kept"));
}

void TestLinePlotRules::decimate_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("xMin");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<int>("columns");
    QTest::addColumn<Points>("shown");

    const Points few{{0, 1}, {10, 5}, {20, 2}};
    QTest::newRow("few points come back whole") << few << 0.0 << 20.0 << 10 << few;
    QTest::newRow("neighbours outside the range kept")
        << Points{{-5, 9}, {-2, 8}, {0, 1}, {10, 5}, {25, 7}, {30, 6}} << 0.0 << 20.0 << 10
        << Points{{-2, 8}, {0, 1}, {10, 5}, {25, 7}};
    // Two columns of 5: lowest and highest of each, in time order.
    QTest::newRow("min and max per column in time order")
        << Points{{0, 5}, {1, 9}, {2, 1}, {3, 4}, {4, 6}, {5, 3}, {6, 2}, {7, 8}, {8, 7}, {9, 5}} << 0.0 << 10.0
        << 2 << Points{{1, 9}, {2, 1}, {6, 2}, {7, 8}};
    QTest::newRow("flat column gives one point")
        << Points{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}} << 0.0 << 6.0 << 2 << Points{{0, 4}, {3, 4}};
    QTest::newRow("nothing in range") << Points{{0, 1}, {100, 2}} << 10.0 << 20.0 << 5
                                      << Points{{0, 1}, {100, 2}};
    QTest::newRow("no points") << Points{} << 0.0 << 10.0 << 5 << Points{};
}

void TestLinePlotRules::decimate()
{
    QFETCH(Points, points);
    QFETCH(double, xMin);
    QFETCH(double, xMax);
    QFETCH(int, columns);
    QCOMPARE(::decimate(points.cbegin(), points.cend(), xMin, xMax, columns), expected<Points>("shown"));
}

QTEST_GUILESS_MAIN(TestLinePlotRules)
#include "tst_lineplotrules.moc"
