#ifndef WEIGHTINGREFRESH_H
#define WEIGHTINGREFRESH_H

#include "core/bleintake.h"
#include "core/hubintake.h"
#include "core/weightingdata.h"
#include "links/blecellstate.h"
#include "project/pagesource.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class Device;
class WeightingCellData;
class WeightingPages;

// The once-per-second path: the device data buffered between two refreshes,
// and the refresh that takes it into the pages, recomputes the total and the
// group sums and publishes every record of pages 1 to 20 in display units.
// It also counts the page publications since the last hub datagram, which
// tells the information page that the hubs went silent.
class WeightingRefresh : public QObject
{
    Q_OBJECT

public:
    static constexpr uint32_t DisconnectedTimes = 65535;

    explicit WeightingRefresh(WeightingPages &pages, QObject *parent = nullptr);

    // Keeps a hub datagram's records for the next refresh; a datagram that
    // is taken restarts the count of publications.
    void storeHubDatagram(const uint8_t *bytes, int len);
    // Keeps a wireless record for the next refresh when page 20 has a cell
    // bound to the device (see BleIntake::boundSlot), marking the user ID it
    // claimed on the cell.
    void storeWirelessRecord(const bleCellState &record, const QString &address);
    // Creates, with the presets, every hub cell a pending datagram reports
    // online: hubs list their cells in index order from 1, so position k is
    // cell k + 1.
    void createPendingHubCells();

    // One refresh. `ble` (may be null) is polled for its cells first; the
    // readings are published multiplied by `factor`. Nothing is published
    // without page 1.
    void refresh(Device *ble, double factor);

    uint32_t disConnecttimes() const { return m_disConnecttimes; }
    void setDisConnecttimes(uint32_t times);

signals:
    void cellPublished(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                       int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                       int minErrData, int state, int errorNb, int boxType, WeightingCellData *cellAddr);
    void groupPublished(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                        int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                        int minErrData, int state, int errorNb, int boxType, WeightingCellData *cellAddr);
    void disConnecttimesChanged();
    // A published record's log line and alarm request.
    void recordLogLine(QString st, QString str);
    void recordAlarm(int sound);

private:
    bool takeInHubData();
    void takeInBluetoothData(Device *ble);
    void updateTotal();
    void updateGroups();
    void publishPage(int pageId, double factor);
    // Relays the record's log lines and alarm requests, once per record.
    void watchRecord(int pageId, int slot, WeightingCellData *record);
    void publishRecord(int pageId, int slot, WeightingCellData *record, const QString &name, bool group,
                       double factor);

    WeightingPages &m_pages;
    HubIntake m_hubIntake;
    BleIntake m_bleIntake;
    uint32_t m_disConnecttimes = DisconnectedTimes;
    // The record whose signals are relayed, per page and slot; a deleted
    // record clears its entry, so a new record in the slot is connected anew.
    std::vector<std::array<QPointer<WeightingCellData>, WeightingData::SlotCount>> m_watched;
};

#endif
