#include "links/serialportchoice.h"

#include <QDebug>
#include <QSerialPortInfo>

QString chooseSerialPort(const QString &requested, const QVector<SerialPortDescription> &ports)
{
    for (const SerialPortDescription &port : ports) {
        qDebug() << "Name : " << port.name;
        qDebug() << "Description : " << port.description;
        qDebug() << "Manufacturer: " << port.manufacturer;
        if (port.description == QStringLiteral("USB 串行设备")
            && port.manufacturer == QStringLiteral("Microsoft")) {
            qDebug() << "Name123 : " << port.name;
            return port.name;
        }
    }
    return requested;
}

QVector<SerialPortDescription> availableSerialPorts()
{
    QVector<SerialPortDescription> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({info.portName(), info.description(), info.manufacturer()});
    return ports;
}
