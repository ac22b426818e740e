#include "bench/common/timingfigures.h"
#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "ui/table/tablerowmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <vector>

namespace {

// Hub pages 0 to 19 (page 0 is never published), the Bluetooth page full, the
// total and 19 groups: about 3000 rows in the main table.
constexpr int HubPages = 20;
constexpr int CellsPerHubPage = 105;
constexpr int BluetoothCells = 999;
constexpr int Ticks = 200;

// Median milliseconds of one tick: a new reading for every cell, then the
// refresh with its publication (and, when connected, the row model matching
// every publication), then the model's announcement.
double medianTick(WeightingConTrol &control, const std::vector<WeightingCellData *> &records, TableRowModel &table)
{
    std::vector<double> ticks;
    for (int tick = 0; tick <= Ticks; ++tick) {
        QElapsedTimer timer;
        timer.start();
        for (size_t i = 0; i < records.size(); ++i) {
            records[i]->setCurData(int(100 + (i * 7 + tick * 13) % 4000));
            records[i]->setState(1);
        }
        control.qmlRequestReflsh();
        table.flush();
        if (tick > 0) // the first tick creates the rows
            ticks.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(ticks);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    WeightingConTrol control;
    std::vector<WeightingCellData *> records;
    for (int page = 0; page < HubPages; ++page) {
        for (int index = 1; index <= CellsPerHubPage; ++index) {
            control.createCell(page, index);
            control.qmlSetGroup(page, index, 1 + (page * CellsPerHubPage + index) % 19);
            records.push_back(control.page(page)->cell(index));
        }
    }
    for (int index = 1; index <= BluetoothCells; ++index) {
        control.createCell(20, index);
        records.push_back(control.page(20)->cell(index));
    }
    control.createCell(1, 0); // the total

    TableRowModel table;
    int announcements = 0;
    QObject::connect(&table, &QAbstractItemModel::dataChanged, [&announcements] { ++announcements; });

    table.setController(&control);
    const double withModel = medianTick(control, records, table);
    const int rows = table.rowCount();
    const int perTick = announcements / Ticks;
    table.setController(nullptr);
    const double withoutModel = medianTick(control, records, table);

    out << "table rows: " << rows << ", dataChanged signals per tick: " << perTick << "\n";
    out << "median ms per tick, readings + refresh + publication + row model: " << withModel << "\n";
    out << "median ms per tick, readings + refresh + publication alone: " << withoutModel << "\n";
    return 0;
}
