#include "ui/table/tablerowmodel.h"

#include "app/languageflag.h"
#include "core/weightingcontrol.h"
#include "ui/common/weighingtype.h"

#include <QLocale>

TableRowModel::TableRowModel(QObject *parent) : ColouredRowModel(parent)
{
}

QHash<int, QByteArray> TableRowModel::roleNames() const
{
    QHash<int, QByteArray> names = CellRowModel::roleNames();
    names.insert(WidthColorRole, "widthColor");
    names.insert(MinColorRole, "minColor");
    names.insert(MaxColorRole, "maxColor");
    names.insert(StateTextRole, "stateText");
    names.insert(StateColorRole, "stateColor");
    names.insert(IdTextRole, "idText");
    names.insert(IdColorRole, "idColor");
    names.insert(NameColorRole, "nameColor");
    names.insert(TypeTextRole, "typeText");
    return names;
}

QVariant TableRowModel::derivedData(const CellRow &row, int role) const
{
    const TableRules::Thresholds limits{double(row.minErr001), double(row.minWarn001), double(row.maxWarn001),
                                        double(row.maxErr001)};
    switch (role) {
    case WidthColorRole:
        return TableRules::valueColor(row.width1, limits, columns(), palette());
    case MinColorRole:
        return TableRules::valueColor(row.minWidth001, limits, columns(), palette());
    case MaxColorRole:
        return TableRules::valueColor(row.maxWidth001, limits, columns(), palette());
    case StateTextRole:
        return TableRules::stateCell(row.pageId001, row.index001, row.state001, row.battery001, row.rssi001,
                                     LanguageFlag::isChinese())
            .text;
    case StateColorRole:
        return TableRules::stateCell(row.pageId001, row.index001, row.state001, row.battery001, row.rssi001, true)
            .color;
    case IdTextRole:
        return TableRules::idText(row.pageId001, row.index001, row.idIsErr, row.errId);
    case IdColorRole:
        return TableRules::idColor(row.idIsErr);
    case NameColorRole:
        return TableRules::nameColor(row.checked001, row.idIsErr);
    case TypeTextRole:
        return WeighingType::typeText(row.wTypeb001, row.pageId001, row.index001, LanguageFlag::isChinese());
    default:
        return QVariant();
    }
}

void TableRowModel::updateCounters()
{
    flush();
    const TableCounters counters = TableCounters::count(rows());
    if (counters == m_counters)
        return;
    m_counters = counters;
    emit countersChanged();
}

int TableRowModel::assignGroupToSelected(int group)
{
    flush();
    int selected = 0;
    for (int row = 1; row < rows().size(); ++row) {
        const CellRow &r = rows().at(row);
        if (!r.checked001)
            continue;
        ++selected;
        if (controller())
            controller()->qmlSetGroup(r.pageId001, r.index001, group);
    }
    return selected;
}

int TableRowModel::selectedGroupCount() const
{
    int groups = 0;
    for (const CellRow &r : rows())
        groups += r.checked001 && r.typeFlag001 == 1 ? 1 : 0;
    return groups;
}

void TableRowModel::removeSelectedGroups()
{
    // removeGroup answers with removeGroupSignal, which removes rows: collect first.
    QVector<QPair<int, int>> groups;
    for (const CellRow &r : rows()) {
        if (r.checked001 && r.typeFlag001 == 1)
            groups.append({r.pageId001, r.index001});
    }
    if (!controller())
        return;
    for (const auto &group : qAsConst(groups))
        controller()->removeGroup(group.first, group.second);
}

QString TableRowModel::recordingHeader() const
{
    QString header = QStringLiteral("timer,");
    for (const CellRow &r : rows()) {
        header += QStringLiteral("ID:") + QString::number(r.pageId001) + QLatin1Char('.') + QString::number(r.index001)
            + QLatin1Char('/') + QString::number(r.wTypeb001) + QLatin1Char(',');
    }
    return header;
}

QString TableRowModel::recordingValues(double conFactor) const
{
    // Records hold kg; a factor that cannot convert leaves the shown weights.
    if (!(conFactor > 0))
        conFactor = 1;
    QString values;
    for (const CellRow &r : rows())
        values += QString::number(r.width1 / conFactor, 'g', QLocale::FloatingPointShortest) + QLatin1Char(',');
    return values;
}
