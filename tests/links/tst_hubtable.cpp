#include "links/hubcommandframe.h"
#include "links/hubtable.h"

#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

// A hub datagram header carrying the tag 65000 + page at bytes 2 and 3.
QByteArray datagramForPage(int page, int length = 60)
{
    QByteArray d(length, '\0');
    const int tag = 65000 + page;
    if (length > 2)
        d[2] = static_cast<char>(tag & 0xFF);
    if (length > 3)
        d[3] = static_cast<char>(tag >> 8);
    return d;
}

HubTable::ArrivalResult receive(HubTable &table, const QString &sender, const QByteArray &datagram)
{
    return table.receive(QHostAddress(sender), reinterpret_cast<const uint8_t *>(datagram.constData()),
                         datagram.size());
}

} // namespace

class TestHubTable : public QObject
{
    Q_OBJECT

private slots:
    void commandFrameLayout_data()
    {
        QTest::addColumn<int>("tagLow");
        QTest::addColumn<int>("tagHigh");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("expectedHeader");

        QTest::newRow("empty payload, first frame")
            << 0xE9 << 0xFD << 1 << QByteArray()
            << bytes({ 0xE9, 0xFD, 0x4D, 0xFE, 0x01, 0, 0, 0, 0x01, 0x00, 0x00, 0x00 });
        QByteArray display(36, '\0');
        display[0] = 0x24;
        display[2] = 0x03;
        display[4] = 0x03;
        QTest::newRow("36-byte display command")
            << 0xEB << 0xFD << 0x1234 << display
            << bytes({ 0xEB, 0xFD, 0x4D, 0xFE, 0x01, 0, 0, 0, 0x34, 0x12, 0x24, 0x00 });
        QTest::newRow("sequence 65535")
            << 0x00 << 0x00 << 65535 << QByteArray("{}")
            << bytes({ 0, 0, 0x4D, 0xFE, 0x01, 0, 0, 0, 0xFF, 0xFF, 0x02, 0x00 });
        QTest::newRow("length above 16 bits keeps its low 16 bits")
            << 0xE8 << 0xFD << 7 << QByteArray(70000, 'x')
            << bytes({ 0xE8, 0xFD, 0x4D, 0xFE, 0x01, 0, 0, 0, 0x07, 0x00, 0x70, 0x11 });
    }
    void commandFrameLayout()
    {
        QFETCH(int, tagLow);
        QFETCH(int, tagHigh);
        QFETCH(int, sequence);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, expectedHeader);

        const QByteArray frame = HubCommandFrame::build(static_cast<quint8>(tagLow), static_cast<quint8>(tagHigh),
                                                        static_cast<quint16>(sequence), payload);
        QCOMPARE(frame.size(), HubCommandFrame::HeaderSize + payload.size());
        QCOMPARE(frame.left(HubCommandFrame::HeaderSize), expectedHeader);
        QCOMPARE(frame.mid(HubCommandFrame::HeaderSize), payload);
    }

    void commandFrameReadsBack_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("built frame") << HubCommandFrame::build(0xEB, 0xFD, 513, "abc") << true << 65003 << 513 << 3
                                     << QByteArray("abc");
        QTest::newRow("header only") << HubCommandFrame::build(0, 0, 0, QByteArray()) << true << 0 << 0 << 0
                                     << QByteArray();
        QTest::newRow("eleven bytes") << HubCommandFrame::build(1, 2, 3, "x").left(11) << false << 0 << 0 << 0
                                      << QByteArray();
        QTest::newRow("marker byte wrong") << bytes({ 1, 2, 0x4D, 0xFE, 0x02, 0, 0, 0, 1, 0, 0, 0 }) << false
                                           << 0x0201 << 1 << 0 << QByteArray();
        QTest::newRow("reserved byte set") << bytes({ 1, 2, 0x4D, 0xFE, 0x01, 0, 9, 0, 1, 0, 0, 0 }) << false
                                           << 0x0201 << 1 << 0 << QByteArray();
        QTest::newRow("length field as sent") << bytes({ 1, 2, 0x4D, 0xFE, 0x01, 0, 0, 0, 1, 0, 5, 0, 'z' }) << true
                                              << 0x0201 << 1 << 5 << QByteArray("z");
    }
    void commandFrameReadsBack()
    {
        QFETCH(QByteArray, frame);
        QFETCH(bool, valid);
        QFETCH(int, tag);
        QFETCH(int, sequence);
        QFETCH(int, length);
        QFETCH(QByteArray, payload);
        const HubCommandFrame::Parsed parsed = HubCommandFrame::parse(frame);
        QCOMPARE(parsed.valid, valid);
        QCOMPARE(int(parsed.tag), tag);
        QCOMPARE(int(parsed.sequence), sequence);
        QCOMPARE(int(parsed.length), length);
        QCOMPARE(parsed.payload, payload);
    }

    void hubIdFromAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("hubId");
        QTest::addColumn<QString>("lastPart");
        QTest::newRow(".31") << "192.168.1.31" << 1 << "31";
        QTest::newRow(".61 shares hub ID 1") << "192.168.1.61" << 1 << "61";
        QTest::newRow(".30 is hub 0") << "10.99.0.30" << 0 << "30";
        QTest::newRow(".49 is hub 19") << "10.99.0.49" << 19 << "49";
        QTest::newRow(".255") << "10.0.0.255" << 15 << "255";
        QTest::newRow(".0") << "10.0.0.0" << 0 << "0";
        QTest::newRow("IPv6 loopback") << "::1" << 0 << "::1";
        QTest::newRow("IPv6 link-local") << "fe80::1" << 0 << "fe80::1";
        QTest::newRow("IPv4-mapped keeps the dotted tail") << "::ffff:192.168.1.59" << 29 << "59";
    }
    void hubIdFromAddress()
    {
        QFETCH(QString, address);
        QFETCH(int, hubId);
        QFETCH(QString, lastPart);
        QCOMPARE(HubTable::lastAddressPart(QHostAddress(address)), lastPart);
        QCOMPARE(int(HubTable::hubIdFromAddress(QHostAddress(address))), hubId);
    }

    void firstDatagramRegistersWithCreditZeroAndKeepsItsTag()
    {
        HubTable table;
        const auto result = receive(table, "192.168.1.33", datagramForPage(3));
        QCOMPARE(result.arrival, HubTable::Arrival::Registered);
        QCOMPARE(result.slot, 0);
        QCOMPARE(table.address(0), QHostAddress("192.168.1.33"));
        QCOMPARE(table.counter(0), 30u);
        QCOMPARE(int(table.hubId(0)), 3);
        QCOMPARE(table.credit(0), 0u);
        QCOMPARE(int(table.tagLow(0)), 0xEB); // 65003 little-endian
        QCOMPARE(int(table.tagHigh(0)), 0xFD);
        QVERIFY(!table.connected(0));
        QVERIFY(table.isFree(1));
        // The tag stays the one of the first datagram.
        receive(table, "192.168.1.33", datagramForPage(7));
        QCOMPARE(int(table.tagLow(0)), 0xEB);
        QCOMPARE(table.credit(0), 1u);
    }

    void shortDatagramTagBytesAreZero_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("tagLow");
        QTest::addColumn<int>("tagHigh");
        QTest::newRow("empty") << 0 << 0 << 0;
        QTest::newRow("three bytes") << 3 << 0xEB << 0;
        QTest::newRow("four bytes") << 4 << 0xEB << 0xFD;
    }
    void shortDatagramTagBytesAreZero()
    {
        QFETCH(int, length);
        QFETCH(int, tagLow);
        QFETCH(int, tagHigh);
        HubTable table;
        const QByteArray full = datagramForPage(3);
        QCOMPARE(receive(table, "10.0.0.31", full.left(length)).arrival, HubTable::Arrival::Registered);
        QCOMPARE(int(table.tagLow(0)), tagLow);
        QCOMPARE(int(table.tagHigh(0)), tagHigh);
    }

    void creditRisesToFourAndFallsPerSend()
    {
        HubTable table;
        receive(table, "10.0.0.37", datagramForPage(7));
        for (quint32 expected = 1; expected <= 6; ++expected) {
            QCOMPARE(receive(table, "10.0.0.37", datagramForPage(7)).arrival, HubTable::Arrival::Credited);
            QCOMPARE(table.credit(0), qMin(expected, HubTable::MaxCredit));
            QCOMPARE(int(table.hubId(0)), 7);
        }
        // Four sends are paid for, the fifth finds nothing left and the counter
        // stays at hub ID × 10.
        for (int send = 1; send <= 4; ++send) {
            QVERIFY(table.spendCredit(0));
            QCOMPARE(table.credit(0), HubTable::MaxCredit - quint32(send));
        }
        QVERIFY(!table.spendCredit(0));
        QVERIFY(!table.spendCredit(0));
        QCOMPARE(table.counter(0), 70u);
    }

    void connectionAtEachSend_data()
    {
        // r = one datagram from the hub, s = one send to it; the expected text
        // lists the connection state each send derives (1 connected, 0 not).
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("states");
        QTest::newRow("registering datagram gives no credit") << "rs" << "0";
        QTest::newRow("one more datagram connects") << "rsrs" << "01";
        QTest::newRow("each send consumes one datagram") << "rrrsss" << "110";
        QTest::newRow("silent after full credit: fifth send disconnects") << "rrrrrrssssss" << "111100";
        QTest::newRow("traffic between every send stays connected") << "rrsrsrsrs" << "1111";
    }
    void connectionAtEachSend()
    {
        QFETCH(QString, events);
        QFETCH(QString, states);
        HubTable table;
        QString seen;
        for (QChar e : events) {
            if (e == QLatin1Char('r'))
                receive(table, "10.0.0.32", datagramForPage(2));
            else
                seen += table.spendCredit(0) ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(seen, states);
    }

    void eleventhSenderIsNotRegistered()
    {
        HubTable table;
        for (int i = 0; i < HubTable::SlotCount; ++i) {
            const auto r = receive(table, QStringLiteral("10.0.0.%1").arg(30 + i), datagramForPage(i));
            QCOMPARE(r.arrival, HubTable::Arrival::Registered);
            QCOMPARE(r.slot, i);
        }
        const auto eleventh = receive(table, "10.0.0.40", datagramForPage(10));
        QCOMPARE(eleventh.arrival, HubTable::Arrival::Unregistered);
        QCOMPARE(eleventh.slot, -1);
        // Known hubs are still credited once the table is full.
        QCOMPARE(receive(table, "10.0.0.39", datagramForPage(9)).arrival, HubTable::Arrival::Credited);
        QCOMPARE(table.credit(9), 1u);
        QCOMPARE(table.dataTargets().size(), HubTable::SlotCount);
    }

    void nullSenderTakesNoSlot()
    {
        QCOMPARE(int(HubTable::hubIdFromAddress(QHostAddress())), 0);
        HubTable table;
        QCOMPARE(table.receive(QHostAddress(), nullptr, 0).arrival, HubTable::Arrival::Unregistered);
        QVERIFY(table.isFree(0));
    }

    void sendTargets_data()
    {
        QTest::addColumn<QStringList>("senders");
        QTest::addColumn<int>("id");
        QTest::addColumn<QVector<int>>("setParaTargets");
        QTest::newRow("no hub") << QStringList() << 1 << QVector<int>();
        QTest::newRow(".31 and .61 both answer to hub ID 1")
            << QStringList { "192.168.1.31", "192.168.1.32", "192.168.1.61" } << 1 << QVector<int> { 0, 2 };
        QTest::newRow("hub ID 0 stops at the first free slot")
            << QStringList { "192.168.1.30", "192.168.1.31", "192.168.1.60" } << 0 << QVector<int> { 0, 2 };
        QTest::newRow("unknown hub ID sends nowhere")
            << QStringList { "192.168.1.31" } << 5 << QVector<int>();
    }
    void sendTargets()
    {
        QFETCH(QStringList, senders);
        QFETCH(int, id);
        QFETCH(QVector<int>, setParaTargets);
        HubTable table;
        QVector<int> all;
        for (const QString &s : senders) {
            all.append(receive(table, s, datagramForPage(0)).slot);
        }
        QCOMPARE(table.dataTargets(), all);
        QCOMPARE(table.setParaTargets(static_cast<quint8>(id)), setParaTargets);
    }

    void sequenceIsSharedAndWraps()
    {
        HubTable table;
        receive(table, "10.0.0.31", datagramForPage(1));
        receive(table, "10.0.0.32", datagramForPage(2));
        auto sequenceOf = [](const QByteArray &frame) {
            return quint16(quint8(frame[8]) | (quint8(frame[9]) << 8));
        };
        QCOMPARE(sequenceOf(table.nextFrame(0, "a")), quint16(1));
        const QByteArray second = table.nextFrame(1, "b");
        QCOMPARE(sequenceOf(second), quint16(2));
        QCOMPARE(int(quint8(second[0])), 0xEA); // slot 1 carries its own tag
        QCOMPARE(int(quint8(second[1])), 0xFD);
        for (int i = 3; i <= 65535; ++i)
            table.nextFrame(i % 2, QByteArray());
        QCOMPARE(table.sequence(), quint16(65535));
        QCOMPARE(sequenceOf(table.nextFrame(0, "c")), quint16(0));
        QCOMPARE(sequenceOf(table.nextFrame(1, "d")), quint16(1));
    }
};

QTEST_GUILESS_MAIN(TestHubTable)
#include "tst_hubtable.moc"
