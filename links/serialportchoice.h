#ifndef SERIALPORTCHOICE_H
#define SERIALPORTCHOICE_H

#include <QString>
#include <QVector>

// What the system reports about one serial port.
struct SerialPortDescription
{
    QString name;
    QString description;
    QString manufacturer;
};

// The port to open: the first listed port that the generic USB serial driver
// of a Chinese-language Windows reports ("USB 串行设备" by "Microsoft"), else
// `requested` as given. Logs every listed port at debug level.
QString chooseSerialPort(const QString &requested, const QVector<SerialPortDescription> &ports);

// The ports the system lists, in its order.
QVector<SerialPortDescription> availableSerialPorts();

#endif
