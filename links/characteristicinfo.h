#ifndef CHARACTERISTICINFO_H
#define CHARACTERISTICINFO_H

#include <QByteArray>
#include <QLowEnergyCharacteristic>
#include <QObject>
#include <QString>

// QML view of one GATT characteristic; like ServiceInfo, nothing creates these
// while the link never connects to a device.
class CharacteristicInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString characteristicName READ getName NOTIFY characteristicChanged)
    Q_PROPERTY(QString characteristicUuid READ getUuid NOTIFY characteristicChanged)
    Q_PROPERTY(QString characteristicValue READ getValue NOTIFY characteristicChanged)
    Q_PROPERTY(QString characteristicHandle READ getHandle NOTIFY characteristicChanged)
    Q_PROPERTY(QString characteristicPermission READ getPermission NOTIFY characteristicChanged)

public:
    explicit CharacteristicInfo(const QLowEnergyCharacteristic &characteristic, QObject *parent = nullptr);

    void setCharacteristic(const QLowEnergyCharacteristic &characteristic);
    QLowEnergyCharacteristic getCharacteristic() const;

    // Its own name, else its user description (descriptor 0x2901), else "Unknown".
    QString getName() const;
    QString getUuid() const;
    QString getValue() const;
    QString getHandle() const;
    QString getPermission() const;

    // The bytes as text, a newline and their hexadecimal form; "<none>" when empty.
    static QString valueText(const QByteArray &value);
    // "( " followed by " Read", " Write" ... for each set flag, then " )".
    static QString permissionText(QLowEnergyCharacteristic::PropertyTypes properties);

signals:
    void characteristicChanged();

private:
    QLowEnergyCharacteristic m_characteristic;
};

#endif
