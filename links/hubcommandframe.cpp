#include "links/hubcommandframe.h"

namespace HubCommandFrame {

namespace {

constexpr char Marker[] = { char(0x4D), char(0xFE), char(0x01), 0, 0, 0 };
constexpr int MarkerOffset = 2;
constexpr int SequenceOffset = 8;
constexpr int LengthOffset = 10;

void put16(QByteArray &frame, int at, quint16 value)
{
    frame[at] = static_cast<char>(value & 0xFF);
    frame[at + 1] = static_cast<char>(value >> 8);
}

quint16 get16(const QByteArray &frame, int at)
{
    return static_cast<quint16>(quint8(frame.at(at)) | (quint8(frame.at(at + 1)) << 8));
}

} // namespace

QByteArray build(quint8 tagLow, quint8 tagHigh, quint16 sequence, const QByteArray &payload)
{
    QByteArray frame(HeaderSize, '\0');
    frame[0] = static_cast<char>(tagLow);
    frame[1] = static_cast<char>(tagHigh);
    frame.replace(MarkerOffset, int(sizeof Marker), Marker, int(sizeof Marker));
    put16(frame, SequenceOffset, sequence);
    // The hub reads only the low 16 bits of the length; longer payloads are
    // still sent whole so nothing is silently cut.
    put16(frame, LengthOffset, static_cast<quint16>(payload.size() & 0xFFFF));
    frame.append(payload);
    return frame;
}

Parsed parse(const QByteArray &frame)
{
    Parsed parsed;
    if (frame.size() < HeaderSize)
        return parsed;
    parsed.valid = frame.mid(MarkerOffset, int(sizeof Marker)) == QByteArray(Marker, int(sizeof Marker));
    parsed.tag = get16(frame, 0);
    parsed.sequence = get16(frame, SequenceOffset);
    parsed.length = get16(frame, LengthOffset);
    parsed.payload = frame.mid(HeaderSize);
    return parsed;
}

} // namespace HubCommandFrame
