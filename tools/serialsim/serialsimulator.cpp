#include "tools/serialsim/serialsimulator.h"

#include "links/cellpayload.h"
#include "links/receiverframe.h"

#include <QtMath>

SerialSimulator::SerialSimulator(int cells, quint32 seed) : m_random(seed)
{
    static const quint16 boxTypes[] = {1, 2, 3, 5};
    for (int i = 0; i < cells; ++i) {
        Cell cell;
        cell.userId = quint16(i + 1);
        cell.boxType = boxTypes[i % 4];
        cell.baseWeight = 200 + m_random.bounded(2800);
        cell.swing = 50 + m_random.bounded(400);
        cell.periodSeconds = 20 + m_random.bounded(100);
        cell.battery = 60 + m_random.bounded(41);
        m_cells.append(cell);
    }
}

quint64 SerialSimulator::cellAddress(int cell)
{
    return Q_UINT64_C(0x0080E1000000) + quint64(cell + 1);
}

QByteArray SerialSimulator::tick(double seconds)
{
    QByteArray bytes;
    for (int i = 0; i < m_cells.size(); ++i)
        bytes += cellFrame(m_cells[i], seconds);
    ++m_ticks;
    // The receiver forwards every advertisement it hears, not only the cells'.
    if (m_ticks % 7 == 0)
        bytes += foreignFrame();
    if (m_ticks % 11 == 0)
        bytes += QByteArray::fromHex("00ff5a");
    return bytes;
}

QByteArray SerialSimulator::cellFrame(Cell &cell, double seconds)
{
    const double noise = m_random.bounded(11) - 5;
    const double weight = cell.baseWeight + cell.swing * qSin(2 * M_PI * seconds / cell.periodSeconds) + noise;
    cell.battery = qMax(5.0, cell.battery - 0.001);

    cellpayload::CellReading reading;
    reading.sequence = ++cell.sequence;
    reading.cellIndex = cell.userId;
    reading.boxType = cell.boxType;
    reading.weight = qint16(qBound(-32768.0, weight, 32767.0));
    reading.battery = quint8(cell.battery);
    const int rssi = -45 - int(m_random.bounded(40));
    return receiverframe::build(cellAddress(cell.userId - 1), rssi, cellpayload::encode(reading));
}

QByteArray SerialSimulator::foreignFrame()
{
    QByteArray advertisement(cellpayload::Size, '\0');
    for (char &byte : advertisement)
        byte = char(m_random.bounded(256));
    return receiverframe::build(Q_UINT64_C(0x4C5A12345678), -80, advertisement);
}
