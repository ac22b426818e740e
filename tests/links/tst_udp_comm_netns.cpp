// Real sockets inside the private network namespace of tests/netns-run.sh:
// hubs send multicast from their own addresses on the veth interface and
// listen for command frames on the transmit port.
#include "links/udp_comm.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

QByteArray datagram(int page, int length = 60, int serial = 0)
{
    QByteArray d(length, '\0');
    d[0] = char(serial & 0xFF);
    d[1] = char(serial >> 8);
    d[2] = char((65000 + page) & 0xFF);
    d[3] = char((65000 + page) >> 8);
    return d;
}

// One simulated hub at 10.99.0.<host>.
class Hub
{
public:
    explicit Hub(int host, quint16 listenPort = 7100)
    {
        m_socket.bind(QHostAddress(QStringLiteral("10.99.0.%1").arg(host)), listenPort);
        m_socket.setMulticastInterface(QNetworkInterface::interfaceFromName(qEnvironmentVariable("VORN_NETNS")));
    }
    void send(const QByteArray &bytes, const QString &group = QStringLiteral("239.5.7.31"), quint16 port = 2001)
    {
        m_socket.writeDatagram(bytes, QHostAddress(group), port);
    }
    bool hasFrame() { return m_socket.hasPendingDatagrams(); }
    QByteArray frame() { return m_socket.receiveDatagram().data(); }

private:
    QUdpSocket m_socket;
};

} // namespace

class TestUdpCommNetns : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UDP_Comm> m_link;
    QVector<QByteArray> m_delivered;
    QByteArray m_restOfBuffer; // after the latest delivered datagram

private slots:
    void init()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"), "run through tests/netns-run.sh");
        m_link = std::make_unique<UDP_Comm>(nullptr);
        m_delivered.clear();
        connect(m_link.get(), &UDP_Comm::readDataSignal, this, [this](uint8_t *arr, int len) {
            const char *bytes = reinterpret_cast<const char *>(arr);
            m_delivered.append(QByteArray(bytes, len));
            m_restOfBuffer = QByteArray(bytes + len, qMax(0, UDP_Comm::ReceiveBufferSize - len));
        });
        m_link->setUdpSetting("239.5.7.31", 2001, 7100);
        m_link->initEth();
    }

    void datagramsAreDeliveredWholeOverAClearedBuffer()
    {
        for (const QNetworkInterface &iface : m_link->interfaces())
            QVERIFY(iface.type() != QNetworkInterface::Loopback);
        Hub hub(33);
        QByteArray big = datagram(3, 3000);
        for (int i = 4; i < big.size(); ++i)
            big[i] = char(i * 7);
        hub.send(big);
        QTRY_COMPARE(m_delivered.size(), 1);
        hub.send(datagram(3, 52));
        QTRY_COMPARE(m_delivered.size(), 2);
        // The short datagram after the long one does not see its bytes.
        QCOMPARE(m_restOfBuffer, QByteArray(UDP_Comm::ReceiveBufferSize - 52, '\0'));
        hub.send(QByteArray());
        QTRY_COMPARE(m_delivered, (QVector<QByteArray>{big, datagram(3, 52), QByteArray()}));
        QCOMPARE(m_link->hubTable().counter(0), 32u);
    }

    void oneReadDrainsEveryPendingDatagram()
    {
        Hub hub(32);
        for (int i = 0; i < 200; ++i)
            hub.send(datagram(2, 60 + 8 * (i % 10), i));
        // Queued by the kernel without the event loop, then read once, as one readyRead() would.
        QThread::msleep(100);
        m_link->udpReadyRead();
        QCOMPARE(m_delivered.size(), 200);
        for (int i = 0; i < 200; ++i)
            QCOMPARE(m_delivered[i], datagram(2, 60 + 8 * (i % 10), i));
    }

    void commandFramesReachTheFirstTenHubs()
    {
        // .31 and .61 both have hub ID 1; the eleventh sender (.39) is not served.
        const QVector<int> hosts{31, 32, 61, 33, 34, 35, 36, 37, 38, 30, 39};
        std::vector<std::unique_ptr<Hub>> hubs;
        for (int host : hosts) {
            hubs.push_back(std::make_unique<Hub>(host));
            hubs.back()->send(datagram(host % 30));
            QTRY_COMPARE(m_delivered.size(), int(hubs.size()));
        }
        m_link->udpSendData(QStringLiteral("display"));
        for (int i = 0; i < HubTable::SlotCount; ++i)
            QTRY_VERIFY(hubs[size_t(i)]->hasFrame());
        QCOMPARE(hubs[0]->frame(), QByteArray::fromHex("E9FD4DFE01000000" "0100" "0700") + "display");
        QCOMPARE(hubs[1]->frame().left(10), QByteArray::fromHex("EAFD4DFE01000000" "0200"));
        for (int i = 2; i < HubTable::SlotCount; ++i)
            hubs[size_t(i)]->frame();

        m_link->udpSendSetPara(1, "{}");
        QTRY_VERIFY(hubs[0]->hasFrame() && hubs[2]->hasFrame());
        QCOMPARE(hubs[0]->frame(), QByteArray::fromHex("E9FD4DFE01000000" "0B00" "0200") + "{}");
        QCOMPARE(hubs[2]->frame().mid(8), QByteArray::fromHex("0C00" "0200") + "{}");
        for (const auto &hub : hubs)
            QVERIFY(!hub->hasFrame());
    }

    void connectionReportsFollowTheCredit()
    {
        Hub hub(35);
        QSignalSpy reports(m_link.get(), &UDP_Comm::udpConnectFlagChanged);
        hub.send(datagram(5));
        QTRY_COMPARE(m_delivered.size(), 1);
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 0); // registered with credit 0, flag already clear
        for (int i = 0; i < 6; ++i)
            hub.send(datagram(5));
        QTRY_COMPARE(m_delivered.size(), 7);
        for (int send = 1; send <= 4; ++send)
            m_link->udpSendData("x");
        QCOMPARE(reports.count(), 1);
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.at(0), (QList<QVariant>{true, QVariant::fromValue<uint8_t>(0), QVariant::fromValue<uint8_t>(5)}));
        QCOMPARE(reports.at(1).at(0).toBool(), false);
    }

    void settingsApplyAtTheNextInitEthAndTheTableStays()
    {
        Hub hub(31);
        hub.send(datagram(1));
        QTRY_COMPARE(m_delivered.size(), 1);
        // The transmit port applies to sending at once, group and receive port after initEth.
        Hub listenerOnNewPort(31, 7101);
        m_link->setUdpSetting("239.5.7.32", 2002, 7101);
        m_link->udpSendData("a");
        QTRY_VERIFY(listenerOnNewPort.hasFrame());
        m_link->initEth();
        hub.send(datagram(1), "239.5.7.32", 2002);
        QTRY_COMPARE(m_delivered.size(), 2);
        QCOMPARE(m_link->hubTable().credit(0), 1u);
        QVERIFY(m_link->hubTable().isFree(1));
        QVERIFY(!hub.hasFrame());
    }
};

QTEST_GUILESS_MAIN(TestUdpCommNetns)
#include "tst_udp_comm_netns.moc"
