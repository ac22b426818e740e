#ifndef QTADVERTISEMENTSOURCE_H
#define QTADVERTISEMENTSOURCE_H

#include "links/advertisementsource.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QObject>

// Advertisements through Qt Bluetooth's discovery agent: continuous
// low-energy discovery whose discovered and updated devices are reported as
// advertisements. Without an adapter the agent fails at once; that is logged
// at debug level and nothing else happens.
class QtAdvertisementSource : public QObject, public AdvertisementSource
{
    Q_OBJECT

public:
    QtAdvertisementSource();

    void start(quint8 methods, AdvertisementSink *sink) override;
    void stop() override;

private:
    void deliver(const QBluetoothDeviceInfo &info);
    void logError();

    QBluetoothDeviceDiscoveryAgent m_agent;
    AdvertisementSink *m_sink = nullptr;
};

#endif
