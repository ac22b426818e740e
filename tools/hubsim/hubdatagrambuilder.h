#ifndef HUBDATAGRAMBUILDER_H
#define HUBDATAGRAMBUILDER_H

#include "core/hubcellrecord.h"

#include <QByteArray>
#include <QVector>

// Writes the datagram a hub multicasts, the mirror of the program's decoder
// (core/hubdatagram.h, whose offsets it uses): tag 65000 + page at bytes 2 and
// 3, 8-byte cell records from offset 52. Bytes 0 and 1 carry a running serial
// number the program does not read, which makes lost datagrams visible in a
// capture.
class HubDatagramBuilder
{
public:
    static quint16 tagForPage(int page);
    static QByteArray build(quint16 tag, quint16 serial, const QVector<HubCellRecord> &records);
};

#endif
