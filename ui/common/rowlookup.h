#ifndef ROWLOOKUP_H
#define ROWLOOKUP_H

#include "ui/common/cellrow.h"

#include <QHash>
#include <QVector>

// Finds a row by page and index without scanning: the first cell row, the
// first group row (by index alone) and the first row of any kind for a key.
// Rows that move or change their key make the lookup stale; it is rebuilt
// from the rows on the next query.
class RowLookup
{
public:
    // Adds one row at its position while the lookup is current.
    void add(const CellRow &row, int position);
    void invalidate() { m_valid = false; }
    bool isValid() const { return m_valid; }
    void ensure(const QVector<CellRow> &rows);

    int cellRow(int pageId, int index) const { return m_cellRows.value(key(pageId, index), -1); }
    int groupRow(int index) const { return m_groupRows.value(index, -1); }
    int anyRow(int pageId, int index) const { return m_anyRows.value(key(pageId, index), -1); }

    static quint64 key(int pageId, int index);

private:
    QHash<quint64, int> m_cellRows;
    QHash<int, int> m_groupRows;
    QHash<quint64, int> m_anyRows;
    bool m_valid = true;
};

#endif
