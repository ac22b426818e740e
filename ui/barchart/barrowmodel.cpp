#include "ui/barchart/barrowmodel.h"

#include "app/languageflag.h"
#include "ui/barchart/barrules.h"
#include "ui/common/cellinfotext.h"

#include <QtMath>

#include <algorithm>
#include <limits>

namespace {

bool sameValue(double a, double b)
{
    return qFuzzyCompare(a, b) || (qFuzzyIsNull(a) && qFuzzyIsNull(b));
}

} // namespace

BarRowModel::BarRowModel(QObject *parent) : ColouredRowModel(parent)
{
}

QHash<int, QByteArray> BarRowModel::roleNames() const
{
    QHash<int, QByteArray> names = CellRowModel::roleNames();
    names.insert(PropoRole, "propo001");
    names.insert(BarLengthRole, "barLength");
    names.insert(BarColorRole, "barColor");
    names.insert(StateTextRole, "stateText");
    return names;
}

double BarRowModel::propo(const CellRow &row) const
{
    const double maximum = BarRules::onTotalAxis(row.index001, row.typeFlag001) ? m_allTotalData : m_cellMaxData;
    return BarRules::scale(maximum, m_chartWidth);
}

FigureState::Result BarRowModel::figureState(const CellRow &row) const
{
    const TableRules::Thresholds limits{double(row.minErr001), double(row.minWarn001), double(row.maxWarn001),
                                        double(row.maxErr001)};
    return FigureState::evaluate(row.width1, limits, row.state001, columns(), palette(), LanguageFlag::isChinese());
}

QVariant BarRowModel::derivedData(const CellRow &row, int role) const
{
    switch (role) {
    case PropoRole:
        return propo(row);
    case BarLengthRole:
        return BarRules::barLength(row.width1, propo(row));
    case BarColorRole:
        return figureState(row).color;
    case StateTextRole:
        return figureState(row).text;
    default:
        return QVariant();
    }
}

void BarRowModel::readingApplied(int row)
{
    // The controller publishes every record once per refresh; the last row's
    // data close the round for this chart.
    if (m_axisAdaptive && row == rows().size() - 1)
        adaptAxes();
}

void BarRowModel::adaptAxes()
{
    const CellRow *total = nullptr;
    double largest = -std::numeric_limits<double>::infinity();
    bool anyCell = false;
    for (const CellRow &r : rows()) {
        if (r.index001 == 0) {
            if (!total)
                total = &r;
        } else if (r.typeFlag001 == 0) {
            largest = std::max(largest, double(r.width1));
            anyCell = true;
        }
    }
    if (total)
        setAllTotalData(BarRules::adaptedMaximum(m_allTotalData, total->width1));
    if (anyCell) {
        const double cellMaximum = BarRules::adaptedMaximum(m_cellMaxData, largest);
        if (!sameValue(cellMaximum, m_cellMaxData)) {
            setCellMaxData(cellMaximum);
            emit axisX2Announced();
        }
    }
    emit axisX1Announced();
}

QString BarRowModel::infoText(int row, const QString &unit) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    const CellRow &r = rows().at(row);
    return CellInfoText::text(r, figureState(r).text, unit, LanguageFlag::isChinese());
}

double BarRowModel::axisFieldValue(int axis, const QString &text) const
{
    if (axis != 1 && axis != 2)
        return -1;
    return BarRules::axisFieldValue(text, axis == 1 ? BarRules::AxisX1FieldLimit : BarRules::AxisX2FieldLimit);
}

bool BarRowModel::applyAxisField(int axis, const QString &text)
{
    const double value = axisFieldValue(axis, text);
    if (value < 0)
        return false;
    if (axis == 1)
        setAllTotalData(value);
    else
        setCellMaxData(value);
    return true;
}

void BarRowModel::setAllTotalData(double maximum)
{
    if (sameValue(m_allTotalData, maximum))
        return;
    m_allTotalData = maximum;
    emit allTotalDataChanged();
    announceAllChanged();
}

void BarRowModel::resetAllTotalData()
{
    setAllTotalData(DefaultAllTotalData);
}

void BarRowModel::setCellMaxData(double maximum)
{
    if (sameValue(m_cellMaxData, maximum))
        return;
    m_cellMaxData = maximum;
    emit cellMaxDataChanged();
    announceAllChanged();
}

void BarRowModel::resetCellMaxData()
{
    setCellMaxData(DefaultCellMaxData);
}

void BarRowModel::setAxisAdaptive(bool adaptive)
{
    if (m_axisAdaptive == adaptive)
        return;
    m_axisAdaptive = adaptive;
    emit axisAdaptiveChanged();
}

void BarRowModel::resetAxisAdaptive()
{
    setAxisAdaptive(false);
}

void BarRowModel::setChartWidth(double width)
{
    if (sameValue(m_chartWidth, width))
        return;
    m_chartWidth = width;
    emit chartWidthChanged();
    announceAllChanged();
}

void BarRowModel::resetChartWidth()
{
    setChartWidth(0);
}

