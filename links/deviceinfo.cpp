#include "links/deviceinfo.h"

#include "links/cellpayload.h"

#include <QBluetoothAddress>

DeviceInfo::DeviceInfo(const QBluetoothDeviceInfo &device, QObject *parent)
    : QObject(parent), m_device(device)
{
}

QBluetoothDeviceInfo DeviceInfo::getDevice() const
{
    return m_device;
}

void DeviceInfo::setDevice(const QBluetoothDeviceInfo &device)
{
    m_device = device;
    emit deviceChanged();
}

QString DeviceInfo::getName() const
{
    return m_device.name();
}

QString DeviceInfo::getAddress() const
{
    return m_device.address().toString();
}

QString DeviceInfo::getData() const
{
    return QString::fromLatin1(getDataGram().toHex());
}

QByteArray DeviceInfo::getDataGram() const
{
    return m_device.manufacturerData(cellpayload::CompanyId);
}

QString DeviceInfo::getWeightDataList() const
{
    return m_weightDataList;
}

quint16 DeviceInfo::lastSequence() const
{
    return m_lastSequence;
}

void DeviceInfo::setLastSequence(quint16 sequence)
{
    m_lastSequence = sequence;
}

quint8 DeviceInfo::unchangedCount() const
{
    return m_unchangedCount;
}

void DeviceInfo::setUnchangedCount(quint8 count)
{
    m_unchangedCount = count;
}
