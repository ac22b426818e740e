#ifndef TESTDATAGRAMS_H
#define TESTDATAGRAMS_H

#include "core/hubcellrecord.h"
#include "core/hubdatagram.h"

#include <QByteArray>
#include <QVector>

#include <cstdint>

// Builds hub datagrams the way a hub sends them: tag 65000 + page in bytes 2
// and 3, records from offset 52.
inline QByteArray hubDatagram(int page, const QVector<HubCellRecord> &records)
{
    QByteArray bytes(HubDatagram::HeaderSize, '\0');
    const quint16 tag = quint16(HubDatagram::TagBase + page);
    bytes[2] = char(tag & 0xFF);
    bytes[3] = char(tag >> 8);
    for (const HubCellRecord &record : records) {
        const quint16 weight = quint16(record.weight);
        const char raw[8] = {char(record.cellIndex & 0xFF), char(record.cellIndex >> 8),
                             char(record.state), char(record.errorNb),
                             char(record.boxType & 0xFF), char(record.boxType >> 8),
                             char(weight & 0xFF), char(weight >> 8)};
        bytes.append(raw, 8);
    }
    return bytes;
}

inline HubCellRecord hubRecord(int cellIndex, int weight, int state = 1, int boxType = 0, int errorNb = 0)
{
    HubCellRecord record;
    record.cellIndex = quint16(cellIndex);
    record.state = quint8(state);
    record.errorNb = quint8(errorNb);
    record.boxType = quint16(boxType);
    record.weight = qint16(weight);
    return record;
}

inline uint8_t *bytesOf(QByteArray &bytes)
{
    return reinterpret_cast<uint8_t *>(bytes.data());
}

#endif
