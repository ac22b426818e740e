#include "links/blecellstate.h"
#include "links/celladdress.h"
#include "links/cellpayload.h"

#include <QtTest>

#include <cstring>

// The cell payload, its CRC, the record layout and the address forms, byte for byte.
class TestCellPayload : public QObject
{
    Q_OBJECT

private slots:
    void crcCheckValue()
    {
        QCOMPARE(cellpayload::crc16Modbus("123456789", 9), quint16(0x4B37));
        QCOMPARE(cellpayload::crc16Modbus("", 0), quint16(0xFFFF));
    }

    void decodesFields()
    {
        // A hand-built payload: sequence 0x0102, index 0x0304, type 5, weight -2,
        // battery 87; CRC low byte first.
        QByteArray payload = QByteArray::fromHex("6e726f76" "0201" "0403" "0000" "0500" "feff" "57"
                                                 "000000000000");
        const quint16 crc = cellpayload::crc16Modbus(payload.constData(), 21);
        payload.append(char(crc & 0xFF)).append(char(crc >> 8));
        QCOMPARE(payload.size(), 23);

        const auto reading = cellpayload::decode(payload);
        QVERIFY(reading);
        QCOMPARE(reading->sequence, quint16(0x0102));
        QCOMPARE(reading->cellIndex, quint16(0x0304));
        QCOMPARE(reading->boxType, quint16(5));
        QCOMPARE(reading->weight, qint16(-2));
        QCOMPARE(reading->battery, quint8(87));
        QCOMPARE(cellpayload::receivedCrc(payload), crc);
        QCOMPARE(cellpayload::computedCrc(payload), crc);

        QCOMPARE(cellpayload::encode(*reading), payload);

        bleCellState record;
        record.errorNb = 0;
        cellpayload::fillRecord(record, *reading);
        QCOMPARE(record.cellIndex, quint16(0x0304));
        QCOMPARE(record.online, quint8(1));
        QCOMPARE(record.errorNb, quint8(0));
        QCOMPARE(record.boxType, quint16(5));
        QCOMPARE(record.curData, qint16(-2));
        QCOMPARE(record.battery, quint8(87));
    }

    void everySingleByteCorruptionFails_data()
    {
        QTest::addColumn<int>("offset");
        for (int offset = 0; offset < cellpayload::Size; ++offset)
            QTest::addRow("byte %d", offset) << offset;
    }
    void everySingleByteCorruptionFails()
    {
        QFETCH(int, offset);
        cellpayload::CellReading reading;
        reading.sequence = 77;
        reading.cellIndex = 12;
        reading.boxType = 2;
        reading.weight = 1234;
        reading.battery = 99;
        const QByteArray good = cellpayload::encode(reading);
        QVERIFY(cellpayload::decode(good));
        for (int change = 1; change < 256; ++change) {
            QByteArray bad = good;
            bad[offset] = char(quint8(bad[offset]) ^ change);
            if (cellpayload::decode(bad))
                QFAIL(qPrintable(QStringLiteral("byte %1 xor %2 still decodes").arg(offset).arg(change)));
        }
    }

    void signatureAndSize_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("signature");
        QTest::addColumn<bool>("decodes");
        const QByteArray good = cellpayload::encode({});
        QTest::newRow("full payload") << good << true << true;
        QTest::newRow("signature only") << QByteArray("nrov") << true << false;
        QTest::newRow("Nrov") << QByteArray("Nrov....") << false << false;
        QTest::newRow("nRov") << QByteArray("nRov....") << false << false;
        QTest::newRow("nrOv") << QByteArray("nrOv....") << false << false;
        QTest::newRow("nroV") << QByteArray("nroV....") << false << false;
        QTest::newRow("three bytes") << QByteArray("nro") << false << false;
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("22 bytes") << good.left(22) << true << false;
        QTest::newRow("24 bytes") << good + '\0' << true << false;
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

    void recordLayout()
    {
        bleCellState record;
        record.cellIndex = 0x0201;
        record.online = 0x03;
        record.errorNb = 0x04;
        record.boxType = 0x0605;
        record.curData = qint16(-2);
        record.battery = 0x09;
        setCellAddress(record, QStringLiteral("00:80:E1:26:D3:AA"));
        setCellRssi(record, -67);

        QByteArray image(int(sizeof record), '\0');
        std::memcpy(image.data(), &record, sizeof record);
        QCOMPARE(image.size(), 34);
        QByteArray expected = QByteArray::fromHex("0102" "03" "04" "0506" "feff" "09");
        expected += QByteArray("00:80:E1:26:D3:AA") + QByteArray(3, '\0');
        expected += QByteArray("-67") + QByteArray(2, '\0');
        QCOMPARE(image.toHex(), expected.toHex());

        // A copy is a plain byte copy.
        const bleCellState copy = record;
        QCOMPARE(std::memcmp(&copy, &record, sizeof record), 0);
        QCOMPARE(QVariant::fromValue(record).value<bleCellState>().curData, qint16(-2));
    }

    void recordTextFields()
    {
        bleCellState record;
        setCellAddress(record, QStringLiteral("00:80:E1:26:D3:AA-and-far-too-long"));
        QCOMPARE(cellAddress(record), QStringLiteral("00:80:E1:26:D3:AA-a"));
        QCOMPARE(record.address[19], '\0');
        setCellAddress(record, QStringLiteral("short"));
        QCOMPARE(cellAddress(record), QStringLiteral("short"));
        for (int i = 5; i < 20; ++i)
            QCOMPARE(record.address[i], '\0');

        setCellRssi(record, 67);
        QCOMPARE(cellRssi(record), QStringLiteral("67"));
        setCellRssi(record, -128);
        QCOMPARE(cellRssi(record), QStringLiteral("-128"));
        QCOMPARE(record.rssi[4], '\0');
    }

    void addressForms()
    {
        const char wire[] = {char(0xAA), char(0xD3), 0x26, char(0xE1), char(0x80), 0x00};
        QCOMPARE(celladdress::fromWire(wire), QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(celladdress::fromInteger(Q_UINT64_C(0x0080E126D3AA)), QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(celladdress::wireFromInteger(Q_UINT64_C(0x0080E126D3AA)), QByteArray(wire, 6));
        QCOMPARE(celladdress::fromInteger(Q_UINT64_C(0x0A0B0C0D0E0F)), QStringLiteral("0A:0B:0C:0D:0E:0F"));
        QCOMPARE(celladdress::fromInteger(0), QStringLiteral("00:00:00:00:00:00"));
    }
};

QTEST_GUILESS_MAIN(TestCellPayload)
#include "tst_cellpayload.moc"
