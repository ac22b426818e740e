#ifndef BLEINTAKE_H
#define BLEINTAKE_H

#include "links/blecellstate.h"

#include <QString>

#include <functional>
#include <vector>

class WeightingData;

// The pending wireless records of page 20 between two refreshes, one per cell
// index; a newer record of a cell replaces the older one.
class BleIntake
{
public:
    // Wireless cells use the slots 0 to 999 of page 20.
    static constexpr int SlotCount = 1000;

    BleIntake();

    // The slot of page 20 that takes records from the device at `address`
    // claiming user ID `cellIndex`: the first slot 0 to 999 whose record is
    // bound to that address and either has that index or was given to the
    // device because of an ID conflict (idIsErr). -1 when there is none.
    static int boundSlot(const WeightingData &page20, const QString &address, int cellIndex);

    // Keeps `record` as the pending record of cell `index` 0 to 999, its
    // cellIndex set to `index`.
    void store(const bleCellState &record, int index);

    // Moves the pending records, in index order, into page 20 (asked for by
    // `page20`, which creates it when missing, only when there is a record to
    // take in) and clears them. A cell index of 1000 or more ends the intake;
    // index 0 is skipped.
    void takeIn(const std::function<WeightingData *()> &page20);

private:
    std::vector<bleCellState> m_pending;
    std::vector<bleCellState> m_work;
};

#endif
