#ifndef HUBINTAKE_H
#define HUBINTAKE_H

#include "core/hubdatagram.h"

#include <QString>

#include <cstdint>
#include <vector>

class WeightingData;

// The pending hub records of every page between two refreshes. A datagram
// only replaces its page's pending records; the refresh takes them into the
// page's cell records.
class HubIntake
{
public:
    // Hub data of pages 0 to 19 is taken in; page 20 belongs to the wireless cells.
    static constexpr int HubPageCount = 20;
    // Hubs list at most cells 1 to 100, at record positions 0 to 100.
    static constexpr int Positions = 101;
    // A cell index this high ends the intake of the whole refresh.
    static constexpr int StopIndex = 101;

    HubIntake();

    // Replaces the pending records of the datagram's page. Returns the page,
    // or -1 when the datagram is ignored (see HubDatagram::page) and nothing
    // changed.
    int store(const uint8_t *bytes, int len);

    // The pending records of a page 0 to 20.
    const HubDatagram::Records &pending(int page) const;

    // Moves page `page`'s pending records into `table` (a record the table
    // does not hold is dropped) and clears them. Returns false when a cell
    // index of StopIndex or more ended the intake: the rest of this page is
    // lost and later pages must stay pending.
    bool takeIn(int page, WeightingData &table);

private:
    std::vector<HubDatagram::Records> m_pending;
    HubDatagram::Records m_work;
    const QString m_noText;
};

#endif
