#include "ui/lineplot/lineplotrules.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace LinePlotRules {

double nearestValue(const QPointF *begin, const QPointF *end, double timeMs)
{
    // Binary search that remembers the closest point it passes: the nearest
    // point is one of those the search visits.
    const QPointF *best = nullptr;
    double bestDistance = NearestPointWindowMs;
    const QPointF *low = begin;
    const QPointF *high = end;
    while (low < high) {
        const QPointF *middle = low + (high - low) / 2;
        const double distance = std::abs(middle->x() - timeMs);
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = middle;
        }
        if (middle->x() < timeMs)
            low = middle + 1;
        else
            high = middle;
    }
    return best ? best->y() : 0;
}

RecordStamp recordTime(const QString &text)
{
    // Scanned by hand: a history load parses one text per recorded value.
    int numbers[6] = {};
    int field = 0;
    bool inField = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('-') || c == QLatin1Char('_') || c.isSpace()) {
            if (inField && ++field == 6)
                break;
            inField = false;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
        numbers[field] = numbers[field] * 10 + (c.unicode() - '0');
        if (numbers[field] > 99999)
            return {};
        inField = true;
    }
    if (field < 5 || (field == 5 && !inField))
        return {};
    return {QDate(numbers[0], numbers[1], numbers[2]), QTime(numbers[3], numbers[4], numbers[5])};
}

double LocalDays::msecs(const RecordStamp &stamp)
{
    if (stamp.date != m_day) {
        m_day = stamp.date;
        m_dayStart = QDateTime(m_day, QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        const qint64 next = QDateTime(m_day.addDays(1), QTime(0, 0), Qt::LocalTime).toMSecsSinceEpoch();
        m_uniform = next - m_dayStart == qint64(24) * 3600 * 1000;
    }
    if (!m_uniform)
        return double(stamp.toDateTime().toMSecsSinceEpoch());
    return double(m_dayStart + stamp.time.msecsSinceStartOfDay());
}

WeightAxis widened(WeightAxis axis, double weight)
{
    if (weight + AxisHeadroom > axis.top)
        axis.top = weight + AxisHeadroom;
    if (weight < axis.bottom)
        axis.bottom = weight;
    return axis;
}

QString observationText(const QString &typed)
{
    QString digits;
    for (const QChar c : typed) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    }
    // Compared by length first: a long run of digits overflows an int.
    const QString trimmed = digits.mid(std::max(0, int(digits.indexOf(QRegularExpression(QStringLiteral("[1-9]"))))));
    if (trimmed.size() > 3 || trimmed.toInt() > MaxObservationMinutes)
        return QString::number(MaxObservationMinutes);
    return digits;
}

qint64 observationSpanMs(const QString &text)
{
    const int minutes = std::min(observationText(text).toInt(), MaxObservationMinutes);
    return minutes == 0 ? ZeroWindowSpanMs : qint64(minutes) * 60 * 1000;
}

int tooltipWidth(const QStringList &lines, bool parked)
{
    if (parked)
        return ParkedTooltipWidth;
    int longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, int(line.size()));
    return (longest + 1) * 10;
}

QString dialText(int hundredths)
{
    const int seconds = std::clamp(hundredths, 0, DialRange) / 100;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace LinePlotRules
