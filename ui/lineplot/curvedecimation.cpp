#include "ui/lineplot/curvedecimation.h"

#include <algorithm>

QVector<QPointF> decimate(const QPointF *begin, const QPointF *end, double xMin, double xMax, int columns)
{
    const auto beforeX = [](const QPointF &point, double x) { return point.x() < x; };
    const auto xBefore = [](double x, const QPointF &point) { return x < point.x(); };
    const QPointF *first = std::lower_bound(begin, end, xMin, beforeX);
    const QPointF *last = std::upper_bound(first, end, xMax, xBefore);

    QVector<QPointF> out;
    if (first > begin)
        out.append(*(first - 1));
    if (columns <= 0 || xMax <= xMin || last - first <= 2 * qint64(columns)) {
        std::copy(first, last, std::back_inserter(out));
    } else {
        out.reserve(2 * columns + 2);
        const double columnWidth = (xMax - xMin) / columns;
        const QPointF *column = first;
        while (column < last) {
            const int number = std::min(columns - 1, int((column->x() - xMin) / columnWidth));
            const double columnEnd = xMin + (number + 1) * columnWidth;
            const QPointF *low = column;
            const QPointF *high = column;
            const QPointF *next = column + 1;
            for (; next < last && (next->x() < columnEnd || number == columns - 1); ++next) {
                if (next->y() < low->y())
                    low = next;
                if (next->y() > high->y())
                    high = next;
            }
            out.append(*std::min(low, high));
            if (low != high)
                out.append(*std::max(low, high));
            column = next;
        }
    }
    if (last < end)
        out.append(*last);
    return out;
}
