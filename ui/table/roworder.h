#ifndef ROWORDER_H
#define ROWORDER_H

#include <QPair>
#include <QVector>

// New orders of a table's rows, as the old position of the row that goes to
// each new position. Row 0 (the total) never moves; the same order is applied
// to a table and its twin bar chart.
namespace RowOrder {

using Order = QVector<int>;
using Key = QPair<int, int>; // page, index

// Selected rows go to positions 1, 2, ... keeping their order.
Order moveTop(const QVector<bool> &selected);
// Selected rows go to the end, keeping their order.
Order moveBottom(const QVector<bool> &selected);
// Each selected row from position 2 moves up by one; a selected row does not
// pass a selected row above it that could not move.
Order moveUp(const QVector<bool> &selected);
// Each selected row moves down by one; the last row stays, and so does a
// selected row right above it.
Order moveDown(const QVector<bool> &selected);
// Insertion sort of positions 1 to the end by page, then index (stable).
Order sorted(const QVector<Key> &keys, bool ascending);

bool anySelected(const QVector<bool> &selected);

} // namespace RowOrder

#endif
