#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "ui/lineplot/curvebuffer.h"
#include "ui/lineplot/curvedecimation.h"
#include "ui/lineplot/lineplotmodel.h"
#include "ui/lineplot/lineplotrules.h"
#include "ui/table/tablerowmodel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Points = QVector<QPointF>;

// The line plot's rules, then one plot with the real main table, controller,
// recorder and project file: live, paused, a recording read back, stored.
class TestLinePlot : public QObject
{
    Q_OBJECT

    void publish(int index, int weight)
    {
        m_rows.setTableData(1, index, 0, 0, QStringLiteral("CZ%1").arg(index), weight, weight, weight, 4000, 0, 5000, 0,
                            1, 0, 1, nullptr);
    }
    void sampleAfter(int seconds)
    {
        m_now = m_now.addSecs(seconds);
        m_plot->sample();
    }
    int points(int series, bool frozen = false) const { return m_plot->frame(frozen).series[size_t(series)].points.size(); }

    QDateTime m_now;
    QTemporaryDir m_dir;
    WeightingConTrol m_control;
    TableRowModel m_rows;
    DataSaveControl m_recorder{[this] { return m_now; }};
    std::unique_ptr<LinePlotModel> m_plot;

private slots:
    void init()
    {
        LanguageFlag::setChinese(false);
        m_now = QDateTime(QDate(2024, 5, 6), QTime(7, 0, 0));
        m_recorder.setProjectPath(m_dir.path());
        m_plot = std::make_unique<LinePlotModel>();
        m_plot->setClock([this] { return m_now; });
        m_plot->setController(&m_control);
        m_plot->setSourceRows(&m_rows);
        m_plot->setRecorder(&m_recorder);
    }

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
        QTest::newRow("blanks and dashes anywhere") << "2024 05-06_07 08  09_xxx" << may6;
        QTest::newRow("no such day") << "2024-02-30 07_08_09" << QDateTime();
    }
    void recordTime()
    {
        QFETCH(QString, text);
        const LinePlotRules::RecordStamp stamp = LinePlotRules::recordTime(text);
        QTEST(stamp.isValid() ? stamp.toDateTime() : QDateTime(), "time");
    }

    void observationWindow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<qint64>("spanMs");
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

    void axisTooltipAndDial()
    {
        LinePlotRules::WeightAxis axis{300, 0};
        for (const double weight : {400.0, 100.0, -20.0, -5.0})
            axis = LinePlotRules::widened(axis, weight);
        QCOMPARE((QVector<double>{axis.top, axis.bottom}), (QVector<double>{450, -20}));
        const QStringList lines{"2024-05-06 07:08:09", "ID:1.5 Load:12"};
        QCOMPARE(LinePlotRules::tooltipWidth(lines, false), (19 + 1) * 10);
        QCOMPARE(LinePlotRules::tooltipWidth(lines, true), 50);
        QCOMPARE(LinePlotRules::dialText(2558999), QStringLiteral("7:06:29"));
    }

    void curveBuffer()
    {
        CurveBuffer buffer(3); // oldest dropped first; a late point takes its place in time
        for (const QPointF point : Points{{1, 1}, {3, 3}, {2, 2}, {4, 4}})
            buffer.append(point);
        QCOMPARE(Points(buffer.begin(), buffer.end()), (Points{{2, 2}, {3, 3}, {4, 4}}));
    }

    void decimate_data()
    {
        QTest::addColumn<Points>("points");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Points>("shown");
        QTest::newRow("the neighbours outside the range")
            << Points{{-2, 8}, {0, 1}, {10, 5}, {25, 7}, {30, 6}} << 20.0 << 10
            << Points{{-2, 8}, {0, 1}, {10, 5}, {25, 7}};
        QTest::newRow("two columns of 5: min and max of each in time order")
            << Points{{0, 5}, {1, 9}, {2, 1}, {3, 4}, {4, 6}, {5, 3}, {6, 2}, {7, 8}, {8, 7}, {9, 5}} << 10.0 << 2
            << Points{{1, 9}, {2, 1}, {6, 2}, {7, 8}};
    }
    void decimate()
    {
        QFETCH(Points, points);
        QFETCH(double, xMax);
        QFETCH(int, columns);
        QTEST(::decimate(points.cbegin(), points.cend(), 0.0, xMax, columns), "shown");
    }

    void liveCurvesFollowTheMainTable()
    {
        for (int index = 1; index <= 5; ++index)
            publish(index, 400);
        QVERIFY(m_plot->addCurve(1, 1));
        QVERIFY(!m_plot->addCurve(1, 1));
        QVERIFY(m_plot->addCurve(1, 9)); // not in the main table yet: no points
        QVERIFY(m_plot->addCurve(1, 2) && m_plot->addCurve(1, 3));
        QVERIFY(!m_plot->addCurve(1, 4)); // four curves at most
        m_plot->setObservationWindow(QStringLiteral("1"));
        const double first = m_now.toMSecsSinceEpoch();
        sampleAfter(0);
        publish(1, 100);
        sampleAfter(10);
        QCOMPARE((QVector<int>{points(0), points(1)}), (QVector<int>{2, 0}));
        QCOMPARE(m_plot->frame(false).xMax - m_plot->frame(false).xMin, 60000.0);
        QCOMPARE(m_plot->mYheight(), 450.0);
        QCOMPARE(m_plot->tooltipLines(first + 2000, false).mid(1, 2),
                 (QStringList{"ID:1.1 Name:CZ1 Load:400", "ID:1.9 Name: Load:0"}));
        m_control.createCell(1, 1);
        m_control.deleteCell(1, 1); // its curve goes, the later ones move up
        QCOMPARE(m_plot->curveTexts(), (QStringList{"ID:1.9", "ID:1.2", "ID:1.3"}));
        // Deleting a live curve starts the remaining ones afresh at 300/0.
        m_plot->deleteCurve(0);
        QCOMPARE((QVector<double>{double(points(0)), m_plot->mYheight()}), (QVector<double>{0, 300}));
    }

    void pauseFreezesACopy()
    {
        publish(1, 20);
        m_plot->addCurve(1, 1);
        sampleAfter(0);
        m_plot->setLinerunset(false);
        QSignalSpy frozenChanges(m_plot.get(), &LinePlotModel::frozenFrameChanged);
        const double frozenMax = m_plot->frame(true).xMax;
        sampleAfter(1);
        sampleAfter(1);
        // Sampling goes on behind the frozen chart, which does not move.
        QCOMPARE((QVector<int>{points(0), points(0, true), frozenChanges.count()}), (QVector<int>{3, 1, 0}));
        m_plot->setObservationWindow(QStringLiteral("1"));
        m_plot->sample();
        QCOMPARE(m_plot->frame(true).xMin, frozenMax - 60000);
    }

    void historyLoadDrawsOnceAndDeletesInPlace()
    {
        // Cells 1.1 and 1.2 recorded by the real recorder, a line a second from 07:00:01.
        m_recorder.setSaveDataHeader(QStringLiteral("timer,ID:1.1/0,ID:1.2/0,"));
        for (int line = 0; line < 3000; ++line) {
            m_now = m_now.addSecs(1);
            m_recorder.saveDataStr(QStringLiteral("%1.7,%2,").arg(line % 500).arg(1000 + line), false);
        }
        m_control.setConFactor(2.20462262185);
        m_plot->beginHistory();
        m_plot->loadHistory(QUrl::fromLocalFile(m_recorder.savePath() + "/07_00_01user.csv").toString());
        QSignalSpy frames(m_plot.get(), &LinePlotModel::frameChanged);
        QVERIFY(m_plot->addCurve(1, 1) && m_plot->reading());
        m_plot->sample();
        QTRY_VERIFY(!m_plot->reading());
        QCOMPARE((QVector<int>{frames.count(), points(0)}), (QVector<int>{1, 3000}));
        QCOMPARE(m_plot->frame(false).xMin, double(QDateTime(QDate(2024, 5, 6), QTime(7, 0, 1)).toMSecsSinceEpoch()));
        // 499.7 kg shown in pounds, rounded down.
        QCOMPARE(m_plot->mYheight(), std::floor(499.7 * 2.20462262185) + 50);
        m_plot->addCurve(1, 2);
        m_plot->sample();
        // A deleted curve is pending until the next step, then the later one moves up.
        m_plot->deleteCurve(0);
        QCOMPARE(m_plot->curveCount(), 2);
        m_plot->sample();
        QCOMPARE(m_plot->curveTexts(), QStringList{QStringLiteral("ID:1.2")});
        QCOMPARE(points(0), 3000);
    }

    void settingsSurviveASaveAndReopen()
    {
        m_plot->setPartIndex(3);
        m_plot->addCurve(1, 1);
        m_plot->addCurve(2, 7);
        m_plot->setObservationWindow(QStringLiteral("25"));
        m_plot->setLineWidth(80);
        const QString path = m_dir.filePath("p.VORNPRO");
        MyJson saved;
        saved.saveLinePlotParts(3, QStringLiteral("north"));
        m_plot->saveTo(&saved);
        QVERIFY(saved.writeProjectFile(path));
        MyJson reopened;
        QVERIFY(!reopened.readProjectFile(path).damaged);
        LinePlotModel plot;
        plot.setPartIndex(3);
        plot.loadFrom(&reopened);
        QCOMPARE(plot.curveTexts(), (QStringList{"ID:1.1", "ID:2.7"}));
        QCOMPARE((QVariantList{plot.observationWindow(), plot.lineWidth()}), (QVariantList{"25", 80}));
    }
};

QTEST_GUILESS_MAIN(TestLinePlot)
#include "tst_lineplot.moc"
