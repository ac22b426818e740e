#include "ui/models/cellrowmodel.h"

#include <QDebug>
#include <QMetaObject>

#include <algorithm>

namespace {

// The publication signals of the weighing controller and the slots they feed,
// connected by signature so the models need only the cell record's header.
const char *const CellSignal = SIGNAL(readCellDataSignal(int, int, int, int, QString, int, int, int, int, int, int, int, int, int, int, WeightingCellData *));
const char *const GroupSignal = SIGNAL(readGroupCellDataSignal(int, int, int, int, QString, int, int, int, int, int, int, int, int, int, int, WeightingCellData *));
const char *const MainCellSlot = SLOT(setTableData(int, int, int, int, QString, int, int, int, int, int, int, int, int, int, int, WeightingCellData *));
const char *const MainGroupSlot = SLOT(setGroupTableData(int, int, int, int, QString, int, int, int, int, int, int, int, int, int, int, WeightingCellData *));
const char *const PartSlot = SLOT(setPartTableData(int, int, int, int, QString, int, int, int, int, int, int, int, int, int, int, WeightingCellData *));

template<typename T>
bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

bool parseNumber(const QString &text, int *value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    *value = int(number);
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

QVariant CellRowModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= m_announced || index.column() != 0)
        return QVariant();
    const CellRow &row = m_rows.at(index.row());
    switch (role) {
    case PageIdRole:
        return row.pageId001;
    case IndexRole:
        return row.index001;
    case GroupIdRole:
        return row.groupId001;
    case TypeFlagRole:
        return row.typeFlag001;
    case NameRole:
    case Qt::DisplayRole:
        return row.name001;
    case WidthRole:
        return row.width1;
    case PeelRole:
        return row.peel001;
    case MaxWidthRole:
        return row.maxWidth001;
    case MinWidthRole:
        return row.minWidth001;
    case MaxWarnRole:
        return row.maxWarn001;
    case MinWarnRole:
        return row.minWarn001;
    case MaxErrRole:
        return row.maxErr001;
    case MinErrRole:
        return row.minErr001;
    case CheckedRole:
        return row.checked001;
    case StateRole:
        return row.state001;
    case ErrorNbRole:
        return row.errorNb001;
    case WTypeRole:
        return row.wTypeb001;
    case CurStateRole:
        return row.curState001;
    case BatteryRole:
        return row.battery001;
    case RssiRole:
        return row.rssi001;
    case AddrDateRole:
        return row.addrDate001;
    case ObjRole:
        return QVariant::fromValue<QObject *>(row.obj001.data());
    default:
        return role >= FirstDerivedRole ? derivedData(row, role) : QVariant();
    }
}

QVariant CellRowModel::derivedData(const CellRow &, int) const
{
    return QVariant();
}

void CellRowModel::readingApplied(int)
{
}

QHash<int, QByteArray> CellRowModel::roleNames() const
{
    return {
        {PageIdRole, "pageId001"},
        {IndexRole, "index001"},
        {GroupIdRole, "groupId001"},
        {TypeFlagRole, "typeFlag001"},
        {NameRole, "name001"},
        {WidthRole, "width1"},
        {PeelRole, "peel001"},
        {MaxWidthRole, "maxWidth001"},
        {MinWidthRole, "minWidth001"},
        {MaxWarnRole, "maxWarn001"},
        {MinWarnRole, "minWarn001"},
        {MaxErrRole, "maxErr001"},
        {MinErrRole, "minErr001"},
        {CheckedRole, "checked001"},
        {StateRole, "state001"},
        {ErrorNbRole, "errorNb001"},
        {WTypeRole, "wTypeb001"},
        {CurStateRole, "curState001"},
        {BatteryRole, "battery001"},
        {RssiRole, "rssi001"},
        {AddrDateRole, "addrDate001"},
        {ObjRole, "obj001"},
    };
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

void CellRowModel::setController(QObject *controller)
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
    const bool ok = isMainPart()
        ? connect(m_controller, CellSignal, this, MainCellSlot) && connect(m_controller, GroupSignal, this, MainGroupSlot)
        : connect(m_controller, CellSignal, this, PartSlot) && connect(m_controller, GroupSignal, this, PartSlot);
    const bool removals = connect(m_controller, SIGNAL(removeGroupSignal(int, int)), this, SLOT(removeGroupRows(int, int)))
        && connect(m_controller, SIGNAL(deleteCellSignal(int, int)), this, SLOT(deleteCellRows(int, int)));
    if (!ok || !removals)
        qWarning() << "table rows: the controller lacks the publication signals" << m_controller;
    // Records die with their pages when a project closes.
    if (m_controller->metaObject()->indexOfSignal("pagesDeleted()") >= 0)
        connect(m_controller, SIGNAL(pagesDeleted()), this, SLOT(dropRecords()));
}

quint64 CellRowModel::key(int pageId, int index)
{
    return (quint64(quint32(pageId)) << 32) | quint32(index);
}

void CellRowModel::indexRow(int row)
{
    const CellRow &r = m_rows.at(row);
    const quint64 k = key(r.pageId001, r.index001);
    if (!m_anyRows.contains(k))
        m_anyRows.insert(k, row);
    if (r.typeFlag001 == 0 && !m_cellRows.contains(k))
        m_cellRows.insert(k, row);
    if (r.typeFlag001 == 1 && !m_groupRows.contains(r.index001))
        m_groupRows.insert(r.index001, row);
}

void CellRowModel::ensureLookup()
{
    if (m_lookupValid)
        return;
    m_cellRows.clear();
    m_groupRows.clear();
    m_anyRows.clear();
    for (int row = 0; row < m_rows.size(); ++row)
        indexRow(row);
    m_lookupValid = true;
}

QVariantMap CellRowModel::get(int row) const
{
    QVariantMap values;
    if (row < 0 || row >= m_announced)
        return values;
    const QModelIndex at = index(row);
    const QHash<int, QByteArray> names = roleNames();
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        values.insert(QString::fromLatin1(it.value()), data(at, it.key()));
    return values;
}

bool CellRowModel::contains(int pageId, int index)
{
    return rowOf(pageId, index) >= 0;
}

int CellRowModel::rowOf(int pageId, int index)
{
    ensureLookup();
    return m_anyRows.value(key(pageId, index), -1);
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
    ensureLookup();
    int row = -1;
    switch (match) {
    case Match::MainCell:
        row = m_cellRows.value(key(reading.pageId, reading.index), -1);
        break;
    case Match::MainGroup:
        row = m_groupRows.value(reading.index, -1);
        break;
    case Match::Part:
        row = m_anyRows.value(key(reading.pageId, reading.index), -1);
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
    const quint64 oldKey = key(r.pageId001, r.index001);
    const int oldTypeFlag = r.typeFlag001;
    const bool changed = fillRow(r, reading);
    if (key(r.pageId001, r.index001) != oldKey || r.typeFlag001 != oldTypeFlag)
        m_lookupValid = false;
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
    if (m_lookupValid)
        indexRow(m_rows.size() - 1);
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
    m_lookupValid = false;
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
    CellRow row;
    row.pageId001 = pageId;
    row.index001 = index;
    row.typeFlag001 = typeFlag;
    row.name001 = name;
    row.state001 = 3;
    appendRow(row);
    flush();
}

void CellRowModel::loadPlaceholders(QObject *json)
{
    if (!json)
        return;
    const double part = m_partIndex;
    double stored = 0;
    if (!QMetaObject::invokeMethod(json, "getTablePartNum", Qt::DirectConnection, Q_RETURN_ARG(double, stored),
                                   Q_ARG(double, part))) {
        qWarning() << "table rows: the project file object cannot list part cells" << json;
        return;
    }
    for (int position = isMainPart() ? 0 : 1; position < int(stored); ++position) {
        QString pageText;
        QString indexText;
        double typeFlag = 0;
        const double pos = position;
        QMetaObject::invokeMethod(json, "getTablePartCellPageId", Qt::DirectConnection, Q_RETURN_ARG(QString, pageText),
                                  Q_ARG(double, part), Q_ARG(double, pos));
        QMetaObject::invokeMethod(json, "getTablePartCellIndex", Qt::DirectConnection, Q_RETURN_ARG(QString, indexText),
                                  Q_ARG(double, part), Q_ARG(double, pos));
        QMetaObject::invokeMethod(json, "getTablePartCellTypeFlag", Qt::DirectConnection,
                                  Q_RETURN_ARG(double, typeFlag), Q_ARG(double, part), Q_ARG(double, pos));
        int pageId = 0;
        int index = 0;
        if (!parseNumber(pageText, &pageId) || !parseNumber(indexText, &index))
            continue;
        CellRow row;
        row.pageId001 = pageId;
        row.index001 = index;
        row.typeFlag001 = int(typeFlag);
        row.name001 = QStringLiteral("0");
        row.state001 = 3;
        appendRow(row);
    }
    flush();
}

void CellRowModel::saveRows(QObject *json)
{
    if (!json)
        return;
    flush();
    const double part = m_partIndex;
    for (int position = 0; position < m_rows.size(); ++position) {
        const CellRow &row = m_rows.at(position);
        const double pos = position;
        const double typeFlag = row.typeFlag001;
        QMetaObject::invokeMethod(json, "saveTablePartCell", Qt::DirectConnection, Q_ARG(double, part),
                                  Q_ARG(double, pos), Q_ARG(QString, QString::number(row.pageId001)),
                                  Q_ARG(QString, QString::number(row.index001)), Q_ARG(double, typeFlag));
    }
}

void CellRowModel::removeRowsAt(const QVariantList &positions)
{
    QVector<int> rows;
    for (const QVariant &position : positions) {
        bool ok = false;
        const int row = position.toInt(&ok);
        if (ok)
            rows.append(row);
    }
    removePositions(rows);
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
    m_lookupValid = false;
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

int CellRowModel::addSelectedTo(CellRowModel *target)
{
    flush();
    int selected = 0;
    for (int row = 1; row < m_rows.size(); ++row) {
        const CellRow &r = m_rows.at(row);
        if (!r.checked001)
            continue;
        ++selected;
        if (target && target != this && !target->contains(r.pageId001, r.index001))
            target->appendPlaceholder(r.pageId001, r.index001, 0);
    }
    return selected;
}

QVariantList CellRowModel::removeSelectedRows()
{
    flush();
    QVector<int> positions;
    QVariantList removed;
    for (int row = 1; row < m_rows.size(); ++row) {
        if (m_rows.at(row).checked001) {
            positions.append(row);
            removed.append(row);
        }
    }
    removePositions(positions);
    return removed;
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

bool CellRowModel::validRow(int row) const
{
    return row >= 0 && row < m_announced;
}

void CellRowModel::setChecked(int row, bool checked)
{
    if (m_rows.at(row).checked001 == checked)
        return;
    m_rows[row].checked001 = checked;
    markDirty(row);
}

void CellRowModel::setCurrentRow(int row)
{
    if (m_currentRow == row)
        return;
    m_currentRow = row;
    emit currentRowChanged();
}

void CellRowModel::clickRow(int row, bool multiSelect)
{
    if (!validRow(row))
        return;
    flush();
    const bool checked = !m_rows.at(row).checked001;
    if (!multiSelect) {
        for (int other = 0; other < m_rows.size(); ++other) {
            if (other != row)
                setChecked(other, false);
        }
    }
    setChecked(row, checked);
    m_anchorRow = row;
    setCurrentRow(row);
    flush();
}

void CellRowModel::ctrlClickRow(int row)
{
    if (!validRow(row))
        return;
    setChecked(row, !m_rows.at(row).checked001);
    flush();
}

void CellRowModel::shiftClickRow(int row)
{
    if (!validRow(row))
        return;
    flush();
    const int anchor = validRow(m_anchorRow) ? m_anchorRow : row;
    const int first = std::min(anchor, row);
    const int last = std::max(anchor, row);
    for (int other = 0; other < m_rows.size(); ++other)
        setChecked(other, other >= first && other <= last);
    flush();
}

void CellRowModel::setAllChecked(bool checked)
{
    flush();
    for (int row = 0; row < m_rows.size(); ++row)
        setChecked(row, checked);
    flush();
}

int CellRowModel::selectedCount(int fromRow) const
{
    int selected = 0;
    for (int row = std::max(0, fromRow); row < m_rows.size(); ++row)
        selected += m_rows.at(row).checked001 ? 1 : 0;
    return selected;
}

bool CellRowModel::callController(const char *method, int a, int b, int c)
{
    return m_controller
        && QMetaObject::invokeMethod(m_controller, method, Qt::DirectConnection, Q_ARG(int, a), Q_ARG(int, b),
                                     Q_ARG(int, c));
}

bool CellRowModel::callController(const char *method, int a, int b)
{
    return m_controller
        && QMetaObject::invokeMethod(m_controller, method, Qt::DirectConnection, Q_ARG(int, a), Q_ARG(int, b));
}
