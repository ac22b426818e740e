#ifndef FULLINSTALLATIONLOAD_H
#define FULLINSTALLATIONLOAD_H

#include "core/hubdatagram.h"
#include "core/weightingcontrol.h"
#include "links/blecellstate.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// A full installation in the weighing controller: 20 hubs of 100 cells
// (pages 0 to 19) spread over 19 groups, the total, and 999 wireless cells.
// Each tick brings what one second brings: a datagram from every hub and a
// record from every wireless cell, every reading moved a little.
class FullInstallationLoad
{
public:
    static constexpr int HubPages = 20;
    static constexpr int CellsPerHubPage = 100;
    static constexpr int WirelessCells = 999;
    static constexpr int Groups = 19;

    // Hub weights run over weightSpan from 1000; one hub cell in
    // faultEvery reports a fault (none for 0).
    FullInstallationLoad(WeightingConTrol &control, int weightSpan, int faultEvery)
        : m_control(control), m_weightSpan(weightSpan), m_faultEvery(faultEvery)
    {
        for (int page = 0; page < HubPages; ++page) {
            for (int index = 1; index <= CellsPerHubPage; ++index) {
                m_control.createCell(page, index);
                m_control.qmlSetGroup(page, index, 1 + (page * CellsPerHubPage + index) % Groups);
            }
        }
        m_control.createCell(1, 0); // the total
        for (int index = 1; index <= WirelessCells; ++index) {
            m_addresses.push_back(wirelessAddress(index));
            m_control.bleAddOnlineDevice(m_addresses.back(), index);
        }
    }

    // One second's arrivals, through the controller's intake calls.
    void arrive(int tick)
    {
        for (int page = 0; page < HubPages; ++page) {
            QByteArray bytes = datagram(page, tick);
            m_control.udpReadData(reinterpret_cast<uint8_t *>(bytes.data()), bytes.size());
        }
        for (int index = 1; index <= WirelessCells; ++index) {
            bleCellState record;
            record.cellIndex = quint16(index);
            record.online = 1;
            record.curData = qint16(500 + (index * 13 + tick * 7) % 4000);
            record.battery = 90;
            setCellAddress(record, m_addresses[size_t(index - 1)]);
            setCellRssi(record, -60 - index % 30);
            m_control.bleReadData(record, m_addresses[size_t(index - 1)]);
        }
    }

private:
    static QString wirelessAddress(int index)
    {
        return QStringLiteral("00:80:E1:26:%1:%2")
            .arg(index >> 8, 2, 16, QLatin1Char('0'))
            .arg(index & 0xFF, 2, 16, QLatin1Char('0'))
            .toUpper();
    }

    QByteArray datagram(int page, int tick) const
    {
        QByteArray bytes(HubDatagram::HeaderSize, '\0');
        const quint16 tag = quint16(HubDatagram::TagBase + page);
        bytes[2] = char(tag & 0xFF);
        bytes[3] = char(tag >> 8);
        for (int index = 1; index <= CellsPerHubPage; ++index) {
            const int weight = 1000 + (index * 37 + tick * 11) % m_weightSpan;
            const bool fault = m_faultEvery > 0 && (index + tick) % m_faultEvery == 0;
            const char record[8] = {char(index), 0, char(fault ? 3 : 1), 0, 2, 0, char(weight & 0xFF), char(weight >> 8)};
            bytes.append(record, 8);
        }
        return bytes;
    }

    WeightingConTrol &m_control;
    const int m_weightSpan;
    const int m_faultEvery;
    std::vector<QString> m_addresses;
};

#endif
