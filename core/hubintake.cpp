#include "core/hubintake.h"

#include "core/weightingdata.h"

HubIntake::HubIntake()
    : m_pending(HubDatagram::PageCount), m_work(), m_noText(QStringLiteral("-"))
{
}

int HubIntake::store(const uint8_t *bytes, int len)
{
    const int page = HubDatagram::page(bytes, len);
    if (page >= 0)
        HubDatagram::readRecords(bytes, len, m_pending[page]);
    return page;
}

const HubDatagram::Records &HubIntake::pending(int page) const
{
    return m_pending.at(page);
}

bool HubIntake::takeIn(int page, WeightingData &table)
{
    HubDatagram::Records &pending = m_pending.at(page);
    m_work = pending;
    pending.fill(HubCellRecord());
    for (int position = 0; position < Positions; ++position) {
        const HubCellRecord &record = m_work[position];
        if (record.cellIndex >= StopIndex)
            return false;
        if (record.cellIndex == 0)
            continue;
        // Hub cells carry no battery or signal texts.
        table.updateCellData(record.cellIndex, record.weight, record.state, record.errorNb,
                             record.boxType, m_noText, m_noText, m_noText);
    }
    return true;
}
