#ifndef CELLADDRESS_H
#define CELLADDRESS_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The three forms of a cell's Bluetooth address. The text form
// "00:80:E1:26:D3:AA" (most significant byte first, upper case) is the one the
// records, the signals and the controller's bindings use; the serial receiver
// sends six bytes least significant first; the platform reports a 48-bit number.
namespace celladdress {

constexpr int WireSize = 6;
// Cells are recognised by this prefix of the text form.
inline const QString &cellPrefix()
{
    static const QString prefix = QStringLiteral("00:80:E1");
    return prefix;
}

// Text form of the six wire-form bytes at `wire`.
QString fromWire(const char *wire);
QString fromInteger(quint64 address);
QByteArray wireFromInteger(quint64 address);

} // namespace celladdress

#endif
