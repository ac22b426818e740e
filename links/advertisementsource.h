#ifndef ADVERTISEMENTSOURCE_H
#define ADVERTISEMENTSOURCE_H

#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QPair>
#include <QVector>
#include <QtGlobal>

#include <memory>

// One Bluetooth LE advertisement as the platform hands it over.
struct Advertisement
{
    quint64 address = 0;  // 48 bits used
    qint16 rssi = 0;      // dBm
    // Every manufacturer-specific section in the order received.
    QVector<QPair<quint16, QByteArray>> manufacturerSections;
};

// What a source reports. Calls may come from any thread.
class AdvertisementSink
{
public:
    virtual ~AdvertisementSink() = default;
    virtual void advertisementReceived(const Advertisement &advertisement) = 0;
    // A device the system already knows, from an enumeration.
    virtual void knownDeviceFound(const QBluetoothDeviceInfo &info) = 0;
    // A discovery that runs out on its own (classic enumeration) has ended.
    virtual void discoveryFinished() = 0;
};

// The platform's Bluetooth stack behind the advertisement watcher. Each
// platform provides one implementation and createPlatformAdvertisementSource();
// on Linux that is Qt Bluetooth (BlueZ). A Windows Runtime source (watcher plus
// device enumeration) takes the place of that file in a Windows build.
class AdvertisementSource
{
public:
    virtual ~AdvertisementSource() = default;
    // Starts listening, replacing an earlier run. Bit 0 of `methods` asks for
    // classic devices, bit 1 for low-energy devices.
    virtual void start(quint8 methods, AdvertisementSink *sink) = 0;
    // No calls reach the sink afterwards.
    virtual void stop() = 0;
};

std::unique_ptr<AdvertisementSource> createPlatformAdvertisementSource();

#endif
