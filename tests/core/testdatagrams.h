#ifndef TESTDATAGRAMS_H
#define TESTDATAGRAMS_H

#include "core/hubcellrecord.h"
#include "core/hubdatagram.h"

#include <QByteArray>
#include <QVector>

// Hub datagrams as a hub sends them: tag 65000 + page in bytes 2 and 3
// (little-endian), 8-byte records from offset 52.
inline QByteArray hubDatagram(int page, const QVector<HubCellRecord> &records)
{
    QByteArray bytes(HubDatagram::HeaderSize, '\0');
    const auto append16 = [&bytes](int value) {
        bytes += char(value & 0xFF);
        bytes += char((value >> 8) & 0xFF);
    };
    bytes[2] = char((HubDatagram::TagBase + page) & 0xFF);
    bytes[3] = char(((HubDatagram::TagBase + page) >> 8) & 0xFF);
    for (const HubCellRecord &r : records) {
        append16(r.cellIndex);
        bytes += char(r.state);
        bytes += char(r.errorNb);
        append16(r.boxType);
        append16(quint16(r.weight));
    }
    return bytes;
}

inline HubCellRecord hubRecord(int cellIndex, int weight, int state = 1, int boxType = 0, int errorNb = 0)
{
    return HubCellRecord{quint16(cellIndex), quint8(state), quint8(errorNb), quint16(boxType), qint16(weight)};
}

inline uint8_t *bytesOf(QByteArray &bytes) { return reinterpret_cast<uint8_t *>(bytes.data()); }

#endif
