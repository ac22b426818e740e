#ifndef HUBCOMMANDFRAME_H
#define HUBCOMMANDFRAME_H

#include <QByteArray>
#include <QtGlobal>

// Frames the program sends to a hub: the two tag bytes the hub put at bytes 2
// and 3 of its first datagram, the marker 0x4D 0xFE 0x01, three zero bytes, the
// little-endian sequence and payload length, then the payload.
namespace HubCommandFrame {

constexpr int HeaderSize = 12;

QByteArray build(quint8 tagLow, quint8 tagHigh, quint16 sequence, const QByteArray &payload);

// A received frame taken apart, as a hub (or the hub simulator) reads it.
struct Parsed
{
    bool valid = false;   // long enough and carrying the marker
    quint16 tag = 0;      // the two tag bytes as a little-endian number
    quint16 sequence = 0;
    quint16 length = 0;   // the length field as sent
    QByteArray payload;   // everything after the header
};

Parsed parse(const QByteArray &frame);

} // namespace HubCommandFrame

#endif
