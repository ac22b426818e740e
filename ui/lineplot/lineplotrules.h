#ifndef LINEPLOTRULES_H
#define LINEPLOTRULES_H

#include <QDateTime>
#include <QPointF>
#include <QString>
#include <QStringList>

// The line plot's rules: the value shown for a moment in time, the time of a
// recorded line, the weight axis that only widens, the observation window and
// the tooltip's width. Points are (milliseconds since the epoch, weight).
namespace LinePlotRules {

// A point further than this from the moment asked about does not count.
constexpr double NearestPointWindowMs = 2500;
// Room kept above the highest weight seen.
constexpr double AxisHeadroom = 50;
constexpr int MaxObservationMinutes = 100;
// An observation window of 0 minutes shows the last 100 seconds.
constexpr qint64 ZeroWindowSpanMs = 100 * 1000;
// Hundredths of a second in the day, the range of the history dials.
constexpr int DialRange = 24 * 3600 * 100;

// The weight of the point nearest in time to `timeMs` among the time-ordered
// points [begin, end), found by binary search; 0 when none lies within the
// window.
double nearestValue(const QPointF *begin, const QPointF *end, double timeMs);

// The date and time of a recorded line's time text: its first six fields
// split at "-", "_" or blanks are year, month, day, hours, minutes and
// seconds ("2024-05-06 07_08_09_125"). Invalid when the text has fewer fields
// or they are no date and time.
struct RecordStamp
{
    QDate date;
    QTime time;

    bool isValid() const { return date.isValid() && time.isValid(); }
    QDateTime toDateTime() const { return QDateTime(date, time, Qt::LocalTime); }
};
RecordStamp recordTime(const QString &text);

// Milliseconds since the epoch of recorded local times, by way of their day:
// the C library's local-time conversion looks the time zone file up on every
// call, far too slow for a recording read whole. A day with a clock change
// is converted time by time.
class LocalDays
{
public:
    double msecs(const RecordStamp &stamp);

private:
    QDate m_day;
    qint64 m_dayStart = 0;
    bool m_uniform = false;
};

struct WeightAxis
{
    double top;
    double bottom;
};

// The axis after a weight was drawn: the top rises to weight + 50 when that
// is above it, the bottom falls to the weight; the axis never narrows.
WeightAxis widened(WeightAxis axis, double weight);

// The observation window as it stays in the field: digits only, at most 100.
QString observationText(const QString &typed);
// The span of time the plot shows for a window text: its minutes, or the last
// 100 seconds when it is 0 or empty.
qint64 observationSpanMs(const QString &text);

// The tooltip is as wide as its longest line allows, (characters + 1) × 10;
// parked at the chart's left edge it shrinks to 50.
constexpr int ParkedTooltipWidth = 50;
int tooltipWidth(const QStringList &lines, bool parked);

// A dial position (hundredths of a second since midnight) as h:mm:ss.
QString dialText(int hundredths);

} // namespace LinePlotRules

#endif
