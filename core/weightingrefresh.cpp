#include "core/weightingrefresh.h"

#include "core/weightarithmetic.h"
#include "core/weightingcelldata.h"
#include "core/weightingpages.h"
#include "links/device.h"

#include <QVariant>

namespace {

constexpr int GroupPage = PageSource::GroupPage;
constexpr int PageCount = PageSource::PageCount;
constexpr int CellSlotCount = WeightingData::CellSlotCount;
constexpr int GroupCount = WeightingData::GroupCount;

} // namespace

WeightingRefresh::WeightingRefresh(WeightingPages &pages, QObject *parent)
    : QObject(parent), m_pages(pages), m_watched(PageCount)
{
}

void WeightingRefresh::storeHubDatagram(const uint8_t *bytes, int len)
{
    if (m_hubIntake.store(bytes, len) < 0)
        return;
    setDisConnecttimes(0);
}

void WeightingRefresh::storeWirelessRecord(const bleCellState &record, const QString &address)
{
    WeightingData *page20 = m_pages.page(PageSource::WirelessPage);
    if (!page20)
        return;
    const int slot = BleIntake::boundSlot(*page20, address, record.cellIndex);
    if (slot < 0)
        return;
    WeightingCellData *cell = page20->cell(slot);
    cell->setErrId(record.cellIndex);
    m_bleIntake.store(record, cell->index());
}

void WeightingRefresh::createPendingHubCells()
{
    for (int p = 0; p < HubIntake::HubPageCount; ++p) {
        const HubDatagram::Records &pending = m_hubIntake.pending(p);
        for (int position = 0; position < HubIntake::Positions; ++position) {
            if (pending[position].state & 1)
                m_pages.createCell(p, position + 1);
        }
    }
}

void WeightingRefresh::setDisConnecttimes(uint32_t times)
{
    if (times == m_disConnecttimes)
        return;
    m_disConnecttimes = times;
    emit disConnecttimesChanged();
}

void WeightingRefresh::refresh(Device *ble, double factor)
{
    if (takeInHubData())
        takeInBluetoothData(ble);
    updateTotal();
    updateGroups();
    if (!m_pages.page(GroupPage))
        return;
    for (int p = GroupPage; p < PageCount; ++p) {
        if (m_pages.page(p))
            publishPage(p, factor);
    }
}

bool WeightingRefresh::takeInHubData()
{
    for (int p = 0; p < HubIntake::HubPageCount; ++p) {
        WeightingData *table = m_pages.page(p);
        if (table && !m_hubIntake.takeIn(p, *table))
            return false;
    }
    return true;
}

void WeightingRefresh::takeInBluetoothData(Device *ble)
{
    if (!ble || !ble->property("devicesList").canConvert<QObjectList>())
        return;
    // The poll re-delivers every known cell through the controller's bleReadData.
    ble->updataAddressData();
    m_bleIntake.takeIn([this] { return m_pages.ensurePage(PageSource::WirelessPage); });
}

void WeightingRefresh::updateTotal()
{
    WeightingData *page1 = m_pages.page(GroupPage);
    if (!page1)
        return;
    int sum = 0;
    bool online = false;
    for (int p = GroupPage; p < PageCount; ++p) {
        const WeightingData *table = m_pages.page(p);
        if (!table)
            continue;
        for (int slot = 1; slot < CellSlotCount; ++slot) {
            WeightingCellData *cell = table->cell(slot);
            if (!cell)
                continue;
            sum = WeightArithmetic::addTruncated(sum, cell->getCurData());
            online = online || cell->state() == 1;
        }
    }
    if (WeightingCellData *total = page1->cell(0)) {
        total->setCurData(sum);
        total->setState(online ? 1 : 0);
        total->setMinMaxStarted(1);
    }
}

void WeightingRefresh::updateGroups()
{
    std::array<int, GroupCount> sums{};
    std::array<bool, GroupCount> members{};
    std::array<bool, GroupCount> online{};
    // The members are read (and so counted towards their silence limit) even
    // without page 1, as a refresh always does.
    for (int p = GroupPage; p < PageCount; ++p) {
        const WeightingData *table = m_pages.page(p);
        if (!table)
            continue;
        for (int slot = 0; slot < CellSlotCount; ++slot) {
            WeightingCellData *cell = table->cell(slot);
            if (!cell)
                continue;
            const double net = cell->getCurData();
            const int g = cell->groupId();
            // A group number from outside 0 to 19 (a hand-edited project
            // file) belongs to no group.
            if (!WeightingPages::validGroup(g))
                continue;
            sums[g] = WeightArithmetic::addTruncated(sums[g], net);
            members[g] = true;
            if (cell->state() == 1)
                online[g] = true;
        }
    }
    WeightingData *page1 = m_pages.page(GroupPage);
    if (!page1)
        return;
    for (int g = 1; g < GroupCount; ++g) {
        WeightingCellData *group = page1->group(g);
        if (!group && members[g])
            group = page1->createGroup(g);
        if (!group)
            continue;
        group->setCurData(sums[g]);
        group->setState(online[g] ? 1 : 0);
        group->setMinMaxStarted(1);
    }
}

void WeightingRefresh::publishPage(int pageId, double factor)
{
    setDisConnecttimes(m_disConnecttimes + 1);
    const WeightingData *table = m_pages.page(pageId);
    const WeightingData *page1 = m_pages.page(GroupPage);
    for (int slot = 0; slot < CellSlotCount; ++slot) {
        WeightingCellData *cell = table->cell(slot);
        if (!cell)
            continue;
        QString name = cell->name();
        if (const int g = cell->groupId()) {
            if (const WeightingCellData *group = page1->group(g))
                name += QLatin1Char('(') + group->name() + QLatin1Char(')');
        }
        publishRecord(pageId, slot, cell, name, false, factor);
    }
    for (int g = 0; g < GroupCount; ++g) {
        if (WeightingCellData *group = table->group(g))
            publishRecord(pageId, WeightingData::GroupSlotBase + g, group, group->name(), true, factor);
    }
}

void WeightingRefresh::watchRecord(int pageId, int slot, WeightingCellData *record)
{
    QPointer<WeightingCellData> &watched = m_watched[pageId][slot];
    if (watched == record)
        return;
    connect(record, &WeightingCellData::cellLogShowSignal, this, &WeightingRefresh::recordLogLine,
            Qt::UniqueConnection);
    connect(record, &WeightingCellData::playAlarmMusicSignal, this, &WeightingRefresh::recordAlarm,
            Qt::UniqueConnection);
    watched = record;
}

void WeightingRefresh::publishRecord(int pageId, int slot, WeightingCellData *record, const QString &name,
                                     bool group, double factor)
{
    watchRecord(pageId, slot, record);
    const int net = WeightArithmetic::scaled(record->getCurData(), factor);
    const int maxData = WeightArithmetic::scaled(record->maxData(), factor);
    const int minData = WeightArithmetic::scaled(record->minData(), factor);
    const int maxWarn = WeightArithmetic::scaled(record->maxWarnData(), factor);
    const int minWarn = WeightArithmetic::scaled(record->minWarnData(), factor);
    const int maxErr = WeightArithmetic::scaled(record->maxErrData(), factor);
    const int minErr = WeightArithmetic::scaled(record->minErrData(), factor);
    if (group) {
        emit groupPublished(pageId, record->index(), record->groupId(), record->typeFlag(), name, net, maxData,
                            minData, maxWarn, minWarn, maxErr, minErr, record->state(), record->errorNb(),
                            record->boxType(), record);
    } else {
        emit cellPublished(pageId, slot, record->groupId(), record->typeFlag(), name, net, maxData, minData,
                           maxWarn, minWarn, maxErr, minErr, record->state(), record->errorNb(),
                           record->boxType(), record);
    }
}
