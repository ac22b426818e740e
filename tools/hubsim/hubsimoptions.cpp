#include "tools/hubsim/hubsimoptions.h"

#include <QCommandLineParser>

namespace {

bool readInt(const QCommandLineParser &parser, const QString &name, int low, int high, int *value,
             QString *error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < low || v > high) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    *value = v;
    return true;
}

bool readDouble(const QCommandLineParser &parser, const QString &name, double low, double high,
                double *value, QString *error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const double v = parser.value(name).toDouble(&ok);
    if (!ok || !(v >= low && v <= high)) {
        *error = QStringLiteral("--%1 must be a number from %2 to %3").arg(name).arg(low).arg(high);
        return false;
    }
    *value = v;
    return true;
}

bool readIPv4(const QCommandLineParser &parser, const QString &name, QHostAddress *value, QString *error)
{
    if (!parser.isSet(name))
        return true;
    const QHostAddress address(parser.value(name));
    if (address.protocol() != QAbstractSocket::IPv4Protocol) {
        *error = QStringLiteral("--%1 must be an IPv4 address").arg(name);
        return false;
    }
    *value = address;
    return true;
}

} // namespace

QHostAddress HubSimOptions::hubAddress(int page) const
{
    return QHostAddress(baseAddress.toIPv4Address() + quint32(page));
}

int HubSimOptions::hubIdOf(const QHostAddress &address)
{
    return int((address.toIPv4Address() & 0xFF) % 30);
}

bool HubSimOptions::parse(const QStringList &arguments, HubSimOptions *options, QString *error,
                          QString *helpText)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays load-cell hubs: multicasts their datagrams and prints the command frames they receive,\n"
        "one JSON object per line. Run it inside a private network namespace (see README)."));
    parser.addHelpOption();
    parser.addOptions({
        { QStringLiteral("hubs"), QStringLiteral("Number of hubs (1-20)."), QStringLiteral("n"), QStringLiteral("1") },
        { QStringLiteral("first-page"), QStringLiteral("Page of the first hub (0-19)."), QStringLiteral("page"), QStringLiteral("1") },
        { QStringLiteral("cells"), QStringLiteral("Cells per hub (1-100)."), QStringLiteral("m"), QStringLiteral("10") },
        { QStringLiteral("rate"), QStringLiteral("Datagrams per second and hub (0.1-1000)."), QStringLiteral("hz"), QStringLiteral("10") },
        { QStringLiteral("group"), QStringLiteral("Multicast group."), QStringLiteral("address"), QStringLiteral("239.5.7.31") },
        { QStringLiteral("port"), QStringLiteral("Destination port of the datagrams."), QStringLiteral("port"), QStringLiteral("2001") },
        { QStringLiteral("listen-port"), QStringLiteral("Port the hubs receive command frames on."), QStringLiteral("port"), QStringLiteral("7100") },
        { QStringLiteral("base-address"), QStringLiteral("Hub of page p sends from this address + p."), QStringLiteral("address"), QStringLiteral("10.99.0.30") },
        { QStringLiteral("seed"), QStringLiteral("Seed of the cells' movements."), QStringLiteral("n"), QStringLiteral("1") },
        { QStringLiteral("duration"), QStringLiteral("Seconds to run; 0 runs until stopped."), QStringLiteral("s"), QStringLiteral("0") },
        { QStringLiteral("replay"), QStringLiteral("Write a replay folder (hubsim.csv) instead of sending."), QStringLiteral("folder") },
        { QStringLiteral("ticks"), QStringLiteral("Replay lines per hub (1-1000000)."), QStringLiteral("n"), QStringLiteral("600") },
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error->clear();
        *helpText = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first());
        return false;
    }

    HubSimOptions o;
    int port = o.port;
    int listenPort = o.listenPort;
    int seed = int(o.seed);
    if (!readInt(parser, QStringLiteral("hubs"), 1, 20, &o.hubs, error)
        || !readInt(parser, QStringLiteral("first-page"), 0, 19, &o.firstPage, error)
        || !readInt(parser, QStringLiteral("cells"), 1, MaxCells, &o.cells, error)
        || !readDouble(parser, QStringLiteral("rate"), 0.1, 1000, &o.rate, error)
        || !readIPv4(parser, QStringLiteral("group"), &o.group, error)
        || !readInt(parser, QStringLiteral("port"), 1, 65535, &port, error)
        || !readInt(parser, QStringLiteral("listen-port"), 1, 65535, &listenPort, error)
        || !readIPv4(parser, QStringLiteral("base-address"), &o.baseAddress, error)
        || !readInt(parser, QStringLiteral("seed"), 0, 0x7FFFFFFF, &seed, error)
        || !readDouble(parser, QStringLiteral("duration"), 0, 1e9, &o.duration, error)
        || !readInt(parser, QStringLiteral("ticks"), 1, 1000000, &o.ticks, error))
        return false;
    o.port = quint16(port);
    o.listenPort = quint16(listenPort);
    o.seed = quint32(seed);
    o.replayFolder = parser.value(QStringLiteral("replay"));

    const int lastPage = o.firstPage + o.hubs - 1;
    if (lastPage > 19) {
        *error = QStringLiteral("pages %1 to %2 do not fit in 0 to 19").arg(o.firstPage).arg(lastPage);
        return false;
    }
    if (!o.group.isMulticast()) {
        *error = QStringLiteral("--group must be a multicast address");
        return false;
    }
    if ((o.baseAddress.toIPv4Address() & 0xFF) + quint32(lastPage) > 254) {
        *error = QStringLiteral("--base-address leaves no room for page %1").arg(lastPage);
        return false;
    }
    *options = o;
    return true;
}
