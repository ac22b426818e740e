#include "core/hubconnectmask.h"

#include <QtGlobal>

int HubConnectMask::updated(int mask, bool connected, uint8_t id)
{
    // Unsigned 32-bit arithmetic throughout: hub IDs reach 29, and shifting
    // such bits in a signed int would overflow.
    const quint32 bit = 1u << ((unsigned(id) + 31u) % 32u);
    const quint32 old = quint32(mask);
    const quint32 seen = ((old >> 16) | bit) << 16;
    const quint32 now = connected ? ((old & 0xFFFFu) | bit) : ((old & 0xFFFFu) & ~bit);
    return int(seen + now);
}
