#ifndef CURVEDECIMATION_H
#define CURVEDECIMATION_H

#include <QPointF>
#include <QVector>

// What a plot `columns` pixels wide can show of a time-ordered curve between
// xMin and xMax: the lowest and the highest point of every pixel column, in
// their time order, plus the last point before and the first after the range
// so the line runs to the plot's edges. A curve with no more points in range
// than two per column comes back whole.
QVector<QPointF> decimate(const QPointF *begin, const QPointF *end, double xMin, double xMax, int columns);

#endif
