#ifndef PERCENTAGEPASS_H
#define PERCENTAGEPASS_H

#include <QString>
#include <QVector>

#include <array>
#include <optional>

// Thresholds as percentages of capacity: every cell gets its share of its own
// capacity, the total of the sum of all cell capacities, and every group of
// the sum of its members' capacities. Only thresholds whose percentage is set
// are written; all values are kg, for the controller's setters.
namespace PercentagePass {

enum Threshold { MinWarn, MaxWarn, MinErr, MaxErr, ThresholdCount };

// A percentage per threshold; an empty field sets none.
using Percentages = std::array<std::optional<double>, ThresholdCount>;
Percentages fromTexts(const QString &minWarn, const QString &maxWarn, const QString &minErr, const QString &maxErr);

// The stored percentage after "设置" in percentage mode: an overweight
// percentage is taken only when it is a number other than 0, an ultra-light
// one whenever its field is not empty; otherwise the stored text stays.
QString keptPercentage(const QString &stored, const QString &typed, bool overweight);

// What the pass needs of a table row. Position 0 is the total row.
struct Row
{
    int pageId = 1;
    int index = 0;
    int typeFlag = 0;
    int groupId = 0;
    int typeCode = 0;
};

struct Write
{
    int pageId;
    int index;
    Threshold threshold;
    double kg;
    bool operator==(const Write &other) const
    {
        return pageId == other.pageId && index == other.index && threshold == other.threshold && kg == other.kg;
    }
};

// round(capacity × percentage ÷ 100) for each set percentage.
QVector<Write> share(int pageId, int index, double capacity, const Percentages &percentages);

// Cells (type flag 0, from position 1), then the total row, then the groups.
QVector<Write> fullPass(const QVector<Row> &rows, const Percentages &percentages);
// The group rows alone (type flag 1, index above 100): group number
// (index mod 100) − 1, capacity the sum over its member cells.
QVector<Write> groupStep(const QVector<Row> &rows, const Percentages &percentages);
// One new cell: its share, and the total row's current thresholds (kg) raised
// by that share.
QVector<Write> cellStep(const Row &cell, const std::array<double, ThresholdCount> &totalKg,
                        const Percentages &percentages);

} // namespace PercentagePass

#endif
