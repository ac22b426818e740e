#include "core/weightingpages.h"

#include "core/bleintake.h"
#include "core/weightingcelldata.h"

#include <QDebug>

#include <utility>

WeightingPages::WeightingPages(CellCreated cellCreated)
    : m_cellCreated(std::move(cellCreated))
{
}

WeightingPages::~WeightingPages() = default;

bool WeightingPages::validPage(int pageId)
{
    return pageId >= 0 && pageId < PageCount;
}

bool WeightingPages::validCellIndex(int index)
{
    return index >= 0 && index <= LastCellIndex;
}

bool WeightingPages::validRecordIndex(int index)
{
    return index >= 0 && index <= LastRecordIndex;
}

bool WeightingPages::validGroup(int groupId)
{
    return groupId >= 0 && groupId <= LastGroup;
}

WeightingData *WeightingPages::page(int pageId) const
{
    return validPage(pageId) ? m_pages[pageId].get() : nullptr;
}

WeightingData *WeightingPages::ensurePage(int pageId)
{
    if (!validPage(pageId))
        return nullptr;
    if (!m_pages[pageId])
        m_pages[pageId] = std::make_unique<WeightingData>();
    return m_pages[pageId].get();
}

void WeightingPages::deleteAll()
{
    for (std::unique_ptr<WeightingData> &table : m_pages)
        table.reset();
}

WeightingCellData *WeightingPages::record(int pageId, int index) const
{
    const WeightingData *table = pageOfRecord(pageId, index);
    return table ? table->cell(index) : nullptr;
}

WeightingData *WeightingPages::pageOfRecord(int pageId, int index) const
{
    return validRecordIndex(index) ? page(pageId) : nullptr;
}

void WeightingPages::setPreData(int minErr, int maxErr, int minWarn, int maxWarn)
{
    m_preMinErrData = minErr;
    m_preMaxErrData = maxErr;
    m_preMinWarnData = minWarn;
    m_preMaxWarnData = maxWarn;
}

bool WeightingPages::createCell(int pageId, int index)
{
    if (!validCellIndex(index))
        return false;
    WeightingData *table = ensurePage(pageId);
    if (!table || table->cell(index))
        return false;
    table->createCell(pageId, index);
    table->setCellConfig(index, m_preMinWarnData, m_preMaxWarnData, m_preMinErrData, m_preMaxErrData);
    m_cellCreated(pageId, index);
    return true;
}

bool WeightingPages::createBleCell(const QString &addr, int index)
{
    if (!createCell(WirelessPage, index))
        return false;
    const QString address = QStringLiteral("00:80:E1:26:") + addr;
    m_pages[WirelessPage]->cell(index)->setBleAddress(address);
    qDebug() << "addr:" << address;
    return true;
}

bool WeightingPages::deleteCell(int pageId, int index)
{
    WeightingData *table = pageOfRecord(pageId, index);
    if (!table)
        return false;
    table->deleteCell(index);
    qDebug() << pageId << index;
    return true;
}

bool WeightingPages::removeGroup(int pageId, int index)
{
    const int g = index - WeightingData::GroupSlotBase;
    WeightingData *page1 = m_pages[GroupPage].get();
    if (!validPage(pageId) || !validGroup(g) || !page1)
        return false;
    for (int p = GroupPage; p < PageCount; ++p) {
        if (m_pages[p])
            m_pages[p]->clearGroup(g);
    }
    page1->deleteGroup(g);
    return true;
}

void WeightingPages::setGroup(int pageId, int index, int groupId)
{
    if (!validCellIndex(index) || !validGroup(groupId))
        return;
    WeightingData *table = page(pageId);
    if (!table)
        return;
    table->setGroup(index, groupId);
    WeightingData *page1 = m_pages[GroupPage].get();
    if (page1 && groupId != 0 && !page1->group(groupId))
        page1->createGroup(groupId);
}

void WeightingPages::resetMaxMinData()
{
    for (std::unique_ptr<WeightingData> &table : m_pages) {
        if (table)
            table->resetMaxMinData();
    }
}

bool WeightingPages::bindWirelessDevice(const QString &address, int index)
{
    WeightingData *page20 = ensurePage(WirelessPage);
    bool conflict = false;
    for (int slot = 0; slot < BleIntake::SlotCount; ++slot) {
        const WeightingCellData *cell = page20->cell(slot);
        if (!cell || (cell->index() != index && !cell->idIsErr()))
            continue;
        if (cell->bleAddress() == address)
            return true;
        if (cell->index() == index)
            conflict = true;
    }
    if (index < 1 || index > LastUserId)
        return false;
    if (!conflict) {
        createCell(WirelessPage, index);
        page20->cell(index)->setBleAddress(address);
        return true;
    }
    int free = 0;
    for (int slot = LastUserId; slot >= 1; --slot) {
        if (!page20->cell(slot)) {
            free = slot;
            break;
        }
    }
    createCell(WirelessPage, free);
    WeightingCellData *cell = page20->cell(free);
    cell->setBleAddress(address);
    cell->setIdIsErr(true);
    return true;
}
