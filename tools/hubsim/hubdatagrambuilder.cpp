#include "tools/hubsim/hubdatagrambuilder.h"

#include "core/hubdatagram.h"

namespace {

void put16(QByteArray &bytes, int at, quint16 value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

} // namespace

quint16 HubDatagramBuilder::tagForPage(int page)
{
    return static_cast<quint16>(HubDatagram::TagBase + page);
}

QByteArray HubDatagramBuilder::build(quint16 tag, quint16 serial, const QVector<HubCellRecord> &records)
{
    QByteArray datagram(HubDatagram::HeaderSize + HubDatagram::RecordSize * records.size(), '\0');
    put16(datagram, 0, serial);
    put16(datagram, 2, tag);
    for (int i = 0; i < records.size(); ++i) {
        const HubCellRecord &r = records.at(i);
        const int at = HubDatagram::HeaderSize + HubDatagram::RecordSize * i;
        put16(datagram, at, r.cellIndex);
        datagram[at + 2] = static_cast<char>(r.state);
        datagram[at + 3] = static_cast<char>(r.errorNb);
        put16(datagram, at + 4, r.boxType);
        put16(datagram, at + 6, static_cast<quint16>(r.weight));
    }
    return datagram;
}
