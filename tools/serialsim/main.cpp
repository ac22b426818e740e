// serialsim: plays the USB Bluetooth receiver for trying and testing the
// serial link without hardware. See README.md, "Serial receiver simulator".
#include "tools/serialsim/receiveroutput.h"
#include "tools/serialsim/serialsimulator.h"

#include "links/celladdress.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <climits>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "serialsim: %s\n", qPrintable(message));
    return 2;
}

bool readNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int low, int high, int *value)
{
    bool ok = false;
    const int number = parser.value(option).toInt(&ok);
    if (!ok || number < low || number > high)
        return false;
    *value = number;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("serialsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes receiver frames of simulated cells (00:80:E1:00:00:01 up, user IDs 1 up) to a new "
        "pseudo-terminal, whose path it prints, or to a serial device at 460800 baud."));
    parser.addHelpOption();
    const QCommandLineOption device(QStringLiteral("device"), QStringLiteral("Serial device to write to instead of a pseudo-terminal."),
                                    QStringLiteral("path"));
    const QCommandLineOption cells(QStringLiteral("cells"), QStringLiteral("Number of cells, 1 to 1000 (default 4)."),
                                   QStringLiteral("n"), QStringLiteral("4"));
    const QCommandLineOption rate(QStringLiteral("rate"), QStringLiteral("Advertisements per cell and second, 1 to 100 (default 10)."),
                                  QStringLiteral("hz"), QStringLiteral("10"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Also make this path a symbolic link to the pseudo-terminal, so the program's "
                                                 "port setting can stay the same from run to run."),
                                  QStringLiteral("path"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Random seed (default 1)."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({device, cells, rate, link, seed});
    parser.process(app);

    int cellCount = 0;
    int ticksPerSecond = 0;
    int seedValue = 0;
    if (!readNumber(parser, cells, 1, 1000, &cellCount))
        return fail(QStringLiteral("--cells wants a number from 1 to 1000"));
    if (!readNumber(parser, rate, 1, 100, &ticksPerSecond))
        return fail(QStringLiteral("--rate wants a number from 1 to 100"));
    if (!readNumber(parser, seed, 0, INT_MAX, &seedValue))
        return fail(QStringLiteral("--seed wants a non-negative number"));

    ReceiverOutput output;
    QString error;
    const bool opened = parser.isSet(device) ? output.openDevice(parser.value(device), &error)
                                             : output.openPseudoTerminal(&error);
    if (!opened)
        return fail(error);
    if (parser.isSet(link)) {
        const QString linkPath = parser.value(link);
        if (QFileInfo(linkPath).isSymLink())
            QFile::remove(linkPath);
        if (!QFile::link(output.path(), linkPath))
            return fail(QStringLiteral("cannot create the link %1").arg(linkPath));
    }

    std::printf("serialsim: writing receiver frames to %s\n", qPrintable(output.path()));
    for (int i = 0; i < cellCount; ++i)
        std::printf("serialsim: cell %s user ID %d\n",
                    qPrintable(celladdress::fromInteger(SerialSimulator::cellAddress(i))), i + 1);
    std::fflush(stdout);

    SerialSimulator simulator(cellCount, quint32(seedValue));
    QElapsedTimer clock;
    clock.start();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { output.write(simulator.tick(clock.elapsed() / 1000.0)); });
    timer.start(1000 / ticksPerSecond);
    return app.exec();
}
