#include "core/weightingcontrol.h"

#include "core/groupindextext.h"

#include <QCoreApplication>
#include <QDebug>

#include <cmath>

namespace {

bool sameFactor(double a, double b)
{
    return a == b || qFuzzyCompare(a, b);
}

} // namespace

WeightingConTrol::WeightingConTrol(ProjectControl *owner)
    : QObject(nullptr),
      m_owner(owner),
      m_links(this),
      m_pages([this](int pageId, int index) { emitCreationMessage(pageId, index); }),
      m_refresh(m_pages)
{
    // The parts announce their changes as the controller's own.
    connect(&m_links, &DeviceLinks::hubLinkChanged, this, &WeightingConTrol::CommChanged);
    connect(&m_links, &DeviceLinks::bleLinkChanged, this, &WeightingConTrol::bleCommChanged);
    connect(&m_links, &DeviceLinks::serialLinkChanged, this, &WeightingConTrol::serialDeviceChanged);
    connect(&m_links, &DeviceLinks::replayChanged, this, &WeightingConTrol::dataSourceLocalChanged);
    connect(&m_refresh, &WeightingRefresh::cellPublished, this, &WeightingConTrol::readCellDataSignal);
    connect(&m_refresh, &WeightingRefresh::groupPublished, this, &WeightingConTrol::readGroupCellDataSignal);
    connect(&m_refresh, &WeightingRefresh::disConnecttimesChanged, this,
            &WeightingConTrol::disConnecttimesChanged);
    connect(&m_refresh, &WeightingRefresh::recordLogLine, this, &WeightingConTrol::cellLogShowSlot);
    connect(&m_refresh, &WeightingRefresh::recordAlarm, this, &WeightingConTrol::playAlarmMusicSlot);
    connect(&m_hubState, &HubConnectionState::udpConnectChanged, this, &WeightingConTrol::udpConnectChanged);
    connect(&m_hubState, &HubConnectionState::udpConnectlChanged, this, &WeightingConTrol::udpConnectlChanged);
    connect(&m_hubState, &HubConnectionState::udpConnectIDChanged, this, &WeightingConTrol::udpConnectIDChanged);
    connect(&m_hubState, &HubConnectionState::udpConnectiChanged, this, &WeightingConTrol::udpConnectiChanged);
    connect(&m_hubState, &HubConnectionState::logLine, this, &WeightingConTrol::cellLogShowSignal);
}

WeightingConTrol::~WeightingConTrol()
{
    // The replay worker stops first so no frame arrives at a half-destroyed
    // controller.
    m_links.endOwnReplay();
}

WeightingData *WeightingConTrol::page(int pageId) const
{
    return m_pages.page(pageId);
}

WeightingData *WeightingConTrol::ensurePage(int pageId)
{
    return m_pages.ensurePage(pageId);
}

void WeightingConTrol::deleteAllPages()
{
    m_pages.deleteAll();
    emit pagesDeleted();
}

// --- properties ---------------------------------------------------------------

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

void WeightingConTrol::resetUdpConnect()
{
    m_hubState.setUdpConnect(false);
    m_hubState.setUdpConnectl(0);
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

// --- cells and groups -----------------------------------------------------------

void WeightingConTrol::emitCreationMessage(int pageId, int index)
{
    const QString text = m_CH ? tr("创建设备ID:") : tr("Create device ID:");
    emit qmlLogShowSignal(QStringLiteral("INF"),
                          text + QString::number(pageId) + QLatin1Char('.') + QString::number(index));
}

void WeightingConTrol::createCell(int pageId, int index)
{
    m_pages.createCell(pageId, index);
}

void WeightingConTrol::createBleCell(const QString &addr, int index)
{
    m_pages.createBleCell(addr, index);
}

void WeightingConTrol::deleteCell(int pageId, int index)
{
    if (m_pages.deleteCell(pageId, index))
        emit deleteCellSignal(pageId, index);
}

void WeightingConTrol::removeGroup(int pageId, int index)
{
    if (m_pages.removeGroup(pageId, index))
        emit removeGroupSignal(pageId, index);
}

void WeightingConTrol::qmlSetGroup(int pageId, int index, int groupId)
{
    m_pages.setGroup(pageId, index, groupId);
}

void WeightingConTrol::setGroupIndex(int pageId, int groupId, const QString &groupIndex)
{
    QString text;
    if (!WeightingPages::validPage(pageId) || !WeightingPages::validGroup(groupId)
        || !GroupIndexText::normalize(groupIndex, text))
        return;
    qDebug() << text;
    emit readGroup(pageId, groupId, text);
}

void WeightingConTrol::setName(int pageId, int index, const QString &name)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setName(index, name);
}

void WeightingConTrol::setMinWarnData(int pageId, int index, double value)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setMinWarnData(index, value);
}

void WeightingConTrol::setMaxWarnData(int pageId, int index, double value)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setMaxWarnData(index, value);
}

void WeightingConTrol::setMinErrData(int pageId, int index, double value)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setMinErrData(index, value);
}

void WeightingConTrol::setMaxErrData(int pageId, int index, double value)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setMaxErrData(index, value);
}

void WeightingConTrol::setCellConfig(int pageId, int index, int minWarnData, int maxWarnData,
                                     int minErrData, int maxErrData)
{
    if (WeightingData *table = m_pages.pageOfRecord(pageId, index))
        table->setCellConfig(index, minWarnData, maxWarnData, minErrData, maxErrData);
}

void WeightingConTrol::setConfigSave(int pageId)
{
    Q_UNUSED(pageId)
}

void WeightingConTrol::setPeelData(int pageId, int index, double peelData)
{
    // The user interface gives the tare in display units.
    if (WeightingCellData *cell = m_pages.record(pageId, index))
        cell->setPeel(peelData / m_conFactor);
}

void WeightingConTrol::traceEnable(int pageId, int index)
{
    WeightingCellData *cell = m_pages.record(pageId, index);
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
    if (WeightingCellData *cell = m_pages.record(pageId, index))
        cell->setPeelEnable(false);
}

void WeightingConTrol::setAddBleAddress(int pageId, int index, const QString &address)
{
    if (WeightingCellData *cell = m_pages.record(pageId, index))
        cell->setBleAddress(address);
}

QString WeightingConTrol::getAddBleAddress(int pageId, int index) const
{
    const WeightingCellData *cell = m_pages.record(pageId, index);
    return cell ? cell->bleAddress() : QString();
}

void WeightingConTrol::resetMaxMinData(int pageId)
{
    Q_UNUSED(pageId)
    m_pages.resetMaxMinData();
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

// --- the refresh and the intake ----------------------------------------------------

void WeightingConTrol::qmlRequestReflsh()
{
    m_refresh.refresh(m_links.bleLink(), m_conFactor);
    emit publicationFinished();
}

void WeightingConTrol::udpReadData(uint8_t *arr, int len)
{
    m_refresh.storeHubDatagram(arr, len);
}

void WeightingConTrol::bleReadData(bleCellState str, QString address)
{
    m_refresh.storeWirelessRecord(str, address);
}

void WeightingConTrol::bleAddOnlineDevice(QString address, int index)
{
    if (m_pages.bindWirelessDevice(address, index))
        return;
    const QString text = m_CH
        ? tr("蓝牙设备MAC地址为:") + address + tr("的用户ID不合理,需小于1000大于0")
        : QStringLiteral("The MAC address of the Bluetooth device: ") + address
            + QStringLiteral(" has an unreasonable user ID, which needs to be less than 1000 and greater than 0.");
    emit qmlLogShowSignal(QStringLiteral("INF"), text);
}

void WeightingConTrol::scanOnlineDevice()
{
    m_links.scanWireless();
    m_refresh.createPendingHubCells();
}

void WeightingConTrol::udpConnectFlagChangedSlot(bool con, uint8_t i, uint8_t id)
{
    m_hubState.report(con, i, id);
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
    m_links.setDataSource(path, index, time);
}

void WeightingConTrol::sendData(const QString &str)
{
    m_links.sendData(str);
}

void WeightingConTrol::sendSetPara()
{
    m_links.sendThresholds(m_pages);
}
