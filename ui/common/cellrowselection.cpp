// The selection of a table's rows: plain, Ctrl and Shift clicks and select
// all. Member definitions of CellRowModel kept apart from its storage.
#include "ui/common/cellrowmodel.h"

#include <algorithm>

bool CellRowModel::validRow(int row) const
{
    return row >= 0 && row < m_announced;
}

void CellRowModel::setChecked(int row, bool checked)
{
    if (m_rows.at(row).checked001 == checked)
        return;
    m_rows[row].checked001 = checked;
    markDirty(row);
}

void CellRowModel::setCurrentRow(int row)
{
    if (m_currentRow == row)
        return;
    m_currentRow = row;
    emit currentRowChanged();
}

void CellRowModel::clickRow(int row, bool multiSelect)
{
    if (!validRow(row))
        return;
    flush();
    const bool checked = !m_rows.at(row).checked001;
    if (!multiSelect) {
        for (int other = 0; other < m_rows.size(); ++other) {
            if (other != row)
                setChecked(other, false);
        }
    }
    setChecked(row, checked);
    m_anchorRow = row;
    setCurrentRow(row);
    flush();
}

void CellRowModel::ctrlClickRow(int row)
{
    if (!validRow(row))
        return;
    setChecked(row, !m_rows.at(row).checked001);
    flush();
}

void CellRowModel::shiftClickRow(int row)
{
    if (!validRow(row))
        return;
    flush();
    const int anchor = validRow(m_anchorRow) ? m_anchorRow : row;
    const int first = std::min(anchor, row);
    const int last = std::max(anchor, row);
    for (int other = 0; other < m_rows.size(); ++other)
        setChecked(other, other >= first && other <= last);
    flush();
}

void CellRowModel::setAllChecked(bool checked)
{
    flush();
    for (int row = 0; row < m_rows.size(); ++row)
        setChecked(row, checked);
    flush();
}

void CellRowModel::selectKeyRange(int low, int high)
{
    flush();
    for (int row = 0; row < m_rows.size(); ++row) {
        const int key = m_rows.at(row).pageId001 * 100 + m_rows.at(row).index001;
        if (key >= low && key <= high)
            setChecked(row, true);
    }
    flush();
}

int CellRowModel::selectedCount(int fromRow) const
{
    int selected = 0;
    for (int row = std::max(0, fromRow); row < m_rows.size(); ++row)
        selected += m_rows.at(row).checked001 ? 1 : 0;
    return selected;
}
