#ifndef SERVICEINFO_H
#define SERVICEINFO_H

#include <QBluetoothUuid>
#include <QLowEnergyService>
#include <QObject>
#include <QString>

// QML view of one GATT service. The Bluetooth link never connects to a
// device, so nothing creates these today; the texts are those the service
// page shows.
class ServiceInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString serviceName READ getName NOTIFY serviceChanged)
    Q_PROPERTY(QString serviceUuid READ getUuid NOTIFY serviceChanged)
    Q_PROPERTY(QString serviceType READ getType NOTIFY serviceChanged)

public:
    explicit ServiceInfo(QLowEnergyService *service, QObject *parent = nullptr);

    QLowEnergyService *service() const;
    QString getName() const;
    QString getUuid() const;
    QString getType() const;

    // "0x" and hexadecimal when the UUID fits 16 or 32 bits, else its text without braces.
    static QString uuidText(const QBluetoothUuid &uuid);
    // "<primary>", "<secondary included>" ...
    static QString typeText(QLowEnergyService::ServiceTypes types);

signals:
    void serviceChanged();

private:
    QLowEnergyService *m_service;
};

#endif
