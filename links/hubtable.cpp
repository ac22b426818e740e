#include "links/hubtable.h"

#include "links/hubcommandframe.h"

HubTable::ArrivalResult HubTable::receive(const QHostAddress &sender, const uint8_t *datagram,
                                          int length)
{
    // A read that yields no sender must not take a slot that would still look free.
    if (sender.isNull())
        return {};
    for (int i = 0; i < SlotCount; ++i) {
        Slot &slot = m_slots[static_cast<size_t>(i)];
        if (slot.address.isNull()) {
            slot.address = sender;
            slot.tagLow = length > 2 ? datagram[2] : 0;
            slot.tagHigh = length > 3 ? datagram[3] : 0;
            slot.counter = static_cast<quint32>(hubIdFromAddress(sender)) * 10;
            return { Arrival::Registered, i };
        }
        if (slot.address == sender) {
            if (slot.counter % 10 < MaxCredit)
                ++slot.counter;
            return { Arrival::Credited, i };
        }
    }
    return {};
}

bool HubTable::isFree(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).address.isNull();
}

QHostAddress HubTable::address(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).address;
}

quint32 HubTable::counter(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).counter;
}

quint8 HubTable::hubId(int slot) const
{
    return static_cast<quint8>(counter(slot) / 10);
}

quint32 HubTable::credit(int slot) const
{
    return counter(slot) % 10;
}

quint8 HubTable::tagLow(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).tagLow;
}

quint8 HubTable::tagHigh(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).tagHigh;
}

bool HubTable::connected(int slot) const
{
    return m_slots.at(static_cast<size_t>(slot)).connected;
}

void HubTable::setConnected(int slot, bool connected)
{
    m_slots.at(static_cast<size_t>(slot)).connected = connected;
}

QVector<int> HubTable::dataTargets() const
{
    QVector<int> targets;
    for (int i = 0; i < SlotCount && !isFree(i); ++i)
        targets.append(i);
    return targets;
}

QVector<int> HubTable::setParaTargets(quint8 id) const
{
    QVector<int> targets;
    for (int i = 0; i < SlotCount; ++i) {
        if (hubId(i) != id)
            continue;
        if (isFree(i))
            break;
        targets.append(i);
    }
    return targets;
}

QByteArray HubTable::nextFrame(int slot, const QByteArray &payload)
{
    ++m_sequence;
    return HubCommandFrame::build(tagLow(slot), tagHigh(slot), m_sequence, payload);
}

bool HubTable::spendCredit(int slot)
{
    Slot &s = m_slots.at(static_cast<size_t>(slot));
    if (s.counter % 10 == 0)
        return false;
    --s.counter;
    return true;
}

QString HubTable::lastAddressPart(const QHostAddress &address)
{
    return address.toString().split(QLatin1Char('.')).constLast();
}

quint8 HubTable::hubIdFromAddress(const QHostAddress &address)
{
    bool ok = false;
    const uint n = lastAddressPart(address).toUInt(&ok, 10);
    return ok ? static_cast<quint8>(n % 30) : 0;
}
