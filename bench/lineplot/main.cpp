#include "bench/common/timingfigures.h"
#include "recording/datasavecontrol.h"
#include "ui/lineplot/curvedecimation.h"
#include "ui/lineplot/lineplotitem.h"
#include "ui/lineplot/lineplotmodel.h"
#include "ui/table/tablerowmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <QtCharts>

#include <cmath>
#include <ctime>
#include <vector>

namespace {

constexpr int Width = 1280;
constexpr int Height = 700;
constexpr int Curves = 4;

double elapsedMs(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// CPU time of this thread: on a machine shared with other builds the wall
// time also counts the waits for a free core.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// A recording in the recorder's layout: `lines` lines a second apart of
// eight cells 1.1 to 1.8.
QString writeRecording(const QString &path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QTextStream out(&file);
    out << "timer,";
    for (int cell = 1; cell <= 8; ++cell)
        out << "ID:1." << cell << "/3,";
    out << "\n";
    QDateTime time(QDate(2024, 5, 6), QTime(0, 0));
    for (int line = 0; line < lines; ++line) {
        out << time.addSecs(line).toString(QStringLiteral("yyyy-MM-dd hh_mm_ss_zzz")) << ',';
        for (int cell = 1; cell <= 8; ++cell)
            out << 500 + 400 * std::sin(line / (200.0 + 40 * cell)) + cell * 30 << ',';
        out << "\n";
    }
    return QUrl::fromLocalFile(path).toString();
}

void paint(LinePlotItem &item, QImage &image)
{
    QPainter painter(&image);
    item.paint(&painter);
}

// From "加载历史曲线" to the chart painted: every curve added and read back
// one by one as the plot does, the drawing that follows each readback, and
// one paint of the chart.
double historyLoad(DataSaveControl &recorder, const QString &url, QImage &image, std::vector<double> &cpu)
{
    LinePlotModel plot;
    plot.setRecorder(&recorder);
    LinePlotItem item;
    item.setModel(&plot);
    item.setSize(QSizeF(Width, Height));
    QSignalSpy frames(&plot, &LinePlotModel::frameChanged);
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = cpuMs();
    plot.beginHistory();
    plot.loadHistory(url);
    for (int cell = 1; cell <= Curves; ++cell) {
        plot.addCurve(1, cell);
        plot.sample();
        QCoreApplication::processEvents();
    }
    paint(item, image);
    cpu.push_back(cpuMs() - cpuStart);
    return elapsedMs(timer);
}

struct QtChartsPlot
{
    QChart chart;
    QGraphicsScene scene;
    std::vector<QLineSeries *> series;

    QtChartsPlot()
    {
        auto *time = new QDateTimeAxis;
        time->setFormat(QStringLiteral("MM-dd HH:mm:ss"));
        time->setTickCount(8);
        auto *weight = new QValueAxis;
        chart.addAxis(time, Qt::AlignBottom);
        chart.addAxis(weight, Qt::AlignLeft);
        for (int k = 0; k < Curves; ++k) {
            auto *line = new QLineSeries;
            chart.addSeries(line);
            line->attachAxis(time);
            line->attachAxis(weight);
            series.push_back(line);
        }
        chart.setGeometry(0, 0, Width, Height);
        scene.addItem(&chart);
    }
    ~QtChartsPlot() { scene.removeItem(&chart); }

    void show(const PlotFrame &frame, bool decimated, QImage &image)
    {
        for (int k = 0; k < Curves; ++k) {
            const CurveBuffer &points = frame.series[size_t(k)].points;
            series[size_t(k)]->replace(decimated ? decimate(points.begin(), points.end(), frame.xMin, frame.xMax, Width)
                                                 : QVector<QPointF>(points.begin(), points.end()));
        }
        chart.axes(Qt::Horizontal).first()->setRange(QDateTime::fromMSecsSinceEpoch(qint64(frame.xMin)),
                                                     QDateTime::fromMSecsSinceEpoch(qint64(frame.xMax)));
        chart.axes(Qt::Vertical).first()->setRange(frame.yAxis.bottom, frame.yAxis.top);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);

    DataSaveControl recorder;
    const QString file3000 = writeRecording(dir.filePath(QStringLiteral("3000.csv")), 3000);
    const QString file90000 = writeRecording(dir.filePath(QStringLiteral("90000.csv")), 90000);
    std::vector<double> loads3000;
    std::vector<double> loads90000;
    std::vector<double> cpu3000;
    std::vector<double> cpu90000;
    for (int run = 0; run < 5; ++run) {
        loads3000.push_back(historyLoad(recorder, file3000, image, cpu3000));
        loads90000.push_back(historyLoad(recorder, file90000, image, cpu90000));
    }

    // Live: four curves of cells in the main table, full at 6000 points,
    // then one sample a second with the paint it causes.
    TableRowModel rows;
    QDateTime now(QDate(2024, 5, 6), QTime(0, 0));
    LinePlotModel plot;
    plot.setClock([&now] { return now; });
    plot.setSourceRows(&rows);
    plot.setObservationWindow(QStringLiteral("100"));
    LinePlotItem item;
    item.setModel(&plot);
    item.setSize(QSizeF(Width, Height));
    const auto publish = [&rows](int second) {
        for (int cell = 1; cell <= Curves; ++cell) {
            const int weight = int(500 + 300 * std::sin(second / (50.0 * cell)));
            rows.setTableData(1, cell, 0, 0, QStringLiteral("CZ%1").arg(cell), weight, weight, weight, 4000, 0, 5000,
                              0, 1, 0, 3, nullptr);
        }
    };
    publish(0);
    for (int cell = 1; cell <= Curves; ++cell)
        plot.addCurve(1, cell);
    for (int second = 0; second < 6000; ++second) {
        now = now.addSecs(1);
        publish(second);
        plot.sample();
    }
    std::vector<double> ticks;
    std::vector<double> tickCpu;
    std::vector<double> chartsTicks;
    QtChartsPlot charts;
    for (int second = 0; second < 60; ++second) {
        now = now.addSecs(1);
        publish(second);
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuMs();
        plot.sample();
        paint(item, image);
        tickCpu.push_back(cpuMs() - cpuStart);
        ticks.push_back(elapsedMs(timer));
        timer.restart();
        charts.show(plot.frame(false), true, image);
        chartsTicks.push_back(elapsedMs(timer));
    }

    // Nothing changes: no curves, or the plot paused with its window as it is.
    QSignalSpy liveFrames(&plot, &LinePlotModel::frameChanged);
    QSignalSpy frozenFrames(&plot, &LinePlotModel::frozenFrameChanged);
    plot.setLinerunset(false);
    const int frozenAtPause = frozenFrames.count();
    for (int second = 0; second < 10; ++second)
        plot.sample();
    LinePlotModel empty;
    QSignalSpy emptyFrames(&empty, &LinePlotModel::frameChanged);
    for (int second = 0; second < 10; ++second)
        empty.sample();

    // The 4 × 90000 history through Qt Charts, whole and decimated.
    LinePlotModel history;
    history.setRecorder(&recorder);
    history.beginHistory();
    history.loadHistory(file90000);
    for (int cell = 1; cell <= Curves; ++cell) {
        history.addCurve(1, cell);
        history.sample();
    }
    QtChartsPlot historyCharts;
    QElapsedTimer timer;
    timer.start();
    historyCharts.show(history.frame(false), false, image);
    const double chartsWhole = elapsedMs(timer);
    timer.restart();
    historyCharts.show(history.frame(false), true, image);
    const double chartsDecimated = elapsedMs(timer);
    timer.restart();
    LinePlotItem historyItem;
    historyItem.setModel(&history);
    historyItem.setSize(QSizeF(Width, Height));
    paint(historyItem, image);
    const double paintedHistory = elapsedMs(timer);

    const Figures live = figures(ticks);
    const Figures liveCharts = figures(chartsTicks);
    const Figures liveCpu = figures(tickCpu);
    out << "history, 3000-line recording read for 4 curves, request to painted: median " << median(loads3000)
        << " ms (CPU " << median(cpu3000) << " ms)\n";
    out << "history, 4 x 90000 points read back, request to painted: median " << median(loads90000) << " ms (CPU "
        << median(cpu90000) << " ms)\n";
    out << "live, 4 x 6000 points, one sample and its paint (" << Width << " x " << Height << "): median "
        << live.median << " ms, p99 " << live.p99 << " ms (CPU median " << liveCpu.median << " ms, p99 "
        << liveCpu.p99 << " ms)\n";
    out << "live, the same frame through Qt Charts (decimated replace() and scene render): median "
        << liveCharts.median << " ms, p99 " << liveCharts.p99 << " ms\n";
    out << "4 x 90000 history frame: painted item " << paintedHistory << " ms; Qt Charts replace() of every point "
        << chartsWhole << " ms, of the decimated points " << chartsDecimated << " ms\n";
    out << "changes announced in 10 s at rest: paused, to the frozen chart " << frozenFrames.count() - frozenAtPause
        << " (to the hidden live chart, which does not repaint, " << liveFrames.count() << "); no curves "
        << emptyFrames.count() << "\n";
    return 0;
}
