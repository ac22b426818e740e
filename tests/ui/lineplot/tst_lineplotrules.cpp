#include "ui/lineplot/curvebuffer.h"
#include "ui/lineplot/curvedecimation.h"
#include "ui/lineplot/lineplotrules.h"

#include <QtTest>

using Points = QVector<QPointF>;

// The line plot's rules, one table each: nearest point, recording time, axis,
// observation window, tooltip width, dial text, curve buffer, decimation.
class TestLinePlotRules : public QObject
{
    Q_OBJECT

private slots:
    void nearestValue_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<double>("time");
        QTest::addColumn<double>("value");
        const Points gap{{0, 10}, {1000, 11}, {2000, 12}, {20000, 30}};
        QTest::newRow("nearer of two neighbours") << gap << 1600.0 << 12.0;
        QTest::newRow("before the first, within 2.5 s") << gap << -2500.0 << 10.0;
        QTest::newRow("after the last, beyond 2.5 s") << gap << 22600.0 << 0.0;
        QTest::newRow("middle of a gap over 2.5 s") << gap << 10000.0 << 0.0;
        Points many;
        for (int i = 0; i < 90000; ++i)
            many.append({i * 1000.0, double(i % 1000)});
        QTest::newRow("long curve, binary search") << many << 54321400.0 << 321.0;
    }
    void nearestValue()
    {
        QFETCH(Points, points);
        QFETCH(double, time);
        QTEST(LinePlotRules::nearestValue(points.cbegin(), points.cend(), time), "value");
    }

    void recordTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("time");
        const QDateTime may6(QDate(2024, 5, 6), QTime(7, 8, 9));
        QTest::newRow("recorder's stamp") << "2024-05-06 07_08_09_125" << may6;
        QTest::newRow("blanks and dashes anywhere") << "2024 05-06_07 08  09" << may6;
        QTest::newRow("five fields") << "2024-05-06 07_08" << QDateTime();
        QTest::newRow("no such day") << "2024-02-30 07_08_09" << QDateTime();
    }
    void recordTime()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, time);
        const LinePlotRules::RecordStamp stamp = LinePlotRules::recordTime(text);
        QCOMPARE(stamp.isValid() ? stamp.toDateTime() : QDateTime(), time);
        // Through the day cache as the history load converts it.
        if (stamp.isValid())
            QCOMPARE(LinePlotRules::LocalDays().msecs(stamp), double(time.toMSecsSinceEpoch()));
    }

    void widened_data()
    {
        QTest::addColumn<QVector<double>>("weights");
        QTest::addColumn<QVector<double>>("axis"); // top, bottom
        QTest::newRow("400 raises 300 to 450, a later 100 leaves it") << QVector<double>{400, 100}
                                                                      << QVector<double>{450, 0};
        QTest::newRow("a negative weight lowers the bottom") << QVector<double>{-20, -5} << QVector<double>{300, -20};
    }
    void widened()
    {
        QFETCH(QVector<double>, weights);
        LinePlotRules::WeightAxis axis{300, 0};
        for (double weight : weights)
            axis = LinePlotRules::widened(axis, weight);
        QTEST((QVector<double>{axis.top, axis.bottom}), "axis");
    }

    void observationWindow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<qint64>("spanMs");
        QTest::newRow("1 minute") << "1" << "1" << qint64(60000);
        QTest::newRow("250 shown and used as 100") << "250" << "100" << qint64(6000000);
        QTest::newRow("0 is the last 100 s") << "0" << "0" << qint64(100000);
        QTest::newRow("digits only") << "1a2" << "12" << qint64(720000);
    }
    void observationWindow()
    {
        QFETCH(QString, typed);
        QTEST(LinePlotRules::observationText(typed), "shown");
        QTEST(LinePlotRules::observationSpanMs(typed), "spanMs");
    }

    void tooltipAndDial()
    {
        const QStringList lines{"2024-05-06 07:08:09", "ID:1.5 Load:12"};
        QCOMPARE(LinePlotRules::tooltipWidth(lines, false), (19 + 1) * 10);
        QCOMPARE(LinePlotRules::tooltipWidth(lines, true), 50);
        QCOMPARE(LinePlotRules::dialText(2558999), QStringLiteral("7:06:29"));
        QCOMPARE(LinePlotRules::dialText(8640000), QStringLiteral("24:00:00"));
    }

    void curveBuffer_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<Points>("appended");
        QTest::addColumn<int>("laterCapacity");
        QTest::addColumn<Points>("kept");
        QTest::newRow("oldest dropped first") << 3 << Points{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}} << 3
                                              << Points{{3, 3}, {4, 4}, {5, 5}};
        QTest::newRow("late point takes its place") << 5 << Points{{1, 1}, {3, 3}, {2, 2}, {3, 4}} << 5
                                                    << Points{{1, 1}, {2, 2}, {3, 3}, {3, 4}};
        QTest::newRow("smaller cap drops at once") << 5 << Points{{1, 1}, {2, 2}, {3, 3}} << 1 << Points{{3, 3}};
        Points many;
        for (int i = 0; i < 100; ++i)
            many.append({double(i), double(i)});
        QTest::newRow("many drops, storage compacted") << 7 << many << 7 << many.mid(93);
    }
    void curveBuffer()
    {
        QFETCH(int, capacity);
        QFETCH(Points, appended);
        QFETCH(int, laterCapacity);
        CurveBuffer buffer(capacity);
        for (const QPointF &point : appended)
            buffer.append(point);
        buffer.setCapacity(laterCapacity);
        QTEST(Points(buffer.begin(), buffer.end()), "kept");
    }

    void decimate_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Points>("shown");
        QTest::newRow("one neighbour outside the range each side")
            << Points{{-5, 9}, {-2, 8}, {0, 1}, {10, 5}, {25, 7}, {30, 6}} << 20.0 << 10
            << Points{{-2, 8}, {0, 1}, {10, 5}, {25, 7}};
        // Two columns of 5: lowest and highest of each, in time order.
        QTest::newRow("min and max per column in time order")
            << Points{{0, 5}, {1, 9}, {2, 1}, {3, 4}, {4, 6}, {5, 3}, {6, 2}, {7, 8}, {8, 7}, {9, 5}} << 10.0 << 2
            << Points{{1, 9}, {2, 1}, {6, 2}, {7, 8}};
        QTest::newRow("flat column gives one point") << Points{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}} << 6.0
                                                     << 2 << Points{{0, 4}, {3, 4}};
    }
    void decimate()
    {
        QFETCH(Points, points);
        QFETCH(double, xMax);
        QFETCH(int, columns);
        QTEST(::decimate(points.cbegin(), points.cend(), 0.0, xMax, columns), "shown");
    }
};

QTEST_GUILESS_MAIN(TestLinePlotRules)
#include "tst_lineplotrules.moc"
