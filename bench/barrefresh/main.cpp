#include "bench/common/timingfigures.h"
#include "ui/barchart/barchartitem.h"
#include "ui/barchart/barrowmodel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <vector>

namespace {

// Hub pages 1 to 19 with 105 cells each, the Bluetooth page with 999 cells,
// the total and 19 groups: about 3000 rows, as in a full installation.
constexpr int HubPages = 19;
constexpr int CellsPerHubPage = 105;
constexpr int BluetoothCells = 999;
constexpr int Groups = 19;
constexpr int Ticks = 60;

// One publication round as the controller sends it: the total, the cells
// page by page, then the groups. Weights drift from tick to tick.
void publish(BarRowModel &bars, int tick)
{
    int n = 0;
    const auto weight = [tick, &n] { return int(100 + (++n * 7 + tick * 13) % 4000); };
    bars.setTableData(1, 0, 0, 0, QStringLiteral("ALL LOAD"), 250000 + tick, 260000, 0, 0, 0, 0, 0, 1, 0, 0, nullptr);
    for (int page = 1; page <= HubPages; ++page) {
        for (int index = 1; index <= CellsPerHubPage; ++index) {
            const int w = weight();
            bars.setTableData(page, index, 0, 0, QStringLiteral("CZ%1.%2").arg(page).arg(index), w, w + 50, w - 50,
                              3500, 200, 3900, 100, (index % 50) ? 1 : 0, 0, 5, nullptr);
        }
    }
    for (int index = 1; index <= BluetoothCells; ++index) {
        const int w = weight();
        bars.setTableData(20, index, 0, 0, QStringLiteral("BLE%1").arg(index), w, w + 50, w - 50, 3500, 200, 3900,
                          100, 1, 0, 3, nullptr);
    }
    for (int group = 1; group <= Groups; ++group) {
        bars.setGroupTableData(1, 1001 + group, 0, 1, QStringLiteral("Group%1").arg(group), 10000 + tick, 0, 0, 0, 0,
                               0, 0, 1, 0, 0, nullptr);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    BarRowModel bars;
    bars.setChartWidth(1240);
    bars.setAxisAdaptive(true);
    publish(bars, 0); // the first round creates the rows
    bars.flush();

    std::vector<double> updates;
    for (int tick = 1; tick <= Ticks; ++tick) {
        QElapsedTimer timer;
        timer.start();
        publish(bars, tick);
        bars.flush();
        updates.push_back(timer.nsecsElapsed() / 1e6);
    }

    // One screen of bars with every marker and name shown.
    BarChartItem chart;
    chart.setModel(&bars);
    chart.setSize(QSizeF(1240, 800));
    QImage image(1240, 800, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> paints;
    for (int frame = 0; frame < Ticks; ++frame) {
        chart.setContentY(frame * 25 * 30);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        chart.paint(&painter);
        painter.end();
        paints.push_back(timer.nsecsElapsed() / 1e6);
    }

    out << "bar rows: " << bars.rowCount() << ", axis X1 " << bars.allTotalData() << ", axis X2 "
        << bars.cellMaxData() << "\n";
    out << "median ms per tick, bar rows taking one publication round and announcing it: " << median(updates) << "\n";
    out << "median ms per paint of one 1240 x 800 screen of bars: " << median(paints) << "\n";
    return 0;
}
