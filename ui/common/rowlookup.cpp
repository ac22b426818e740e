#include "ui/common/rowlookup.h"

quint64 RowLookup::key(int pageId, int index)
{
    return (quint64(quint32(pageId)) << 32) | quint32(index);
}

void RowLookup::add(const CellRow &row, int position)
{
    if (!m_valid)
        return;
    const quint64 k = key(row.pageId001, row.index001);
    if (!m_anyRows.contains(k))
        m_anyRows.insert(k, position);
    if (row.typeFlag001 == 0 && !m_cellRows.contains(k))
        m_cellRows.insert(k, position);
    if (row.typeFlag001 == 1 && !m_groupRows.contains(row.index001))
        m_groupRows.insert(row.index001, position);
}

void RowLookup::ensure(const QVector<CellRow> &rows)
{
    if (m_valid)
        return;
    m_cellRows.clear();
    m_groupRows.clear();
    m_anyRows.clear();
    m_valid = true;
    for (int position = 0; position < rows.size(); ++position)
        add(rows.at(position), position);
}
