#include "links/characteristicinfo.h"

#include "links/serviceinfo.h"

#include <QBluetoothUuid>
#include <QLowEnergyDescriptor>

CharacteristicInfo::CharacteristicInfo(const QLowEnergyCharacteristic &characteristic, QObject *parent)
    : QObject(parent), m_characteristic(characteristic)
{
}

void CharacteristicInfo::setCharacteristic(const QLowEnergyCharacteristic &characteristic)
{
    m_characteristic = characteristic;
    emit characteristicChanged();
}

QLowEnergyCharacteristic CharacteristicInfo::getCharacteristic() const
{
    return m_characteristic;
}

QString CharacteristicInfo::getName() const
{
    QString name = m_characteristic.name();
    if (!name.isEmpty())
        return name;
    const QLowEnergyDescriptor description =
        m_characteristic.descriptor(QBluetoothUuid::CharacteristicUserDescription);
    if (description.isValid())
        name = QString::fromUtf8(description.value());
    return name.isEmpty() ? QStringLiteral("Unknown") : name;
}

QString CharacteristicInfo::getUuid() const
{
    return ServiceInfo::uuidText(m_characteristic.uuid());
}

QString CharacteristicInfo::getValue() const
{
    return valueText(m_characteristic.value());
}

QString CharacteristicInfo::getHandle() const
{
    return QStringLiteral("0x") + QString::number(m_characteristic.handle(), 16);
}

QString CharacteristicInfo::getPermission() const
{
    return permissionText(m_characteristic.properties());
}

QString CharacteristicInfo::valueText(const QByteArray &value)
{
    if (value.isEmpty())
        return QStringLiteral("<none>");
    return QString::fromUtf8(value) + QLatin1Char('\n') + QString::fromLatin1(value.toHex());
}

QString CharacteristicInfo::permissionText(QLowEnergyCharacteristic::PropertyTypes properties)
{
    static const struct
    {
        QLowEnergyCharacteristic::PropertyType flag;
        const char *text;
    } names[] = {
        {QLowEnergyCharacteristic::Read, " Read"},
        {QLowEnergyCharacteristic::Write, " Write"},
        {QLowEnergyCharacteristic::Notify, " Notify"},
        {QLowEnergyCharacteristic::Indicate, " Indicate"},
        {QLowEnergyCharacteristic::ExtendedProperty, " ExtendedProperty"},
        {QLowEnergyCharacteristic::Broadcasting, " Broadcast"},
        {QLowEnergyCharacteristic::WriteNoResponse, " WriteNoResp"},
        {QLowEnergyCharacteristic::WriteSigned, " WriteSigned"},
    };
    QString text = QStringLiteral("( ");
    for (const auto &name : names) {
        if (properties.testFlag(name.flag))
            text += QLatin1String(name.text);
    }
    return text + QStringLiteral(" )");
}
