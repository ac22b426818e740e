#ifndef TABLECOUNTERS_H
#define TABLECOUNTERS_H

#include "ui/common/cellrow.h"

#include <QVector>

// The header figures of a table, counted over its rows.
struct TableCounters
{
    int underAlarm = 0; // rect3_N
    int overAlarm = 0; // rect4_N
    int underWarn = 0; // rect7_N, without the rows counted as under-alarm
    int overWarn = 0; // rect8_N, without the rows counted as over-alarm
    int online = 0; // rect_ON
    int offline = 0; // rect_OFF
    double selectedLoad = 0; // m_MulLoad
    bool anySelected = false; // m_MulLoadCheck

    static TableCounters count(const QVector<CellRow> &rows);

    bool operator==(const TableCounters &other) const;
};

#endif
