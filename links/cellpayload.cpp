#include "links/cellpayload.h"

#include "links/blecellstate.h"

namespace cellpayload {

namespace {

constexpr char Signature[4] = {'n', 'r', 'o', 'v'};

quint16 readU16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

void writeU16(QByteArray &bytes, int offset, quint16 value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

} // namespace

quint16 crc16Modbus(const char *data, int size)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

bool hasSignature(const QByteArray &payload)
{
    return payload.size() >= 4 && payload.startsWith(QByteArray::fromRawData(Signature, 4));
}

quint16 receivedCrc(const QByteArray &payload)
{
    Q_ASSERT(payload.size() >= Size);
    return readU16(payload, CrcOffset);
}

quint16 computedCrc(const QByteArray &payload)
{
    Q_ASSERT(payload.size() >= Size);
    return crc16Modbus(payload.constData(), CrcOffset);
}

CellReading read(const QByteArray &payload)
{
    Q_ASSERT(payload.size() >= Size);
    CellReading reading;
    reading.sequence = readU16(payload, 4);
    reading.cellIndex = readU16(payload, 6);
    reading.boxType = readU16(payload, 10);
    reading.weight = qint16(readU16(payload, 12));
    reading.battery = quint8(payload[14]);
    return reading;
}

std::optional<CellReading> decode(const QByteArray &payload)
{
    if (payload.size() != Size || receivedCrc(payload) != computedCrc(payload))
        return std::nullopt;
    return read(payload);
}

QByteArray encode(const CellReading &reading)
{
    QByteArray payload(Size, '\0');
    for (int i = 0; i < 4; ++i)
        payload[i] = Signature[i];
    writeU16(payload, 4, reading.sequence);
    writeU16(payload, 6, reading.cellIndex);
    writeU16(payload, 10, reading.boxType);
    writeU16(payload, 12, quint16(reading.weight));
    payload[14] = char(reading.battery);
    writeU16(payload, CrcOffset, crc16Modbus(payload.constData(), CrcOffset));
    return payload;
}

void fillRecord(bleCellState &record, const CellReading &reading)
{
    record.cellIndex = reading.cellIndex;
    record.online = 1;
    record.boxType = reading.boxType;
    record.curData = reading.weight;
    record.battery = reading.battery;
}

} // namespace cellpayload
