// Times one second of a full installation as the program lives it: 20 hub
// datagrams of 100 cells (pages 0 to 19) and 999 wireless records arrive, then
// the table container's timer calls qmlRequestReflsh(): intake, total, groups
// and the publication of every record, which the main table's and the main
// bar chart's row models take in and announce. Prints the median and 99th
// percentile milliseconds per tick, once as the program does it (the models
// take the publications in C++) and once with a QML handler per publication
// added, the cost a script relay of the readings would have.
#include "core/hubdatagram.h"
#include "core/weightingcontrol.h"
#include "links/blecellstate.h"
#include "ui/models/barrowmodel.h"
#include "ui/models/tablerowmodel.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int HubPages = 20;
constexpr int CellsPerHubPage = 100;
constexpr int WirelessCells = 999;
constexpr int Groups = 19;
constexpr int Ticks = 300;

QString wirelessAddress(int index)
{
    return QStringLiteral("00:80:E1:26:%1:%2")
        .arg(index >> 8, 2, 16, QLatin1Char('0'))
        .arg(index & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// A hub's datagram: every cell moves a little from tick to tick, some cross
// their thresholds, one in fifty reports a fault.
QByteArray datagram(int page, int tick)
{
    QByteArray bytes(HubDatagram::HeaderSize, '\0');
    const quint16 tag = quint16(HubDatagram::TagBase + page);
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    for (int index = 1; index <= CellsPerHubPage; ++index) {
        const int weight = 1000 + (index * 37 + tick * 11) % 4500;
        const char state = (index + tick) % 50 == 0 ? 3 : 1;
        const char record[8] = {char(index), 0, state, 0, 2, 0, char(weight & 0xFF), char(weight >> 8)};
        bytes.append(record, 8);
    }
    return bytes;
}

struct Figures
{
    double median;
    double p99;
};

Figures figures(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double share) { return values.at(size_t(share * double(values.size() - 1))); };
    return {at(0.5), at(0.99)};
}

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
        for (int page = 0; page < HubPages; ++page) {
            for (int index = 1; index <= CellsPerHubPage; ++index) {
                control.createCell(page, index);
                control.qmlSetGroup(page, index, 1 + (page * CellsPerHubPage + index) % Groups);
            }
        }
        control.createCell(1, 0); // the total
        for (int index = 1; index <= WirelessCells; ++index) {
            addresses.push_back(wirelessAddress(index));
            control.bleAddOnlineDevice(addresses.back(), index);
        }
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
        for (int page = 0; page < HubPages; ++page) {
            QByteArray bytes = datagram(page, n);
            control.udpReadData(reinterpret_cast<uint8_t *>(bytes.data()), bytes.size());
        }
        for (int index = 1; index <= WirelessCells; ++index) {
            bleCellState record;
            record.cellIndex = quint16(index);
            record.online = 1;
            record.curData = qint16(500 + (index * 13 + n * 7) % 4000);
            record.battery = 90;
            setCellAddress(record, addresses[size_t(index - 1)]);
            setCellRssi(record, -60 - index % 30);
            control.bleReadData(record, addresses[size_t(index - 1)]);
        }
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
    TableRowModel table;
    BarRowModel bars;
    std::vector<QString> addresses;
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
