#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "ui/lineplot/lineplotmodel.h"
#include "ui/table/tablerowmodel.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// One plot with the real main-table rows, weighing controller, recorder and
// project file: live sampling, pausing, a history load of a recording the
// recorder wrote, and the plot's settings across a save.
class TestLinePlotModel : public QObject
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
    int points(int series) const { return m_plot->frame(false).series[size_t(series)].points.size(); }

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

    void liveCurvesFollowTheMainTable()
    {
        for (int index = 1; index <= 5; ++index)
            publish(index, 400);
        QVERIFY(m_plot->addCurve(1, 1));
        QVERIFY(!m_plot->addCurve(1, 1));
        QVERIFY(m_plot->addCurve(1, 9)); // not in the main table yet: no points
        QCOMPARE(m_plot->addCandidates().size(), 4);
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
        QCOMPARE(m_plot->tooltipLines(first + 5000, false).at(1), QStringLiteral("ID:1.1 Name:CZ1 Load:0"));

        // The cell is deleted: its curve goes, the later ones move up.
        m_control.createCell(1, 1);
        m_control.deleteCell(1, 1);
        QCOMPARE(m_plot->curveTexts(), (QStringList{"ID:1.9", "ID:1.2", "ID:1.3"}));
        // Deleting a live curve starts the remaining ones afresh at 300/0.
        m_plot->deleteCurve(0);
        QCOMPARE(points(0), 0);
        QCOMPARE(m_plot->mYheight(), 300.0);
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
        QCOMPARE((QVector<int>{points(0), m_plot->frame(true).series[0].points.size(), frozenChanges.count()}),
                 (QVector<int>{3, 1, 0}));
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
        QCOMPARE(m_plot->maxLinePointCount(), 90000);
        QSignalSpy frames(m_plot.get(), &LinePlotModel::frameChanged);
        QVERIFY(m_plot->addCurve(1, 1));
        QVERIFY(m_plot->reading());
        m_plot->sample();
        QTRY_VERIFY(!m_plot->reading());
        QCOMPARE(frames.count(), 1);
        QCOMPARE(points(0), 3000);
        QCOMPARE(m_plot->frame(false).xMin, double(QDateTime(QDate(2024, 5, 6), QTime(7, 0, 1)).toMSecsSinceEpoch()));
        QCOMPARE(m_plot->endDial(), (7 * 3600 + 50 * 60) * 100);
        // 499.7 kg shown in pounds, rounded down.
        QCOMPARE(m_plot->mYheight(), std::floor(499.7 * 2.20462262185) + 50);

        m_plot->addCurve(1, 2);
        m_plot->sample();
        QCOMPARE(m_plot->frame(false).series[1].points.last().y(), std::floor(3999 * 2.20462262185));
        // A deleted curve is pending until the next step, then the later one moves up.
        m_plot->deleteCurve(0);
        QCOMPARE(m_plot->curveCount(), 2);
        m_plot->sample();
        QCOMPARE(m_plot->curveTexts(), QStringList{QStringLiteral("ID:1.2")});
        QCOMPARE(points(0), 3000);
        m_plot->endHistory();
        QCOMPARE(m_plot->curveCount(), 0);
    }

    void settingsSurviveASaveAndReopen()
    {
        m_plot->setPartIndex(3);
        m_plot->addCurve(1, 1);
        m_plot->addCurve(2, 7);
        m_plot->setObservationWindow(QStringLiteral("25"));
        m_plot->setLineWidth(80);
        const QString path = m_dir.filePath(QStringLiteral("p.VORNPRO"));
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
        QCOMPARE(plot.observationWindow(), QStringLiteral("25"));
        QCOMPARE(plot.lineWidth(), 80);
    }
};

QTEST_GUILESS_MAIN(TestLinePlotModel)
#include "tst_lineplotmodel.moc"
