#include "core/devicelinks.h"

#include "core/thresholddocument.h"
#include "core/weightingcontrol.h"
#include "links/device.h"
#include "links/serialdevice.h"
#include "links/udp_comm.h"
#include "project/pagesource.h"
#include "recording/datasavecontrol.h"
#include "recording/datasourcelocal.h"

DeviceLinks::DeviceLinks(WeightingConTrol *control)
    : m_control(control)
{
    // The links keep a pointer to the controller they feed.
    m_ownHubLink = std::make_unique<UDP_Comm>(control);
    m_hubLink = m_ownHubLink.get();
    m_ownBleLink = std::make_unique<Device>();
    m_bleLink = m_ownBleLink.get();
    m_ownSerialLink = std::make_unique<serialdevice>(control);
    m_serialLink = m_ownSerialLink.get();
    if (DataSaveControl *recorder = m_hubLink->dataSave())
        connect(recorder, &DataSaveControl::saveLogShoeSignel, control, &WeightingConTrol::cellLogShowSlot);
    m_ownReplay = std::make_unique<DataSourceLocal>();
    m_replay = m_ownReplay.get();
}

DeviceLinks::~DeviceLinks() = default;

void DeviceLinks::setHubLink(UDP_Comm *link)
{
    if (link == m_hubLink)
        return;
    m_hubLink = link;
    emit hubLinkChanged();
}

void DeviceLinks::setBleLink(Device *link)
{
    if (link == m_bleLink)
        return;
    m_bleLink = link;
    emit bleLinkChanged();
}

void DeviceLinks::setSerialLink(serialdevice *link)
{
    if (link == m_serialLink)
        return;
    m_serialLink = link;
    emit serialLinkChanged();
}

void DeviceLinks::setReplay(DataSourceLocal *replay)
{
    if (replay == m_replay)
        return;
    m_replay = replay;
    emit replayChanged();
}

void DeviceLinks::endOwnReplay()
{
    m_ownReplay.reset();
}

void DeviceLinks::setDataSource(const QString &path, int index, int time)
{
    // The datagram pointers are valid only during the emission, so both
    // frame signals are delivered directly; no connection is ever doubled.
    const auto unique = Qt::ConnectionType(Qt::DirectConnection | Qt::UniqueConnection);
    if (index == 0) {
        if (m_hubLink)
            m_hubLink->initEth();
        if (m_replay)
            disconnect(m_replay, &DataSourceLocal::dataLocalReadSignal, m_control,
                       &WeightingConTrol::udpReadData);
        if (m_hubLink) {
            connect(m_hubLink, &UDP_Comm::readDataSignal, m_control, &WeightingConTrol::udpReadData, unique);
            connect(m_hubLink, &UDP_Comm::udpConnectFlagChanged, m_control,
                    &WeightingConTrol::udpConnectFlagChangedSlot, Qt::UniqueConnection);
        }
        if (m_bleLink) {
            connect(m_bleLink, &Device::deviceDataUpdated, m_control, &WeightingConTrol::bleReadData,
                    Qt::UniqueConnection);
            connect(m_bleLink, &Device::bleAddOnlineDevice, m_control, &WeightingConTrol::bleAddOnlineDevice,
                    Qt::UniqueConnection);
        }
        if (m_serialLink) {
            connect(m_serialLink, &serialdevice::deviceDataUpdated, m_control, &WeightingConTrol::bleReadData,
                    Qt::UniqueConnection);
            connect(m_serialLink, &serialdevice::bleAddOnlineDevice, m_control,
                    &WeightingConTrol::bleAddOnlineDevice, Qt::UniqueConnection);
        }
        if (m_replay)
            m_replay->stopReplay();
    } else if (index == 1) {
        if (m_hubLink)
            disconnect(m_hubLink, &UDP_Comm::readDataSignal, m_control, &WeightingConTrol::udpReadData);
        if (m_replay) {
            connect(m_replay, &DataSourceLocal::dataLocalReadSignal, m_control,
                    &WeightingConTrol::udpReadData, unique);
            m_replay->startReplay(path, time);
        }
    }
}

void DeviceLinks::scanWireless()
{
    if (!m_bleLink)
        return;
    m_bleLink->startDeviceDiscovery();
    m_bleLink->updataAddressData();
}

void DeviceLinks::sendData(const QString &str)
{
    if (m_hubLink)
        m_hubLink->udpSendData(str);
}

void DeviceLinks::sendThresholds(const PageSource &pages)
{
    if (!m_hubLink)
        return;
    for (int p = 0; p < PageSource::PageCount; ++p) {
        if (const WeightingData *table = pages.page(p))
            m_hubLink->udpSendSetPara(uint8_t(p), ThresholdDocument::build(p, *table));
    }
}
