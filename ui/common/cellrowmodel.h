#ifndef CELLROWMODEL_H
#define CELLROWMODEL_H

#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "ui/common/cellrow.h"
#include "ui/common/rowlookup.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QVariantList>
#include <QVariantMap>
#include <QVector>

// The rows of one table part (or its twin bar chart): one row per published
// record, one role per row field. The model connects itself to the weighing
// controller's publication signals; the main part (part index 0) appends new
// cells and inserts new groups under the total row, the other parts only
// update the rows they hold. Rows are found through a page/index hash, and
// everything a refresh changed is announced once, when control returns to the
// event loop: new rows as one insertion, changed rows as merged dataChanged
// ranges.
class CellRowModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int m_partIndex READ partIndex WRITE setPartIndex RESET resetPartIndex NOTIFY partIndexChanged)
    Q_PROPERTY(WeightingConTrol *controller READ controller WRITE setController RESET resetController NOTIFY controllerChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int currentRow READ currentRow NOTIFY currentRowChanged)

public:
    enum Role {
        PageIdRole = Qt::UserRole + 1,
        IndexRole,
        GroupIdRole,
        TypeFlagRole,
        NameRole,
        WidthRole,
        PeelRole,
        MaxWidthRole,
        MinWidthRole,
        MaxWarnRole,
        MinWarnRole,
        MaxErrRole,
        MinErrRole,
        CheckedRole,
        StateRole,
        ErrorNbRole,
        WTypeRole,
        CurStateRole,
        BatteryRole,
        RssiRole,
        AddrDateRole,
        ObjRole,
        // Roles computed from the fields start here (subclasses).
        FirstDerivedRole
    };

    explicit CellRowModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int partIndex() const { return m_partIndex; }
    void setPartIndex(int partIndex);
    void resetPartIndex();
    WeightingConTrol *controller() const { return m_controller; }
    void setController(WeightingConTrol *controller);
    void resetController();
    int count() const { return rowCount(); }
    int currentRow() const { return m_currentRow; }

    // Rows in storage, announced or not (tests and benchmarks).
    const QVector<CellRow> &rows() const { return m_rows; }
    bool isMainPart() const { return m_partIndex == 0; }

    // The announced row's fields and computed values by role name, for views
    // that read rows rather than delegate them (plan, recording, tests).
    Q_INVOKABLE QVariantMap get(int row) const;
    Q_INVOKABLE bool contains(int pageId, int index);
    Q_INVOKABLE int rowOf(int pageId, int index);
    // A row standing for a stored or newly added cell until its data arrive:
    // name "0" (the given name for the total placeholder of a new part), state 3.
    Q_INVOKABLE void appendPlaceholder(int pageId, int index, int typeFlag, const QString &name = QStringLiteral("0"));
    // Placeholder rows for the cells the project file stores for this part:
    // from position 0 for the main part, from 1 for the others (their total
    // row exists already). Entries whose page or index is not a number are
    // skipped.
    Q_INVOKABLE void loadPlaceholders(MyJson *json);
    // Stores every row from position 0 into the part's pending cell list.
    Q_INVOKABLE void saveRows(MyJson *json);
    // Removes the rows at the given positions (position 0 is kept).
    void removePositions(QVector<int> positions);
    // Puts the rows in a new order: order[i] is the old position of the row
    // that goes to position i. Anything but a reordering of every row that
    // keeps row 0 in place changes nothing and answers false.
    bool applyOrder(const QVector<int> &order);
    // Per row: selected, and its page and index (the order rules' inputs).
    QVector<bool> selection();
    QVector<QPair<int, int>> keys();

    // Selection. A plain click toggles the row and, unless multi-select is on,
    // clears the others; Ctrl toggles one row; Shift selects from the last
    // plainly clicked row to this one and clears the rest.
    Q_INVOKABLE void clickRow(int row, bool multiSelect);
    Q_INVOKABLE void ctrlClickRow(int row);
    Q_INVOKABLE void shiftClickRow(int row);
    Q_INVOKABLE void setAllChecked(bool checked);
    // Selects every row whose key page × 100 + index lies in [low, high];
    // the others keep their selection.
    void selectKeyRange(int low, int high);
    Q_INVOKABLE int selectedCount(int fromRow = 0) const;

    // Announces pending insertions and changes now.
    Q_INVOKABLE void flush();

public slots:
    // Main part: the cell row with equal page, index and type flag 0, else a new row at the end.
    void setTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData, int maxData,
                      int minData, int maxWarnData, int minWarnData, int maxErrData, int minErrData, int state,
                      int errorNb, int boxType, WeightingCellData *cellAddr);
    // Main part: the group row with equal index and type flag 1, else a new row at position 1.
    void setGroupTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData, int maxData,
                           int minData, int maxWarnData, int minWarnData, int maxErrData, int minErrData, int state,
                           int errorNb, int boxType, WeightingCellData *cellAddr);
    // Any part: the first row with equal page and index; never a new row.
    void setPartTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData, int maxData,
                          int minData, int maxWarnData, int minWarnData, int maxErrData, int minErrData, int state,
                          int errorNb, int boxType, WeightingCellData *cellAddr);
    // A group was removed: its rows go (never row 0).
    void removeGroupRows(int pageId, int index);
    // A cell was deleted: its cell rows go (never row 0).
    void deleteCellRows(int pageId, int index);
    // Forgets every record pointer (the project is closing).
    void dropRecords();

signals:
    void partIndexChanged();
    void controllerChanged();
    void countChanged();
    void currentRowChanged();

protected:
    // Subclasses add their computed roles.
    virtual QVariant derivedData(const CellRow &row, int role) const;
    // A publication reached the row at this position (updated or newly
    // placed); the bar chart adapts its axes when the last row's data arrive.
    virtual void readingApplied(int row);
    void markDirty(int row);
    void announceAllChanged();

private:
    enum class Match { MainCell, MainGroup, Part };

    void applyReading(const CellReading &reading, Match match);
    bool updateRow(int row, const CellReading &reading);
    static bool fillRow(CellRow &row, const CellReading &reading);
    void appendRow(CellRow row);
    void insertRow(int position, CellRow row);
    void setChecked(int row, bool checked);
    bool validRow(int row) const;
    void setCurrentRow(int row);
    void connectController();

    QVector<CellRow> m_rows;
    // Rows beyond this are appended but not yet announced.
    int m_announced = 0;
    QVector<int> m_dirtyRows;
    QTimer m_flushTimer;

    RowLookup m_lookup;

    int m_partIndex = 0;
    QPointer<WeightingConTrol> m_controller;
    int m_anchorRow = -1;
    int m_currentRow = -1;
};

#endif
