#ifndef PLANFIGUREMODEL_H
#define PLANFIGUREMODEL_H

#include "ui/common/figurestate.h"
#include "ui/plan/planfigure.h"

#include <QAbstractListModel>
#include <QHash>
#include <QPointer>
#include <QVariantList>
#include <QVector>

#include <functional>

class CellRowModel;
class ColouredRowModel;
class MyJson;
class WeightingConTrol;

// The cell figures of one plan. A plan takes its values from the main table's
// rows (`source`), never from the controller: every refresh looks each figure
// up by page and index in the table's hash and copies the row's values, then
// announces the changed figures with one dataChanged. Colours follow the
// table's palette and column switches through the shared figure rule.
class PlanFigureModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int m_partIndex READ partIndex WRITE setPartIndex RESET resetPartIndex NOTIFY partIndexChanged)
    Q_PROPERTY(ColouredRowModel *source READ source WRITE setSource RESET resetSource NOTIFY sourceChanged)
    Q_PROPERTY(WeightingConTrol *controller READ controller WRITE setController RESET resetController NOTIFY controllerChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    // Where a newly placed figure appears, and the stacking orders a figure can take.
    static constexpr int PlacedX = 10;
    static constexpr int PlacedY = 100;
    static constexpr int LowestStack = 0;
    static constexpr int HighestStack = 5;

    enum Role {
        PageIdRole = Qt::UserRole + 1,
        IndexRole,
        PosXRole,
        PosYRole,
        StackRole,
        NameRole,
        WidthRole,
        FigureColorRole,
        StateTextRole,
        LabelRole
    };

    explicit PlanFigureModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int partIndex() const { return m_partIndex; }
    void setPartIndex(int partIndex);
    void resetPartIndex();
    ColouredRowModel *source() const;
    void setSource(ColouredRowModel *source);
    void resetSource();
    WeightingConTrol *controller() const;
    void setController(WeightingConTrol *controller);
    void resetController();
    int count() const { return m_figures.size(); }

    const QVector<PlanFigure> &figures() const { return m_figures; }
    FigureState::Result figureState(const PlanFigure &figure) const;

    // Copies the main table's values into every figure that has a row there.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE bool contains(int pageId, int index) const;
    // Places a cell of the main table at the placing point; false when the
    // cell is on the plan already or the table does not hold it.
    Q_INVOKABLE bool addCell(int pageId, int index);
    // Places every cell of the main table inside a range ("1.05-2.07");
    // answers how many were placed (a malformed range places none).
    Q_INVOKABLE int addRange(const QString &text);
    // Removes the figures inside a range; answers how many went.
    Q_INVOKABLE int removeRange(const QString &text);
    // Places every cell of a table part that the main table holds.
    Q_INVOKABLE int importPart(CellRowModel *part);
    // The main table's rows not on the plan: { pageId, index, text } each,
    // text as "page.index name".
    Q_INVOKABLE QVariantList addableCells() const;
    // A figure placed from the project file, whether the table knows it or
    // not; false for a cell already on the plan.
    bool place(int pageId, int index, int x, int y, int z);
    Q_INVOKABLE void removeAt(int row);
    // A dragged figure's new place, rounded to whole pixels.
    Q_INVOKABLE void moveTo(int row, double x, double y);
    Q_INVOKABLE bool canRaise(int row) const;
    Q_INVOKABLE bool canLower(int row) const;
    Q_INVOKABLE void raise(int row);
    Q_INVOKABLE void lower(int row);
    Q_INVOKABLE QString infoText(int row, const QString &unit) const;

    // The figures the project file stores for this plan, and back.
    Q_INVOKABLE void load(MyJson *json);
    Q_INVOKABLE void save(MyJson *json) const;

public slots:
    // A group went: the figures with its index go.
    void removeGroupFigures(int pageId, int index);
    // A cell was deleted: its figure goes.
    void deleteCellFigures(int pageId, int index);

signals:
    void partIndexChanged();
    void sourceChanged();
    void controllerChanged();
    void countChanged();

private:
    // "page.index name", as the drop-downs list a cell.
    static QString cellLabel(const CellRow &row);
    bool validRow(int row) const { return row >= 0 && row < m_figures.size(); }
    int sourceRow(int pageId, int index) const;
    void append(PlanFigure figure);
    void removeWhere(const std::function<bool(const CellRow &)> &matches);
    void setStack(int row, int z);
    void rebuildKeys();
    void announceAll();
    // The table's palette and column switches, taken when they change.
    void takeStateRule();

    QVector<PlanFigure> m_figures;
    // Figure row by cell key.
    QHash<quint64, int> m_rowOfKey;
    int m_partIndex = 0;
    QPointer<ColouredRowModel> m_source;
    QPointer<WeightingConTrol> m_controller;
    TableRules::Palette m_palette;
    TableRules::Columns m_columns;
};

#endif
