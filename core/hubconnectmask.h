#ifndef HUBCONNECTMASK_H
#define HUBCONNECTMASK_H

#include <cstdint>

// The hub bit mask shown by the information page: bit (ID - 1) of the high
// 16 bits marks every hub ever reported, the same bit of the low 16 bits the
// hubs connected now (hub ID 1 is bit 0).
class HubConnectMask
{
public:
    // The mask after a connection report for hub `id`. The bit is
    // 1 << ((id - 1) mod 32), so hub ID 0 maps to bit 31; bits that do not fit
    // their half spill over exactly as the 32-bit arithmetic gives them.
    static int updated(int mask, bool connected, uint8_t id);
};

#endif
