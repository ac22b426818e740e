#include "ui/common/cellrowmodel.h"

#include "core/weightingcontrol.h"
#include "ui/common/partrowstore.h"

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

} // namespace

CellRowModel::CellRowModel(QObject *parent) : QAbstractListModel(parent)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(0);
    connect(&m_flushTimer, &QTimer::timeout, this, &CellRowModel::flush);
}

int CellRowModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_announced;
}

void CellRowModel::readingApplied(int)
{
}

void CellRowModel::setPartIndex(int partIndex)
{
    if (m_partIndex == partIndex)
        return;
    m_partIndex = partIndex;
    if (m_controller) {
        disconnect(m_controller, nullptr, this, nullptr);
        connectController();
    }
    emit partIndexChanged();
}

void CellRowModel::resetPartIndex()
{
    setPartIndex(0);
}

void CellRowModel::setController(WeightingConTrol *controller)
{
    if (m_controller == controller)
        return;
    if (m_controller)
        disconnect(m_controller, nullptr, this, nullptr);
    m_controller = controller;
    if (m_controller)
        connectController();
    emit controllerChanged();
}

void CellRowModel::resetController()
{
    setController(nullptr);
}

void CellRowModel::connectController()
{
    // The main part takes new cells and groups; other parts follow only the
    // rows they were given.
    if (isMainPart()) {
        connect(m_controller, &WeightingConTrol::readCellDataSignal, this, &CellRowModel::setTableData);
        connect(m_controller, &WeightingConTrol::readGroupCellDataSignal, this, &CellRowModel::setGroupTableData);
    } else {
        connect(m_controller, &WeightingConTrol::readCellDataSignal, this, &CellRowModel::setPartTableData);
        connect(m_controller, &WeightingConTrol::readGroupCellDataSignal, this, &CellRowModel::setPartTableData);
    }
    connect(m_controller, &WeightingConTrol::publicationFinished, this, &CellRowModel::flush);
    connect(m_controller, &WeightingConTrol::removeGroupSignal, this, &CellRowModel::removeGroupRows);
    connect(m_controller, &WeightingConTrol::deleteCellSignal, this, &CellRowModel::deleteCellRows);
    // Records die with their pages when a project closes.
    connect(m_controller, &WeightingConTrol::pagesDeleted, this, &CellRowModel::dropRecords);
}

bool CellRowModel::contains(int pageId, int index)
{
    return rowOf(pageId, index) >= 0;
}

int CellRowModel::rowOf(int pageId, int index)
{
    m_lookup.ensure(m_rows);
    return m_lookup.anyRow(pageId, index);
}

void CellRowModel::setTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                                int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                                int minErrData, int state, int errorNb, int boxType, WeightingCellData *cellAddr)
{
    applyReading({pageid, index, groupId, typeFlag, name, curData, maxData, minData, maxWarnData, minWarnData,
                  maxErrData, minErrData, state, errorNb, boxType, cellAddr},
                 Match::MainCell);
}

void CellRowModel::setGroupTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                                     int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                                     int minErrData, int state, int errorNb, int boxType, WeightingCellData *cellAddr)
{
    applyReading({pageid, index, groupId, typeFlag, name, curData, maxData, minData, maxWarnData, minWarnData,
                  maxErrData, minErrData, state, errorNb, boxType, cellAddr},
                 Match::MainGroup);
}

void CellRowModel::setPartTableData(int pageid, int index, int groupId, int typeFlag, QString name, int curData,
                                    int maxData, int minData, int maxWarnData, int minWarnData, int maxErrData,
                                    int minErrData, int state, int errorNb, int boxType, WeightingCellData *cellAddr)
{
    applyReading({pageid, index, groupId, typeFlag, name, curData, maxData, minData, maxWarnData, minWarnData,
                  maxErrData, minErrData, state, errorNb, boxType, cellAddr},
                 Match::Part);
}

void CellRowModel::applyReading(const CellReading &reading, Match match)
{
    m_lookup.ensure(m_rows);
    int row = -1;
    switch (match) {
    case Match::MainCell:
        row = m_lookup.cellRow(reading.pageId, reading.index);
        break;
    case Match::MainGroup:
        row = m_lookup.groupRow(reading.index);
        break;
    case Match::Part:
        row = m_lookup.anyRow(reading.pageId, reading.index);
        break;
    }
    if (row >= 0) {
        if (updateRow(row, reading))
            markDirty(row);
        readingApplied(row);
        return;
    }
    if (match == Match::Part)
        return;
    CellRow fresh;
    fillRow(fresh, reading);
    if (match == Match::MainCell || m_rows.size() < 1) {
        appendRow(fresh);
        readingApplied(m_rows.size() - 1);
    } else {
        insertRow(1, fresh);
        readingApplied(1);
    }
}

bool CellRowModel::updateRow(int row, const CellReading &reading)
{
    CellRow &r = m_rows[row];
    const quint64 oldKey = RowLookup::key(r.pageId001, r.index001);
    const int oldTypeFlag = r.typeFlag001;
    const bool changed = fillRow(r, reading);
    if (RowLookup::key(r.pageId001, r.index001) != oldKey || r.typeFlag001 != oldTypeFlag)
        m_lookup.invalidate();
    return changed;
}

bool CellRowModel::fillRow(CellRow &r, const CellReading &reading)
{
    bool changed = false;
    changed |= assign(r.pageId001, reading.pageId);
    changed |= assign(r.index001, reading.index);
    changed |= assign(r.typeFlag001, reading.typeFlag);
    changed |= assign(r.groupId001, reading.groupId);
    changed |= assign(r.name001, reading.name);
    changed |= assign(r.width1, reading.curData);
    changed |= assign(r.maxWidth001, reading.maxData);
    changed |= assign(r.minWidth001, reading.minData);
    changed |= assign(r.maxWarn001, reading.maxWarnData);
    changed |= assign(r.minWarn001, reading.minWarnData);
    changed |= assign(r.maxErr001, reading.maxErrData);
    changed |= assign(r.minErr001, reading.minErrData);
    changed |= assign(r.state001, reading.state);
    changed |= assign(r.errorNb001, reading.errorNb);
    changed |= assign(r.wTypeb001, reading.boxType);
    if (r.obj001.data() != reading.record) {
        r.obj001 = reading.record;
        changed = true;
    }
    if (const WeightingCellData *record = reading.record) {
        changed |= assign(r.peel001, record->peel());
        changed |= assign(r.curState001, record->curState());
        changed |= assign(r.battery001, record->batter());
        changed |= assign(r.rssi001, record->rssi());
        changed |= assign(r.addrDate001, record->bleAddress());
        changed |= assign(r.idIsErr, record->idIsErr());
        changed |= assign(r.errId, record->ErrId());
    }
    return changed;
}

void CellRowModel::markDirty(int row)
{
    if (row >= m_announced)
        return; // announced with its insertion
    CellRow &r = m_rows[row];
    if (!r.dirty) {
        r.dirty = true;
        m_dirtyRows.append(row);
    }
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void CellRowModel::announceAllChanged()
{
    flush();
    if (m_announced > 0)
        emit dataChanged(index(0), index(m_announced - 1));
}

void CellRowModel::appendRow(CellRow row)
{
    row.dirty = false;
    m_rows.append(row);
    m_lookup.add(row, m_rows.size() - 1);
    if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void CellRowModel::insertRow(int position, CellRow row)
{
    flush();
    row.dirty = false;
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, row);
    ++m_announced;
    endInsertRows();
    m_lookup.invalidate();
    if (m_currentRow >= position)
        setCurrentRow(m_currentRow + 1);
    if (m_anchorRow >= position)
        ++m_anchorRow;
    emit countChanged();
}

void CellRowModel::flush()
{
    m_flushTimer.stop();
    const int oldCount = m_announced;
    if (m_rows.size() > m_announced) {
        beginInsertRows(QModelIndex(), m_announced, m_rows.size() - 1);
        m_announced = m_rows.size();
        endInsertRows();
    }
    if (!m_dirtyRows.isEmpty()) {
        std::sort(m_dirtyRows.begin(), m_dirtyRows.end());
        int first = -1;
        int last = -1;
        for (int row : qAsConst(m_dirtyRows)) {
            m_rows[row].dirty = false;
            if (first >= 0 && row == last + 1) {
                last = row;
                continue;
            }
            if (first >= 0)
                emit dataChanged(index(first), index(last));
            first = last = row;
        }
        emit dataChanged(index(first), index(last));
        m_dirtyRows.clear();
    }
    if (m_announced != oldCount)
        emit countChanged();
}

void CellRowModel::appendPlaceholder(int pageId, int index, int typeFlag, const QString &name)
{
    appendRow(PartRowStore::placeholder(pageId, index, typeFlag, name));
    flush();
}

void CellRowModel::loadPlaceholders(MyJson *json)
{
    if (!json)
        return;
    const QVector<CellRow> stored = PartRowStore::placeholders(*json, m_partIndex, isMainPart() ? 0 : 1);
    for (const CellRow &row : stored)
        appendRow(row);
    flush();
}

void CellRowModel::saveRows(MyJson *json)
{
    if (!json)
        return;
    flush();
    PartRowStore::save(*json, m_partIndex, m_rows);
}

void CellRowModel::removePositions(QVector<int> positions)
{
    flush();
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::remove_if(positions.begin(), positions.end(),
                                   [this](int row) { return row < 1 || row >= m_rows.size(); }),
                    positions.end());
    if (positions.isEmpty())
        return;
    // Contiguous runs from the end, so earlier positions stay valid.
    int end = positions.size() - 1;
    while (end >= 0) {
        int begin = end;
        while (begin > 0 && positions.at(begin - 1) == positions.at(begin) - 1)
            --begin;
        const int first = positions.at(begin);
        const int last = positions.at(end);
        beginRemoveRows(QModelIndex(), first, last);
        m_rows.remove(first, last - first + 1);
        m_announced -= last - first + 1;
        endRemoveRows();
        if (m_currentRow > last)
            setCurrentRow(m_currentRow - (last - first + 1));
        else if (m_currentRow >= first)
            setCurrentRow(-1);
        if (m_anchorRow > last)
            m_anchorRow -= last - first + 1;
        else if (m_anchorRow >= first)
            m_anchorRow = -1;
        end = begin - 1;
    }
    m_lookup.invalidate();
    emit countChanged();
}

void CellRowModel::removeGroupRows(int pageId, int index)
{
    Q_UNUSED(pageId) // a group is named by its index alone
    QVector<int> positions;
    for (int row = 1; row < m_rows.size(); ++row) {
        const CellRow &r = m_rows.at(row);
        if (r.index001 == index && (r.typeFlag001 == 1 || r.index001 > 1000))
            positions.append(row);
    }
    removePositions(positions);
}

void CellRowModel::deleteCellRows(int pageId, int index)
{
    QVector<int> positions;
    for (int row = 1; row < m_rows.size(); ++row) {
        const CellRow &r = m_rows.at(row);
        if (r.pageId001 == pageId && r.index001 == index && r.typeFlag001 == 0)
            positions.append(row);
    }
    removePositions(positions);
}

void CellRowModel::dropRecords()
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).obj001.isNull() && !m_rows.at(row).idIsErr)
            continue;
        m_rows[row].obj001.clear();
        m_rows[row].idIsErr = false;
        markDirty(row);
    }
    flush();
}

