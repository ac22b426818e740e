#include "links/hubcommandframe.h"
#include "links/hubtable.h"
#include "links/udp_comm.h"

#include <QtTest>

#include <limits>

namespace {

// A hub datagram header carrying the tag 65000 + page at bytes 2 and 3.
QByteArray datagramForPage(int page, int length = 60)
{
    QByteArray d(qMax(length, 4), '\0');
    d[2] = char((65000 + page) & 0xFF);
    d[3] = char((65000 + page) >> 8);
    return d.left(length);
}

HubTable::ArrivalResult receive(HubTable &table, const QString &sender, const QByteArray &datagram)
{
    return table.receive(QHostAddress(sender), reinterpret_cast<const uint8_t *>(datagram.constData()),
                         datagram.size());
}

} // namespace

// Command frames, the hub table and the parts of the hub link that need no socket.
class TestHubLink : public QObject
{
    Q_OBJECT

private slots:
    void commandFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<int>("length");
        QTest::newRow("display command") << HubCommandFrame::build(0xEB, 0xFD, 0x1234, QByteArray(36, 'd'))
                                         << QByteArray("ebfd4dfe01000000" "3412" "2400") << true << 65003 << 0x1234 << 36;
        QTest::newRow("length above 16 bits keeps its low 16 bits")
            << HubCommandFrame::build(0xE8, 0xFD, 65535, QByteArray(70000, 'x'))
            << QByteArray("e8fd4dfe01000000" "ffff" "7011") << true << 65000 << 65535 << 0x1170;
        QTest::newRow("eleven bytes") << QByteArray::fromHex("e9fd4dfe01000000" "0100" "00") << QByteArray()
                                      << false << 0 << 0 << 0;
        QTest::newRow("marker byte wrong") << QByteArray::fromHex("01024dfe02000000" "0100" "0000") << QByteArray()
                                           << false << 0x0201 << 1 << 0;
        QTest::newRow("reserved byte set") << QByteArray::fromHex("01024dfe01000900" "0100" "0000") << QByteArray()
                                           << false << 0x0201 << 1 << 0;
        QTest::newRow("length field as sent") << QByteArray::fromHex("01024dfe01000000" "0100" "0500" "7a")
                                              << QByteArray() << true << 0x0201 << 1 << 5;
    }
    void commandFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, header);
        QFETCH(bool, valid);
        QFETCH(int, tag);
        QFETCH(int, sequence);
        QFETCH(int, length);
        if (!header.isEmpty())
            QCOMPARE(frame.left(HubCommandFrame::HeaderSize).toHex(), header);
        const HubCommandFrame::Parsed parsed = HubCommandFrame::parse(frame);
        QCOMPARE(parsed.valid, valid);
        QCOMPARE(int(parsed.tag), tag);
        QCOMPARE(int(parsed.sequence), sequence);
        QCOMPARE(int(parsed.length), length);
        QCOMPARE(parsed.payload, frame.mid(HubCommandFrame::HeaderSize));
    }

    void registrationKeepsTheFirstTag_data()
    {
        // The hub ID (counter / 10) is the last part of the dotted address modulo 30.
        QTest::addColumn<QString>("sender");
        QTest::addColumn<int>("length");
        QTest::addColumn<quint32>("counter");
        QTest::addColumn<QByteArray>("tag");
        QTest::newRow(".33, full datagram") << "192.168.1.33" << 60 << 30u << QByteArray("ebfd");
        QTest::newRow(".61, three bytes") << "192.168.1.61" << 3 << 10u << QByteArray("eb00");
        QTest::newRow(".49, empty") << "10.99.0.49" << 0 << 190u << QByteArray("0000");
        QTest::newRow("IPv6") << "fe80::1" << 60 << 0u << QByteArray("ebfd");
        QTest::newRow("IPv4-mapped keeps the dotted tail") << "::ffff:192.168.1.59" << 60 << 290u << QByteArray("ebfd");
    }
    void registrationKeepsTheFirstTag()
    {
        QFETCH(QString, sender);
        QFETCH(int, length);
        QFETCH(quint32, counter);
        QFETCH(QByteArray, tag);
        HubTable table;
        const auto result = receive(table, sender, datagramForPage(3, length));
        QCOMPARE(result.arrival, HubTable::Arrival::Registered);
        QCOMPARE(result.slot, 0);
        QCOMPARE(table.counter(0), counter);
        QCOMPARE(receive(table, sender, datagramForPage(7)).arrival, HubTable::Arrival::Credited);
        QCOMPARE(QByteArray(1, char(table.tagLow(0))).append(char(table.tagHigh(0))).toHex(), tag);
        QCOMPARE(table.credit(0), 1u);
        QVERIFY(table.isFree(1));
    }

    void connectionAtEachSend_data()
    {
        // r = one datagram from the hub, s = one send to it; the expected text
        // lists the connection state each send derives (1 connected, 0 not).
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("states");
        QTest::addColumn<quint32>("counter");
        QTest::newRow("registering datagram gives no credit") << "rs" << "0" << 20u;
        QTest::newRow("one more datagram connects") << "rrs" << "1" << 20u;
        QTest::newRow("each send consumes one datagram") << "rrrsss" << "110" << 20u;
        QTest::newRow("credit stops at four") << "rrrrrrssssss" << "111100" << 20u;
        QTest::newRow("traffic between every send") << "rrsrsrsrs" << "1111" << 20u;
        QTest::newRow("credit left over") << "rrrrrrs" << "1" << 23u;
    }
    void connectionAtEachSend()
    {
        QFETCH(QString, events);
        QFETCH(QString, states);
        QFETCH(quint32, counter);
        HubTable table;
        QString seen;
        for (QChar e : events) {
            if (e == QLatin1Char('r'))
                receive(table, "10.0.0.32", datagramForPage(2));
            else
                seen += table.spendCredit(0) ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(seen, states);
        QCOMPARE(table.counter(0), counter);
    }

    void eleventhAndNullSendersTakeNoSlot()
    {
        HubTable table;
        QCOMPARE(table.receive(QHostAddress(), nullptr, 0).arrival, HubTable::Arrival::Unregistered);
        QVERIFY(table.isFree(0));
        for (int i = 0; i < HubTable::SlotCount; ++i)
            QCOMPARE(receive(table, QStringLiteral("10.0.0.%1").arg(30 + i), datagramForPage(i)).slot, i);
        const auto eleventh = receive(table, "10.0.0.40", datagramForPage(10));
        QCOMPARE(eleventh.arrival, HubTable::Arrival::Unregistered);
        QCOMPARE(eleventh.slot, -1);
        QCOMPARE(receive(table, "10.0.0.39", datagramForPage(9)).arrival, HubTable::Arrival::Credited);
        QCOMPARE(table.credit(9), 1u);
        QCOMPARE(table.dataTargets().size(), HubTable::SlotCount);
    }

    void sendTargets_data()
    {
        QTest::addColumn<QStringList>("senders");
        QTest::addColumn<int>("id");
        QTest::addColumn<QVector<int>>("setParaTargets");
        QTest::newRow("no hub") << QStringList() << 1 << QVector<int>();
        QTest::newRow(".31 and .61 both answer to hub ID 1")
            << QStringList{"192.168.1.31", "192.168.1.32", "192.168.1.61"} << 1 << QVector<int>{0, 2};
        QTest::newRow("hub ID 0 stops at the first free slot")
            << QStringList{"192.168.1.30", "192.168.1.31", "192.168.1.60"} << 0 << QVector<int>{0, 2};
        QTest::newRow("unknown hub ID sends nowhere") << QStringList{"192.168.1.31"} << 5 << QVector<int>();
    }
    void sendTargets()
    {
        QFETCH(QStringList, senders);
        QFETCH(int, id);
        QFETCH(QVector<int>, setParaTargets);
        HubTable table;
        QVector<int> all;
        for (const QString &s : senders)
            all.append(receive(table, s, datagramForPage(0)).slot);
        QCOMPARE(table.dataTargets(), all);
        QCOMPARE(table.setParaTargets(quint8(id)), setParaTargets);
    }

    void sequenceIsSharedAndWraps()
    {
        HubTable table;
        receive(table, "10.0.0.31", datagramForPage(1));
        receive(table, "10.0.0.32", datagramForPage(2));
        QCOMPARE(table.nextFrame(0, "a").mid(8, 2).toHex(), QByteArray("0100"));
        QCOMPARE(table.nextFrame(1, "b").left(10).toHex(), QByteArray("eafd4dfe010000000200"));
        for (int i = 3; i <= 65535; ++i)
            table.nextFrame(i % 2, QByteArray());
        QCOMPARE(table.nextFrame(0, "c").mid(8, 2).toHex(), QByteArray("0000"));
    }

    void portFromSetting_data()
    {
        QTest::addColumn<double>("setting");
        QTest::addColumn<int>("port");
        QTest::newRow("fraction cut off") << 7100.9 << 7100;
        QTest::newRow("minus one") << -1.0 << 65535;
        QTest::newRow("huge") << 1e300 << int(std::fmod(1e300, 65536.0));
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0;
    }
    void portFromSetting()
    {
        QFETCH(double, setting);
        QFETCH(int, port);
        QCOMPARE(int(UDP_Comm::portFromSetting(setting)), port);
    }

    void connectFlagBelongsToSlotUdpi()
    {
        UDP_Comm link(nullptr);
        link.setUdpi(3);
        link.setUdpID(7);
        QSignalSpy spy(&link, &UDP_Comm::udpConnectFlagChanged);
        link.setUdpConnectFlag(true);
        link.setUdpConnectFlag(true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{true, QVariant::fromValue<uint8_t>(3), QVariant::fromValue<uint8_t>(7)}));
        // A slot outside the table has no flag to set.
        link.setUdpi(200);
        link.setUdpConnectFlag(true);
        QCOMPARE(spy.count(), 1);
        QVERIFY(!link.udpConnectFlag());
    }
};

QTEST_GUILESS_MAIN(TestHubLink)
#include "tst_hublink.moc"
