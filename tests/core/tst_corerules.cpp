// The core's pure rules: datagram layout, connection mask, sums, member lists.
#include "core/groupindextext.h"
#include "core/hubconnectmask.h"
#include "core/hubdatagram.h"
#include "core/weightarithmetic.h"

#include <QtTest>

#include <limits>

namespace {

QByteArray datagram(quint16 tag, const QByteArray &records = QByteArray())
{
    QByteArray bytes(HubDatagram::HeaderSize, '\x5A');
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    return bytes + records;
}

const uint8_t *raw(const QByteArray &bytes) { return reinterpret_cast<const uint8_t *>(bytes.constData()); }

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();

} // namespace

class TestCoreRules : public QObject
{
    Q_OBJECT

private slots:
    void page_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("page");
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

    // The whole array is replaced; a last record that lacks its weight must
    // not arrive as weight 0.
    void readRecordsReplacesTheWholeArray()
    {
        HubDatagram::Records records;
        QByteArray area;
        for (int position = 0; position < HubDatagram::MaxRecords; ++position)
            area += char((position + 1) & 0xFF) + QByteArray(1, char((position + 1) >> 8)) + QByteArray(6, '\1');
        QByteArray bytes = datagram(65019, area);
        HubDatagram::readRecords(raw(bytes), bytes.size(), records);
        QCOMPARE(int(records[1000].cellIndex), 1001);
        bytes = datagram(65003, QByteArray::fromHex("050001000200E803" "0600010001000100" "040001000000"));
        HubDatagram::readRecords(raw(bytes), bytes.size(), records);
        QCOMPARE(HubDatagram::recordCount(bytes.size()) + HubDatagram::recordCount(40), 2);
        QCOMPARE((QVector<int>{records[0].cellIndex, records[0].weight, records[1].cellIndex, records[1].weight}),
                 (QVector<int>{5, 1000, 6, 1}));
        for (int position = 2; position < HubDatagram::MaxRecords; ++position)
            QVERIFY(records[position].cellIndex == 0 && records[position].weight == 0);
    }

    // Sums (totals, groups) are cut towards zero after each step; published
    // values are rounded, halves upwards; both saturate instead of overflowing.
    void arithmetic_data()
    {
        QTest::addColumn<bool>("sum");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("result");
        QTest::newRow("sum: 1.5 onto 1") << true << 1.0 << 1.5 << 2;
        QTest::newRow("sum: huge tare saturates low") << true << 0.0 << -1e300 << IntMin;
        QTest::newRow("sum: huge reading saturates high") << true << 5.0 << 1e300 << IntMax;
        QTest::newRow("sum: overflowing") << true << double(IntMax) << 10.0 << IntMax;
        QTest::newRow("sum: not a number") << true << 7.0 << qQNaN() << 0;
        QTest::newRow("scaled: half up") << false << 25.0 << 0.1 << 3;
        QTest::newRow("scaled: minus half up") << false << -25.0 << 0.1 << -2;
        QTest::newRow("scaled: beyond int") << false << 3e9 << 1.0 << IntMax;
        QTest::newRow("scaled: just inside the top") << false << 2147483646.6 << 1.0 << IntMax;
        QTest::newRow("scaled: not a number") << false << qQNaN() << 1.0 << 0;
    }
    void arithmetic()
    {
        QFETCH(bool, sum);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, result);
        QCOMPARE(sum ? WeightArithmetic::addTruncated(int(a), b) : WeightArithmetic::scaled(a, b), result);
    }

    void connectMask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("id");
        QTest::addColumn<quint32>("result");
        QTest::newRow("hub 3 connects") << 0 << true << 3 << 0x00040004u;
        QTest::newRow("hub 3 disconnects") << 0x00040004 << false << 3 << 0x00040000u;
        QTest::newRow("hub 1 joins hub 3") << 0x00040004 << true << 1 << 0x00050005u;
        QTest::newRow("hub 17 spills out of the low half") << 0 << true << 17 << 0x00010000u;
        QTest::newRow("hub 0 is bit 31") << 0 << true << 0 << 0x80000000u;
        QTest::newRow("hub 33 wraps to bit 0") << 0 << true << 33 << 0x00010001u;
    }
    void connectMask()
    {
        QFETCH(int, mask);
        QFETCH(bool, connected);
        QFETCH(int, id);
        QFETCH(quint32, result);
        QCOMPARE(quint32(HubConnectMask::updated(mask, connected, uint8_t(id))), result);
    }

    // A group's member list: ten values, each followed by a comma.
    void groupIndexText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("two values") << "5,6" << "5,6,0,0,0,0,0,0,0,0,";
        QTest::newRow("not a number reads 0") << "3,x,7" << "3,0,7,0,0,0,0,0,0,0,";
        QTest::newRow("own output reads back") << "5,6,0,0,0,0,0,0,0,0," << "5,6,0,0,0,0,0,0,0,0,";
        QTest::newRow("eleven values") << "1,2,3,4,5,6,7,8,9,10,11" << "unchanged";
        QTest::newRow("eleven with an empty one") << "1,2,3,4,5,6,7,8,9,10,,1" << "unchanged";
    }
    void groupIndexText()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QString normalized = QStringLiteral("unchanged");
        QCOMPARE(GroupIndexText::normalize(input, normalized), output != "unchanged");
        QCOMPARE(normalized, output);
    }
};

QTEST_GUILESS_MAIN(TestCoreRules)
#include "tst_corerules.moc"
