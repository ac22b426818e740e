#include "ui/table/percentagepass.h"

#include "ui/common/weighingtype.h"
#include "ui/table/thresholdentry.h"

#include <QHash>

#include <cmath>

namespace PercentagePass {

namespace {

bool isCell(const Row &row, int position)
{
    return position >= 1 && row.typeFlag == 0;
}

bool isGroup(const Row &row)
{
    return row.typeFlag == 1 && row.index > 100;
}

} // namespace

Percentages fromTexts(const QString &minWarn, const QString &maxWarn, const QString &minErr, const QString &maxErr)
{
    return Percentages{ThresholdEntry::fieldValue(minWarn), ThresholdEntry::fieldValue(maxWarn),
                       ThresholdEntry::fieldValue(minErr), ThresholdEntry::fieldValue(maxErr)};
}

QString keptPercentage(const QString &stored, const QString &typed, bool overweight)
{
    const std::optional<double> value = ThresholdEntry::fieldValue(typed);
    if (overweight)
        return value && *value != 0 ? typed.trimmed() : stored;
    return typed.trimmed().isEmpty() ? stored : typed.trimmed();
}

QVector<Write> share(int pageId, int index, double capacity, const Percentages &percentages)
{
    QVector<Write> writes;
    for (int t = 0; t < ThresholdCount; ++t) {
        if (percentages[t])
            writes.append({pageId, index, Threshold(t), std::round(capacity * *percentages[t] / 100)});
    }
    return writes;
}

QVector<Write> fullPass(const QVector<Row> &rows, const Percentages &percentages)
{
    QVector<Write> writes;
    double total = 0;
    for (int position = 1; position < rows.size(); ++position) {
        const Row &row = rows.at(position);
        if (!isCell(row, position))
            continue;
        const double capacity = WeighingType::capacity(row.typeCode);
        writes += share(row.pageId, row.index, capacity, percentages);
        total += capacity;
    }
    if (!rows.isEmpty())
        writes += share(rows.first().pageId, rows.first().index, total, percentages);
    writes += groupStep(rows, percentages);
    return writes;
}

QVector<Write> groupStep(const QVector<Row> &rows, const Percentages &percentages)
{
    QHash<int, double> groupCapacity;
    for (int position = 1; position < rows.size(); ++position) {
        const Row &row = rows.at(position);
        if (isCell(row, position))
            groupCapacity[row.groupId] += WeighingType::capacity(row.typeCode);
    }
    QVector<Write> writes;
    for (const Row &row : rows) {
        if (isGroup(row))
            writes += share(row.pageId, row.index, groupCapacity.value(row.index % 100 - 1), percentages);
    }
    return writes;
}

QVector<Write> cellStep(const Row &cell, const std::array<double, ThresholdCount> &totalKg,
                        const Percentages &percentages)
{
    QVector<Write> writes = share(cell.pageId, cell.index, WeighingType::capacity(cell.typeCode), percentages);
    const int cellWrites = writes.size();
    for (int w = 0; w < cellWrites; ++w) {
        const Write &added = writes.at(w);
        writes.append({1, 0, added.threshold, totalKg[added.threshold] + added.kg});
    }
    return writes;
}

} // namespace PercentagePass
