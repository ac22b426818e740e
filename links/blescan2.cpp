#include "links/blescan2.h"

#include "links/celladdress.h"
#include "links/cellpayload.h"

#include <QBluetoothAddress>
#include <QDebug>
#include <QMetaObject>

BleScan2::BleScan2(quint8 methods, QObject *parent)
    : BleScan2(createPlatformAdvertisementSource(), methods, parent)
{
}

BleScan2::BleScan2(std::unique_ptr<AdvertisementSource> source, quint8 methods, QObject *parent)
    : QObject(parent), m_source(std::move(source)), m_methods(methods)
{
    qRegisterMetaType<QBluetoothDeviceInfo>("QBluetoothDeviceInfo");
    qRegisterMetaType<QBluetoothDeviceInfo::Fields>("QBluetoothDeviceInfo::Fields");
}

BleScan2::~BleScan2()
{
    m_source->stop();
}

void BleScan2::start()
{
    m_source->start(m_methods, this);
    qDebug() << "Worker started";
}

void BleScan2::finishDiscovery()
{
    // The owner keeps its pointer to the watcher, so finishing only stops it.
    emit scanFinished();
    m_source->stop();
}

void BleScan2::advertisementReceived(const Advertisement &advertisement)
{
    if (!celladdress::fromInteger(advertisement.address).startsWith(celladdress::cellPrefix()))
        return;

    ManufacturerData sections;
    for (const auto &section : advertisement.manufacturerSections)
        sections.insert(section.first, section.second);

    QBluetoothDeviceInfo info(QBluetoothAddress(advertisement.address), QString(), 0);
    if (!sections.isEmpty()) {
        // Only the cell company's section is read downstream, so it wins when
        // an advertisement carries several.
        const quint16 company = sections.contains(cellpayload::CompanyId) ? cellpayload::CompanyId
                                                                         : sections.firstKey();
        info.setManufacturerData(company, sections.value(company));
    }
    info.setRssi(advertisement.rssi);
    emit deviceUpdated(info, QBluetoothDeviceInfo::Fields(QBluetoothDeviceInfo::Field::All));
}

void BleScan2::knownDeviceFound(const QBluetoothDeviceInfo &info)
{
    // Enumeration callbacks run on platform threads; deliver in this object's thread.
    QMetaObject::invokeMethod(this, [this, info] { emit deviceFound(info); }, Qt::AutoConnection);
}

void BleScan2::discoveryFinished()
{
    QMetaObject::invokeMethod(this, &BleScan2::finishDiscovery, Qt::AutoConnection);
}
