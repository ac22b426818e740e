#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "ui/lineplot/lineplotmodel.h"
#include "ui/table/tablerowmodel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// One plot with the real main-table rows, weighing controller, recorder and
// project file: live sampling, pausing, the tooltip, a history load of a
// recording the recorder wrote, and the plot's settings across a save.
class TestLinePlotModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void liveCurvesFollowTheMainTable();
    void addListAndCurveLimit();
    void pauseFreezesACopy();
    void tooltipShowsNearestValueOrZero();
    void historyLoadDrawsOnceAndDeletesInPlace();
    void settingsSurviveASaveAndReopen();

private:
    void publish(int page, int index, int weight);
    // A recording of cells 1.1 and 1.2 by the real recorder, one line a second
    // from 07:00:01 on 6 May 2024; answers its URL.
    QString record(int lines);
    void tick(int seconds = 1) { m_now = m_now.addSecs(seconds); }
    int points(int series) const { return m_plot->frame(false).series[size_t(series)].points.size(); }

    QDateTime m_now;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WeightingConTrol> m_control;
    std::unique_ptr<TableRowModel> m_rows;
    std::unique_ptr<DataSaveControl> m_recorder;
    std::unique_ptr<LinePlotModel> m_plot;
};

void TestLinePlotModel::init()
{
    LanguageFlag::setChinese(true);
    m_now = QDateTime(QDate(2024, 5, 6), QTime(7, 0, 0));
    m_dir = std::make_unique<QTemporaryDir>();
    m_control = std::make_unique<WeightingConTrol>();
    m_rows = std::make_unique<TableRowModel>();
    m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
    m_recorder->setProjectPath(m_dir->path());
    m_plot = std::make_unique<LinePlotModel>();
    m_plot->setClock([this] { return m_now; });
    m_plot->setController(m_control.get());
    m_plot->setSourceRows(m_rows.get());
    m_plot->setRecorder(m_recorder.get());
}

void TestLinePlotModel::cleanup()
{
    m_plot.reset();
    m_recorder.reset();
    m_rows.reset();
    m_control.reset();
    m_dir.reset();
}

void TestLinePlotModel::publish(int page, int index, int weight)
{
    m_rows->setTableData(page, index, 0, 0, QStringLiteral("CZ%1").arg(index), weight, weight, weight, 4000, 0, 5000,
                         0, 1, 0, 1, nullptr);
}

QString TestLinePlotModel::record(int lines)
{
    m_recorder->setSaveDataHeader(QStringLiteral("timer,ID:1.1/0,ID:1.2/0,"));
    for (int line = 0; line < lines; ++line) {
        tick();
        m_recorder->saveDataStr(QStringLiteral("%1.7,%2,").arg(line % 500).arg(1000 + line), false);
    }
    const QString file = m_recorder->savePath() + QStringLiteral("/07_00_01user.csv");
    return QUrl::fromLocalFile(file).toString();
}

void TestLinePlotModel::liveCurvesFollowTheMainTable()
{
    publish(1, 1, 400);
    QVERIFY(m_plot->addCurve(1, 1));
    // Cell 1.2 is not in the main table yet: its curve gets no points.
    QVERIFY(m_plot->addCurve(1, 2));
    m_plot->setObservationWindow(QStringLiteral("250"));
    QCOMPARE(m_plot->observationWindow(), QStringLiteral("100"));
    m_plot->sample();
    const PlotFrame &frame = m_plot->frame(false);
    QCOMPARE(points(0), 1);
    QCOMPARE(points(1), 0);
    QCOMPARE(frame.series[0].points.last(), QPointF(m_now.toMSecsSinceEpoch(), 400));
    QCOMPARE(frame.xMax - frame.xMin, 100 * 60 * 1000.0);
    QCOMPARE(frame.series[0].label(), QStringLiteral("ID:1.1 名字:CZ1 重量:"));
    QCOMPARE(m_plot->mYheight(), 450.0);

    publish(1, 1, 100);
    tick();
    m_plot->sample();
    QCOMPARE(points(0), 2);
    QCOMPARE(m_plot->mYheight(), 450.0);
    QCOMPARE(m_plot->mYheight2(), 0.0);

    // The cell is deleted: its curve goes, the later one moves up.
    m_control->createCell(1, 1);
    m_control->deleteCell(1, 1);
    QCOMPARE(m_plot->curveTexts(), QStringList{QStringLiteral("ID:1.2")});
    QCOMPARE(points(0), 0);
}

void TestLinePlotModel::addListAndCurveLimit()
{
    for (int index = 1; index <= 5; ++index)
        publish(1, index, 10 * index);
    QVERIFY(m_plot->addCurve(1, 2));
    QVERIFY(!m_plot->addCurve(1, 2));
    const QVariantList candidates = m_plot->addCandidates();
    QCOMPARE(candidates.size(), 4);
    QCOMPARE(candidates.at(1).toMap().value(QStringLiteral("text")).toString(), QStringLiteral("1.3 CZ3"));
    QVERIFY(m_plot->addCurve(1, 3));
    QVERIFY(m_plot->addCurve(1, 4));
    QVERIFY(m_plot->addCurve(1, 5));
    QVERIFY(m_plot->addCandidates().isEmpty());
    QVERIFY(!m_plot->addCurve(1, 1));
    // Deleting a live curve starts the remaining ones afresh at 300/0.
    publish(1, 2, 900);
    m_plot->sample();
    QCOMPARE(m_plot->mYheight(), 950.0);
    m_plot->deleteCurve(0);
    QCOMPARE(m_plot->curveCount(), 3);
    QCOMPARE(points(0), 0);
    QCOMPARE(m_plot->mYheight(), 300.0);
}

void TestLinePlotModel::pauseFreezesACopy()
{
    publish(1, 1, 20);
    m_plot->addCurve(1, 1);
    m_plot->sample();
    m_plot->setLinerunset(false);
    QSignalSpy frozenChanges(m_plot.get(), &LinePlotModel::frozenFrameChanged);
    const double frozenMax = m_plot->frame(true).xMax;
    for (int second = 0; second < 3; ++second) {
        tick();
        m_plot->sample();
    }
    // Sampling goes on behind the frozen chart, which does not move.
    QCOMPARE(points(0), 4);
    QCOMPARE(m_plot->frame(true).series[0].points.size(), 1);
    QCOMPARE(frozenChanges.count(), 0);
    m_plot->setObservationWindow(QStringLiteral("1"));
    m_plot->sample();
    QCOMPARE(frozenChanges.count(), 1);
    QCOMPARE(m_plot->frame(true).xMin, frozenMax - 60000);
    m_plot->setLinerunset(true);
    QCOMPARE(points(0), 5);
}

void TestLinePlotModel::tooltipShowsNearestValueOrZero()
{
    LanguageFlag::setChinese(false);
    publish(1, 1, 30);
    m_plot->addCurve(1, 1);
    const double first = m_now.toMSecsSinceEpoch();
    m_plot->sample();
    tick(10);
    publish(1, 1, 40);
    m_plot->sample();
    QCOMPARE(m_plot->tooltipLines(first + 2000, false),
             (QStringList{QDateTime::fromMSecsSinceEpoch(first + 2000).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                          QStringLiteral("ID:1.1 Name:CZ1 Load:30")}));
    QCOMPARE(m_plot->tooltipLines(first + 5000, false).last(), QStringLiteral("ID:1.1 Name:CZ1 Load:0"));
    QCOMPARE(m_plot->tooltipLines(first + 8000, false).last(), QStringLiteral("ID:1.1 Name:CZ1 Load:40"));
}

void TestLinePlotModel::historyLoadDrawsOnceAndDeletesInPlace()
{
    const QString url = record(3000);
    m_control->setConFactor(2.20462262185);
    m_plot->addCurve(1, 1);
    m_plot->beginHistory();
    QCOMPARE(m_plot->curveCount(), 0);
    m_plot->loadHistory(url);
    QCOMPARE(m_plot->maxLinePointCount(), 90000);

    QSignalSpy frames(m_plot.get(), &LinePlotModel::frameChanged);
    QVERIFY(m_plot->addCurve(1, 1));
    QCOMPARE(m_plot->pendingAction(), 1);
    QVERIFY(m_plot->reading());
    m_plot->sample();
    QCOMPARE(points(0), 3000);
    QTRY_COMPARE(frames.count(), 1);
    QTRY_VERIFY(!m_plot->reading());
    QCOMPARE(frames.count(), 1);

    const PlotFrame &frame = m_plot->frame(false);
    QCOMPARE(frame.xMin, double(QDateTime(QDate(2024, 5, 6), QTime(7, 0, 1)).toMSecsSinceEpoch()));
    QCOMPARE(frame.xMax, double(QDateTime(QDate(2024, 5, 6), QTime(7, 50, 0)).toMSecsSinceEpoch()));
    QCOMPARE(m_plot->startDial(), (7 * 3600 + 1) * 100);
    QCOMPARE(m_plot->endDial(), (7 * 3600 + 50 * 60) * 100);
    // 499.7 kg shown in pounds, rounded down.
    QCOMPARE(m_plot->mYheight(), std::floor(499.7 * 2.20462262185) + 50);
    QCOMPARE(frame.series[0].label(), QStringLiteral("ID:1.1 重量:"));

    m_plot->addCurve(1, 2);
    m_plot->sample();
    QCOMPARE(points(1), 3000);
    QCOMPARE(m_plot->frame(false).series[1].points.last().y(), std::floor(3999 * 2.20462262185));
    // A deleted curve is pending until the next step, then the later curve
    // moves forward with its points.
    m_plot->deleteCurve(0);
    QCOMPARE(m_plot->pendingAction(), 2);
    QCOMPARE(m_plot->curveCount(), 2);
    m_plot->sample();
    QCOMPARE(m_plot->curveTexts(), QStringList{QStringLiteral("ID:1.2")});
    QCOMPARE(points(0), 3000);
    QCOMPARE(points(1), 0);

    // The start dial moves the time axis to that time of the first day.
    m_plot->setStartDial(7 * 3600 * 100 + 30 * 60 * 100);
    QCOMPARE(m_plot->frame(false).xMin, double(QDateTime(QDate(2024, 5, 6), QTime(7, 30)).toMSecsSinceEpoch()));

    m_plot->endHistory();
    QCOMPARE(m_plot->maxLinePointCount(), 6000);
    QCOMPARE(m_plot->curveCount(), 0);
    // Outside history mode the readback reaches the plot no more.
    m_recorder->readDataFromPathErr(url, 0, QStringLiteral("ID:1.1"), 0);
    QCOMPARE(points(0), 0);
}

void TestLinePlotModel::settingsSurviveASaveAndReopen()
{
    publish(1, 1, 700);
    m_plot->setPartIndex(3);
    m_plot->addCurve(1, 1);
    m_plot->addCurve(2, 7);
    m_plot->setObservationWindow(QStringLiteral("25"));
    m_plot->setLineWidth(80);
    m_plot->sample();

    const QString path = m_dir->filePath(QStringLiteral("p.VORNPRO"));
    MyJson saved;
    saved.saveLinePlotParts(0, QStringLiteral("主区"));
    saved.saveLinePlotParts(3, QStringLiteral("north"));
    m_plot->saveTo(&saved);
    QVERIFY(saved.writeProjectFile(path));

    MyJson reopened;
    QVERIFY(!reopened.readProjectFile(path).damaged);
    LinePlotModel plot;
    plot.setPartIndex(3);
    plot.loadFrom(&reopened);
    QCOMPARE(plot.curveTexts(), (QStringList{QStringLiteral("ID:1.1"), QStringLiteral("ID:2.7")}));
    QCOMPARE(plot.observationWindow(), QStringLiteral("25"));
    QCOMPARE(plot.lineWidth(), 80);
    // The stored axis is not applied.
    QCOMPARE(plot.mYheight(), 300.0);
}

QTEST_GUILESS_MAIN(TestLinePlotModel)
#include "tst_lineplotmodel.moc"
