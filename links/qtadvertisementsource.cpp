#include "links/qtadvertisementsource.h"

#include <QDebug>

QtAdvertisementSource::QtAdvertisementSource()
{
    // 0 keeps low-energy discovery running until it is stopped.
    m_agent.setLowEnergyDiscoveryTimeout(0);
    connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            &QtAdvertisementSource::deliver);
    connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::deviceUpdated, this,
            [this](const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields) { deliver(info); });
    connect(&m_agent, QOverload<QBluetoothDeviceDiscoveryAgent::Error>::of(&QBluetoothDeviceDiscoveryAgent::error),
            this, &QtAdvertisementSource::logError);
    connect(&m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, [this] {
        if (m_sink)
            m_sink->discoveryFinished();
    });
}

void QtAdvertisementSource::start(quint8 methods, AdvertisementSink *sink)
{
    m_sink = sink;
    QBluetoothDeviceDiscoveryAgent::DiscoveryMethods agentMethods;
    if (methods & 1)
        agentMethods |= QBluetoothDeviceDiscoveryAgent::ClassicMethod;
    if (methods & 2)
        agentMethods |= QBluetoothDeviceDiscoveryAgent::LowEnergyMethod;
    if (m_agent.isActive())
        m_agent.stop();
    m_agent.start(agentMethods);
}

void QtAdvertisementSource::stop()
{
    m_sink = nullptr;
    if (m_agent.isActive())
        m_agent.stop();
}

void QtAdvertisementSource::deliver(const QBluetoothDeviceInfo &info)
{
    if (!m_sink)
        return;
    Advertisement advertisement;
    advertisement.address = info.address().toUInt64();
    advertisement.rssi = info.rssi();
    const QVector<quint16> companies = info.manufacturerIds();
    for (quint16 company : companies)
        advertisement.manufacturerSections.append({company, info.manufacturerData(company)});
    m_sink->advertisementReceived(advertisement);
}

void QtAdvertisementSource::logError()
{
    qDebug() << "Bluetooth discovery failed:" << m_agent.error() << m_agent.errorString();
}

std::unique_ptr<AdvertisementSource> createPlatformAdvertisementSource()
{
    return std::make_unique<QtAdvertisementSource>();
}
