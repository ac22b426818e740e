// Real sockets inside the private network namespace of tests/netns-run.sh:
// the link joins the group on the veth interface, hubs send from their own
// addresses on it and listen for command frames on the transmit port.
#include "links/udp_comm.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

const QString Group = QStringLiteral("239.5.7.31");
constexpr quint16 ReceivePort = 2001;
constexpr quint16 TransmitPort = 7100;

QString hubAddress(int host)
{
    return QStringLiteral("10.99.0.%1").arg(host);
}

QByteArray datagram(int page, int length = 60, int serial = 0)
{
    QByteArray d(length, '\0');
    d[0] = static_cast<char>(serial & 0xFF);
    d[1] = static_cast<char>(serial >> 8);
    const int tag = 65000 + page;
    d[2] = static_cast<char>(tag & 0xFF);
    d[3] = static_cast<char>(tag >> 8);
    return d;
}

// One simulated hub: sends multicast from its own address and receives the
// command frames sent to it.
class Hub
{
public:
    explicit Hub(int host, quint16 listenPort = TransmitPort)
    {
        const bool bound = m_socket.bind(QHostAddress(hubAddress(host)), listenPort);
        if (!bound)
            qWarning() << "hub bind failed" << hubAddress(host) << m_socket.errorString();
        m_socket.setMulticastInterface(QNetworkInterface::interfaceFromName(qEnvironmentVariable("VORN_NETNS")));
    }

    void send(const QByteArray &bytes, const QString &group = Group, quint16 port = ReceivePort)
    {
        m_socket.writeDatagram(bytes, QHostAddress(group), port);
    }

    bool hasFrame() { return m_socket.hasPendingDatagrams(); }
    QNetworkDatagram frame() { return m_socket.receiveDatagram(); }
    bool isBound() const { return m_socket.state() == QAbstractSocket::BoundState; }

private:
    QUdpSocket m_socket;
};

struct Delivery
{
    QByteArray bytes;
    QByteArray restOfBuffer;
};

} // namespace

class TestUdpCommNetns : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UDP_Comm> m_link;
    QVector<Delivery> m_delivered;

    // Starts a link on the default group and ports that records every
    // delivery, copying the bytes while the buffer is valid.
    void startLink(const QString &group = Group, double rPort = ReceivePort, double tPort = TransmitPort)
    {
        m_link = std::make_unique<UDP_Comm>(nullptr);
        m_delivered.clear();
        connect(m_link.get(), &UDP_Comm::readDataSignal, this, [this](uint8_t *arr, int len) {
            const char *bytes = reinterpret_cast<const char *>(arr);
            Delivery d;
            d.bytes = QByteArray(bytes, len);
            if (len < UDP_Comm::ReceiveBufferSize)
                d.restOfBuffer = QByteArray(bytes + len, UDP_Comm::ReceiveBufferSize - len);
            m_delivered.append(d);
        });
        m_link->setUdpSetting(group, rPort, tPort);
        m_link->initEth();
    }

    // Sends one datagram from each hub and waits until all have been delivered.
    bool deliver(const QVector<Hub *> &hubs, const QVector<int> &pages)
    {
        const int before = m_delivered.size();
        for (int i = 0; i < hubs.size(); ++i)
            hubs[i]->send(datagram(pages.at(i)));
        return QTest::qWaitFor([&] { return m_delivered.size() == before + hubs.size(); }, 3000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"),
                 "this test needs the private network namespace of tests/netns-run.sh");
    }

    void cleanup()
    {
        m_link.reset();
    }

    void initEthJoinsTheGroupOnTheVethInterface()
    {
        startLink();
        QStringList names;
        for (const QNetworkInterface &iface : m_link->interfaces()) {
            names << iface.name();
            QVERIFY(iface.type() != QNetworkInterface::Loopback);
            QVERIFY(iface.flags().testFlag(QNetworkInterface::IsUp));
            QVERIFY(iface.flags().testFlag(QNetworkInterface::IsRunning));
        }
        QVERIFY2(names.contains("mc0"), qPrintable(names.join(',')));

        Hub hub(33);
        QVERIFY(hub.isBound());
        QByteArray sent = datagram(3, 60, 0x0102);
        sent[59] = char(0xE8);
        hub.send(sent);
        QTRY_COMPARE(m_delivered.size(), 1);
        QCOMPARE(m_delivered[0].bytes, sent);
        QCOMPARE(m_delivered[0].restOfBuffer, QByteArray(UDP_Comm::ReceiveBufferSize - 60, '\0'));

        const HubTable &table = m_link->hubTable();
        QCOMPARE(table.address(0), QHostAddress(hubAddress(33)));
        QCOMPARE(int(table.hubId(0)), 3);
        QCOMPARE(table.credit(0), 0u);
        QCOMPARE(int(table.tagLow(0)), 0xEB);
        QCOMPARE(int(table.tagHigh(0)), 0xFD);
        QVERIFY(table.isFree(1));
    }

    void datagramsOfAnyLengthAreDeliveredWholeAndBufferIsCleared()
    {
        startLink();
        Hub hub(31);
        QByteArray big = datagram(1, 3000);
        for (int i = 4; i < big.size(); ++i)
            big[i] = static_cast<char>(i * 7);
        hub.send(big);
        hub.send(datagram(1, 52));
        hub.send(QByteArray());
        QTRY_COMPARE(m_delivered.size(), 3);
        QCOMPARE(m_delivered[0].bytes.size(), 3000);
        QCOMPARE(m_delivered[0].bytes, big);
        // The next, short datagram does not see the long one's bytes.
        QCOMPARE(m_delivered[1].bytes, datagram(1, 52));
        QCOMPARE(m_delivered[1].restOfBuffer, QByteArray(UDP_Comm::ReceiveBufferSize - 52, '\0'));
        // An empty datagram is delivered and credited too.
        QCOMPARE(m_delivered[2].bytes, QByteArray());
        QCOMPARE(m_link->hubTable().credit(0), 2u);
    }

    void oneReadDrainsEveryPendingDatagram()
    {
        startLink();
        Hub hub(32);
        constexpr int count = 200;
        for (int i = 0; i < count; ++i)
            hub.send(datagram(2, 60 + 8 * (i % 10), i));
        // Let the kernel queue them all without running the event loop, then
        // read once, as one readyRead() would.
        QThread::msleep(100);
        m_link->udpReadyRead();
        QCOMPARE(m_delivered.size(), count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(m_delivered[i].bytes, datagram(2, 60 + 8 * (i % 10), i));
        QCOMPARE(m_link->hubTable().credit(0), HubTable::MaxCredit);
    }

    void commandFramesReachTheHubOnTheTransmitPort()
    {
        startLink();
        Hub hub(33);
        QVERIFY(deliver({ &hub }, { 3 }));

        QString display(36, QChar(0));
        display[0] = QChar(0x24);
        display[2] = QChar(0x03);
        display[4] = QChar(0x03);
        m_link->udpSendData(display);
        QTRY_VERIFY(hub.hasFrame());
        const QNetworkDatagram first = hub.frame();
        QByteArray expected = QByteArray::fromHex("EBFD4DFE01000000" "0100" "2400");
        expected.append(display.toUtf8());
        QCOMPARE(first.data().size(), 48);
        QCOMPARE(first.data(), expected);
        QCOMPARE(first.senderPort(), int(ReceivePort));

        const QByteArray doc = "{\n    \"VornCellList\": [\n    ],\n    \"VornHubId\": 3\n}\n";
        m_link->udpSendSetPara(3, doc);
        QTRY_VERIFY(hub.hasFrame());
        const QByteArray second = hub.frame().data();
        QCOMPARE(second.left(12), QByteArray::fromHex("EBFD4DFE01000000" "0200") + QByteArray(1, char(doc.size())) + QByteArray(1, '\0'));
        QCOMPARE(second.mid(12), doc);

        // Another hub ID sends nothing and does not move the sequence.
        m_link->udpSendSetPara(4, doc);
        QCOMPARE(m_link->hubTable().sequence(), quint16(2));
    }

    void setParaGoesToEveryHubWithTheId()
    {
        startLink();
        Hub first(31), other(32), second(61);
        QVERIFY(deliver({ &first, &other, &second }, { 1, 2, 1 }));
        m_link->udpSendSetPara(1, "{}");
        QTRY_VERIFY(first.hasFrame());
        QTRY_VERIFY(second.hasFrame());
        const QByteArray a = first.frame().data();
        const QByteArray b = second.frame().data();
        QCOMPARE(a.mid(8, 2), QByteArray::fromHex("0100"));
        QCOMPARE(b.mid(8, 2), QByteArray::fromHex("0200"));
        QCOMPARE(a.left(2), QByteArray::fromHex("E9FD"));
        QCOMPARE(b.left(2), QByteArray::fromHex("E9FD"));
        QTest::qWait(100);
        QVERIFY(!other.hasFrame());
    }

    void connectionReportsFollowTheCredit()
    {
        startLink();
        Hub hub(35);
        QSignalSpy reports(m_link.get(), &UDP_Comm::udpConnectFlagChanged);
        QSignalSpy idChanges(m_link.get(), &UDP_Comm::UdpIDChanged);

        QVERIFY(deliver({ &hub }, { 5 }));
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 0); // registered with credit 0, flag already clear
        QCOMPARE(int(m_link->UdpID()), 5);
        QCOMPARE(idChanges.count(), 1);
        QCOMPARE(int(m_link->Udpi()), 0);

        QVERIFY(deliver({ &hub }, { 5 }));
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports.at(0).at(0).toBool(), true);
        QCOMPARE(reports.at(0).at(1).value<uint8_t>(), uint8_t(0));
        QCOMPARE(reports.at(0).at(2).value<uint8_t>(), uint8_t(5));
        QVERIFY(m_link->udpConnectFlag());

        for (int i = 0; i < 6; ++i)
            QVERIFY(deliver({ &hub }, { 5 }));
        QCOMPARE(m_link->hubTable().counter(0), 54u);
        for (int send = 1; send <= 4; ++send) {
            m_link->udpSendData("x");
            QCOMPARE(reports.count(), 1);
        }
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 2);
        QCOMPARE(reports.at(1).at(0).toBool(), false);
        QCOMPARE(reports.at(1).at(2).value<uint8_t>(), uint8_t(5));
        m_link->udpSendData("x");
        QCOMPARE(reports.count(), 2);
        QCOMPARE(m_link->hubTable().counter(0), 50u);
        QCOMPARE(idChanges.count(), 1);
    }

    void eleventhSenderIsDeliveredButNotServed()
    {
        startLink();
        std::vector<std::unique_ptr<Hub>> hubs;
        QVector<Hub *> senders;
        QVector<int> pages;
        for (int i = 0; i < 11; ++i) {
            hubs.push_back(std::make_unique<Hub>(30 + i));
            senders.append(hubs.back().get());
            pages.append(i);
        }
        QVERIFY(deliver(senders, pages));
        QCOMPARE(m_delivered.size(), 11);
        QCOMPARE(m_delivered.last().bytes, datagram(10));
        for (int i = 0; i < HubTable::SlotCount; ++i)
            QCOMPARE(m_link->hubTable().address(i), QHostAddress(hubAddress(30 + i)));

        m_link->udpSendData("display");
        for (int i = 0; i < HubTable::SlotCount; ++i)
            QTRY_VERIFY(hubs[size_t(i)]->hasFrame());
        QTest::qWait(100);
        QVERIFY(!hubs[10]->hasFrame());
        QCOMPARE(m_link->hubTable().sequence(), quint16(10));
    }

    void sendWithoutHubsReachesNobody()
    {
        startLink();
        Hub hub(31);
        QSignalSpy ids(m_link.get(), &UDP_Comm::UdpIDChanged);
        QSignalSpy slotChanges(m_link.get(), &UDP_Comm::UdpiChanged);
        m_link->udpSendData("display");
        m_link->udpSendSetPara(0, "{}");
        QTest::qWait(100);
        QVERIFY(!hub.hasFrame());
        QCOMPARE(ids.count() + slotChanges.count(), 0);
    }

    void settingsApplyAtTheNextInitEthAndTheTableStays()
    {
        startLink();
        Hub hub(31);
        QVERIFY(deliver({ &hub }, { 1 }));

        // The transmit port applies to sending at once.
        Hub listenerOnNewPort(31, 7101);
        m_link->setUdpSetting("239.5.7.32", 2002, 7101);
        m_link->udpSendData("a");
        QTRY_VERIFY(listenerOnNewPort.hasFrame());
        QVERIFY(!hub.hasFrame());

        // Group and receive port only after initEth.
        hub.send(datagram(1), "239.5.7.32", 2002);
        QTest::qWait(100);
        QCOMPARE(m_delivered.size(), 1);
        m_link->initEth();
        hub.send(datagram(1), "239.5.7.32", 2002);
        QTRY_COMPARE(m_delivered.size(), 2);
        QCOMPARE(m_link->hubTable().address(0), QHostAddress(hubAddress(31)));
        QCOMPARE(m_link->hubTable().credit(0), 1u);
        QVERIFY(m_link->hubTable().isFree(1));
    }
};

QTEST_GUILESS_MAIN(TestUdpCommNetns)
#include "tst_udp_comm_netns.moc"
