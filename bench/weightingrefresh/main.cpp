// Times the weighing controller's once-per-second refresh with fresh pending
// data for every cell: 20 hub pages x 100 cells (datagrams through
// udpReadData) and 999 wireless cells (records through bleReadData), the
// total, 19 groups and the publication of every record to a C++ receiver.
// Prints the median and 99th percentile milliseconds per refresh, and the
// same for the intake calls that fill the pending buffers before it.
#include "bench/common/fullinstallationload.h"
#include "bench/common/timingfigures.h"
#include "core/weightingcontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <vector>

namespace {

constexpr int Ticks = 500;

struct Receiver
{
    long long published = 0;
    long long checksum = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    WeightingConTrol control;
    // Hub weights spread over 3500 from 1000, no cell reporting a fault.
    FullInstallationLoad load(control, 3500, 0);

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
        load.arrive(tick);
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
