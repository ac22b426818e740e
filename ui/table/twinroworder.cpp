#include "ui/table/twinroworder.h"

#include "ui/table/roworder.h"

TwinRowOrder::TwinRowOrder(QObject *parent) : QObject(parent)
{
}

void TwinRowOrder::setTable(CellRowModel *table)
{
    if (m_table == table)
        return;
    m_table = table;
    emit tableChanged();
}

void TwinRowOrder::resetTable()
{
    setTable(nullptr);
}

void TwinRowOrder::setChart(CellRowModel *chart)
{
    if (m_chart == chart)
        return;
    m_chart = chart;
    emit chartChanged();
}

void TwinRowOrder::resetChart()
{
    setChart(nullptr);
}

void TwinRowOrder::apply(const QVector<int> &order)
{
    if (m_table)
        m_table->applyOrder(order);
    if (m_chart)
        m_chart->applyOrder(order);
}

bool TwinRowOrder::move(QVector<int> (*rule)(const QVector<bool> &))
{
    if (!m_table)
        return false;
    const QVector<bool> selected = m_table->selection();
    if (!RowOrder::anySelected(selected))
        return false;
    apply(rule(selected));
    return true;
}

bool TwinRowOrder::moveTop()
{
    return move(&RowOrder::moveTop);
}

bool TwinRowOrder::moveBottom()
{
    return move(&RowOrder::moveBottom);
}

bool TwinRowOrder::moveUp()
{
    return move(&RowOrder::moveUp);
}

bool TwinRowOrder::moveDown()
{
    return move(&RowOrder::moveDown);
}

void TwinRowOrder::sortAscending()
{
    if (m_table)
        apply(RowOrder::sorted(m_table->keys(), true));
}

void TwinRowOrder::sortDescending()
{
    if (m_table)
        apply(RowOrder::sorted(m_table->keys(), false));
}

bool TwinRowOrder::addCell(int pageId, int index)
{
    if (!m_table || m_table->contains(pageId, index))
        return false;
    m_table->appendPlaceholder(pageId, index, 0);
    if (m_chart)
        m_chart->appendPlaceholder(pageId, index, 0);
    return true;
}

int TwinRowOrder::addSelectedFrom(CellRowModel *source)
{
    if (!source)
        return 0;
    const QVector<bool> selected = source->selection();
    const QVector<QPair<int, int>> keys = source->keys();
    int count = 0;
    for (int row = 1; row < selected.size(); ++row) {
        if (!selected.at(row))
            continue;
        ++count;
        if (source != m_table)
            addCell(keys.at(row).first, keys.at(row).second);
    }
    return count;
}

int TwinRowOrder::removeSelected()
{
    if (!m_table)
        return 0;
    const QVector<bool> selected = m_table->selection();
    QVector<int> positions;
    for (int row = 1; row < selected.size(); ++row) {
        if (selected.at(row))
            positions.append(row);
    }
    m_table->removePositions(positions);
    if (m_chart)
        m_chart->removePositions(positions);
    return positions.size();
}
