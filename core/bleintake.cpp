#include "core/bleintake.h"

#include "core/weightingcelldata.h"
#include "core/weightingdata.h"

BleIntake::BleIntake() : m_pending(SlotCount), m_work(SlotCount)
{
}

int BleIntake::boundSlot(const WeightingData &page20, const QString &address, int cellIndex)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        const WeightingCellData *record = page20.cell(slot);
        // The cheap tests first: every wireless record arrives here, and most
        // slots belong to other cells.
        if (!record || (record->index() != cellIndex && !record->idIsErr()))
            continue;
        if (record->bleAddress() == address)
            return slot;
    }
    return -1;
}

void BleIntake::store(const bleCellState &record, int index)
{
    if (index < 0 || index >= SlotCount)
        return;
    bleCellState &pending = m_pending[index];
    pending = record;
    pending.cellIndex = quint16(index);
}

void BleIntake::takeIn(const std::function<WeightingData *()> &page20)
{
    m_work.swap(m_pending);
    std::fill(m_pending.begin(), m_pending.end(), bleCellState());
    WeightingData *page = nullptr;
    for (const bleCellState &record : m_work) {
        if (record.cellIndex >= SlotCount)
            break;
        if (record.cellIndex == 0)
            continue;
        if (!page)
            page = page20();
        page->updateCellData(record.cellIndex, record.curData, record.online, record.errorNb,
                             record.boxType, QString::number(record.battery), cellAddress(record),
                             cellRssi(record));
    }
}
