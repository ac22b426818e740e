// Random hub datagrams through the controller's intake and refresh. The input
// is a series of chunks: a control byte, a 16-bit little-endian length and
// that many bytes. Control bit 7 stamps a valid tag for page (control % 21)
// so the record area is reached often; bit 6 runs a refresh after the chunk.
// Datagrams never create or delete records, and an accepted datagram resets
// the publication count.
#include "core/hubdatagram.h"
#include "core/weightingcontrol.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstdlib>

namespace {

int recordCount(const WeightingConTrol &control)
{
    int count = 0;
    for (int p = 0; p < WeightingConTrol::PageCount; ++p) {
        if (const WeightingData *page = control.page(p)) {
            for (int slot = 0; slot < WeightingData::SlotCount; ++slot)
                count += page->cell(slot) != nullptr;
        }
    }
    return count;
}

void populate(WeightingConTrol &control)
{
    // A few pages keep each run short: a refresh walks every slot of every page.
    for (int p : {0, 1, 2, 19, 20}) {
        for (int index : {1, 2, 5, 50, 100, 101, 1000})
            control.createCell(p, index);
    }
    control.createCell(1, 0);
    control.qmlSetGroup(0, 2, 3);
    control.qmlSetGroup(2, 5, 19);
    control.page(2)->cell(1)->setPeel(0.5);
    control.page(2)->cell(1)->setPeelEnable(true);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_hubintake";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    // One controller for the run (its links are costly to build), reset for every input.
    static WeightingConTrol control;
    control.deleteAllPages();
    control.setConFactor(2.20462262185);
    populate(control);
    for (int p = 0; p < HubDatagram::PageCount; ++p) {
        QByteArray empty(HubDatagram::HeaderSize, '\0');
        empty[2] = char((HubDatagram::TagBase + p) & 0xFF);
        empty[3] = char((HubDatagram::TagBase + p) >> 8);
        control.udpReadData(reinterpret_cast<uint8_t *>(empty.data()), empty.size());
    }
    const int records = recordCount(control);

    size_t at = 0;
    while (at + 3 <= size) {
        const uint8_t flags = data[at];
        const size_t len = size_t(data[at + 1]) | size_t(data[at + 2]) << 8;
        at += 3;
        const size_t take = len < size - at ? len : size - at;
        // A copy of exactly the chunk, so a read past it is caught.
        QByteArray datagram(reinterpret_cast<const char *>(data + at), int(take));
        at += take;
        if ((flags & 0x80) && datagram.size() >= 4) {
            const quint16 tag = quint16(HubDatagram::TagBase + (flags & 0x7F) % HubDatagram::PageCount);
            datagram[2] = char(tag & 0xFF);
            datagram[3] = char(tag >> 8);
        }
        auto *bytes = reinterpret_cast<uint8_t *>(datagram.data());
        control.udpReadData(bytes, datagram.size());
        if (HubDatagram::page(bytes, datagram.size()) >= 0 && control.disConnecttimes() != 0)
            std::abort();
        if (flags & 0x40)
            control.qmlRequestReflsh();
        if (recordCount(control) != records)
            std::abort();
    }
    control.qmlRequestReflsh();
    return 0;
}
