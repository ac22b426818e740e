#include "core/hubdatagram.h"

#include <QByteArray>
#include <QtTest>

namespace {

// A datagram with the given tag and records appended after the 52-byte header.
QByteArray datagram(quint16 tag, const QByteArray &records = QByteArray())
{
    QByteArray bytes(HubDatagram::HeaderSize, '\x5A');
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    return bytes + records;
}

const uint8_t *raw(const QByteArray &bytes)
{
    return reinterpret_cast<const uint8_t *>(bytes.constData());
}

} // namespace

class TestHubDatagram : public QObject
{
    Q_OBJECT

private slots:
    void page_data();
    void page();
    void pageOfNothing();
    void recordFields_data();
    void recordFields();
    void recordCount_data();
    void recordCount();
    void readRecordsReplacesTheWholeArray();
    void readRecordsOfTheLargestDatagram();
};

void TestHubDatagram::page_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("page");

    QTest::newRow("tag 65000 is page 0") << datagram(65000) << 0;
    QTest::newRow("EB FD is page 3") << QByteArray::fromHex("0000EBFD") + QByteArray(48, 0) << 3;
    QTest::newRow("tag 65019 is page 19") << datagram(65019) << 19;
    QTest::newRow("tag 65020 is page 20") << datagram(65020) << 20;
    QTest::newRow("tag 65021 is outside") << datagram(65021) << -1;
    QTest::newRow("tag 64999 wraps far outside") << datagram(64999) << -1;
    QTest::newRow("tag 0 wraps outside") << datagram(0) << -1;
    QTest::newRow("51 bytes are too short") << datagram(65001).left(51) << -1;
    QTest::newRow("header alone") << datagram(65001) << 1;
    QTest::newRow("1001 records") << datagram(65002, QByteArray(8008, 0)) << 2;
    QTest::newRow("1001 records and one byte more") << datagram(65002, QByteArray(8009, 0)) << -1;
    QTest::newRow("1002 records") << datagram(65002, QByteArray(8016, 0)) << -1;
    QTest::newRow("odd length") << datagram(65004, QByteArray(13, 1)) << 4;
}

void TestHubDatagram::page()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, page);
    QCOMPARE(HubDatagram::page(raw(bytes), bytes.size()), page);
}

void TestHubDatagram::pageOfNothing()
{
    const QByteArray bytes = datagram(65001);
    QCOMPARE(HubDatagram::page(nullptr, 60), -1);
    QCOMPARE(HubDatagram::page(raw(bytes), -1), -1);
    QCOMPARE(HubDatagram::page(raw(bytes), 0), -1);
}

void TestHubDatagram::recordFields_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("cellIndex");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("errorNb");
    QTest::addColumn<int>("boxType");
    QTest::addColumn<int>("weight");

    QTest::newRow("cell 5 at 1000, online, type 2") << QByteArray::fromHex("050001000200E803") << 5 << 1 << 0 << 2 << 1000;
    QTest::newRow("weight FFFF is -1") << QByteArray::fromHex("070003040000FFFF") << 7 << 3 << 4 << 0 << -1;
    QTest::newRow("weight 0080 is -32768") << QByteArray::fromHex("0100010000000080") << 1 << 1 << 0 << 0 << -32768;
    QTest::newRow("weight FF7F is 32767") << QByteArray::fromHex("0100010000F0FF7F") << 1 << 1 << 0 << 0xF000 << 32767;
    QTest::newRow("little-endian index and type") << QByteArray::fromHex("3412FF7F7856FEFF") << 0x1234 << 0xFF << 0x7F << 0x5678 << -2;
    QTest::newRow("unused record") << QByteArray(8, 0) << 0 << 0 << 0 << 0 << 0;
}

void TestHubDatagram::recordFields()
{
    QFETCH(QByteArray, record);
    const QByteArray bytes = datagram(65000, QByteArray(8, '\x11') + record);
    const HubCellRecord decoded = HubDatagram::record(raw(bytes), 1);
    QFETCH(int, cellIndex);
    QFETCH(int, state);
    QFETCH(int, errorNb);
    QFETCH(int, boxType);
    QFETCH(int, weight);
    QCOMPARE(int(decoded.cellIndex), cellIndex);
    QCOMPARE(int(decoded.state), state);
    QCOMPARE(int(decoded.errorNb), errorNb);
    QCOMPARE(int(decoded.boxType), boxType);
    QCOMPARE(int(decoded.weight), weight);
}

void TestHubDatagram::recordCount_data()
{
    QTest::addColumn<int>("len");
    QTest::addColumn<int>("count");

    QTest::newRow("below the header") << 40 << 0;
    QTest::newRow("header only") << 52 << 0;
    QTest::newRow("seven bytes of a record") << 59 << 0;
    QTest::newRow("one record") << 60 << 1;
    QTest::newRow("one record and a half") << 64 << 1;
    QTest::newRow("receive buffer of the hub link") << 1024 << 121;
    QTest::newRow("largest") << HubDatagram::MaxLength << 1001;
}

void TestHubDatagram::recordCount()
{
    QFETCH(int, len);
    QFETCH(int, count);
    QCOMPARE(HubDatagram::recordCount(len), count);
}

// The whole array is replaced; a last record that lacks its weight must not
// arrive as weight 0.
void TestHubDatagram::readRecordsReplacesTheWholeArray()
{
    HubDatagram::Records records;
    for (HubCellRecord &record : records)
        record.cellIndex = 99;
    const QByteArray bytes = datagram(65003, QByteArray::fromHex("050001000200E803" "0600010001000100" "040001000000"));
    HubDatagram::readRecords(raw(bytes), bytes.size(), records);
    QCOMPARE(int(records[0].cellIndex), 5);
    QCOMPARE(int(records[0].weight), 1000);
    QCOMPARE(int(records[1].cellIndex), 6);
    QCOMPARE(int(records[1].boxType), 1);
    QCOMPARE(int(records[1].weight), 1);
    for (int position = 2; position < HubDatagram::MaxRecords; ++position) {
        QCOMPARE(int(records[position].cellIndex), 0);
        QCOMPARE(int(records[position].weight), 0);
    }
}

void TestHubDatagram::readRecordsOfTheLargestDatagram()
{
    QByteArray area;
    for (int position = 0; position < HubDatagram::MaxRecords; ++position) {
        const quint16 index = quint16(position + 1);
        area += char(index & 0xFF);
        area += char(index >> 8);
        area += QByteArray::fromHex("010000000A00");
    }
    const QByteArray bytes = datagram(65019, area);
    QCOMPARE(bytes.size(), HubDatagram::MaxLength);
    HubDatagram::Records records;
    HubDatagram::readRecords(raw(bytes), bytes.size(), records);
    QCOMPARE(int(records[0].cellIndex), 1);
    QCOMPARE(int(records[1000].cellIndex), 1001);
    QCOMPARE(int(records[1000].weight), 10);
}

QTEST_GUILESS_MAIN(TestHubDatagram)
#include "tst_hubdatagram.moc"
