#ifndef LINEPLOTITEM_H
#define LINEPLOTITEM_H

#include "ui/lineplot/lineplotmodel.h"

#include <QPointer>
#include <QQuickPaintedItem>
#include <QRectF>

// Paints one chart of a line plot: the title, the legend, the weight axis,
// the time axis ("MM-dd HH:mm:ss", 8 ticks) and every used series, each
// reduced to the lowest and highest point per pixel column. The live chart
// follows the model's frame, the paused chart its frozen copy; the item
// repaints only when what it shows changed.
class LinePlotItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(LinePlotModel *model READ model WRITE setModel RESET resetModel NOTIFY modelChanged)
    Q_PROPERTY(bool frozen READ frozen WRITE setFrozen RESET resetFrozen NOTIFY frozenChanged)
    Q_PROPERTY(QRectF plotArea READ plotArea NOTIFY plotAreaChanged)

public:
    static constexpr int TimeTicks = 8;
    static constexpr int WeightTicks = 6;

    explicit LinePlotItem(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    LinePlotModel *model() const;
    void setModel(LinePlotModel *model);
    void resetModel() { setModel(nullptr); }
    bool frozen() const { return m_frozen; }
    void setFrozen(bool frozen);
    void resetFrozen() { setFrozen(false); }
    // Where the series are drawn, in the item's coordinates.
    QRectF plotArea() const;

    // The time (milliseconds since the epoch) under x.
    Q_INVOKABLE double timeAt(double x) const;
    // The title of this chart in the interface language.
    QString title() const;

signals:
    void modelChanged();
    void frozenChanged();
    void plotAreaChanged();

private:
    void connectModel();
    void paintAxes(QPainter *painter, const PlotFrame &frame, const QRectF &area) const;
    void paintLegend(QPainter *painter, const PlotFrame &frame) const;
    void paintSeries(QPainter *painter, const PlotFrame &frame, const QRectF &area) const;

    QPointer<LinePlotModel> m_model;
    bool m_frozen = false;
};

#endif
