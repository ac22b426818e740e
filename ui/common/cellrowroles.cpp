// A row's fields by role: what delegates bind to, and the same values by role
// name for views that read rows rather than delegate them. Member definitions
// of CellRowModel kept apart from its storage.
#include "ui/common/cellrowmodel.h"

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
