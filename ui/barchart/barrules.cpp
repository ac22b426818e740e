#include "ui/barchart/barrules.h"

#include <QRegularExpression>
#include <QtMath>

#include <algorithm>

namespace BarRules {

bool onTotalAxis(int index, int typeFlag)
{
    return index == 0 || typeFlag == 1;
}

double scale(double axisMaximum, double chartWidth)
{
    const double axisWidth = chartWidth - AxisMargin;
    if (!(axisWidth > 0))
        return 0;
    return axisMaximum / axisWidth;
}

double barLength(double weight, double propo)
{
    if (!(propo > 0) || !(weight > 0))
        return 0;
    return weight / propo;
}

double adaptedMaximum(double maximum, double weight)
{
    if (maximum <= weight || maximum - weight > weight / 10)
        return weight;
    return maximum;
}

QVector<double> tickPositions(double chartWidth)
{
    QVector<double> positions;
    const double axisWidth = chartWidth - AxisMargin;
    if (!(axisWidth > 0))
        return positions;
    const int step = qRound(axisWidth / 10);
    if (step < 1)
        return positions;
    for (int position = 0; position <= axisWidth; position += step)
        positions.append(position);
    return positions;
}

QString tickLabel(double position, double propo)
{
    return QString::number(qRound64(position * propo));
}

double bracketWidth(double barHeight)
{
    return barHeight / 5;
}

double chevronWidth(double barHeight)
{
    return barHeight / 2;
}

Markers markers(const MarkerValues &values, double propo, double barHeight)
{
    Markers m;
    if (!(propo > 0))
        return m;
    const auto at = [](double position) { return std::max(0.0, position); };
    m.underWarn = at(values.minWarn / propo - 5);
    m.overWarn = at(values.maxWarn / propo - 5);
    m.underAlarm = at(values.minErr / propo - chevronWidth(barHeight));
    m.overAlarm = at(values.maxErr / propo);
    m.minBracket = at(values.minimum / propo);
    m.maxBracket = at(values.maximum / propo - bracketWidth(barHeight));
    return m;
}

double axisFieldValue(const QString &text, double limit)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return -1;
    return std::min(text.toDouble(), limit);
}

} // namespace BarRules
