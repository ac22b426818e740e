#ifndef RECEIVERFRAME_H
#define RECEIVERFRAME_H

#include "links/cellpayload.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

// Frames of the USB Bluetooth receiver. After unstuffing, offsets from the
// start marker 0xAB: 8 record type (0x01 = advertisement), 10 signal strength
// magnitude (signed byte s, -s dBm), 24 sender address (six bytes, least
// significant first), 30 advertisement data whose bytes 4..26 (frame 34..56)
// are the cell payload; the frame ends with 0xBC. Inside a frame 0xCD escapes
// the next byte, which travels increased by one, so 0xAB, 0xBC and 0xCD never
// appear as themselves.
namespace receiverframe {

constexpr char StartMarker = char(0xAB);
constexpr char EndMarker = char(0xBC);
constexpr char Escape = char(0xCD);
constexpr char CellRecordType = 0x01;
constexpr int TypeOffset = 8;
constexpr int RssiOffset = 10;
constexpr int AddressOffset = 24;
constexpr int AdvertisementOffset = 30;
constexpr int PayloadOffset = 34;
// Frames are cut only while the buffer holds more than this, so a complete
// frame waits for later bytes.
constexpr int ParseThreshold = 120;
// Shorter unstuffed frames, markers included, are dropped.
constexpr int MinimumLength = 60;
// Beyond this many pending bytes without an end marker the bytes that cannot
// start a frame are dropped, so a port that never sends 0xBC cannot make the
// buffer grow without limit.
constexpr int MaxPendingBytes = 4096;

// One kept frame: a cell advertisement (address prefix 00:80:E1, record type 1).
struct CellFrame
{
    QString address;  // text form
    int rssi = 0;     // dBm
    std::optional<cellpayload::CellReading> reading;  // nothing when the CRC failed
};

// Cuts the frames at the front of `buffer`, removing the bytes it consumes,
// and returns the kept frames in order; a frame whose payload fails its CRC
// is returned without a reading.
QVector<CellFrame> cutFrames(QByteArray &buffer);

QByteArray unstuff(const QByteArray &frame);
// Escapes the markers and the escape byte between the first and last byte.
QByteArray stuff(const QByteArray &frame);

// A complete stuffed frame carrying a cell advertisement with `payload`.
QByteArray build(quint64 address, int rssi, const QByteArray &payload);

} // namespace receiverframe

#endif
