#include "core/hubconnectionstate.h"

#include "app/languageflag.h"
#include "core/hubconnectmask.h"

HubConnectionState::HubConnectionState(QObject *parent)
    : QObject(parent)
{
}

bool HubConnectionState::udpConnect() const
{
    return m_udpConnecti < HubSlotCount && m_udpConnectFlags[m_udpConnecti];
}

void HubConnectionState::setUdpConnect(bool connected)
{
    if (m_udpConnecti >= HubSlotCount)
        return;
    bool &flag = m_udpConnectFlags[m_udpConnecti];
    if (flag == connected)
        return;
    flag = connected;
    setUdpConnectl(HubConnectMask::updated(m_udpConnectl, connected, m_udpConnectID));
    emit udpConnectChanged();
}

void HubConnectionState::setUdpConnectl(int mask)
{
    if (mask == m_udpConnectl)
        return;
    m_udpConnectl = mask;
    emit udpConnectlChanged();
}

void HubConnectionState::setUdpConnectID(uint8_t id)
{
    if (id == m_udpConnectID)
        return;
    m_udpConnectID = id;
    emit udpConnectIDChanged();
}

void HubConnectionState::setUdpConnecti(uint8_t slot)
{
    if (slot == m_udpConnecti)
        return;
    m_udpConnecti = slot;
    emit udpConnectiChanged();
}

void HubConnectionState::report(bool connected, uint8_t slot, uint8_t id)
{
    setUdpConnecti(slot);
    setUdpConnectID(id);
    setUdpConnect(connected);
    const bool chinese = LanguageFlag::isChinese();
    const QString hub = QString::number(id);
    if (connected) {
        emit logLine(QStringLiteral("INF"),
                     chinese ? QStringLiteral("主控") + hub + QStringLiteral("连接正常")
                             : QStringLiteral("Master control ") + hub + QStringLiteral(" connection normal"));
    } else {
        emit logLine(QStringLiteral("ERR"),
                     chinese ? QStringLiteral("主控") + hub + QStringLiteral("连接断开")
                             : QStringLiteral("Master control ") + hub + QStringLiteral(" connection disconnected"));
    }
}
