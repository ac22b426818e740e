#include "ui/plan/planfiguremodel.h"

#include "app/languagenotice.h"
#include "core/weightingcontrol.h"
#include "ui/common/cellidrange.h"
#include "ui/common/colouredrowmodel.h"
#include "ui/common/rowlookup.h"
#include "ui/plan/planfigurestore.h"

#include <algorithm>

namespace {

template<typename T>
bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// The values a figure shows and its information menu reads.
bool copyValues(CellRow &to, const CellRow &from)
{
    bool changed = false;
    changed |= assign(to.name001, from.name001);
    changed |= assign(to.width1, from.width1);
    changed |= assign(to.minWidth001, from.minWidth001);
    changed |= assign(to.maxWidth001, from.maxWidth001);
    changed |= assign(to.minErr001, from.minErr001);
    changed |= assign(to.minWarn001, from.minWarn001);
    changed |= assign(to.maxWarn001, from.maxWarn001);
    changed |= assign(to.maxErr001, from.maxErr001);
    changed |= assign(to.state001, from.state001);
    changed |= assign(to.errorNb001, from.errorNb001);
    changed |= assign(to.wTypeb001, from.wTypeb001);
    changed |= assign(to.battery001, from.battery001);
    changed |= assign(to.addrDate001, from.addrDate001);
    return changed;
}

} // namespace

PlanFigureModel::PlanFigureModel(QObject *parent) : QAbstractListModel(parent)
{
    // State texts follow the interface language.
    connect(LanguageNotice::instance(), &LanguageNotice::languageChanged, this, &PlanFigureModel::announceAll);
}

int PlanFigureModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_figures.size();
}

void PlanFigureModel::setPartIndex(int partIndex)
{
    if (m_partIndex == partIndex)
        return;
    m_partIndex = partIndex;
    emit partIndexChanged();
}

void PlanFigureModel::resetPartIndex()
{
    setPartIndex(0);
}

ColouredRowModel *PlanFigureModel::source() const
{
    return m_source;
}

void PlanFigureModel::setSource(ColouredRowModel *source)
{
    if (m_source == source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        // The table's palette and column switches are the figures' too.
        connect(m_source, &ColouredRowModel::paletteChanged, this, &PlanFigureModel::takeStateRule);
        connect(m_source, &ColouredRowModel::columnsChanged, this, &PlanFigureModel::takeStateRule);
    }
    emit sourceChanged();
    takeStateRule();
}

void PlanFigureModel::takeStateRule()
{
    m_palette = TableRules::Palette();
    m_columns = TableRules::Columns();
    if (m_source) {
        m_palette = {m_source->underloadColor(), m_source->overloadColor(), m_source->underwarnColor(),
                     m_source->overwarnColor()};
        m_columns = {m_source->rect3() == ColouredRowModel::ColumnShown,
                     m_source->rect4() == ColouredRowModel::ColumnShown,
                     m_source->rect7() == ColouredRowModel::ColumnShown,
                     m_source->rect8() == ColouredRowModel::ColumnShown};
    }
    announceAll();
}

void PlanFigureModel::resetSource()
{
    setSource(nullptr);
}

WeightingConTrol *PlanFigureModel::controller() const
{
    return m_controller;
}

void PlanFigureModel::setController(WeightingConTrol *controller)
{
    if (m_controller == controller)
        return;
    if (m_controller)
        disconnect(m_controller, nullptr, this, nullptr);
    m_controller = controller;
    if (m_controller) {
        connect(m_controller, &WeightingConTrol::removeGroupSignal, this, &PlanFigureModel::removeGroupFigures);
        connect(m_controller, &WeightingConTrol::deleteCellSignal, this, &PlanFigureModel::deleteCellFigures);
    }
    emit controllerChanged();
}

void PlanFigureModel::resetController()
{
    setController(nullptr);
}

int PlanFigureModel::sourceRow(int pageId, int index) const
{
    return m_source ? m_source->rowOf(pageId, index) : -1;
}

void PlanFigureModel::refresh()
{
    if (!m_source)
        return;
    int first = -1;
    int last = -1;
    for (int row = 0; row < m_figures.size(); ++row) {
        CellRow &values = m_figures[row].values;
        const int at = sourceRow(values.pageId001, values.index001);
        if (at < 0 || !copyValues(values, m_source->rows().at(at)))
            continue;
        if (first < 0)
            first = row;
        last = row;
    }
    if (first >= 0)
        emit dataChanged(index(first), index(last));
}

bool PlanFigureModel::contains(int pageId, int index) const
{
    return m_rowOfKey.contains(RowLookup::key(pageId, index));
}

void PlanFigureModel::append(PlanFigure figure)
{
    beginInsertRows(QModelIndex(), m_figures.size(), m_figures.size());
    m_rowOfKey.insert(RowLookup::key(figure.values.pageId001, figure.values.index001), m_figures.size());
    m_figures.append(figure);
    endInsertRows();
    emit countChanged();
}

bool PlanFigureModel::place(int pageId, int index, int x, int y, int z)
{
    if (contains(pageId, index))
        return false;
    PlanFigure figure;
    figure.values.pageId001 = pageId;
    figure.values.index001 = index;
    figure.x = x;
    figure.y = y;
    figure.z = std::clamp(z, LowestStack, HighestStack);
    const int at = sourceRow(pageId, index);
    if (at >= 0)
        copyValues(figure.values, m_source->rows().at(at));
    append(figure);
    return true;
}

bool PlanFigureModel::addCell(int pageId, int index)
{
    if (sourceRow(pageId, index) < 0)
        return false;
    return place(pageId, index, PlacedX, PlacedY, LowestStack);
}

int PlanFigureModel::addRange(const QString &text)
{
    const std::optional<CellIdRange> range = CellIdRange::parse(text);
    if (!range || !m_source)
        return 0;
    QVector<QPair<int, int>> cells;
    for (const CellRow &row : m_source->rows()) {
        if (range->containsBlock(row.pageId001, row.index001))
            cells.append({row.pageId001, row.index001});
    }
    int placed = 0;
    for (const auto &cell : qAsConst(cells))
        placed += addCell(cell.first, cell.second) ? 1 : 0;
    return placed;
}

int PlanFigureModel::removeRange(const QString &text)
{
    const std::optional<CellIdRange> range = CellIdRange::parse(text);
    if (!range)
        return 0;
    const int before = m_figures.size();
    removeWhere([&range](const CellRow &v) { return range->containsBlock(v.pageId001, v.index001); });
    return before - m_figures.size();
}

int PlanFigureModel::importPart(CellRowModel *part)
{
    if (!part)
        return 0;
    QVector<QPair<int, int>> cells;
    for (const CellRow &row : part->rows())
        cells.append({row.pageId001, row.index001});
    int placed = 0;
    for (const auto &cell : qAsConst(cells))
        placed += addCell(cell.first, cell.second) ? 1 : 0;
    return placed;
}

QVariantList PlanFigureModel::addableCells() const
{
    QVariantList cells;
    if (!m_source)
        return cells;
    for (const CellRow &row : m_source->rows()) {
        if (contains(row.pageId001, row.index001))
            continue;
        cells.append(QVariantMap{{QStringLiteral("pageId"), row.pageId001},
                                 {QStringLiteral("index"), row.index001},
                                 {QStringLiteral("text"), cellLabel(row)}});
    }
    return cells;
}

void PlanFigureModel::removeAt(int row)
{
    if (!validRow(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_figures.remove(row);
    endRemoveRows();
    rebuildKeys();
    emit countChanged();
}

void PlanFigureModel::removeWhere(const std::function<bool(const CellRow &)> &matches)
{
    // From the end, so earlier rows keep their positions.
    for (int row = m_figures.size() - 1; row >= 0; --row) {
        if (matches(m_figures.at(row).values))
            removeAt(row);
    }
}

void PlanFigureModel::removeGroupFigures(int pageId, int index)
{
    Q_UNUSED(pageId) // a group is named by its index alone
    removeWhere([index](const CellRow &v) { return v.index001 == index; });
}

void PlanFigureModel::deleteCellFigures(int pageId, int index)
{
    removeWhere([pageId, index](const CellRow &v) { return v.pageId001 == pageId && v.index001 == index; });
}

void PlanFigureModel::rebuildKeys()
{
    m_rowOfKey.clear();
    for (int row = 0; row < m_figures.size(); ++row)
        m_rowOfKey.insert(RowLookup::key(m_figures.at(row).values.pageId001, m_figures.at(row).values.index001), row);
}

void PlanFigureModel::moveTo(int row, double toX, double toY)
{
    const int x = qRound(toX);
    const int y = qRound(toY);
    if (!validRow(row) || (m_figures.at(row).x == x && m_figures.at(row).y == y))
        return;
    m_figures[row].x = x;
    m_figures[row].y = y;
    emit dataChanged(index(row), index(row), {PosXRole, PosYRole});
}

bool PlanFigureModel::canRaise(int row) const
{
    return validRow(row) && m_figures.at(row).z < HighestStack;
}

bool PlanFigureModel::canLower(int row) const
{
    return validRow(row) && m_figures.at(row).z > LowestStack;
}

void PlanFigureModel::setStack(int row, int z)
{
    m_figures[row].z = z;
    emit dataChanged(index(row), index(row), {StackRole});
}

void PlanFigureModel::raise(int row)
{
    if (canRaise(row))
        setStack(row, m_figures.at(row).z + 1);
}

void PlanFigureModel::lower(int row)
{
    if (canLower(row))
        setStack(row, m_figures.at(row).z - 1);
}

void PlanFigureModel::load(MyJson *json)
{
    if (!json)
        return;
    for (const PlanFigure &stored : PlanFigureStore::load(*json, m_partIndex))
        place(stored.values.pageId001, stored.values.index001, stored.x, stored.y, stored.z);
}

void PlanFigureModel::save(MyJson *json) const
{
    if (json)
        PlanFigureStore::save(*json, m_partIndex, m_figures);
}

void PlanFigureModel::announceAll()
{
    if (!m_figures.isEmpty())
        emit dataChanged(index(0), index(m_figures.size() - 1));
}
