#include "links/cellpayload.h"
#include "links/receiverframe.h"

#include <QtTest>

using receiverframe::CellFrame;

namespace {

constexpr quint64 ReferenceCell = Q_UINT64_C(0x0080E126D3AA);

cellpayload::CellReading reading(quint16 index, qint16 weight)
{
    cellpayload::CellReading r;
    r.sequence = 5;
    r.cellIndex = index;
    r.boxType = 3;
    r.weight = weight;
    r.battery = 80;
    return r;
}

QByteArray cellFrame(quint16 index, qint16 weight, int rssi = -67, quint64 address = ReferenceCell)
{
    return receiverframe::build(address, rssi, cellpayload::encode(reading(index, weight)));
}

// Bytes with no marker in them, enough to push the buffer over the threshold.
QByteArray filler(int size)
{
    return QByteArray(size, '\x11');
}

QVector<int> indexes(const QVector<CellFrame> &frames)
{
    QVector<int> result;
    for (const CellFrame &frame : frames)
        result.append(frame.reading ? frame.reading->cellIndex : -1);
    return result;
}

} // namespace

// The receiver's frame cutter over a receive buffer, byte for byte.
class TestReceiverFrame : public QObject
{
    Q_OBJECT

private slots:
    void builtFrameLayout()
    {
        const QByteArray payload = cellpayload::encode(reading(1, 1));
        const QByteArray frame = receiverframe::unstuff(receiverframe::build(ReferenceCell, -67, payload));
        QCOMPARE(frame.size(), 61);
        QCOMPARE(frame.at(0), char(0xAB));
        QCOMPARE(frame.at(60), char(0xBC));
        QCOMPARE(frame.at(8), char(0x01));
        QCOMPARE(frame.at(10), char(0x43));
        QCOMPARE(frame.mid(24, 6).toHex(' '), QByteArray("aa d3 26 e1 80 00"));
        QCOMPARE(frame.mid(30, 4).toHex(' '), QByteArray("1a ff 06 00"));
        QCOMPARE(frame.mid(34, 23), payload);
    }

    void decodesOneFrame()
    {
        QByteArray buffer = cellFrame(42, -1234) + filler(60);
        const QVector<CellFrame> frames = receiverframe::cutFrames(buffer);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].address, QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(frames[0].rssi, -67);
        QVERIFY(frames[0].reading);
        QCOMPARE(frames[0].reading->cellIndex, quint16(42));
        QCOMPARE(frames[0].reading->weight, qint16(-1234));
        QCOMPARE(frames[0].reading->boxType, quint16(3));
        QCOMPARE(frames[0].reading->battery, quint8(80));
        QCOMPARE(buffer, filler(60));
    }

    void stuffingInsidePayload()
    {
        // Weight 0xBC puts the end marker's value into payload byte 12; cell index
        // 0xCDAB puts the start marker and the escape into bytes 6 and 7.
        const QByteArray frame = cellFrame(0xCDAB, 0xBC);
        const QByteArray inner = frame.mid(1, frame.size() - 2);
        QVERIFY(!inner.contains(char(0xBC)));
        QVERIFY(!inner.contains(char(0xAB)));
        QVERIFY(inner.contains(QByteArray::fromHex("cdbd")));
        QVERIFY(inner.contains(QByteArray::fromHex("cdaccdce")));

        QByteArray buffer = frame + filler(60);
        const QVector<CellFrame> frames = receiverframe::cutFrames(buffer);
        QCOMPARE(frames.size(), 1);
        QVERIFY(frames[0].reading);
        QCOMPARE(frames[0].reading->weight, qint16(0xBC));
        QCOMPARE(frames[0].reading->cellIndex, quint16(0xCDAB));
    }

    void stuffRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("stuffed");
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("nothing to do") << QByteArray::fromHex("ab0102bc") << QByteArray::fromHex("ab0102bc");
        QTest::newRow("end marker") << QByteArray::fromHex("ab01cdbdbc") << QByteArray::fromHex("ab01bcbc");
        QTest::newRow("start marker") << QByteArray::fromHex("abcdacbc") << QByteArray::fromHex("ababbc");
        QTest::newRow("escape") << QByteArray::fromHex("abcdcebc") << QByteArray::fromHex("abcdbc");
        QTest::newRow("escape before end marker") << QByteArray::fromHex("ab01cdbc") << QByteArray::fromHex("ab01bb");
        QTest::newRow("lone escape") << QByteArray::fromHex("cd") << QByteArray::fromHex("cd");
    }
    void stuffRoundTrip()
    {
        QFETCH(QByteArray, stuffed);
        QFETCH(QByteArray, plain);
        QCOMPARE(receiverframe::unstuff(stuffed).toHex(), plain.toHex());
        if (plain.endsWith(char(0xBC)))
            QCOMPARE(receiverframe::stuff(plain).toHex(), stuffed.toHex());
    }

    void thresholdOf120Bytes()
    {
        const QByteArray frame = cellFrame(1, 10);
        QByteArray buffer = frame + filler(120 - frame.size());
        QCOMPARE(buffer.size(), 120);
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        QCOMPARE(buffer.size(), 120);

        buffer.append(filler(1));
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{1});
        QCOMPARE(buffer.size(), 121 - frame.size());
    }

    void lastEightBytesNotSearched()
    {
        const QByteArray frame = cellFrame(3, 10);
        QByteArray buffer = filler(121 - frame.size()) + frame;
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        QCOMPARE(buffer.size(), 121);
        buffer.append(filler(7));
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        buffer.append(filler(1));
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{3});
    }

    void twoFramesInOneRead()
    {
        QByteArray buffer = cellFrame(1, 100) + cellFrame(2, 200) + filler(60);
        const QVector<CellFrame> frames = receiverframe::cutFrames(buffer);
        QCOMPARE(indexes(frames), (QVector<int>{1, 2}));
        QCOMPARE(frames[1].reading->weight, qint16(200));

        // With 120 bytes or less left after the first, the second waits.
        buffer = cellFrame(1, 100) + cellFrame(2, 200) + filler(50);
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{1});
        buffer.append(filler(10));
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{2});
    }

    void badCrcThenGoodOne()
    {
        QByteArray bad = receiverframe::unstuff(cellFrame(1, 100));
        bad[40] = char(quint8(bad[40]) ^ 0x01);  // payload byte 6: the cell index
        QByteArray buffer = receiverframe::stuff(bad) + cellFrame(2, 200) + filler(60);

        // The damaged frame does not hold back the good one behind it.
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), (QVector<int>{-1, 2}));
        QCOMPARE(buffer, filler(60));
    }

    void rssiText_data()
    {
        QTest::addColumn<int>("rssi");
        QTest::addColumn<char>("wireByte");
        QTest::newRow("0x43") << -67 << char(0x43);
        QTest::newRow("0xBD") << 67 << char(0xBD);
        QTest::newRow("0x00") << 0 << char(0x00);
        QTest::newRow("0x80") << 128 << char(0x80);
    }
    void rssiText()
    {
        QFETCH(int, rssi);
        QFETCH(char, wireByte);
        QByteArray plain = receiverframe::unstuff(cellFrame(1, 1));
        plain[10] = wireByte;
        QByteArray buffer = receiverframe::stuff(plain) + filler(60);
        const QVector<CellFrame> frames = receiverframe::cutFrames(buffer);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].rssi, rssi);
    }

    void garbageBeforeStartMarker()
    {
        // Garbage, including an unmatched start marker, before the frame.
        QByteArray buffer = QByteArray::fromHex("00ffab1234abab") + filler(10) + cellFrame(9, 90) + filler(60);
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{9});
        QCOMPARE(buffer, filler(60));
    }

    void droppedFrames_data()
    {
        QTest::addColumn<QByteArray>("dropped");
        QByteArray plain = receiverframe::unstuff(cellFrame(1, 1));

        QByteArray otherCompany = receiverframe::unstuff(cellFrame(1, 1, -67, Q_UINT64_C(0x0080E226D3AA)));
        QTest::newRow("00:80:E2") << receiverframe::stuff(otherCompany);
        QByteArray wrongTop = receiverframe::unstuff(cellFrame(1, 1, -67, Q_UINT64_C(0x0180E126D3AA)));
        QTest::newRow("01:80:E1") << receiverframe::stuff(wrongTop);
        QByteArray otherType = plain;
        otherType[8] = 0x02;
        QTest::newRow("record type 2") << receiverframe::stuff(otherType);
        QByteArray shortFrame = plain.left(58) + char(0xBC);
        QTest::newRow("59 bytes") << receiverframe::stuff(shortFrame);
        QTest::newRow("lone end marker") << QByteArray(1, char(0xBC));
    }
    void droppedFrames()
    {
        QFETCH(QByteArray, dropped);
        QByteArray buffer = dropped + cellFrame(7, 70) + filler(60);
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{7});
        QCOMPARE(buffer, filler(60));
    }

    void endlessInputWithoutEndMarkerStaysBounded()
    {
        QByteArray buffer;
        for (int i = 0; i < 100; ++i) {
            buffer.append(filler(1000));
            QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
            QVERIFY(buffer.size() <= receiverframe::MaxPendingBytes + 1000);
        }
        // A start marker near the end is kept, so the frame it begins survives.
        const QByteArray frame = cellFrame(5, 50);
        buffer.append(frame.left(20));
        QVERIFY(receiverframe::cutFrames(buffer).isEmpty());
        buffer.append(frame.mid(20));
        buffer.append(filler(60));
        QCOMPARE(indexes(receiverframe::cutFrames(buffer)), QVector<int>{5});
    }
};

QTEST_GUILESS_MAIN(TestReceiverFrame)
#include "tst_receiverframe.moc"
