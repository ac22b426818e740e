#ifndef UDP_COMM_H
#define UDP_COMM_H

#include "links/hubtable.h"
#include "recording/datasavecontrol.h"

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QObject>
#include <QString>

#include <cstdint>
#include <vector>

class QUdpSocket;
class WeightingConTrol;

// The Ethernet link to the cells' hubs. One UDP socket receives the hubs'
// multicast datagrams on the receive port and sends command frames back to each
// known hub by unicast on the transmit port. Every datagram is handed on
// unchanged through readDataSignal; the hub table keeps the hubs seen so far
// and their connection state, which is re-evaluated after every frame sent.
class UDP_Comm : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString ipAddr READ ipAddr WRITE setIpAddr RESET resetIpAddr NOTIFY ipAddrChanged)
    Q_PROPERTY(DataSaveControl *dataSave READ dataSave WRITE setDataSave RESET resetDataSave NOTIFY dataSaveChanged)
    Q_PROPERTY(uint32_t dataProTime READ dataProTime WRITE setDataProTime RESET resetDataProTime NOTIFY dataProTimeChanged)
    Q_PROPERTY(bool udpConnectFlag READ udpConnectFlag WRITE setUdpConnectFlag NOTIFY udpConnectFlagChanged)
    Q_PROPERTY(uint8_t UdpID READ UdpID WRITE setUdpID RESET resetUdpID NOTIFY UdpIDChanged)
    Q_PROPERTY(uint8_t Udpi READ Udpi WRITE setUdpi RESET resetUdpi NOTIFY UdpiChanged)

public:
    // Datagrams up to this size land in the fixed, zero-cleared receive
    // buffer; longer ones get a buffer sized to them.
    static constexpr int ReceiveBufferSize = 1024;
    // Kernel buffer asked for so a busy user-interface thread loses nothing.
    static constexpr int SocketReceiveBufferBytes = 4 * 1024 * 1024;

    // The controller is kept for reference only; it is not the Qt parent.
    explicit UDP_Comm(WeightingConTrol *owner, QObject *parent = nullptr);
    ~UDP_Comm() override;

    WeightingConTrol *owner() const { return m_owner; }

    QString ipAddr() const { return m_ipAddr; }
    void setIpAddr(const QString &ipAddr);
    void resetIpAddr();

    DataSaveControl *dataSave() const { return m_dataSave; }
    void setDataSave(DataSaveControl *dataSave);
    void resetDataSave();

    uint32_t dataProTime() const { return m_dataProTime; }
    void setDataProTime(uint32_t dataProTime);
    void resetDataProTime();

    // The connected flag of slot Udpi.
    bool udpConnectFlag() const;
    void setUdpConnectFlag(bool udpConnectFlag);

    uint8_t UdpID() const { return m_UdpID; }
    void setUdpID(uint8_t UdpID);
    void resetUdpID();

    uint8_t Udpi() const { return m_Udpi; }
    void setUdpi(uint8_t Udpi);
    void resetUdpi();

    const HubTable &hubTable() const { return m_hubs; }
    // Usable interfaces found by the last initEth().
    QList<QNetworkInterface> interfaces() const { return m_interfaces; }

    // Stores the group and both ports; they take effect at the next initEth()
    // (the transmit port at once for sending).
    Q_INVOKABLE void setUdpSetting(QString newIpAddr, double new_rPort, double new_tPort);

    // (Re)binds the socket to the receive port and joins the group on every
    // usable interface (up, running, with an address, not loopback).
    Q_INVOKABLE void initEth();

    // Sends str (UTF-8) as one frame to every known hub.
    Q_INVOKABLE void udpSendData(QString str);
    // Sends set as one frame to the known hubs whose hub ID is id.
    Q_INVOKABLE void udpSendSetPara(uint8_t id, QByteArray set);

    // Integer part of a stored port, low 16 bits; 0 for values that are not finite.
    static quint16 portFromSetting(double port);

public slots:
    // Drains every pending datagram.
    void udpReadyRead();

signals:
    // arr points into the receive buffer and is valid only during the
    // (direct) delivery; len is the datagram's real size.
    void readDataSignal(uint8_t *arr, int len);
    void ipAddrChanged();
    void dataSaveChanged();
    void dataProTimeChanged();
    void udpConnectFlagChanged(bool con, uint8_t i, uint8_t id);
    void UdpIDChanged();
    void UdpiChanged();

private:
    void sendFrame(int slot, const QByteArray &payload);
    void evaluateConnection(int slot);

    WeightingConTrol *m_owner;
    DataSaveControl *m_dataSave;
    QString m_ipAddr;
    double m_rPort = 0;
    double m_tPort = 0;
    uint32_t m_dataProTime = 0;
    HubTable m_hubs;
    uint8_t m_UdpID = 0;
    uint8_t m_Udpi = 0;
    QUdpSocket *m_socket;
    QList<QNetworkInterface> m_interfaces;
    std::vector<uint8_t> m_buffer;
};

#endif
