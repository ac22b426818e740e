#ifndef BLESCAN2_H
#define BLESCAN2_H

#include "links/advertisementsource.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QMap>
#include <QObject>

#include <memory>

// The watcher's signals cross from platform threads.
Q_DECLARE_METATYPE(QBluetoothDeviceInfo::Fields)

// The advertisement watcher of the Bluetooth link: keeps the advertisements of
// cells (address prefix 00:80:E1) and hands each one on as a
// QBluetoothDeviceInfo carrying address, signal strength and manufacturer
// data. Sources may call in from platform threads; the signals then reach the
// link through queued connections.
class BleScan2 : public QObject, private AdvertisementSink
{
    Q_OBJECT

public:
    using ManufacturerData = QMap<quint16, QByteArray>;

    // `methods`: bit 0 classic devices, bit 1 low-energy devices.
    explicit BleScan2(quint8 methods, QObject *parent = nullptr);
    BleScan2(std::unique_ptr<AdvertisementSource> source, quint8 methods, QObject *parent = nullptr);
    ~BleScan2() override;

    // Runs the discovery again; the previous run is replaced.
    void start();

public slots:
    void finishDiscovery();

signals:
    void deviceFound(QBluetoothDeviceInfo info);
    void deviceUpdated(QBluetoothDeviceInfo info, QBluetoothDeviceInfo::Fields updatedFields);
    // Part of the watcher's published interface; advertisements travel through
    // deviceUpdated(), so the watcher itself never emits this one.
    void deviceDataChanged(QBluetoothAddress address, QBluetoothDeviceInfo::Fields fields,
                           short rssi, BleScan2::ManufacturerData manufacturerData);
    void scanFinished();

private:
    void advertisementReceived(const Advertisement &advertisement) override;
    void knownDeviceFound(const QBluetoothDeviceInfo &info) override;
    void discoveryFinished() override;

    std::unique_ptr<AdvertisementSource> m_source;
    quint8 m_methods;
};

#endif
