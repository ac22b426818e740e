#include "links/serialdevice.h"

#include "links/receiverframe.h"
#include "links/serialportchoice.h"

#include <QDateTime>
#include <QDebug>

namespace {

// Run-wide diagnostics over every serial link: the longest gap between two
// kept frames, and how often the reference cell 00:80:E1:26:D3:AA was heard.
struct FrameDiagnostics
{
    qint64 previousMs = -1;
    qint64 maxIntervalMs = 0;
    int referenceCellCount = 0;
};

FrameDiagnostics &diagnostics()
{
    static FrameDiagnostics state;
    return state;
}

void noteKeptFrame()
{
    FrameDiagnostics &d = diagnostics();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (d.previousMs < 0)
        d.previousMs = now;
    const qint64 interval = now - d.previousMs;
    d.previousMs = now;
    if (interval >= d.maxIntervalMs) {
        d.maxIntervalMs = interval;
        qDebug() << "maxMec:" << d.maxIntervalMs;
    }
}

void noteReferenceCell(const QString &address)
{
    if (address != QLatin1String("00:80:E1:26:D3:AA"))
        return;
    FrameDiagnostics &d = diagnostics();
    ++d.referenceCellCount;
    qDebug() << QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss.zzz ddd"))
             << "Hex String without separator: " << QStringLiteral("AAD326E18000")
             << d.referenceCellCount;
}

} // namespace

serialdevice::serialdevice(WeightingConTrol *owner, QObject *parent)
    : QObject(parent), m_owner(owner), m_port(this)
{
    registerWirelessMetaTypes();
    qDebug() << "newCom001";
}

serialdevice::~serialdevice()
{
    m_port.close();
}

WeightingConTrol *serialdevice::owner() const
{
    return m_owner;
}

QString serialdevice::com() const
{
    return m_com;
}

void serialdevice::setCom(const QString &com)
{
    qDebug() << "com" << com;
    if (m_com == com)
        return;
    m_com = com;
    emit comChanged();
}

void serialdevice::resetCom()
{
    qDebug() << "com reset";
    if (m_com.isEmpty())
        return;
    m_com.clear();
    emit comChanged();
}

void serialdevice::openSerialPort(QString com)
{
    const QString portName = chooseSerialPort(com.isEmpty() ? m_com : com, availableSerialPorts());
    qDebug() << "m_com : " << portName;
    m_port.setPortName(portName);
    m_port.setBaudRate(460800, QSerialPort::AllDirections);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        qDebug() << "Failed to open serial port: " << m_port.errorString();
        return;
    }
    qDebug() << "Serial port opened successfully!";
    connect(&m_port, &QSerialPort::readyRead, this, &serialdevice::dataReceived, Qt::UniqueConnection);
    m_port.setDataTerminalReady(true);
}

void serialdevice::dataReceived()
{
    m_buffer.append(m_port.readAll());
    const QVector<receiverframe::CellFrame> frames = receiverframe::cutFrames(m_buffer);
    for (const receiverframe::CellFrame &frame : frames) {
        noteKeptFrame();
        if (!frame.reading)
            continue;
        cellpayload::fillRecord(m_record, *frame.reading);
        setCellAddress(m_record, frame.address);
        noteReferenceCell(frame.address);
        setCellRssi(m_record, frame.rssi);
        emit bleAddOnlineDevice(frame.address, frame.reading->cellIndex);
        emit deviceDataUpdated(m_record, frame.address);
    }
}
