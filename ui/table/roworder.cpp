#include "ui/table/roworder.h"

#include <numeric>

namespace RowOrder {

namespace {

Order identity(int size)
{
    Order order(size);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// Row 0 first, then the rows for which `first` holds, then the others.
Order partitioned(const QVector<bool> &selected, bool selectedFirst)
{
    Order order;
    if (selected.isEmpty())
        return order;
    order.append(0);
    for (int pass = 0; pass < 2; ++pass) {
        const bool take = (pass == 0) == selectedFirst;
        for (int row = 1; row < selected.size(); ++row) {
            if (selected.at(row) == take)
                order.append(row);
        }
    }
    return order;
}

} // namespace

bool anySelected(const QVector<bool> &selected)
{
    for (int row = 1; row < selected.size(); ++row) {
        if (selected.at(row))
            return true;
    }
    return false;
}

Order moveTop(const QVector<bool> &selected)
{
    return partitioned(selected, true);
}

Order moveBottom(const QVector<bool> &selected)
{
    return partitioned(selected, false);
}

Order moveUp(const QVector<bool> &selected)
{
    Order order = identity(selected.size());
    for (int position = 2; position < order.size(); ++position) {
        if (selected.at(order.at(position)) && !selected.at(order.at(position - 1)))
            std::swap(order[position], order[position - 1]);
    }
    return order;
}

Order moveDown(const QVector<bool> &selected)
{
    Order order = identity(selected.size());
    for (int position = order.size() - 2; position >= 1; --position) {
        if (selected.at(order.at(position)) && !selected.at(order.at(position + 1)))
            std::swap(order[position], order[position + 1]);
    }
    return order;
}

Order sorted(const QVector<Key> &keys, bool ascending)
{
    Order order = identity(keys.size());
    const auto before = [&](int a, int b) { return ascending ? keys.at(a) < keys.at(b) : keys.at(b) < keys.at(a); };
    for (int position = 2; position < order.size(); ++position) {
        const int row = order.at(position);
        int to = position;
        while (to > 1 && before(row, order.at(to - 1))) {
            order[to] = order[to - 1];
            --to;
        }
        order[to] = row;
    }
    return order;
}

} // namespace RowOrder
