// Times one second of a full installation as the program lives it: 20 hub
// datagrams of 100 cells (pages 0 to 19) and 999 wireless records arrive, then
// the table container's timer calls qmlRequestReflsh(): intake, total, groups
// and the publication of every record, which the main table's and the main
// bar chart's row models take in and announce. Prints the median and 99th
// percentile milliseconds per tick, once as the program does it (the models
// take the publications in C++) and once with a QML handler per publication
// added, the cost a script relay of the readings would have.
#include "bench/common/fullinstallationload.h"
#include "bench/common/timingfigures.h"
#include "core/weightingcontrol.h"
#include "ui/barchart/barrowmodel.h"
#include "ui/table/tablerowmodel.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTextStream>

#include <memory>
#include <vector>

namespace {

constexpr int Ticks = 300;

// A script relay: one QML handler per publication that hands the arguments
// on to whatever offers the named method.
const char RelayQml[] = R"(
import QtQuick 2.15
Item {
    property QtObject control: null
    property int relayed: 0
    Connections {
        target: control
        function onReadCellDataSignal() { relay("setTableData", arguments) }
        function onReadGroupCellDataSignal() { relay("setGroupTableData", arguments) }
    }
    function relay(method, args) {
        if (typeof this[method] === "function")
            this[method].apply(this, args)
        relayed++
    }
}
)";

class Session
{
public:
    Session()
    {
        table.setController(&control);
        bars.setController(&control);
        bars.setChartWidth(1240);
        bars.setAxisAdaptive(true);
    }

    // One second: arrivals, then the refresh and both models' announcements.
    double tick(int n)
    {
        QElapsedTimer timer;
        timer.start();
        load.arrive(n);
        control.qmlRequestReflsh();
        table.flush();
        bars.flush();
        return timer.nsecsElapsed() / 1e6;
    }

    Figures run()
    {
        tick(0); // the first tick creates the rows and connects every record
        std::vector<double> ticks;
        for (int n = 1; n <= Ticks; ++n)
            ticks.push_back(tick(n));
        return figures(ticks);
    }

    WeightingConTrol control;
    // Hub weights spread over 4500 from 1000, one cell in fifty reporting a fault.
    FullInstallationLoad load{control, 4500, 50};
    TableRowModel table;
    BarRowModel bars;
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    Session session;
    const Figures models = session.run();
    out << "rows: table " << session.table.rowCount() << ", bar chart " << session.bars.rowCount() << "\n";
    out << "per tick, arrivals + refresh + publication + table and bar models: median " << models.median
        << " ms, p99 " << models.p99 << " ms over " << Ticks << " ticks\n";

    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(RelayQml, QUrl());
    std::unique_ptr<QObject> relay(component.createWithInitialProperties(
        {{QStringLiteral("control"), QVariant::fromValue<QObject *>(&session.control)}}));
    if (!relay) {
        out << component.errorString() << "\n";
        return 1;
    }
    const Figures relayed = session.run();
    out << "the same with a QML relay handler per publication: median " << relayed.median << " ms, p99 "
        << relayed.p99 << " ms (" << relay->property("relayed").toInt() / (Ticks + 1) << " handler calls per tick)\n";
    return 0;
}
