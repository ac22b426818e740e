#include "core/hubdatagram.h"

#include <QtTest>

namespace {

// A datagram with the given tag and records after the 52-byte header.
QByteArray datagram(quint16 tag, const QByteArray &records = QByteArray())
{
    QByteArray bytes(HubDatagram::HeaderSize, '\x5A');
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    return bytes + records;
}

const uint8_t *raw(const QByteArray &bytes) { return reinterpret_cast<const uint8_t *>(bytes.constData()); }

} // namespace

class TestHubDatagram : public QObject
{
    Q_OBJECT

private slots:
    void page_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("page");
        QTest::newRow("tag 65000 is page 0") << datagram(65000) << 0;
        QTest::newRow("EB FD is page 3") << QByteArray::fromHex("0000EBFD") + QByteArray(48, 0) << 3;
        QTest::newRow("tag 65020 is page 20") << datagram(65020) << 20;
        QTest::newRow("tag 65021 is outside") << datagram(65021) << -1;
        QTest::newRow("tag 64999 wraps outside") << datagram(64999) << -1;
        QTest::newRow("51 bytes are too short") << datagram(65001).left(51) << -1;
        QTest::newRow("1001 records") << datagram(65002, QByteArray(8008, 0)) << 2;
        QTest::newRow("1001 records and one byte") << datagram(65002, QByteArray(8009, 0)) << -1;
        QTest::newRow("odd length") << datagram(65004, QByteArray(13, 1)) << 4;
    }
    void page()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, page);
        QCOMPARE(HubDatagram::page(raw(bytes), bytes.size()), page);
        QCOMPARE(HubDatagram::page(nullptr, 60), -1);
        QCOMPARE(HubDatagram::page(raw(bytes), -1), -1);
    }

    // Records are little-endian: index u16, state, error, box type u16, weight s16.
    void recordFields_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QVector<int>>("fields");
        QTest::newRow("cell 5 at 1000") << QByteArray::fromHex("050001000200E803") << QVector<int>{5, 1, 0, 2, 1000};
        QTest::newRow("weight FFFF is -1") << QByteArray::fromHex("070003040000FFFF") << QVector<int>{7, 3, 4, 0, -1};
        QTest::newRow("weight 0080") << QByteArray::fromHex("0100010000000080") << QVector<int>{1, 1, 0, 0, -32768};
        QTest::newRow("every byte") << QByteArray::fromHex("3412FF7F7856FEFF")
                                    << QVector<int>{0x1234, 0xFF, 0x7F, 0x5678, -2};
    }
    void recordFields()
    {
        QFETCH(QByteArray, record);
        QFETCH(QVector<int>, fields);
        const QByteArray bytes = datagram(65000, QByteArray(8, '\x11') + record);
        const HubCellRecord r = HubDatagram::record(raw(bytes), 1);
        QCOMPARE((QVector<int>{r.cellIndex, r.state, r.errorNb, r.boxType, r.weight}), fields);
    }

    void recordCount_data()
    {
        QTest::addColumn<int>("len");
        QTest::addColumn<int>("count");
        QTest::newRow("below the header") << 40 << 0;
        QTest::newRow("seven bytes of a record") << 59 << 0;
        QTest::newRow("one record") << 60 << 1;
        QTest::newRow("one record and a half") << 64 << 1;
        QTest::newRow("largest") << HubDatagram::MaxLength << 1001;
    }
    void recordCount()
    {
        QFETCH(int, len);
        QFETCH(int, count);
        QCOMPARE(HubDatagram::recordCount(len), count);
    }

    // The whole array is replaced; a last record that lacks its weight must
    // not arrive as weight 0.
    void readRecordsReplacesTheWholeArray()
    {
        HubDatagram::Records records;
        for (HubCellRecord &record : records)
            record.cellIndex = 99;
        QByteArray area;
        for (int position = 0; position < HubDatagram::MaxRecords; ++position)
            area += char((position + 1) & 0xFF) + QByteArray(1, char((position + 1) >> 8)) + QByteArray(6, '\1');
        QByteArray bytes = datagram(65019, area);
        HubDatagram::readRecords(raw(bytes), bytes.size(), records);
        QCOMPARE(int(records[1000].cellIndex), 1001);
        bytes = datagram(65003, QByteArray::fromHex("050001000200E803" "0600010001000100" "040001000000"));
        HubDatagram::readRecords(raw(bytes), bytes.size(), records);
        QCOMPARE((QVector<int>{records[0].cellIndex, records[0].weight, records[1].cellIndex, records[1].weight}),
                 (QVector<int>{5, 1000, 6, 1}));
        for (int position = 2; position < HubDatagram::MaxRecords; ++position)
            QVERIFY(records[position].cellIndex == 0 && records[position].weight == 0);
    }
};

QTEST_GUILESS_MAIN(TestHubDatagram)
#include "tst_hubdatagram.moc"
