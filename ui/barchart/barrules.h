#ifndef BARRULES_H
#define BARRULES_H

#include <QString>
#include <QVector>

// The geometry of a bar chart: the scale of its two axes, bar lengths, the
// adapting axis maxima, the ruler ticks and the marker positions. All lengths
// are pixels from the chart's left edge.
namespace BarRules {

// Pixels kept free right of the axis for the last tick's label; a chart no
// wider than this has no scale and draws no bars and no ticks.
constexpr double AxisMargin = 40;
// The axis fields of the settings popup cap what the operator types.
constexpr double AxisX1FieldLimit = 1000000;
constexpr double AxisX2FieldLimit = 600000;

// The total row (index 0) and the group rows are drawn against axis X1, the
// cells against axis X2.
bool onTotalAxis(int index, int typeFlag);

// Weight per pixel of an axis with this maximum on a chart this wide; 0 when
// the chart is too narrow to have an axis.
double scale(double axisMaximum, double chartWidth);

// Length of a bar: weight ÷ scale, nothing without a positive scale or weight.
double barLength(double weight, double propo);

// An adapting axis follows the largest weight when the weight reaches its
// maximum or lies more than a tenth of itself below it, so the maximum stays
// between the weight and 1.1 times it.
double adaptedMaximum(double maximum, double weight);

// Ruler ticks every round((width - 40) ÷ 10) pixels from 0 to width - 40;
// none when that step is under one pixel.
QVector<double> tickPositions(double chartWidth);
// The weight a tick stands for, rounded to a whole number.
QString tickLabel(double position, double propo);

// Left edges of a bar's markers, never below 0: the warning dots 5 pixels
// before their thresholds, the ">" of the ultra-light alarm ending at its
// threshold, the "<" of the overweight alarm starting at its threshold, the
// "[" at the recorded minimum and the "]" ending at the recorded maximum.
struct Markers
{
    double underWarn = 0;
    double overWarn = 0;
    double underAlarm = 0;
    double overAlarm = 0;
    double minBracket = 0;
    double maxBracket = 0;
};
struct MarkerValues
{
    double minWarn = 0;
    double maxWarn = 0;
    double minErr = 0;
    double maxErr = 0;
    double minimum = 0;
    double maximum = 0;
};
Markers markers(const MarkerValues &values, double propo, double barHeight);
// Width of the bracket and alarm marks of a bar this high.
double bracketWidth(double barHeight);
double chevronWidth(double barHeight);

// An axis field's text as a maximum: digits only, capped at the limit;
// -1 when the text is no number.
double axisFieldValue(const QString &text, double limit);

} // namespace BarRules

#endif
