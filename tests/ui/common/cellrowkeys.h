#ifndef CELLROWKEYS_H
#define CELLROWKEYS_H

#include "ui/common/cellrowmodel.h"

#include <QPair>
#include <QVector>

// The rows of a row model as (page, index) pairs, top to bottom: what the
// row tests compare after each change.
using Keys = QVector<QPair<int, int>>;

inline Keys keys(const CellRowModel &model)
{
    Keys result;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex i = model.index(row);
        result.append({i.data(CellRowModel::PageIdRole).toInt(), i.data(CellRowModel::IndexRole).toInt()});
    }
    return result;
}

#endif
