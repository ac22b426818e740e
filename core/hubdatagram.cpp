#include "core/hubdatagram.h"

namespace {

quint16 readU16(const uint8_t *bytes)
{
    return quint16(bytes[0] | (bytes[1] << 8));
}

} // namespace

int HubDatagram::page(const uint8_t *bytes, int len)
{
    if (!bytes || len < HeaderSize || len > MaxLength)
        return -1;
    // The page is the tag's distance from the base, taken modulo 65536, so
    // tags below the base land far outside the page range.
    const quint16 page = quint16(readU16(bytes + 2) - TagBase);
    return page < PageCount ? int(page) : -1;
}

int HubDatagram::recordCount(int len)
{
    if (len < HeaderSize)
        return 0;
    const int count = (len - HeaderSize) / RecordSize;
    return count < MaxRecords ? count : MaxRecords;
}

HubCellRecord HubDatagram::record(const uint8_t *bytes, int position)
{
    const uint8_t *at = bytes + HeaderSize + position * RecordSize;
    HubCellRecord record;
    record.cellIndex = readU16(at);
    record.state = at[2];
    record.errorNb = at[3];
    record.boxType = readU16(at + 4);
    record.weight = qint16(readU16(at + 6));
    return record;
}

void HubDatagram::readRecords(const uint8_t *bytes, int len, Records &records)
{
    // A partial record at the end is dropped rather than taken in with its
    // missing bytes read as zero weight.
    const int count = recordCount(len);
    for (int position = 0; position < count; ++position)
        records[position] = record(bytes, position);
    for (int position = count; position < MaxRecords; ++position)
        records[position] = HubCellRecord();
}
