#ifndef CELLROW_H
#define CELLROW_H

#include "core/weightingcelldata.h"

#include <QPointer>
#include <QString>

// One row of a table or bar chart: the values of one published record. The
// record itself is held through a QPointer, so a row never points at a record
// its page has already deleted.
struct CellRow
{
    int pageId001 = 1;
    int index001 = 0;
    int groupId001 = 0;
    int typeFlag001 = 0;
    QString name001;
    int width1 = 0;
    double peel001 = 0;
    int maxWidth001 = 0;
    int minWidth001 = 0;
    int maxWarn001 = 0;
    int minWarn001 = 0;
    int maxErr001 = 0;
    int minErr001 = 0;
    bool checked001 = false;
    int state001 = 3;
    int errorNb001 = 0;
    int wTypeb001 = 0;
    QString curState001;
    QString battery001;
    QString rssi001;
    QString addrDate001;
    QPointer<WeightingCellData> obj001;
    bool idIsErr = false;
    int errId = 0;
    // Changed since the model last announced its changes.
    bool dirty = false;
};

// The arguments of one publication (readCellDataSignal and
// readGroupCellDataSignal carry the same sixteen).
struct CellReading
{
    int pageId;
    int index;
    int groupId;
    int typeFlag;
    QString name;
    int curData;
    int maxData;
    int minData;
    int maxWarnData;
    int minWarnData;
    int maxErrData;
    int minErrData;
    int state;
    int errorNb;
    int boxType;
    WeightingCellData *record;
};

#endif
