#include "ui/table/tablesettingactions.h"

#include "app/languageflag.h"
#include "ui/table/tablecellid.h"
#include "ui/table/thresholdentry.h"

#include <QCoreApplication>

namespace {

bool isCellRow(const CellRow &row)
{
    return row.typeFlag001 == 0 && row.index001 > 0;
}

} // namespace

TableSettingActions::TableSettingActions(QObject *parent) : QObject(parent)
{
}

void TableSettingActions::setController(WeightingConTrol *controller)
{
    if (m_controller == controller)
        return;
    m_controller = controller;
    emit controllerChanged();
}

void TableSettingActions::resetController()
{
    setController(nullptr);
}

void TableSettingActions::setRows(CellRowModel *rows)
{
    if (m_rows == rows)
        return;
    m_rows = rows;
    emit rowsChanged();
}

void TableSettingActions::resetRows()
{
    setRows(nullptr);
}

QString TableSettingActions::notice(const char *text)
{
    return QCoreApplication::translate("MyTableSettingTopMenu", text);
}

QVector<CellRow> TableSettingActions::selectedRows(bool cellsOnly) const
{
    QVector<CellRow> selected;
    if (!m_rows)
        return selected;
    m_rows->flush();
    for (const CellRow &row : m_rows->rows()) {
        if (row.checked001 && (!cellsOnly || isCellRow(row)))
            selected.append(row);
    }
    return selected;
}

namespace {

QString creationNotice(TableCellId::Problem problem)
{
    switch (problem) {
    case TableCellId::Problem::None:
        return QString();
    case TableCellId::Problem::ZeroIndex:
        return QCoreApplication::translate("MyTableSettingTopMenu", "请输入正确的ID号,需大于x.0");
    case TableCellId::Problem::PagesDiffer:
        return QCoreApplication::translate("MyTableSettingTopMenu", "请输入相同的主控号");
    case TableCellId::Problem::Malformed:
        break;
    }
    return QCoreApplication::translate("MyTableSettingTopMenu", "请输入正确的ID格式");
}

} // namespace

QString TableSettingActions::createCell(const QString &idText)
{
    return create(TableCellId::single(idText));
}

QString TableSettingActions::createCells(const QString &rangeText)
{
    return create(TableCellId::bulk(rangeText));
}

QString TableSettingActions::create(const TableCellId::Creation &creation)
{
    if (creation.problem != TableCellId::Problem::None)
        return creationNotice(creation.problem);
    for (int index = creation.firstIndex; m_controller && index <= creation.lastIndex; ++index)
        m_controller->createCell(creation.page, index);
    return QString();
}

QString TableSettingActions::createWirelessCell(const QString &idText, const QString &macText)
{
    if (!TableCellId::isMacSuffix(macText))
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请输入正确的MAC地址格式"));
    if (!TableCellId::isWirelessId(idText))
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请输入正确的ID格式"));
    if (m_controller)
        m_controller->createBleCell(macText, idText.toInt());
    return QString();
}

QString TableSettingActions::selectRange(const QString &rangeText)
{
    const std::optional<TableCellId::KeyRange> range = TableCellId::selectionKeys(rangeText);
    if (!range)
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请输入正确的ID格式"));
    if (m_rows)
        m_rows->selectKeyRange(range->low, range->high);
    return QString();
}

int TableSettingActions::selectedCellCount()
{
    return selectedRows(true).size();
}

void TableSettingActions::deleteSelectedCells()
{
    // deleteCell answers with deleteCellSignal, which removes rows: collect first.
    const QVector<CellRow> cells = selectedRows(true);
    for (const CellRow &row : cells) {
        if (m_controller)
            m_controller->deleteCell(row.pageId001, row.index001);
    }
}

QString TableSettingActions::setTare(const QString &text)
{
    const QVector<CellRow> cells = selectedRows(true);
    if (cells.isEmpty())
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请选择需修改的设备"));
    const std::optional<double> value = ThresholdEntry::fieldValue(text);
    for (const CellRow &row : cells) {
        if (m_controller && value)
            m_controller->setPeelData(row.pageId001, row.index001, *value);
    }
    return QString();
}

void TableSettingActions::setTareEnabled(bool enabled)
{
    if (!m_rows || !m_controller)
        return;
    m_rows->flush();
    for (const CellRow &row : m_rows->rows()) {
        if (!isCellRow(row))
            continue;
        if (enabled)
            m_controller->traceEnable(row.pageId001, row.index001);
        else
            m_controller->traceDisable(row.pageId001, row.index001);
    }
}

QString TableSettingActions::setAbsolute(const QString &minWarn, const QString &maxWarn, const QString &minErr,
                                         const QString &maxErr, const QString &name)
{
    const QVector<CellRow> selected = selectedRows(false);
    if (selected.isEmpty())
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请选择需修改的设备"));
    const double factor = m_controller ? m_controller->conFactor() : 1;
    using Setter = void (WeightingConTrol::*)(int, int, double);
    const std::pair<std::optional<double>, Setter> fields[] = {
        {ThresholdEntry::fieldValue(minWarn), &WeightingConTrol::setMinWarnData},
        {ThresholdEntry::fieldValue(maxWarn), &WeightingConTrol::setMaxWarnData},
        {ThresholdEntry::fieldValue(minErr), &WeightingConTrol::setMinErrData},
        {ThresholdEntry::fieldValue(maxErr), &WeightingConTrol::setMaxErrData}};
    for (const CellRow &row : selected) {
        for (const auto &field : fields) {
            if (field.first && m_controller)
                (m_controller->*field.second)(row.pageId001, row.index001,
                                              ThresholdEntry::toKg(*field.first, row.wTypeb001, factor));
        }
    }
    if (!name.isEmpty())
        rename(name);
    return QString();
}

QString TableSettingActions::rename(const QString &name)
{
    const QVector<CellRow> selected = selectedRows(false);
    if (selected.isEmpty())
        return notice(QT_TRANSLATE_NOOP("MyTableSettingTopMenu", "请选择需修改的设备"));
    const QString kept = name.left(nameLimit(LanguageFlag::isChinese()));
    for (const CellRow &row : selected) {
        if (m_controller && !kept.isEmpty())
            m_controller->setName(row.pageId001, row.index001, kept);
    }
    return QString();
}

int TableSettingActions::nameLimit(bool chinese) const
{
    return ThresholdEntry::nameLimit(chinese);
}

QString TableSettingActions::currentValue(const QString &role)
{
    if (!m_rows)
        return QString();
    const QVariant value = m_rows->get(m_rows->currentRow()).value(role);
    if (!value.isValid())
        return QString();
    // The tare is kept in kg; the thresholds arrive in the display unit.
    const double factor = m_controller && role == QLatin1String("peel001") ? m_controller->conFactor() : 1;
    return QString::number(qRound(value.toDouble() * factor));
}
