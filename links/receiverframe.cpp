#include "links/receiverframe.h"

#include "links/celladdress.h"

namespace receiverframe {

namespace {

// The cell prefix 00:80:E1 as it stands in the wire-form address.
bool isCellAdvertisement(const QByteArray &frame)
{
    return frame[AddressOffset + 5] == char(0x00) && frame[AddressOffset + 4] == char(0x80)
        && frame[AddressOffset + 3] == char(0xE1) && frame[TypeOffset] == CellRecordType;
}

bool needsEscape(char byte)
{
    return byte == StartMarker || byte == EndMarker || byte == Escape;
}

} // namespace

QVector<CellFrame> cutFrames(QByteArray &buffer)
{
    QVector<CellFrame> frames;
    while (buffer.size() > ParseThreshold) {
        // The frame runs from the latest start marker before the first end
        // marker; the last 8 bytes are not searched yet.
        const int lastSearched = buffer.size() - 9;
        int start = 0;
        bool sawStart = false;
        int end = -1;
        for (int i = 0; i <= lastSearched; ++i) {
            if (buffer[i] == StartMarker) {
                start = i;
                sawStart = true;
            } else if (buffer[i] == EndMarker) {
                end = i;
                break;
            }
        }
        if (end < 0) {
            if (buffer.size() > MaxPendingBytes) {
                const bool keepStart = sawStart && buffer.size() - start <= MaxPendingBytes / 2;
                buffer.remove(0, keepStart ? start : lastSearched + 1);
            }
            return frames;
        }
        const QByteArray frame = unstuff(buffer.mid(start, end - start + 1));
        buffer.remove(0, end + 1);
        if (frame.size() < MinimumLength || !isCellAdvertisement(frame))
            continue;

        CellFrame cell;
        cell.address = celladdress::fromWire(frame.constData() + AddressOffset);
        cell.rssi = -int(qint8(frame[RssiOffset]));
        cell.reading = cellpayload::decode(frame.mid(PayloadOffset, cellpayload::Size));
        // A payload that fails its CRC is dropped and cutting goes on, so
        // damaged frames cannot hold back the good ones behind them.
        frames.append(cell);
    }
    return frames;
}

QByteArray unstuff(const QByteArray &frame)
{
    QByteArray plain;
    plain.reserve(frame.size());
    for (int i = 0; i < frame.size(); ++i) {
        if (frame[i] == Escape && i + 1 < frame.size()) {
            ++i;
            plain.append(char(quint8(frame[i]) - 1));
        } else {
            plain.append(frame[i]);
        }
    }
    return plain;
}

QByteArray stuff(const QByteArray &frame)
{
    QByteArray stuffed;
    stuffed.reserve(frame.size() + 8);
    for (int i = 0; i < frame.size(); ++i) {
        const bool inside = i > 0 && i < frame.size() - 1;
        if (inside && needsEscape(frame[i])) {
            stuffed.append(Escape);
            stuffed.append(char(quint8(frame[i]) + 1));
        } else {
            stuffed.append(frame[i]);
        }
    }
    return stuffed;
}

QByteArray build(quint64 address, int rssi, const QByteArray &payload)
{
    QByteArray frame(AdvertisementOffset + 30 + 1, '\0');
    frame[0] = StartMarker;
    frame[TypeOffset] = CellRecordType;
    frame[RssiOffset] = char(qint8(-rssi));
    frame.replace(AddressOffset, celladdress::WireSize, celladdress::wireFromInteger(address));
    // Advertisement data: one manufacturer-specific structure (length, type
    // 0xFF, company 0x0006 little-endian) followed by the cell payload.
    frame[AdvertisementOffset] = char(3 + payload.size());
    frame[AdvertisementOffset + 1] = char(0xFF);
    frame[AdvertisementOffset + 2] = char(cellpayload::CompanyId & 0xFF);
    frame[AdvertisementOffset + 3] = char(cellpayload::CompanyId >> 8);
    frame.replace(PayloadOffset, qMin(payload.size(), cellpayload::Size), payload.left(cellpayload::Size));
    frame[frame.size() - 1] = EndMarker;
    return stuff(frame);
}

} // namespace receiverframe
