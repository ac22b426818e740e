#include "core/weightingdata.h"

#include "core/weightingcelldata.h"

WeightingData::WeightingData(QObject *parent) : QObject(parent)
{
}

WeightingData::~WeightingData()
{
    for (WeightingCellData *&record : m_cells) {
        delete record;
        record = nullptr;
    }
}

WeightingCellData *WeightingData::cell(int index) const
{
    if (index < 0 || index >= SlotCount)
        return nullptr;
    return m_cells[index];
}

WeightingCellData *WeightingData::group(int g) const
{
    if (g < 0 || g >= GroupCount)
        return nullptr;
    return m_cells[GroupSlotBase + g];
}

WeightingCellData *WeightingData::createCell(int pageId, int index)
{
    if (index < 0 || index >= SlotCount)
        return nullptr;
    if (!m_cells[index]) {
        const QString name = QStringLiteral("CZ %1.%2").arg(pageId).arg(index);
        // Parented to the page so a record handed to QML is never taken over
        // by its garbage collector.
        m_cells[index] = new WeightingCellData(index, name, 0, this);
    }
    return m_cells[index];
}

WeightingCellData *WeightingData::createGroup(int g)
{
    if (g < 0 || g >= GroupCount)
        return nullptr;
    // An occupied slot keeps its record: replacing it would lose the record
    // and everything bound to it.
    WeightingCellData *&slot = m_cells[GroupSlotBase + g];
    if (!slot)
        slot = new WeightingCellData(GroupSlotBase + g, QStringLiteral("Group%1").arg(g), 1, this);
    return slot;
}

void WeightingData::deleteCell(int index)
{
    if (index < 0 || index >= SlotCount)
        return;
    delete m_cells[index];
    m_cells[index] = nullptr;
}

void WeightingData::deleteGroup(int g)
{
    if (g < 0 || g >= GroupCount)
        return;
    deleteCell(GroupSlotBase + g);
}

void WeightingData::setCellConfig(int index, int minWarn, int maxWarn, int minErr, int maxErr)
{
    WeightingCellData *record = cell(index);
    if (!record)
        return;
    record->setIndex(index);
    record->setMaxErrData(maxErr);
    record->setMaxWarnData(maxWarn);
    record->setMinWarnData(minWarn);
    record->setMinErrData(minErr);
}

void WeightingData::setMaxErrData(int index, double value)
{
    if (WeightingCellData *record = cell(index))
        record->setMaxErrData(value);
}

void WeightingData::setMaxWarnData(int index, double value)
{
    if (WeightingCellData *record = cell(index))
        record->setMaxWarnData(value);
}

void WeightingData::setMinErrData(int index, double value)
{
    if (WeightingCellData *record = cell(index))
        record->setMinErrData(value);
}

void WeightingData::setMinWarnData(int index, double value)
{
    if (WeightingCellData *record = cell(index))
        record->setMinWarnData(value);
}

void WeightingData::setName(int index, const QString &name)
{
    if (WeightingCellData *record = cell(index))
        record->setName(name);
}

void WeightingData::setGroup(int index, int groupId)
{
    if (WeightingCellData *record = cell(index))
        record->setGroupId(groupId);
}

void WeightingData::clearGroup(int g)
{
    for (int index = 0; index < CellSlotCount; ++index) {
        WeightingCellData *record = m_cells[index];
        if (record && record->groupId() == g)
            record->setGroupId(0);
    }
}

void WeightingData::resetMaxMinData()
{
    for (WeightingCellData *record : m_cells) {
        if (record)
            record->resetMaxMinData();
    }
}

void WeightingData::updateCellData(int index, int raw, quint8 state, quint8 errorNb, quint16 boxType,
                                   const QString &batter, const QString &text, const QString &rssi)
{
    Q_UNUSED(text)
    WeightingCellData *record = cell(index);
    if (!record)
        return;
    // The classification inside setCurData still sees the link state of the
    // previous update; the new one takes effect from the next reading.
    record->setCurData(raw);
    record->setState(state);
    record->setErrorNb(errorNb);
    record->setBoxType(boxType);
    record->setBatter(batter);
    if (record->minMaxStarted() == 0)
        record->setMinMaxStarted(1);
    record->setRssi(rssi);
}
