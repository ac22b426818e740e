#include "links/serviceinfo.h"

ServiceInfo::ServiceInfo(QLowEnergyService *service, QObject *parent)
    : QObject(parent), m_service(service)
{
}

QLowEnergyService *ServiceInfo::service() const
{
    return m_service;
}

QString ServiceInfo::getName() const
{
    return m_service ? m_service->serviceName() : QString();
}

QString ServiceInfo::getUuid() const
{
    return m_service ? uuidText(m_service->serviceUuid()) : QString();
}

QString ServiceInfo::getType() const
{
    return m_service ? typeText(m_service->type()) : QString();
}

QString ServiceInfo::uuidText(const QBluetoothUuid &uuid)
{
    bool fits = false;
    const quint16 uuid16 = uuid.toUInt16(&fits);
    if (fits)
        return QStringLiteral("0x") + QString::number(uuid16, 16);
    const quint32 uuid32 = uuid.toUInt32(&fits);
    if (fits)
        return QStringLiteral("0x") + QString::number(uuid32, 16);
    return uuid.toString().remove(QLatin1Char('{')).remove(QLatin1Char('}'));
}

QString ServiceInfo::typeText(QLowEnergyService::ServiceTypes types)
{
    QString text = types.testFlag(QLowEnergyService::PrimaryService) ? QStringLiteral("primary")
                                                                      : QStringLiteral("secondary");
    if (types.testFlag(QLowEnergyService::IncludedService))
        text += QStringLiteral(" included");
    return QLatin1Char('<') + text + QLatin1Char('>');
}
