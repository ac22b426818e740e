// The order of a table's rows: moves and sorts put every row in a new place
// at once, announced as one layout change so views keep their delegates.
// Member definitions of CellRowModel kept apart from its storage.
#include "ui/common/cellrowmodel.h"

bool CellRowModel::applyOrder(const QVector<int> &order)
{
    flush();
    if (order.size() != m_rows.size() || order.isEmpty() || order.first() != 0)
        return false;
    QVector<int> newPosition(order.size(), -1);
    for (int position = 0; position < order.size(); ++position) {
        const int old = order.at(position);
        if (old < 0 || old >= order.size() || newPosition.at(old) >= 0)
            return false;
        newPosition[old] = position;
    }

    emit layoutAboutToBeChanged();
    QVector<CellRow> moved;
    moved.reserve(m_rows.size());
    for (int old : order)
        moved.append(m_rows.at(old));
    m_rows = moved;
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList updated;
    for (const QModelIndex &index : persistent)
        updated.append(this->index(newPosition.at(index.row())));
    changePersistentIndexList(persistent, updated);
    m_lookup.invalidate();
    if (m_anchorRow >= 0)
        m_anchorRow = newPosition.at(m_anchorRow);
    emit layoutChanged();
    if (m_currentRow >= 0)
        setCurrentRow(newPosition.at(m_currentRow));
    return true;
}

QVector<bool> CellRowModel::selection()
{
    flush();
    QVector<bool> selected;
    selected.reserve(m_rows.size());
    for (const CellRow &row : qAsConst(m_rows))
        selected.append(row.checked001);
    return selected;
}

QVector<QPair<int, int>> CellRowModel::keys()
{
    flush();
    QVector<QPair<int, int>> keys;
    keys.reserve(m_rows.size());
    for (const CellRow &row : qAsConst(m_rows))
        keys.append({row.pageId001, row.index001});
    return keys;
}
