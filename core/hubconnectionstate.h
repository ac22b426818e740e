#ifndef HUBCONNECTIONSTATE_H
#define HUBCONNECTIONSTATE_H

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

// What the hub link reports about the hubs: per link slot whether its hub is
// connected, the slot and hub ID of the latest report, and the hub bit mask
// the information page shows (see HubConnectMask). Each report is also a log
// line.
class HubConnectionState : public QObject
{
    Q_OBJECT

public:
    static constexpr int HubSlotCount = 10;

    explicit HubConnectionState(QObject *parent = nullptr);

    // The connected flag of slot udpConnecti(); setting it updates the mask
    // for hub udpConnectID(). A slot outside 0 to 9 has no flag.
    bool udpConnect() const;
    void setUdpConnect(bool connected);
    int udpConnectl() const { return m_udpConnectl; }
    void setUdpConnectl(int mask);
    uint8_t udpConnectID() const { return m_udpConnectID; }
    void setUdpConnectID(uint8_t id);
    uint8_t udpConnecti() const { return m_udpConnecti; }
    void setUdpConnecti(uint8_t slot);

    // The hub link reported hub `id` in slot `slot` as connected or not.
    void report(bool connected, uint8_t slot, uint8_t id);

signals:
    void udpConnectChanged();
    void udpConnectlChanged();
    void udpConnectIDChanged();
    void udpConnectiChanged();
    void logLine(QString st, QString str);

private:
    std::array<bool, HubSlotCount> m_udpConnectFlags{};
    uint8_t m_udpConnectID = 0;
    uint8_t m_udpConnecti = 0;
    int m_udpConnectl = 0;
};

#endif
