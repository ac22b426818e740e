// hubsim: plays load-cell hubs for trying and testing vornView without
// hardware. See README.md, "Hub simulator".
#include "tools/hubsim/hubsimoptions.h"
#include "tools/hubsim/hubsimulator.h"
#include "tools/hubsim/replaywriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>

#include <cstdio>

namespace {

void printLine(const QJsonObject &object)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "hubsim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hubsim"));

    HubSimOptions options;
    QString error;
    QString help;
    if (!HubSimOptions::parse(QCoreApplication::arguments(), &options, &error, &help)) {
        if (error.isEmpty()) {
            std::fputs(qPrintable(help), stdout);
            return 0;
        }
        return fail(error);
    }
    for (int page = options.firstPage; page < options.firstPage + options.hubs; ++page) {
        const QHostAddress address = options.hubAddress(page);
        if (HubSimOptions::hubIdOf(address) != page)
            std::fprintf(stderr, "hubsim: hub %d sends from %s, whose hub ID is %d: threshold downloads for page %d "
                                 "will not reach it\n",
                         page, qPrintable(address.toString()), HubSimOptions::hubIdOf(address), page);
    }

    if (!options.replayFolder.isEmpty()) {
        QVector<SimulatedHub> hubs;
        for (int page = options.firstPage; page < options.firstPage + options.hubs; ++page)
            hubs.append(SimulatedHub(page, options.cells, options.seed));
        if (!ReplayWriter::write(options.replayFolder, hubs, options.ticks, options.rate,
                                 QDateTime::currentDateTime(), &error))
            return fail(error);
        printLine(QJsonObject {
            { QStringLiteral("event"), QStringLiteral("replayWritten") },
            { QStringLiteral("file"), QDir(options.replayFolder).absoluteFilePath(ReplayWriter::fileName()) },
            { QStringLiteral("records"), options.ticks * options.hubs },
        });
        return 0;
    }

    HubSimulator simulator(options, printLine);
    QObject::connect(&simulator, &HubSimulator::finished, &app, &QCoreApplication::quit);
    if (!simulator.start(&error))
        return fail(error);
    return app.exec();
}
