#ifndef CELLROWKEYS_H
#define CELLROWKEYS_H

#include "ui/common/cellrowmodel.h"

#include <QPair>
#include <QVector>

// A row model's rows as (page, index), top to bottom.
using Keys = QVector<QPair<int, int>>;

inline Keys keys(const CellRowModel &model)
{
    Keys result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append({model.index(row).data(CellRowModel::PageIdRole).toInt(), model.index(row).data(CellRowModel::IndexRole).toInt()});
    return result;
}

#endif
