#include "links/hubcommandframe.h"

namespace HubCommandFrame {

QByteArray build(quint8 tagLow, quint8 tagHigh, quint16 sequence, const QByteArray &payload)
{
    // The hub reads only the low 16 bits of the length; longer payloads are
    // still sent whole so nothing is silently cut.
    const auto length = static_cast<quint16>(payload.size() & 0xFFFF);
    QByteArray frame(HeaderSize, '\0');
    frame[0] = static_cast<char>(tagLow);
    frame[1] = static_cast<char>(tagHigh);
    frame[2] = static_cast<char>(0x4D);
    frame[3] = static_cast<char>(0xFE);
    frame[4] = static_cast<char>(0x01);
    frame[8] = static_cast<char>(sequence & 0xFF);
    frame[9] = static_cast<char>(sequence >> 8);
    frame[10] = static_cast<char>(length & 0xFF);
    frame[11] = static_cast<char>(length >> 8);
    frame.append(payload);
    return frame;
}

} // namespace HubCommandFrame
