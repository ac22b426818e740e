// Times the weighing controller's once-per-second refresh with fresh pending
// data for every cell: 20 hub pages x 100 cells (datagrams through
// udpReadData) and 999 wireless cells (records through bleReadData), the
// total, 19 groups and the publication of every record to a C++ receiver.
// Prints the median and 99th percentile milliseconds per refresh, and the
// same for the intake calls that fill the pending buffers before it.
#include "core/hubdatagram.h"
#include "core/weightingcontrol.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int HubPages = 20;
constexpr int CellsPerHubPage = 100;
constexpr int WirelessCells = 999;
constexpr int Ticks = 500;

QString wirelessAddress(int index)
{
    return QStringLiteral("00:80:E1:26:%1:%2")
        .arg(index >> 8, 2, 16, QLatin1Char('0'))
        .arg(index & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

// One hub's datagram with a reading for each of its cells, moving a little
// from tick to tick and now and then crossing a threshold.
QByteArray datagram(int page, int tick)
{
    QByteArray bytes(HubDatagram::HeaderSize, '\0');
    const quint16 tag = quint16(HubDatagram::TagBase + page);
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    for (int index = 1; index <= CellsPerHubPage; ++index) {
        const int weight = 1000 + (index * 37 + tick * 11) % 3500;
        const char record[8] = {char(index), 0, 1, 0, 2, 0, char(weight & 0xFF), char(weight >> 8)};
        bytes.append(record, 8);
    }
    return bytes;
}

struct Receiver
{
    long long published = 0;
    long long checksum = 0;
};

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    WeightingConTrol control;
    for (int page = 0; page < HubPages; ++page) {
        for (int index = 1; index <= CellsPerHubPage; ++index) {
            control.createCell(page, index);
            control.qmlSetGroup(page, index, 1 + (page * CellsPerHubPage + index) % 19);
        }
    }
    control.createCell(1, 0); // the total
    std::vector<QString> addresses;
    for (int index = 1; index <= WirelessCells; ++index) {
        addresses.push_back(wirelessAddress(index));
        control.bleAddOnlineDevice(addresses.back(), index);
    }

    Receiver receiver;
    const auto take = [&receiver](int, int index, int, int, QString name, int curData, int, int, int, int,
                                  int, int, int state, int, int, WeightingCellData *) {
        ++receiver.published;
        receiver.checksum += index + curData + state + name.size();
    };
    QObject::connect(&control, &WeightingConTrol::readCellDataSignal, take);
    QObject::connect(&control, &WeightingConTrol::readGroupCellDataSignal, take);

    std::vector<double> refresh;
    std::vector<double> intake;
    for (int tick = 0; tick <= Ticks; ++tick) {
        QElapsedTimer timer;
        timer.start();
        for (int page = 0; page < HubPages; ++page) {
            QByteArray bytes = datagram(page, tick);
            control.udpReadData(reinterpret_cast<uint8_t *>(bytes.data()), bytes.size());
        }
        for (int index = 1; index <= WirelessCells; ++index) {
            bleCellState record;
            record.cellIndex = quint16(index);
            record.online = 1;
            record.curData = qint16(500 + (index * 13 + tick * 7) % 4000);
            record.battery = 90;
            setCellAddress(record, addresses[size_t(index - 1)]);
            setCellRssi(record, -60 - index % 30);
            control.bleReadData(record, addresses[size_t(index - 1)]);
        }
        const double intakeMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        control.qmlRequestReflsh();
        const double refreshMs = timer.nsecsElapsed() / 1e6;
        if (tick > 0) { // the first tick connects every record once
            intake.push_back(intakeMs);
            refresh.push_back(refreshMs);
        }
    }

    const Figures r = figures(refresh);
    const Figures i = figures(intake);
    out << "records published per refresh: " << receiver.published / (Ticks + 1) << "\n";
    out << "refresh (intake, total, groups, publication): median " << r.median << " ms, p99 " << r.p99
        << " ms over " << Ticks << " ticks\n";
    out << "filling the pending buffers (20 datagrams, 999 wireless records): median " << i.median
        << " ms, p99 " << i.p99 << " ms\n";
    out << "checksum " << receiver.checksum << "\n";
    return 0;
}
