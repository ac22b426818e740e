#include "links/celladdress.h"

namespace celladdress {

QString fromWire(const char *wire)
{
    QByteArray mostSignificantFirst(WireSize, '\0');
    for (int i = 0; i < WireSize; ++i)
        mostSignificantFirst[i] = wire[WireSize - 1 - i];
    return QString::fromLatin1(mostSignificantFirst.toHex(':').toUpper());
}

QString fromInteger(quint64 address)
{
    return fromWire(wireFromInteger(address).constData());
}

QByteArray wireFromInteger(quint64 address)
{
    QByteArray wire(WireSize, '\0');
    for (int i = 0; i < WireSize; ++i)
        wire[i] = char((address >> (8 * i)) & 0xFF);
    return wire;
}

} // namespace celladdress
