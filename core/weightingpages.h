#ifndef WEIGHTINGPAGES_H
#define WEIGHTINGPAGES_H

#include "core/weightingdata.h"
#include "project/pagesource.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>

class WeightingCellData;

// The 21 pages of cell records (pages 0 to 19 behind the hubs, page 20 the
// wireless cells; page 1 holds the total "ALL LOAD" in cell 0 and the group
// records 1 to 19), the presets new cells take, and the limits every address
// from the user interface is checked against: page 0 to 20, cell index 0 to
// 1000, record index 0 to 1020, group 0 to 19. The user interface can send
// anything from its free-text fields; what is outside the limits addresses
// nothing.
class WeightingPages : public PageSource
{
public:
    static constexpr int LastCellIndex = 1000;
    static constexpr int LastRecordIndex = 1020;
    static constexpr int LastGroup = 19;
    // Wireless user IDs run from 1 to 999.
    static constexpr int LastUserId = 999;

    // `cellCreated` hears of every cell created with the presets, right
    // after its creation: the controller reports it in the log.
    using CellCreated = std::function<void(int pageId, int index)>;
    explicit WeightingPages(CellCreated cellCreated);
    ~WeightingPages() override;

    WeightingPages(const WeightingPages &) = delete;
    WeightingPages &operator=(const WeightingPages &) = delete;

    static bool validPage(int pageId);
    static bool validCellIndex(int index);
    static bool validRecordIndex(int index);
    static bool validGroup(int groupId);

    WeightingData *page(int pageId) const override;
    WeightingData *ensurePage(int pageId) override;
    // Deletes every page and record at once.
    void deleteAll();

    // The record at `index` (0 to 1020) of an existing page, else null.
    WeightingCellData *record(int pageId, int index) const;
    // The page a record edit goes to: null for a missing page or an index
    // outside 0 to 1020.
    WeightingData *pageOfRecord(int pageId, int index) const;

    int preMinWarnData() const { return m_preMinWarnData; }
    int preMaxWarnData() const { return m_preMaxWarnData; }
    int preMinErrData() const { return m_preMinErrData; }
    int preMaxErrData() const { return m_preMaxErrData; }
    void setPreMaxWarnData(int value) { m_preMaxWarnData = value; }
    void setPreMinErrData(int value) { m_preMinErrData = value; }
    void setPreData(int minErr, int maxErr, int minWarn, int maxWarn);

    // Creates a cell with the presets; false, and nothing changes, for an
    // address outside the limits or a slot that is taken already.
    bool createCell(int pageId, int index);
    // Creates wireless cell `index` bound to "00:80:E1:26:" + `addr`; an
    // occupied slot is left alone, address included (setBleAddress rebinds
    // an existing one). False when nothing was created.
    bool createBleCell(const QString &addr, int index);
    // Empties slot `index` of an existing page. False when the page is
    // missing or the index is outside the limits; an empty slot counts as
    // done.
    bool deleteCell(int pageId, int index);
    // Deletes the group in slot `index` (1001 + g) of page 1 after every cell
    // of pages 1 to 20 has left it. False when there is nothing to address.
    bool removeGroup(int pageId, int index);
    // Puts a cell into a group, creating the group record when page 1 exists
    // and has none.
    void setGroup(int pageId, int index, int groupId);
    // Restarts the extremes of every record on every page.
    void resetMaxMinData();

    // A wireless device announced itself with user ID `index`. A device
    // already bound to a cell of that ID, or to a conflict slot, keeps it.
    // Otherwise it gets cell `index`, or, when another device holds that ID,
    // the highest free slot, marked so that its records are matched by
    // address alone. Returns false when the ID is outside 1 to 999 and the
    // device was left out.
    bool bindWirelessDevice(const QString &address, int index);

private:
    CellCreated m_cellCreated;
    std::array<std::unique_ptr<WeightingData>, PageCount> m_pages;
    int m_preMinWarnData = 0;
    int m_preMaxWarnData = 4000;
    int m_preMinErrData = 0;
    int m_preMaxErrData = 5000;
};

#endif
