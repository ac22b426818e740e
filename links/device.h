#ifndef DEVICE_H
#define DEVICE_H

#include "links/advertisementsource.h"
#include "links/blecellstate.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QList>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class BleScan2;
class DeviceInfo;

// The Bluetooth LE link: the cells heard on the air, each advertisement's
// payload decoded into bleCellState, and a poll that re-publishes every known
// cell with a freshness verdict. Advertisements come from the watcher
// BleScan2. The GATT side (services, characteristics, a controller) is part of
// the interface the user interface sees, but no operation connects to a
// device, so its lists stay empty and its slots do nothing.
class Device : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant devicesList READ getDevices NOTIFY devicesUpdated)
    Q_PROPERTY(QVariant servicesList READ getServices NOTIFY servicesUpdated)
    Q_PROPERTY(QVariant characteristicList READ getCharacteristics NOTIFY characteristicsUpdated)
    Q_PROPERTY(QString update READ getUpdate WRITE setUpdate NOTIFY updateChanged)
    Q_PROPERTY(bool useRandomAddress READ isRandomAddress WRITE setRandomAddress NOTIFY randomAddressChanged)
    Q_PROPERTY(bool state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool controllerError READ hasControllerError CONSTANT)
    Q_PROPERTY(QString curAddrData READ curAddrData WRITE setCurAddrData RESET resetCurAddrData NOTIFY curAddrDataChanged)

public:
    explicit Device(QObject *parent = nullptr);
    // With the given advertisement source instead of the platform's.
    explicit Device(std::unique_ptr<AdvertisementSource> source, QObject *parent = nullptr);

    QVariant getDevices() const;
    QVariant getServices() const;
    QVariant getCharacteristics() const;
    QList<DeviceInfo *> devices() const;

    QString getUpdate() const;
    void setUpdate(const QString &message);
    bool isRandomAddress() const;
    void setRandomAddress(bool newValue);
    bool state() const;
    bool hasControllerError() const;
    QString curAddrData() const;
    void setCurAddrData(const QString &data);
    void resetCurAddrData();
    bool intakeEnabled() const;

    Q_INVOKABLE void startProjectToBle();
    Q_INVOKABLE void closeProjectToBle();

public slots:
    void startDeviceDiscovery();
    void scanServices(const QString &address);
    void connectToService(const QString &uuid);
    void disconnectFromDevice();
    void updataShowAddressData(const QString &address);
    void updataAddressData();

    void addDevice(const QBluetoothDeviceInfo &info);
    void deviceUpdated(const QBluetoothDeviceInfo &info, QBluetoothDeviceInfo::Fields updatedFields);
    void deviceScanFinished();
    void deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);

    void addLowEnergyService(const QBluetoothUuid &serviceUuid);
    void deviceConnected();
    void errorReceived(QLowEnergyController::Error error);
    void serviceScanDone();
    void deviceDisconnected();
    void serviceDetailsDiscovered(QLowEnergyService::ServiceState newState);

signals:
    void deviceDataUpdated(bleCellState str, QString address);
    void bleAddOnlineDevice(QString address, int index);
    void curAddrDataChanged();
    void qmlLogShowSignal(QString st, QString str);
    void devicesUpdated();
    void servicesUpdated();
    void characteristicsUpdated();
    void updateChanged();
    void stateChanged();
    void disconnected();
    void randomAddressChanged();

private:
    void setScanning(bool scanning);
    // The entry's payload, address and signal strength into the current record.
    void fillRecordFromEntry(const DeviceInfo &entry, bool current);

    bleCellState m_record;
    QString m_curAddrData;
    QBluetoothDeviceDiscoveryAgent *m_discoveryAgent;
    QList<DeviceInfo *> m_devices;
    QString m_update;
    bool m_intakeEnabled = false;
    bool m_scanning = false;
    bool m_randomAddress = false;
    BleScan2 *m_watcher;
};

#endif
