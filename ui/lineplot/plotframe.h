#ifndef PLOTFRAME_H
#define PLOTFRAME_H

#include "ui/lineplot/curvebuffer.h"
#include "ui/lineplot/lineplotrules.h"

#include <QColor>
#include <QString>

#include <array>

// One series of a plot: its points and what its label names. A live series
// names its cell ("ID:1.5" and the cell's name); a recorded one the column it
// was read from.
struct PlotSeries
{
    CurveBuffer points;
    QString id;
    QString name;
    bool recorded = false;

    bool isUsed() const { return !id.isEmpty(); }
    // "ID:1.5 名字:north 重量:" live, "ID:1.5 重量:" recorded, in the
    // interface language.
    QString label() const;
    void clear();
};

// What one chart shows: up to four series, the time range (milliseconds
// since the epoch) and the weight axis. The paused chart holds a copy.
struct PlotFrame
{
    static constexpr int SeriesCount = 4;

    std::array<PlotSeries, SeriesCount> series;
    double xMin = 0;
    double xMax = 0;
    LinePlotRules::WeightAxis yAxis{300, 0};

    static QColor colour(int k);
    void setCapacity(int capacity);
    // Every series emptied and unnamed, the weight axis back to 300/0.
    void clear();
};

#endif
