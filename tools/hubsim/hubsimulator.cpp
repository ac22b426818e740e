#include "tools/hubsim/hubsimulator.h"

#include "links/hubcommandframe.h"
#include "tools/hubsim/commandframereport.h"

#include <QJsonArray>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include <cmath>

namespace {

// The interface that carries `address`, for sending multicast out of it.
QNetworkInterface interfaceOf(const QHostAddress &address)
{
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : all) {
        const auto entries = iface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            if (entry.ip() == address)
                return iface;
        }
    }
    return QNetworkInterface();
}

} // namespace

HubSimulator::HubSimulator(const HubSimOptions &options, Output output, QObject *parent)
    : QObject(parent),
      m_options(options),
      m_output(std::move(output))
{
    for (int i = 0; i < options.hubs; ++i)
        m_hubs.append(SimulatedHub(options.firstPage + i, options.cells, options.seed));
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(int(std::lround(1000.0 / options.rate)));
    connect(&m_timer, &QTimer::timeout, this, &HubSimulator::tick);
}

bool HubSimulator::start(QString *error)
{
    QJsonArray hubs;
    for (int i = 0; i < m_hubs.size(); ++i) {
        const int page = m_hubs.at(i).page();
        const QHostAddress address = m_options.hubAddress(page);
        auto *socket = new QUdpSocket(this);
        if (!socket->bind(address, m_options.listenPort)) {
            *error = QStringLiteral("cannot bind hub %1 to %2:%3 (%4); run inside the network namespace of "
                                    "tests/netns-run.sh, which owns the hub addresses")
                         .arg(page)
                         .arg(address.toString())
                         .arg(m_options.listenPort)
                         .arg(socket->errorString());
            return false;
        }
        socket->setMulticastInterface(interfaceOf(address));
        socket->setSocketOption(QAbstractSocket::MulticastTtlOption, 1);
        socket->setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
        connect(socket, &QUdpSocket::readyRead, this, [this, i] { readFrames(i); });
        m_sockets.append(socket);

        hubs.append(QJsonObject {
            { QStringLiteral("page"), page },
            { QStringLiteral("address"), address.toString() },
            { QStringLiteral("hubId"), HubSimOptions::hubIdOf(address) },
            { QStringLiteral("tag"), m_hubs.at(i).tag() },
            { QStringLiteral("cells"), m_hubs.at(i).cells().size() },
        });
    }
    m_output(QJsonObject {
        { QStringLiteral("event"), QStringLiteral("started") },
        { QStringLiteral("group"), m_options.group.toString() },
        { QStringLiteral("port"), m_options.port },
        { QStringLiteral("listenPort"), m_options.listenPort },
        { QStringLiteral("rate"), m_options.rate },
        { QStringLiteral("hubs"), hubs },
    });
    if (m_options.duration > 0)
        QTimer::singleShot(qint64(m_options.duration * 1000), this, [this] {
            m_timer.stop();
            m_output(QJsonObject {
                { QStringLiteral("event"), QStringLiteral("stopped") },
                { QStringLiteral("datagrams"), double(m_sent) },
            });
            emit finished();
        });
    m_clock.start();
    m_timer.start();
    tick();
    return true;
}

void HubSimulator::tick()
{
    // Cells move by the real time that passed, so a late tick does not slow
    // the simulated site down.
    const qint64 now = m_clock.elapsed();
    const double seconds = double(now - m_lastTick) / 1000.0;
    m_lastTick = now;
    for (int i = 0; i < m_hubs.size(); ++i) {
        m_hubs[i].step(seconds);
        m_sockets[i]->writeDatagram(m_hubs[i].nextDatagram(), m_options.group, m_options.port);
        ++m_sent;
    }
}

void HubSimulator::readFrames(int hub)
{
    QUdpSocket *socket = m_sockets.at(hub);
    SimulatedHub &simulated = m_hubs[hub];
    while (socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        QJsonObject report = CommandFrameReport::describe(datagram.data(), simulated.tag());
        if (report.value(QStringLiteral("kind")).toString() == QLatin1String("thresholds")) {
            const QByteArray payload = datagram.data().mid(HubCommandFrame::HeaderSize);
            report.insert(QStringLiteral("applied"), simulated.applyThresholdDocument(payload));
        }
        report.insert(QStringLiteral("event"), QStringLiteral("frame"));
        report.insert(QStringLiteral("page"), simulated.page());
        report.insert(QStringLiteral("hub"), m_options.hubAddress(simulated.page()).toString());
        report.insert(QStringLiteral("from"), datagram.senderAddress().toString());
        report.insert(QStringLiteral("fromPort"), datagram.senderPort());
        m_output(report);
    }
}
