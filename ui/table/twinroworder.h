#ifndef TWINROWORDER_H
#define TWINROWORDER_H

#include "ui/common/cellrowmodel.h"

#include <QObject>
#include <QPointer>

// One order for a table part and its twin bar chart: every move, sort,
// addition and removal is computed once from the table's rows and applied to
// both models, so the two never disagree about which cell sits at a position.
// The selection is the table's.
class TwinRowOrder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(CellRowModel *table READ table WRITE setTable RESET resetTable NOTIFY tableChanged)
    Q_PROPERTY(CellRowModel *chart READ chart WRITE setChart RESET resetChart NOTIFY chartChanged)

public:
    explicit TwinRowOrder(QObject *parent = nullptr);

    CellRowModel *table() const { return m_table; }
    void setTable(CellRowModel *table);
    void resetTable();
    CellRowModel *chart() const { return m_chart; }
    void setChart(CellRowModel *chart);
    void resetChart();

    // "置顶", "置底", "上移", "下移": false (nothing moves) when no row from
    // position 1 is selected.
    Q_INVOKABLE bool moveTop();
    Q_INVOKABLE bool moveBottom();
    Q_INVOKABLE bool moveUp();
    Q_INVOKABLE bool moveDown();
    // "升序", "降序": by page, then index.
    Q_INVOKABLE void sortAscending();
    Q_INVOKABLE void sortDescending();

    // Appends a placeholder row for the cell to both, unless the part holds
    // it already; true when it was added.
    Q_INVOKABLE bool addCell(int pageId, int index);
    // Adds every selected row of `source` from position 1; answers how many
    // rows were selected there.
    Q_INVOKABLE int addSelectedFrom(CellRowModel *source);
    // Removes the selected rows from position 1 from both; answers how many.
    Q_INVOKABLE int removeSelected();

signals:
    void tableChanged();
    void chartChanged();

private:
    bool move(QVector<int> (*rule)(const QVector<bool> &));
    void apply(const QVector<int> &order);

    QPointer<CellRowModel> m_table;
    QPointer<CellRowModel> m_chart;
};

#endif
