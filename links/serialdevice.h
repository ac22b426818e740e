#ifndef SERIALDEVICE_H
#define SERIALDEVICE_H

#include "links/blecellstate.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

class WeightingConTrol;

// The serial link: a USB receiver forwards every Bluetooth LE advertisement it
// hears as a stuffed frame at 460800 baud. Cell advertisements are decoded into
// bleCellState and delivered like the Bluetooth link does.
class serialdevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString com READ com WRITE setCom RESET resetCom NOTIFY comChanged)

public:
    // `owner` is the weighing controller that created the link; the link only
    // keeps the pointer for it.
    explicit serialdevice(WeightingConTrol *owner = nullptr, QObject *parent = nullptr);
    ~serialdevice() override;

    WeightingConTrol *owner() const;

    QString com() const;
    void setCom(const QString &com);
    void resetCom();

    // Opens the receiver's port (an empty name falls back to `com`), 460800 8N1,
    // no flow control, DTR raised. Failures are debug lines only.
    Q_INVOKABLE void openSerialPort(QString com);

public slots:
    void dataReceived();

signals:
    void comChanged();
    void bleAddOnlineDevice(QString address, int index);
    void deviceDataUpdated(bleCellState str, QString address);

private:
    WeightingConTrol *m_owner;
    QString m_com;
    QSerialPort m_port;
    QByteArray m_buffer;
    bleCellState m_record;
};

#endif
