#include "ui/models/tablerowmodel.h"

#include "app/languageflag.h"
#include "ui/models/weighingtype.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

TableRowModel::TableRowModel(QObject *parent) : CellRowModel(parent)
{
    // State and type texts follow the interface language: a newly installed
    // catalogue re-announces every row.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
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
        return TableRules::valueColor(row.width1, limits, m_columns, m_palette);
    case MinColorRole:
        return TableRules::valueColor(row.minWidth001, limits, m_columns, m_palette);
    case MaxColorRole:
        return TableRules::valueColor(row.maxWidth001, limits, m_columns, m_palette);
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

bool TableRowModel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        announceAllChanged();
    return CellRowModel::eventFilter(watched, event);
}

void TableRowModel::setColor(QString &field, const QString &color)
{
    if (field == color)
        return;
    field = color;
    emit paletteChanged();
    recolor();
}

void TableRowModel::setUnderloadColor(const QString &color)
{
    setColor(m_palette.underload3, color);
}

void TableRowModel::resetUnderloadColor()
{
    setUnderloadColor(TableRules::Palette().underload3);
}

void TableRowModel::setOverloadColor(const QString &color)
{
    setColor(m_palette.overload4, color);
}

void TableRowModel::resetOverloadColor()
{
    setOverloadColor(TableRules::Palette().overload4);
}

void TableRowModel::setUnderwarnColor(const QString &color)
{
    setColor(m_palette.underwarn7, color);
}

void TableRowModel::resetUnderwarnColor()
{
    setUnderwarnColor(TableRules::Palette().underwarn7);
}

void TableRowModel::setOverwarnColor(const QString &color)
{
    setColor(m_palette.overwarn8, color);
}

void TableRowModel::resetOverwarnColor()
{
    setOverwarnColor(TableRules::Palette().overwarn8);
}

void TableRowModel::setColumn(bool &field, int value)
{
    // Only the two switch values mean anything; others are ignored.
    if (value != ColumnShown && value != ColumnHidden)
        return;
    const bool shown = value == ColumnShown;
    if (field == shown)
        return;
    field = shown;
    emit columnsChanged();
    recolor();
}

void TableRowModel::setRect3(int value)
{
    setColumn(m_columns.underAlarm, value);
}

void TableRowModel::resetRect3()
{
    setRect3(ColumnShown);
}

void TableRowModel::setRect4(int value)
{
    setColumn(m_columns.overAlarm, value);
}

void TableRowModel::resetRect4()
{
    setRect4(ColumnShown);
}

void TableRowModel::setRect7(int value)
{
    setColumn(m_columns.underWarn, value);
}

void TableRowModel::resetRect7()
{
    setRect7(ColumnShown);
}

void TableRowModel::setRect8(int value)
{
    setColumn(m_columns.overWarn, value);
}

void TableRowModel::resetRect8()
{
    setRect8(ColumnShown);
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

void TableRowModel::recolor()
{
    announceAllChanged();
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
        callController("qmlSetGroup", r.pageId001, r.index001, group);
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
    for (const auto &group : qAsConst(groups))
        callController("removeGroup", group.first, group.second);
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
