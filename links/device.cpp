#include "links/device.h"

#include "app/permissions.h"
#include "links/blescan2.h"
#include "links/cellpayload.h"
#include "links/deviceinfo.h"

#include <QBluetoothAddress>
#include <QDebug>
#include <QMetaEnum>

namespace {

// The watcher only asks for low-energy devices.
constexpr quint8 LowEnergyMethod = 2;
// Polls after the latest advertisement from which a cell counts as silent.
constexpr quint8 SilentAfterPolls = 15;
// Past this the count falls back to SilentAfterPolls so it never overflows.
constexpr quint8 MaxUnchangedCount = 250;

QString enumKey(int value, const QMetaEnum &metaEnum)
{
    return QString::fromLatin1(metaEnum.valueToKey(value));
}

} // namespace

Device::Device(QObject *parent)
    : Device(createPlatformAdvertisementSource(), parent)
{
}

Device::Device(std::unique_ptr<AdvertisementSource> source, QObject *parent)
    : QObject(parent),
      m_discoveryAgent(new QBluetoothDeviceDiscoveryAgent(this)),
      m_watcher(new BleScan2(std::move(source), LowEnergyMethod, this))
{
    registerWirelessMetaTypes();
    (new Permissions(this))->checkPermission();

    // The agent is configured and answered, but discovery runs through the watcher.
    m_discoveryAgent->setLowEnergyDiscoveryTimeout(60000);
    connect(m_watcher, &BleScan2::deviceFound, this, &Device::addDevice);
    connect(m_watcher, &BleScan2::deviceUpdated, this, &Device::deviceUpdated);
    connect(m_discoveryAgent,
            QOverload<QBluetoothDeviceDiscoveryAgent::Error>::of(&QBluetoothDeviceDiscoveryAgent::error),
            this, &Device::deviceScanError);
    connect(m_discoveryAgent, &QBluetoothDeviceDiscoveryAgent::finished, this,
            &Device::deviceScanFinished);
    qDebug() << "discoveryAgent" << m_discoveryAgent;
    setUpdate(QStringLiteral("Search"));
}

QVariant Device::getDevices() const
{
    QList<QObject *> objects;
    objects.reserve(m_devices.size());
    for (DeviceInfo *entry : m_devices)
        objects.append(entry);
    return QVariant::fromValue(objects);
}

QVariant Device::getServices() const
{
    return QVariant::fromValue(QList<QObject *>());
}

QVariant Device::getCharacteristics() const
{
    return QVariant::fromValue(QList<QObject *>());
}

QList<DeviceInfo *> Device::devices() const
{
    return m_devices;
}

QString Device::getUpdate() const
{
    return m_update;
}

void Device::setUpdate(const QString &message)
{
    m_update = message;
    emit updateChanged();
}

bool Device::isRandomAddress() const
{
    return m_randomAddress;
}

void Device::setRandomAddress(bool newValue)
{
    m_randomAddress = newValue;
    emit randomAddressChanged();
}

bool Device::state() const
{
    return m_scanning;
}

bool Device::hasControllerError() const
{
    // No controller is ever created.
    return false;
}

QString Device::curAddrData() const
{
    return m_curAddrData;
}

void Device::setCurAddrData(const QString &data)
{
    m_curAddrData = data;
    qDebug() << "setCurAddrData";
    emit curAddrDataChanged();
}

void Device::resetCurAddrData()
{
    setCurAddrData(QString());
}

bool Device::intakeEnabled() const
{
    return m_intakeEnabled;
}

void Device::startProjectToBle()
{
    const bool hadDevices = !m_devices.isEmpty();
    qDeleteAll(m_devices);
    m_devices.clear();
    m_intakeEnabled = true;
    qDebug() << "start" << m_intakeEnabled;
    if (hadDevices)
        emit devicesUpdated();
}

void Device::closeProjectToBle()
{
    m_intakeEnabled = false;
    qDebug() << "close" << m_intakeEnabled;
}

void Device::startDeviceDiscovery()
{
    m_watcher->start();
    setScanning(true);
}

void Device::scanServices(const QString &)
{
}

void Device::connectToService(const QString &)
{
}

void Device::disconnectFromDevice()
{
    // Without a connected controller there is nothing to ask.
    deviceDisconnected();
}

void Device::updataShowAddressData(const QString &address)
{
    for (DeviceInfo *entry : qAsConst(m_devices)) {
        qDebug() << entry->getAddress() << address;
        if (entry->getAddress() != address)
            continue;
        setCurAddrData(entry->getWeightDataList());
        for (int i = 0; i + 4 <= m_curAddrData.size(); i += 4)
            qDebug() << m_curAddrData.midRef(i, 4).toInt(nullptr, 16);
        return;
    }
}

void Device::updataAddressData()
{
    for (DeviceInfo *entry : qAsConst(m_devices)) {
        const QByteArray payload = entry->getDevice().manufacturerData(cellpayload::CompanyId);
        if (payload.size() != cellpayload::Size)
            continue;
        if (cellpayload::read(payload).sequence == entry->lastSequence())
            entry->setUnchangedCount(quint8(entry->unchangedCount() + 1));
        if (entry->unchangedCount() > MaxUnchangedCount)
            entry->setUnchangedCount(SilentAfterPolls);
        fillRecordFromEntry(*entry, entry->unchangedCount() < SilentAfterPolls);
        emit deviceDataUpdated(m_record, entry->getAddress());
    }
    if (!m_scanning)
        startDeviceDiscovery();
}

void Device::addDevice(const QBluetoothDeviceInfo &info)
{
    if (!m_intakeEnabled)
        return;
    const QString address = info.address().toString();
    if (!address.startsWith(QLatin1String("00:80")))
        return;
    const QByteArray payload = info.manufacturerData(cellpayload::CompanyId);
    // Payloads of any other length than 23 bytes never make a record.
    if (!cellpayload::hasSignature(payload) || payload.size() != cellpayload::Size)
        return;
    const quint16 received = cellpayload::receivedCrc(payload);
    const quint16 computed = cellpayload::computedCrc(payload);
    if (received != computed) {
        emit qmlLogShowSignal(QStringLiteral("INF"),
                              tr("地址:") + address + tr("CRC 校验失败！接收:") + QString::number(received)
                                  + tr(", 计算:") + QString::number(computed));
        return;
    }
    const quint16 sequence = cellpayload::read(payload).sequence;

    for (DeviceInfo *entry : qAsConst(m_devices)) {
        if (entry->getDevice().address() != info.address())
            continue;
        entry->setDevice(info);
        fillRecordFromEntry(*entry, true);
        emit devicesUpdated();
        entry->setLastSequence(sequence);
        entry->setUnchangedCount(0);
        emit bleAddOnlineDevice(address, m_record.cellIndex);
        emit deviceDataUpdated(m_record, address);
        return;
    }

    // The first advertisement of a cell only enters it in the list.
    auto *entry = new DeviceInfo(info, this);
    entry->setLastSequence(sequence);
    entry->setUnchangedCount(0);
    m_devices.append(entry);
    emit devicesUpdated();
}

void Device::deviceUpdated(const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields)
{
    addDevice(info);
}

void Device::deviceScanFinished()
{
    setScanning(false);
    setUpdate(m_devices.isEmpty() ? QStringLiteral("No Low Energy devices found...")
                                  : QStringLiteral("Done! Scan Again!"));
}

void Device::deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    if (error == QBluetoothDeviceDiscoveryAgent::PoweredOffError)
        setUpdate(QStringLiteral("The Bluetooth adaptor is powered off, power it on before doing discovery."));
    else if (error == QBluetoothDeviceDiscoveryAgent::InputOutputError)
        setUpdate(QStringLiteral("Writing or reading from the device resulted in an error."));
    else
        setUpdate(QStringLiteral("Error: ")
                  + enumKey(error, QMetaEnum::fromType<QBluetoothDeviceDiscoveryAgent::Error>()));
    m_scanning = false;
    emit devicesUpdated();
    emit stateChanged();
}

void Device::addLowEnergyService(const QBluetoothUuid &)
{
}

void Device::deviceConnected()
{
}

void Device::errorReceived(QLowEnergyController::Error error)
{
    const QString text = enumKey(error, QMetaEnum::fromType<QLowEnergyController::Error>());
    qWarning() << "Error: " << text;
    setUpdate(QStringLiteral("Back\n(%1)").arg(text));
}

void Device::serviceScanDone()
{
}

void Device::deviceDisconnected()
{
    qWarning() << "Disconnect from device";
    emit disconnected();
}

void Device::serviceDetailsDiscovered(QLowEnergyService::ServiceState)
{
}

void Device::setScanning(bool scanning)
{
    if (m_scanning == scanning)
        return;
    m_scanning = scanning;
    emit stateChanged();
}

void Device::fillRecordFromEntry(const DeviceInfo &entry, bool current)
{
    const QBluetoothDeviceInfo device = entry.getDevice();
    cellpayload::fillRecord(m_record, cellpayload::read(device.manufacturerData(cellpayload::CompanyId)));
    m_record.online = current ? 1 : 0;
    setCellAddress(m_record, entry.getAddress());
    setCellRssi(m_record, device.rssi());
}
