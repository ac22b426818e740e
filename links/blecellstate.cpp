#include "links/blecellstate.h"

#include <cstring>

namespace {

template <std::size_t N>
void writeText(char (&field)[N], const QByteArray &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.constData(), qMin<std::size_t>(N - 1, std::size_t(text.size())));
}

template <std::size_t N>
QString readText(const char (&field)[N])
{
    return QString::fromLatin1(field, int(qstrnlen(field, N)));
}

} // namespace

void setCellAddress(bleCellState &record, const QString &address)
{
    writeText(record.address, address.toLatin1());
}

void setCellRssi(bleCellState &record, int dbm)
{
    writeText(record.rssi, QByteArray::number(dbm));
}

QString cellAddress(const bleCellState &record)
{
    return readText(record.address);
}

QString cellRssi(const bleCellState &record)
{
    return readText(record.rssi);
}

void registerWirelessMetaTypes()
{
    qRegisterMetaType<bleCellState>("bleCellState");
}
