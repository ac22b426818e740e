#ifndef CELLPAYLOAD_H
#define CELLPAYLOAD_H

#include <QByteArray>
#include <QtGlobal>

#include <optional>

struct bleCellState;

// The 23-byte record a wireless cell broadcasts as manufacturer data, and the
// CRC that protects it. Multi-byte fields are little-endian:
//   0 "nrov", 4 sequence, 6 cell index, 10 cell type, 12 weight (signed),
//   14 battery %, 21 CRC-16/MODBUS of bytes 0..20 (low byte first).
namespace cellpayload {

constexpr int Size = 23;
constexpr int CrcOffset = 21;
// Cells put their payload under this company identifier.
constexpr quint16 CompanyId = 0x0006;

struct CellReading
{
    quint16 sequence = 0;
    quint16 cellIndex = 0;
    quint16 boxType = 0;
    qint16 weight = 0;
    quint8 battery = 0;
};

// CRC-16/MODBUS: reflected polynomial 0xA001, start 0xFFFF, no final XOR.
quint16 crc16Modbus(const char *data, int size);

// Whether bytes 0..3 are "nrov"; missing bytes count as different.
bool hasSignature(const QByteArray &payload);
// The CRC stored in bytes 21 and 22 and the one computed over bytes 0..20;
// both need at least Size bytes.
quint16 receivedCrc(const QByteArray &payload);
quint16 computedCrc(const QByteArray &payload);

// The fields of a payload of at least Size bytes, CRC not checked.
CellReading read(const QByteArray &payload);

// The reading of an exactly 23-byte payload whose CRC matches, else nothing.
// The signature is not looked at: the serial receiver's copies are not tested.
std::optional<CellReading> decode(const QByteArray &payload);

// A complete payload with signature and CRC, as a cell sends it.
QByteArray encode(const CellReading &reading);

// Measurement fields of the record from a reading, marked online. Address
// and signal strength belong to the link that heard the cell.
void fillRecord(bleCellState &record, const CellReading &reading);

} // namespace cellpayload

#endif
