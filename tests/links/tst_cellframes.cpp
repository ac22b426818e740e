#include "links/blecellstate.h"
#include "links/celladdress.h"
#include "links/cellpayload.h"
#include "links/receiverframe.h"

#include <QtTest>

#include <cstring>

namespace {

constexpr quint64 ReferenceCell = Q_UINT64_C(0x0080E126D3AA);

QByteArray cellFrame(quint16 index, qint16 weight, quint64 address = ReferenceCell)
{
    return receiverframe::build(address, -67, cellpayload::encode({5, index, 3, weight, 80}));
}

// Marker-free bytes that push the frames before them over the parse threshold.
QByteArray filler(int size)
{
    return QByteArray(size, '\x11');
}

// The cell index of every frame cut, -1 for one whose payload failed its CRC.
QVector<int> cut(QByteArray &buffer)
{
    QVector<int> indexes;
    for (const receiverframe::CellFrame &frame : receiverframe::cutFrames(buffer))
        indexes.append(frame.reading ? frame.reading->cellIndex : -1);
    return indexes;
}

// A frame with one byte of its unstuffed form replaced.
QByteArray edited(const QByteArray &frame, int offset, char value)
{
    QByteArray plain = receiverframe::unstuff(frame);
    plain[offset] = value;
    return receiverframe::stuff(plain);
}

} // namespace

// The cell payload, the 34-byte record, the address forms and the receiver's
// frames, byte for byte.
class TestCellFrames : public QObject
{
    Q_OBJECT

private slots:
    void payloadFields()
    {
        QCOMPARE(cellpayload::crc16Modbus("123456789", 9), quint16(0x4B37));
        // Sequence 0x0102, index 0x0304, type 5, weight -2, battery 87, CRC low byte first.
        QByteArray payload = QByteArray::fromHex("6e726f76" "0201" "0403" "0000" "0500" "feff" "57" "000000000000");
        const quint16 crc = cellpayload::crc16Modbus(payload.constData(), 21);
        payload.append(char(crc & 0xFF)).append(char(crc >> 8));
        const auto reading = cellpayload::decode(payload);
        QVERIFY(reading);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5").arg(reading->sequence).arg(reading->cellIndex).arg(reading->boxType)
                     .arg(reading->weight).arg(reading->battery), QStringLiteral("258 772 5 -2 87"));
        QCOMPARE(cellpayload::encode(*reading), payload);
        for (int offset = 0; offset < cellpayload::Size; ++offset) {
            QByteArray bad = payload;
            bad[offset] = char(bad[offset] ^ 0x10);
            QVERIFY2(!cellpayload::decode(bad), qPrintable(QString::number(offset)));
        }

        bleCellState record;
        record.errorNb = 7;
        cellpayload::fillRecord(record, *reading);
        QCOMPARE(record.online, quint8(1));
        QCOMPARE(record.errorNb, quint8(7));
        QCOMPARE(record.curData, qint16(-2));
    }

    void signatureAndSize_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("signature");
        QTest::addColumn<bool>("decodes");
        const QByteArray good = cellpayload::encode({});
        QTest::newRow("full payload") << good << true << true;
        QTest::newRow("nroV") << QByteArray("nroV") << false << false;
        QTest::newRow("three bytes") << QByteArray("nro") << false << false;
        QTest::newRow("22 bytes") << good.left(22) << true << false;
        QTest::newRow("24 bytes, CRC valid over the first 21") << good + good.right(1) << true << false;
    }
    void signatureAndSize()
    {
        QFETCH(QByteArray, payload);
        QFETCH(bool, signature);
        QFETCH(bool, decodes);
        QCOMPARE(cellpayload::hasSignature(payload), signature);
        QCOMPARE(bool(cellpayload::decode(payload)), decodes);
    }

    void recordLayoutAndAddresses()
    {
        bleCellState record{0x0201, 0x03, 0x04, 0x0605, -2, 0x09, {}, {}};
        setCellAddress(record, QStringLiteral("00:80:E1:26:D3:AA"));
        setCellRssi(record, -128);
        QByteArray image(int(sizeof record), '\0');
        std::memcpy(image.data(), &record, sizeof record);
        const QByteArray expected = QByteArray::fromHex("0102" "03" "04" "0506" "feff" "09")
            + QByteArray("00:80:E1:26:D3:AA") + QByteArray(3, '\0') + QByteArray("-128") + '\0';
        QCOMPARE(image.toHex(), expected.toHex());
        setCellAddress(record, QStringLiteral("00:80:E1:26:D3:AA-and-far-too-long"));
        QCOMPARE(cellAddress(record), QStringLiteral("00:80:E1:26:D3:AA-a"));

        const char wire[] = {char(0xAA), char(0xD3), 0x26, char(0xE1), char(0x80), 0x00};
        QCOMPARE(celladdress::fromWire(wire), QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(celladdress::wireFromInteger(ReferenceCell), QByteArray(wire, 6));
    }

    void builtFrameLayout()
    {
        const QByteArray payload = cellpayload::encode({});
        const QByteArray frame = receiverframe::unstuff(receiverframe::build(ReferenceCell, -67, payload));
        QCOMPARE(frame.size(), 61);
        QCOMPARE(frame.at(0), char(0xAB));
        QCOMPARE(frame.at(8), char(0x01));
        QCOMPARE(frame.at(10), char(0x43));
        QCOMPARE(frame.mid(24, 10).toHex(' '), QByteArray("aa d3 26 e1 80 00 1a ff 06 00"));
        QCOMPARE(frame.mid(34, 23), payload);
        QCOMPARE(frame.at(60), char(0xBC));
    }

    void decodesAStuffedFrame()
    {
        // Weight 0xBC and index 0xCDAB put all three marker values into the payload.
        QByteArray buffer = cellFrame(0xCDAB, 0xBC) + filler(60);
        const QVector<receiverframe::CellFrame> frames = receiverframe::cutFrames(buffer);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].address, QStringLiteral("00:80:E1:26:D3:AA"));
        QVERIFY(frames[0].reading);
        QCOMPARE(frames[0].reading->cellIndex, quint16(0xCDAB));
        QCOMPARE(frames[0].reading->weight, qint16(0xBC));
        // An escape with nothing after it stays as it is.
        QCOMPARE(receiverframe::unstuff(QByteArray(1, char(0xCD))), QByteArray(1, char(0xCD)));
    }

    void cutsFrames_data()
    {
        QTest::addColumn<QByteArray>("front");
        QTest::addColumn<QVector<int>>("indexes");
        QTest::addColumn<int>("lastRssi");
        const QByteArray seven = cellFrame(7, 70);
        QTest::newRow("two frames") << cellFrame(1, 100) + seven << QVector<int>{1, 7} << -67;
        // A damaged payload used to stop the cutting and hold back the frames behind it.
        QTest::newRow("damaged payload, then a good one") << edited(cellFrame(1, 100), 40, 0) + seven
                                                          << QVector<int>{-1, 7} << -67;
        QTest::newRow("garbage and unmatched start markers")
            << QByteArray::fromHex("00ffab1234abab") + filler(10) + seven << QVector<int>{7} << -67;
        QTest::newRow("00:80:E2") << cellFrame(1, 1, Q_UINT64_C(0x0080E226D3AA)) + seven << QVector<int>{7} << -67;
        QTest::newRow("01:80:E1") << cellFrame(1, 1, Q_UINT64_C(0x0180E126D3AA)) + seven << QVector<int>{7} << -67;
        QTest::newRow("record type 2") << edited(cellFrame(1, 1), 8, 0x02) + seven << QVector<int>{7} << -67;
        QTest::newRow("59 bytes")
            << receiverframe::stuff(receiverframe::unstuff(cellFrame(1, 1)).left(58) + char(0xBC)) + seven
            << QVector<int>{7} << -67;
        QTest::newRow("lone end marker") << QByteArray(1, char(0xBC)) + seven << QVector<int>{7} << -67;
        QTest::newRow("rssi 0xBD") << edited(seven, 10, char(0xBD)) << QVector<int>{7} << 67;
        QTest::newRow("rssi 0x80") << edited(seven, 10, char(0x80)) << QVector<int>{7} << 128;
    }
    void cutsFrames()
    {
        QFETCH(QByteArray, front);
        QFETCH(QVector<int>, indexes);
        QFETCH(int, lastRssi);
        QByteArray buffer = front + filler(60);
        const QVector<receiverframe::CellFrame> frames = receiverframe::cutFrames(buffer);
        QVector<int> seen;
        for (const receiverframe::CellFrame &frame : frames)
            seen.append(frame.reading ? frame.reading->cellIndex : -1);
        QCOMPARE(seen, indexes);
        QCOMPARE(frames.last().rssi, lastRssi);
        QCOMPARE(buffer, filler(60));
    }

    void waitsForMoreThan120BytesAndTheLastEightUnsearched()
    {
        const QByteArray frame = cellFrame(1, 10);
        QByteArray buffer = frame + filler(120 - frame.size());
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        buffer.append(filler(1));
        QCOMPARE(cut(buffer), QVector<int>{1});
        QCOMPARE(buffer.size(), 121 - frame.size());

        buffer = filler(121 - frame.size()) + frame + filler(7);
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        buffer.append(filler(1));
        QCOMPARE(cut(buffer), QVector<int>{1});

        // With 120 bytes or less after the first frame, the second waits.
        buffer = frame + cellFrame(2, 20) + filler(50);
        QCOMPARE(cut(buffer), QVector<int>{1});
        buffer.append(filler(10));
        QCOMPARE(cut(buffer), QVector<int>{2});
    }

    void inputWithoutEndMarkerStaysBounded()
    {
        // An early start marker must not keep everything after it.
        QByteArray buffer(1, char(0xAB));
        for (int i = 0; i < 100; ++i) {
            buffer.append(filler(1000));
            QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
            QVERIFY(buffer.size() <= receiverframe::MaxPendingBytes + 1000);
        }
        // A start marker near the end is kept, so the frame it begins survives.
        const QByteArray frame = cellFrame(5, 50);
        buffer.append(frame.left(20));
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        buffer.append(frame.mid(20) + filler(60));
        QCOMPARE(cut(buffer), QVector<int>{5});
    }
};

QTEST_GUILESS_MAIN(TestCellFrames)
#include "tst_cellframes.moc"
