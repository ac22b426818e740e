#ifndef HUBCELLRECORD_H
#define HUBCELLRECORD_H

#include <QtGlobal>

// One cell record of a hub datagram, decoded. A zero record (cell index 0)
// marks an unused position.
struct HubCellRecord
{
    quint16 cellIndex = 0; // index within the hub's page; 0 = unused
    quint8 state = 0;      // link state: 1 online, 3 fault, else offline; bit 0 = online for the scan
    quint8 errorNb = 0;    // passed through to the record
    quint16 boxType = 0;   // type code, passed through
    qint16 weight = 0;     // raw reading, signed (0xFFFF is -1)
};

#endif
