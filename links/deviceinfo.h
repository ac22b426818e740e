#ifndef DEVICEINFO_H
#define DEVICEINFO_H

#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QObject>
#include <QString>

// One cell heard by the Bluetooth link: its latest advertisement and what the
// link's poll needs to tell a silent cell from a current one.
class DeviceInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString deviceName READ getName NOTIFY deviceChanged)
    Q_PROPERTY(QString deviceAddress READ getAddress NOTIFY deviceChanged)
    Q_PROPERTY(QString deviceData READ getData NOTIFY deviceChanged)
    Q_PROPERTY(QByteArray deviceDataGram READ getDataGram NOTIFY deviceChanged)
    Q_PROPERTY(QString WeightDataList READ getWeightDataList NOTIFY WeightDataChanged)

public:
    explicit DeviceInfo(const QBluetoothDeviceInfo &device, QObject *parent = nullptr);

    QBluetoothDeviceInfo getDevice() const;
    void setDevice(const QBluetoothDeviceInfo &device);

    QString getName() const;
    QString getAddress() const;
    // The cell company's manufacturer data as lower-case hexadecimal.
    QString getData() const;
    // A copy of the same bytes.
    QByteArray getDataGram() const;
    QString getWeightDataList() const;

    quint16 lastSequence() const;
    void setLastSequence(quint16 sequence);
    quint8 unchangedCount() const;
    void setUnchangedCount(quint8 count);

signals:
    void deviceChanged();
    void WeightDataChanged();

private:
    QBluetoothDeviceInfo m_device;
    QString m_weightDataList;
    quint16 m_lastSequence = 0;
    quint8 m_unchangedCount = 0;
};

#endif
