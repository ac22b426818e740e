#include "ui/table/tablecounters.h"

namespace {

// Cell rows are the weighing positions themselves: not the total (index 0)
// and not a group.
bool isCellRow(const CellRow &row)
{
    return row.typeFlag001 == 0 && row.index001 > 0;
}

} // namespace

TableCounters TableCounters::count(const QVector<CellRow> &rows)
{
    TableCounters c;
    for (const CellRow &row : rows) {
        if (row.width1 < row.minErr001)
            ++c.underAlarm;
        if (row.width1 > row.maxErr001)
            ++c.overAlarm;
        if (row.width1 < row.minWarn001)
            ++c.underWarn;
        if (row.width1 > row.maxWarn001)
            ++c.overWarn;
        if (!isCellRow(row))
            continue;
        if (row.state001 == 1)
            ++c.online;
        else
            ++c.offline;
        if (row.checked001) {
            c.selectedLoad += row.width1;
            c.anySelected = true;
        }
    }
    // A weight below the alarm is also below the warning: warnings count only
    // what is not already an alarm.
    if (c.underWarn >= c.underAlarm)
        c.underWarn -= c.underAlarm;
    if (c.overWarn >= c.overAlarm)
        c.overWarn -= c.overAlarm;
    return c;
}

bool TableCounters::operator==(const TableCounters &other) const
{
    return underAlarm == other.underAlarm && overAlarm == other.overAlarm && underWarn == other.underWarn
        && overWarn == other.overWarn && online == other.online && offline == other.offline
        && selectedLoad == other.selectedLoad && anySelected == other.anySelected;
}
