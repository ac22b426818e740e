#include "ui/shell/hubconnectionmask.h"

HubConnectionMask::HubConnectionMask(QObject *parent) : QObject(parent)
{
}

void HubConnectionMask::setMask(int mask)
{
    if (m_mask == mask)
        return;
    m_mask = mask;
    emit maskChanged();
}

bool HubConnectionMask::hubBit(int half, int hub)
{
    if (hub < 1 || hub > 16)
        return false;
    return (quint32(half) >> (hub - 1)) & 1u;
}
