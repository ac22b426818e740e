#include "core/weightingcontrol.h"

#include "app/languageflag.h"
#include "core/groupindextext.h"
#include "core/hubconnectmask.h"
#include "core/thresholddocument.h"
#include "core/weightarithmetic.h"

#include <QCoreApplication>
#include <QDebug>

#include <cmath>

namespace {

constexpr int LastCellIndex = 1000;
constexpr int LastRecordIndex = 1020;
constexpr int LastGroup = 19;
// Wireless user IDs run from 1 to 999.
constexpr int LastUserId = 999;

bool validPage(int pageId)
{
    return pageId >= 0 && pageId < WeightingConTrol::PageCount;
}

bool validCellIndex(int index)
{
    return index >= 0 && index <= LastCellIndex;
}

bool validRecordIndex(int index)
{
    return index >= 0 && index <= LastRecordIndex;
}

bool validGroup(int groupId)
{
    return groupId >= 0 && groupId <= LastGroup;
}

bool sameFactor(double a, double b)
{
    return a == b || qFuzzyCompare(a, b);
}

} // namespace

WeightingConTrol::WeightingConTrol(ProjectControl *owner)
    : QObject(nullptr), m_owner(owner), m_watched(PageCount)
{
    // The links live as long as the controller and keep a pointer to it.
    m_ownHubLink = std::make_unique<UDP_Comm>(this);
    m_Comm = m_ownHubLink.get();
    m_ownBleLink = std::make_unique<Device>();
    m_bleComm = m_ownBleLink.get();
    m_ownSerialLink = std::make_unique<serialdevice>(this);
    m_serialDevice = m_ownSerialLink.get();
    if (DataSaveControl *recorder = m_Comm->dataSave())
        connect(recorder, &DataSaveControl::saveLogShoeSignel, this, &WeightingConTrol::cellLogShowSlot);
    m_ownReplay = std::make_unique<DataSourceLocal>();
    m_dataSourceLocal = m_ownReplay.get();
    resetDisConnecttimes();
    resetUdpConnect();
    resetConFactor();
}

WeightingConTrol::~WeightingConTrol()
{
    // The replay worker stops first so no frame arrives at a half-destroyed
    // controller; the records go before the links that feed them.
    m_ownReplay.reset();
    for (std::unique_ptr<WeightingData> &page : m_pages)
        page.reset();
}

WeightingData *WeightingConTrol::page(int pageId) const
{
    return validPage(pageId) ? m_pages[pageId].get() : nullptr;
}

WeightingData *WeightingConTrol::ensurePage(int pageId)
{
    if (!validPage(pageId))
        return nullptr;
    if (!m_pages[pageId])
        m_pages[pageId] = std::make_unique<WeightingData>();
    return m_pages[pageId].get();
}

void WeightingConTrol::deleteAllPages()
{
    for (std::unique_ptr<WeightingData> &page : m_pages)
        page.reset();
    emit pagesDeleted();
}

WeightingCellData *WeightingConTrol::record(int pageId, int index) const
{
    if (!validRecordIndex(index))
        return nullptr;
    const WeightingData *table = page(pageId);
    return table ? table->cell(index) : nullptr;
}

// --- properties ---------------------------------------------------------------

void WeightingConTrol::setPreMaxWarnData(int value)
{
    m_preMaxWarnData = value;
}

void WeightingConTrol::setPreMinErrData(int value)
{
    m_preMinErrData = value;
}

void WeightingConTrol::setPreData(ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn)
{
    m_preMinErrData = minErr;
    m_preMaxErrData = maxErr;
    m_preMinWarnData = minWarn;
    m_preMaxWarnData = maxWarn;
}

void WeightingConTrol::setComm(UDP_Comm *comm)
{
    if (comm == m_Comm)
        return;
    m_Comm = comm;
    emit CommChanged();
}

void WeightingConTrol::resetComm()
{
    setComm(nullptr);
}

void WeightingConTrol::setDataSourceLocal(DataSourceLocal *source)
{
    if (source == m_dataSourceLocal)
        return;
    m_dataSourceLocal = source;
    emit dataSourceLocalChanged();
}

void WeightingConTrol::resetDataSourceLocal()
{
    setDataSourceLocal(nullptr);
}

void WeightingConTrol::setBleComm(Device *device)
{
    if (device == m_bleComm)
        return;
    m_bleComm = device;
    emit bleCommChanged();
}

void WeightingConTrol::resetBleComm()
{
    setBleComm(nullptr);
}

void WeightingConTrol::setSerialDevice(serialdevice *device)
{
    if (device == m_serialDevice)
        return;
    m_serialDevice = device;
    emit serialDeviceChanged();
}

void WeightingConTrol::resetSerialDevice()
{
    setSerialDevice(nullptr);
}

void WeightingConTrol::setTrace(bool trace)
{
    if (trace == m_trace)
        return;
    m_trace = trace;
    emit traceChanged();
}

void WeightingConTrol::resetTrace()
{
    setTrace(false);
}

void WeightingConTrol::setDisConnecttimes(uint32_t times)
{
    if (times == m_disConnecttimes)
        return;
    m_disConnecttimes = times;
    emit disConnecttimesChanged();
}

void WeightingConTrol::resetDisConnecttimes()
{
    setDisConnecttimes(DisconnectedTimes);
}

bool WeightingConTrol::udpConnect() const
{
    return m_udpConnecti < HubSlotCount && m_udpConnectFlags[m_udpConnecti];
}

void WeightingConTrol::setUdpConnect(bool connected)
{
    if (m_udpConnecti >= HubSlotCount)
        return;
    bool &flag = m_udpConnectFlags[m_udpConnecti];
    if (flag == connected)
        return;
    flag = connected;
    setUdpConnectl(HubConnectMask::updated(m_udpConnectl, connected, m_udpConnectID));
    emit udpConnectChanged();
}

void WeightingConTrol::resetUdpConnect()
{
    setUdpConnect(false);
    setUdpConnectl(0);
}

void WeightingConTrol::setConFactor(double factor)
{
    // A factor that is not a number would turn every published value into
    // nonsense; it is refused.
    if (!std::isfinite(factor) || sameFactor(factor, m_conFactor))
        return;
    m_conFactor = factor;
    emit conFactorChanged();
}

void WeightingConTrol::resetConFactor()
{
    setConFactor(1.0);
}

void WeightingConTrol::setCH(bool chinese)
{
    if (chinese == m_CH)
        return;
    m_CH = chinese;
    emit CHChanged();
}

void WeightingConTrol::resetCH()
{
    setCH(false);
}

void WeightingConTrol::setUdpConnectl(int mask)
{
    if (mask == m_udpConnectl)
        return;
    m_udpConnectl = mask;
    emit udpConnectlChanged();
}

void WeightingConTrol::resetUdpConnectl()
{
    setUdpConnectl(0);
}

void WeightingConTrol::setUdpConnectID(uint8_t id)
{
    if (id == m_udpConnectID)
        return;
    m_udpConnectID = id;
    emit udpConnectIDChanged();
}

void WeightingConTrol::resetUdpConnectID()
{
    setUdpConnectID(0);
}

void WeightingConTrol::setUdpConnecti(uint8_t slot)
{
    if (slot == m_udpConnecti)
        return;
    m_udpConnecti = slot;
    emit udpConnectiChanged();
}

void WeightingConTrol::resetUdpConnecti()
{
    setUdpConnecti(0);
}

// --- cells and groups -----------------------------------------------------------

bool WeightingConTrol::createCellWithPresets(int pageId, int index)
{
    WeightingData *table = ensurePage(pageId);
    if (!table || table->cell(index))
        return false;
    table->createCell(pageId, index);
    table->setCellConfig(index, m_preMinWarnData, m_preMaxWarnData, m_preMinErrData, m_preMaxErrData);
    emitCreationMessage(pageId, index);
    return true;
}

void WeightingConTrol::emitCreationMessage(int pageId, int index)
{
    const QString text = m_CH ? tr("创建设备ID:") : tr("Create device ID:");
    emit qmlLogShowSignal(QStringLiteral("INF"),
                          text + QString::number(pageId) + QLatin1Char('.') + QString::number(index));
}

void WeightingConTrol::createCell(int pageId, int index)
{
    if (!validPage(pageId) || !validCellIndex(index))
        return;
    createCellWithPresets(pageId, index);
}

void WeightingConTrol::createBleCell(const QString &addr, int index)
{
    // An occupied slot is left alone, address included, as for any cell;
    // setAddBleAddress rebinds an existing one.
    if (!validCellIndex(index) || !createCellWithPresets(WirelessPage, index))
        return;
    const QString address = QStringLiteral("00:80:E1:26:") + addr;
    m_pages[WirelessPage]->cell(index)->setBleAddress(address);
    qDebug() << "addr:" << address;
}

void WeightingConTrol::deleteCell(int pageId, int index)
{
    if (!validRecordIndex(index))
        return;
    WeightingData *table = page(pageId);
    if (!table)
        return;
    table->deleteCell(index);
    qDebug() << pageId << index;
    emit deleteCellSignal(pageId, index);
}

void WeightingConTrol::removeGroup(int pageId, int index)
{
    const int g = index - GroupSlotBase;
    WeightingData *page1 = m_pages[GroupPage].get();
    if (!validPage(pageId) || !validGroup(g) || !page1)
        return;
    for (int p = GroupPage; p < PageCount; ++p) {
        if (m_pages[p])
            m_pages[p]->clearGroup(g);
    }
    page1->deleteGroup(g);
    emit removeGroupSignal(pageId, index);
}

void WeightingConTrol::qmlSetGroup(int pageId, int index, int groupId)
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

void WeightingConTrol::setGroupIndex(int pageId, int groupId, const QString &groupIndex)
{
    QString text;
    if (!validPage(pageId) || !validGroup(groupId) || !GroupIndexText::normalize(groupIndex, text))
        return;
    qDebug() << text;
    emit readGroup(pageId, groupId, text);
}

void WeightingConTrol::setName(int pageId, int index, const QString &name)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setName(index, name);
}

void WeightingConTrol::setMinWarnData(int pageId, int index, double value)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setMinWarnData(index, value);
}

void WeightingConTrol::setMaxWarnData(int pageId, int index, double value)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setMaxWarnData(index, value);
}

void WeightingConTrol::setMinErrData(int pageId, int index, double value)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setMinErrData(index, value);
}

void WeightingConTrol::setMaxErrData(int pageId, int index, double value)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setMaxErrData(index, value);
}

void WeightingConTrol::setCellConfig(int pageId, int index, int minWarnData, int maxWarnData,
                                     int minErrData, int maxErrData)
{
    if (WeightingData *table = validRecordIndex(index) ? page(pageId) : nullptr)
        table->setCellConfig(index, minWarnData, maxWarnData, minErrData, maxErrData);
}

void WeightingConTrol::setConfigSave(int pageId)
{
    Q_UNUSED(pageId)
}

void WeightingConTrol::setPeelData(int pageId, int index, double peelData)
{
    // The user interface gives the tare in display units.
    if (WeightingCellData *cell = record(pageId, index))
        cell->setPeel(peelData / m_conFactor);
}

void WeightingConTrol::traceEnable(int pageId, int index)
{
    WeightingCellData *cell = record(pageId, index);
    if (!cell)
        return;
    cell->setPeelEnable(false);
    // The reading is in raw units already, like the tare: whatever the
    // display factor, the next net value is 0.
    cell->setPeel(std::trunc(cell->getCurData()));
    cell->setPeelEnable(true);
}

void WeightingConTrol::traceDisable(int pageId, int index)
{
    if (WeightingCellData *cell = record(pageId, index))
        cell->setPeelEnable(false);
}

void WeightingConTrol::setAddBleAddress(int pageId, int index, const QString &address)
{
    if (WeightingCellData *cell = record(pageId, index))
        cell->setBleAddress(address);
}

QString WeightingConTrol::getAddBleAddress(int pageId, int index) const
{
    const WeightingCellData *cell = record(pageId, index);
    return cell ? cell->bleAddress() : QString();
}

void WeightingConTrol::resetMaxMinData(int pageId)
{
    Q_UNUSED(pageId)
    for (std::unique_ptr<WeightingData> &table : m_pages) {
        if (table)
            table->resetMaxMinData();
    }
}

void WeightingConTrol::qmlSetSavePath(const QString &str)
{
    m_savePath = str;
}

void WeightingConTrol::changeLanguage(bool CH)
{
    qDebug() << "language" << CH << "./";
    QCoreApplication::removeTranslator(&m_translator);
    const bool loaded = m_translator.load(CH ? QStringLiteral(":/lang_zh_CN.qm")
                                             : QStringLiteral(":/lang_English.qm"));
    qDebug() << "language" << (CH ? 1 : 2) << loaded;
    QCoreApplication::installTranslator(&m_translator);
}

// --- the refresh ------------------------------------------------------------------

void WeightingConTrol::qmlRequestReflsh()
{
    if (takeInHubData())
        takeInBluetoothData();
    updateTotal();
    updateGroups();
    if (!m_pages[GroupPage])
        return;
    for (int p = GroupPage; p < PageCount; ++p) {
        if (m_pages[p])
            publishPage(p);
    }
}

bool WeightingConTrol::takeInHubData()
{
    for (int p = 0; p < HubIntake::HubPageCount; ++p) {
        if (m_pages[p] && !m_hubIntake.takeIn(p, *m_pages[p]))
            return false;
    }
    return true;
}

void WeightingConTrol::takeInBluetoothData()
{
    if (!m_bleComm || !m_bleComm->property("devicesList").canConvert<QObjectList>())
        return;
    // The poll re-delivers every known cell through bleReadData.
    m_bleComm->updataAddressData();
    m_bleIntake.takeIn([this] { return ensurePage(WirelessPage); });
}

void WeightingConTrol::updateTotal()
{
    WeightingData *page1 = m_pages[GroupPage].get();
    if (!page1)
        return;
    int sum = 0;
    bool online = false;
    for (int p = GroupPage; p < PageCount; ++p) {
        const WeightingData *table = m_pages[p].get();
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

void WeightingConTrol::updateGroups()
{
    std::array<int, GroupCount> sums{};
    std::array<bool, GroupCount> members{};
    std::array<bool, GroupCount> online{};
    // The members are read (and so counted towards their silence limit) even
    // without page 1, as a refresh always does.
    for (int p = GroupPage; p < PageCount; ++p) {
        const WeightingData *table = m_pages[p].get();
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
            if (!validGroup(g))
                continue;
            sums[g] = WeightArithmetic::addTruncated(sums[g], net);
            members[g] = true;
            if (cell->state() == 1)
                online[g] = true;
        }
    }
    WeightingData *page1 = m_pages[GroupPage].get();
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

void WeightingConTrol::publishPage(int pageId)
{
    setDisConnecttimes(m_disConnecttimes + 1);
    const WeightingData *table = m_pages[pageId].get();
    const WeightingData *page1 = m_pages[GroupPage].get();
    for (int slot = 0; slot < CellSlotCount; ++slot) {
        WeightingCellData *cell = table->cell(slot);
        if (!cell)
            continue;
        QString name = cell->name();
        if (const int g = cell->groupId()) {
            if (const WeightingCellData *group = page1->group(g))
                name += QLatin1Char('(') + group->name() + QLatin1Char(')');
        }
        publishRecord(pageId, slot, cell, name, false);
    }
    for (int g = 0; g < GroupCount; ++g) {
        if (WeightingCellData *group = table->group(g))
            publishRecord(pageId, GroupSlotBase + g, group, group->name(), true);
    }
}

void WeightingConTrol::watchRecord(int pageId, int slot, WeightingCellData *record)
{
    QPointer<WeightingCellData> &watched = m_watched[pageId][slot];
    if (watched == record)
        return;
    connect(record, &WeightingCellData::cellLogShowSignal, this, &WeightingConTrol::cellLogShowSlot,
            Qt::UniqueConnection);
    connect(record, &WeightingCellData::playAlarmMusicSignal, this,
            &WeightingConTrol::playAlarmMusicSlot, Qt::UniqueConnection);
    watched = record;
}

void WeightingConTrol::publishRecord(int pageId, int slot, WeightingCellData *record,
                                     const QString &name, bool group)
{
    watchRecord(pageId, slot, record);
    const double f = m_conFactor;
    const int net = WeightArithmetic::scaled(record->getCurData(), f);
    const int maxData = WeightArithmetic::scaled(record->maxData(), f);
    const int minData = WeightArithmetic::scaled(record->minData(), f);
    const int maxWarn = WeightArithmetic::scaled(record->maxWarnData(), f);
    const int minWarn = WeightArithmetic::scaled(record->minWarnData(), f);
    const int maxErr = WeightArithmetic::scaled(record->maxErrData(), f);
    const int minErr = WeightArithmetic::scaled(record->minErrData(), f);
    if (group) {
        emit readGroupCellDataSignal(pageId, record->index(), record->groupId(), record->typeFlag(), name,
                                     net, maxData, minData, maxWarn, minWarn, maxErr, minErr,
                                     record->state(), record->errorNb(), record->boxType(), record);
    } else {
        emit readCellDataSignal(pageId, slot, record->groupId(), record->typeFlag(), name, net, maxData,
                                minData, maxWarn, minWarn, maxErr, minErr, record->state(),
                                record->errorNb(), record->boxType(), record);
    }
}

// --- intake -------------------------------------------------------------------------

void WeightingConTrol::udpReadData(uint8_t *arr, int len)
{
    if (m_hubIntake.store(arr, len) < 0)
        return;
    setDisConnecttimes(0);
}

void WeightingConTrol::bleReadData(bleCellState str, QString address)
{
    WeightingData *page20 = m_pages[WirelessPage].get();
    if (!page20)
        return;
    const int slot = BleIntake::boundSlot(*page20, address, str.cellIndex);
    if (slot < 0)
        return;
    WeightingCellData *cell = page20->cell(slot);
    cell->setErrId(str.cellIndex);
    m_bleIntake.store(str, cell->index());
}

void WeightingConTrol::bleAddOnlineDevice(QString address, int index)
{
    WeightingData *page20 = ensurePage(WirelessPage);
    bool conflict = false;
    for (int slot = 0; slot < BleIntake::SlotCount; ++slot) {
        const WeightingCellData *cell = page20->cell(slot);
        if (!cell || (cell->index() != index && !cell->idIsErr()))
            continue;
        const bool sameDevice = cell->bleAddress() == address;
        if (sameDevice)
            return;
        if (cell->index() == index)
            conflict = true;
    }
    if (index < 1 || index > LastUserId) {
        const QString text = m_CH
            ? tr("蓝牙设备MAC地址为:") + address + tr("的用户ID不合理,需小于1000大于0")
            : QStringLiteral("The MAC address of the Bluetooth device: ") + address
                + QStringLiteral(" has an unreasonable user ID, which needs to be less than 1000 and greater than 0.");
        emit qmlLogShowSignal(QStringLiteral("INF"), text);
        return;
    }
    if (!conflict) {
        createCellWithPresets(WirelessPage, index);
        page20->cell(index)->setBleAddress(address);
        return;
    }
    // The device claims an ID another device holds: it gets the highest free
    // slot, marked so that its records are matched by address alone.
    int free = 0;
    for (int slot = LastUserId; slot >= 1; --slot) {
        if (!page20->cell(slot)) {
            free = slot;
            break;
        }
    }
    createCellWithPresets(WirelessPage, free);
    WeightingCellData *cell = page20->cell(free);
    cell->setBleAddress(address);
    cell->setIdIsErr(true);
}

void WeightingConTrol::scanOnlineDevice()
{
    if (m_bleComm) {
        m_bleComm->startDeviceDiscovery();
        m_bleComm->updataAddressData();
    }
    // Hubs list their cells in index order from 1, so position k is cell k + 1.
    for (int p = 0; p < HubIntake::HubPageCount; ++p) {
        const HubDatagram::Records &pending = m_hubIntake.pending(p);
        for (int position = 0; position < HubIntake::Positions; ++position) {
            if (pending[position].state & 1)
                createCellWithPresets(p, position + 1);
        }
    }
}

void WeightingConTrol::udpConnectFlagChangedSlot(bool con, uint8_t i, uint8_t id)
{
    setUdpConnecti(i);
    setUdpConnectID(id);
    setUdpConnect(con);
    const bool chinese = LanguageFlag::isChinese();
    const QString hub = QString::number(id);
    if (con) {
        emit cellLogShowSignal(QStringLiteral("INF"),
                               chinese ? QStringLiteral("主控") + hub + QStringLiteral("连接正常")
                                       : QStringLiteral("Master control ") + hub + QStringLiteral(" connection normal"));
    } else {
        emit cellLogShowSignal(QStringLiteral("ERR"),
                               chinese ? QStringLiteral("主控") + hub + QStringLiteral("连接断开")
                                       : QStringLiteral("Master control ") + hub + QStringLiteral(" connection disconnected"));
    }
}

void WeightingConTrol::cellLogShowSlot(QString st, QString str)
{
    emit cellLogShowSignal(st, str);
}

void WeightingConTrol::playAlarmMusicSlot(int sound)
{
    emit playAlarmMusicSignal(sound);
}

// --- links and commands --------------------------------------------------------------

void WeightingConTrol::setDataSource(const QString &path, int index, int time)
{
    // The datagram pointers are valid only during the emission, so both
    // frame signals are delivered directly; no connection is ever doubled.
    const auto unique = Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection);
    if (index == 0) {
        if (m_Comm)
            m_Comm->initEth();
        if (m_dataSourceLocal)
            disconnect(m_dataSourceLocal, &DataSourceLocal::dataLocalReadSignal, this, &WeightingConTrol::udpReadData);
        if (m_Comm) {
            connect(m_Comm, &UDP_Comm::readDataSignal, this, &WeightingConTrol::udpReadData, unique);
            connect(m_Comm, &UDP_Comm::udpConnectFlagChanged, this,
                    &WeightingConTrol::udpConnectFlagChangedSlot, Qt::UniqueConnection);
        }
        if (m_bleComm) {
            connect(m_bleComm, &Device::deviceDataUpdated, this, &WeightingConTrol::bleReadData, Qt::UniqueConnection);
            connect(m_bleComm, &Device::bleAddOnlineDevice, this, &WeightingConTrol::bleAddOnlineDevice,
                    Qt::UniqueConnection);
        }
        if (m_serialDevice) {
            connect(m_serialDevice, &serialdevice::deviceDataUpdated, this, &WeightingConTrol::bleReadData,
                    Qt::UniqueConnection);
            connect(m_serialDevice, &serialdevice::bleAddOnlineDevice, this,
                    &WeightingConTrol::bleAddOnlineDevice, Qt::UniqueConnection);
        }
        if (m_dataSourceLocal)
            m_dataSourceLocal->stopReplay();
    } else if (index == 1) {
        if (m_Comm)
            disconnect(m_Comm, &UDP_Comm::readDataSignal, this, &WeightingConTrol::udpReadData);
        if (m_dataSourceLocal) {
            connect(m_dataSourceLocal, &DataSourceLocal::dataLocalReadSignal, this,
                    &WeightingConTrol::udpReadData, unique);
            m_dataSourceLocal->startReplay(path, time);
        }
    }
}

void WeightingConTrol::sendData(const QString &str)
{
    if (m_Comm)
        m_Comm->udpSendData(str);
}

void WeightingConTrol::sendSetPara()
{
    if (!m_Comm)
        return;
    for (int p = 0; p < PageCount; ++p) {
        if (m_pages[p])
            m_Comm->udpSendSetPara(uint8_t(p), ThresholdDocument::build(p, *m_pages[p]));
    }
}
