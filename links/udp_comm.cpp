#include "links/udp_comm.h"

#include <QDebug>
#include <QMetaEnum>
#include <QUdpSocket>

#include <algorithm>
#include <cmath>

UDP_Comm::UDP_Comm(WeightingConTrol *owner, QObject *parent)
    : QObject(parent),
      m_owner(owner),
      m_dataSave(new DataSaveControl(this)),
      m_socket(new QUdpSocket(this)),
      m_buffer(ReceiveBufferSize, 0)
{
    // The signal and property types are spelled uint8_t/uint32_t; the aliases
    // let queued connections and QML find them by name.
    qRegisterMetaType<uint8_t>("uint8_t");
    qRegisterMetaType<uint32_t>("uint32_t");
    connect(m_socket, &QUdpSocket::readyRead, this, &UDP_Comm::udpReadyRead);
    m_dataProTime = 100;
}

UDP_Comm::~UDP_Comm() = default;

void UDP_Comm::setIpAddr(const QString &ipAddr)
{
    if (m_ipAddr == ipAddr)
        return;
    m_ipAddr = ipAddr;
    emit ipAddrChanged();
}

void UDP_Comm::resetIpAddr()
{
    setIpAddr(QString());
}

void UDP_Comm::setDataSave(DataSaveControl *dataSave)
{
    if (m_dataSave == dataSave)
        return;
    m_dataSave = dataSave;
    emit dataSaveChanged();
}

void UDP_Comm::resetDataSave()
{
    setDataSave(nullptr);
}

void UDP_Comm::setDataProTime(uint32_t dataProTime)
{
    if (m_dataProTime == dataProTime)
        return;
    m_dataProTime = dataProTime;
    emit dataProTimeChanged();
}

void UDP_Comm::resetDataProTime()
{
    setDataProTime(0);
}

bool UDP_Comm::udpConnectFlag() const
{
    return m_Udpi < HubTable::SlotCount && m_hubs.connected(m_Udpi);
}

void UDP_Comm::setUdpConnectFlag(bool udpConnectFlag)
{
    if (m_Udpi >= HubTable::SlotCount || m_hubs.connected(m_Udpi) == udpConnectFlag)
        return;
    m_hubs.setConnected(m_Udpi, udpConnectFlag);
    emit udpConnectFlagChanged(udpConnectFlag, m_Udpi, m_UdpID);
}

void UDP_Comm::setUdpID(uint8_t UdpID)
{
    if (m_UdpID == UdpID)
        return;
    m_UdpID = UdpID;
    emit UdpIDChanged();
}

void UDP_Comm::resetUdpID()
{
    setUdpID(0);
}

void UDP_Comm::setUdpi(uint8_t Udpi)
{
    if (m_Udpi == Udpi)
        return;
    m_Udpi = Udpi;
    emit UdpiChanged();
}

void UDP_Comm::resetUdpi()
{
    setUdpi(0);
}

void UDP_Comm::setUdpSetting(QString newIpAddr, double new_rPort, double new_tPort)
{
    setIpAddr(newIpAddr);
    m_rPort = new_rPort;
    m_tPort = new_tPort;
}

quint16 UDP_Comm::portFromSetting(double port)
{
    if (!std::isfinite(port))
        return 0;
    // Reduce before converting so values beyond any integer type stay defined.
    const double low = std::fmod(std::trunc(port), 65536.0);
    return static_cast<quint16>(static_cast<int>(low < 0 ? low + 65536.0 : low));
}

void UDP_Comm::initEth()
{
    m_interfaces.clear();
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &iface : all) {
        const auto flags = iface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        qDebug() << iface.humanReadableName();
        const auto entries = iface.addressEntries();
        if (entries.isEmpty() || iface.type() == QNetworkInterface::Loopback)
            continue;
        for (const QNetworkAddressEntry &entry : entries)
            qDebug() << " IP addr:" << entry.ip().toString();
        m_interfaces.append(iface);
    }

    m_socket->close();
    if (m_interfaces.isEmpty())
        return;

    const quint16 rPort = portFromSetting(m_rPort);
    const QHostAddress group(m_ipAddr);
    const QMetaEnum typeEnum = QMetaEnum::fromType<QNetworkInterface::InterfaceType>();
    for (int i = 0; i < m_interfaces.size(); ++i) {
        const QNetworkInterface &iface = m_interfaces.at(i);
        // Only the first bind after the close can succeed; the socket stays
        // bound once and joins the group on every usable interface.
        const bool unbound = m_socket->state() == QAbstractSocket::UnconnectedState;
        if (unbound && m_socket->bind(QHostAddress::AnyIPv4, rPort))
            m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                                      SocketReceiveBufferBytes);
        else
            qDebug() << "bind error";
        m_socket->setMulticastInterface(iface);
        qDebug() << m_interfaces.size() << i << typeEnum.valueToKey(iface.type());
        m_socket->leaveMulticastGroup(group, iface);
        if (!m_socket->joinMulticastGroup(group, iface))
            qDebug() << "joinMulticastGroup error";
        qDebug() << "Init Eth" << m_ipAddr << m_rPort << m_tPort;
    }
}

void UDP_Comm::udpReadyRead()
{
    while (m_socket->hasPendingDatagrams()) {
        const qint64 size = m_socket->pendingDatagramSize();
        if (size < 0)
            break;
        m_buffer.assign(std::max<size_t>(ReceiveBufferSize, static_cast<size_t>(size)), 0);
        QHostAddress sender;
        const qint64 read = m_socket->readDatagram(reinterpret_cast<char *>(m_buffer.data()),
                                                   static_cast<qint64>(m_buffer.size()), &sender);
        // A failed read leaves the datagram queue in an unknown state; the
        // next readyRead() starts over rather than spinning here.
        if (read < 0)
            break;
        const int length = static_cast<int>(read);

        const HubTable::ArrivalResult result = m_hubs.receive(sender, m_buffer.data(), length);
        if (result.arrival == HubTable::Arrival::Registered) {
            qDebug() << "receive data source:" << sender.toString();
            qDebug() << "The last part of the IPv4 address is:" << HubTable::lastAddressPart(sender)
                     << m_hubs.hubId(result.slot);
        }
        emit readDataSignal(m_buffer.data(), length);
    }
}

void UDP_Comm::udpSendData(QString str)
{
    const QByteArray payload = str.toUtf8();
    const QVector<int> targets = m_hubs.dataTargets();
    for (int slot : targets)
        sendFrame(slot, payload);
}

void UDP_Comm::udpSendSetPara(uint8_t id, QByteArray set)
{
    const QVector<int> targets = m_hubs.setParaTargets(id);
    for (int slot : targets)
        sendFrame(slot, set);
}

void UDP_Comm::sendFrame(int slot, const QByteArray &payload)
{
    const QByteArray frame = m_hubs.nextFrame(slot, payload);
    m_socket->writeDatagram(frame, m_hubs.address(slot), portFromSetting(m_tPort));
    evaluateConnection(slot);
}

void UDP_Comm::evaluateConnection(int slot)
{
    setUdpID(m_hubs.hubId(slot));
    setUdpi(static_cast<uint8_t>(slot));
    setUdpConnectFlag(m_hubs.spendCredit(slot));
}
