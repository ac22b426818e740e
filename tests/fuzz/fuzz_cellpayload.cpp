// Decodes arbitrary bytes as a cell payload; whatever decodes must survive a
// round trip through the encoder and the record.
#include "links/blecellstate.h"
#include "links/cellpayload.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray payload = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));

    cellpayload::hasSignature(payload);
    const auto reading = cellpayload::decode(payload);
    if (!reading)
        return 0;
    if (payload.size() != cellpayload::Size
        || cellpayload::receivedCrc(payload) != cellpayload::computedCrc(payload))
        std::abort();

    const QByteArray encoded = cellpayload::encode(*reading);
    const auto again = cellpayload::decode(encoded);
    if (!again || cellpayload::encode(*again) != encoded)
        std::abort();

    bleCellState record;
    cellpayload::fillRecord(record, *reading);
    if (record.online != 1 || record.curData != reading->weight)
        std::abort();
    return 0;
}
