#ifndef HUBDATAGRAM_H
#define HUBDATAGRAM_H

#include "core/hubcellrecord.h"

#include <array>
#include <cstdint>

// Decoding of the datagrams the hubs multicast: bytes 2 and 3 carry the hub
// tag (little-endian, 65000 + page number), and 8-byte cell records follow
// from offset 52. Plain functions over bytes, so they are tested byte for byte
// and fuzzed.
class HubDatagram
{
public:
    static constexpr int HeaderSize = 52;
    static constexpr int RecordSize = 8;
    static constexpr int MaxRecords = 1001;
    static constexpr int MaxLength = HeaderSize + RecordSize * MaxRecords;
    static constexpr int PageCount = 21;
    static constexpr quint16 TagBase = 65000;

    using Records = std::array<HubCellRecord, MaxRecords>;

    // The page a datagram of len bytes feeds, or -1 when the datagram is to be
    // ignored: no bytes, shorter than the header, more than MaxRecords
    // records, or a tag whose page is outside 0 to 20.
    static int page(const uint8_t *bytes, int len);

    // Number of whole records in a datagram of len bytes; a trailing partial
    // record does not count.
    static int recordCount(int len);

    // Decodes the record at position `position` of the record area.
    static HubCellRecord record(const uint8_t *bytes, int position);

    // Replaces `records` by the datagram's whole records from its start; the
    // positions after them become zero records. The datagram must have passed
    // page().
    static void readRecords(const uint8_t *bytes, int len, Records &records);
};

#endif
