#ifndef PLANFIGURELAYOUT_H
#define PLANFIGURELAYOUT_H

#include <QPointF>
#include <QRectF>

// Where the parts of one figure are drawn. A figure is `cellWidth` wide and,
// top to bottom, holds the hook (3/5 of the cell height wide, 7/9 high,
// centred), the name strip (4/12, only while names are shown), the load-cell
// square (5/12, centred) and the weight bar (5/12, full width). Positions are
// in the picture's coordinates; the picture's top-left lies at `origin` and
// everything is drawn at `scale`.
namespace PlanFigureLayout {

struct Parts
{
    QRectF whole;
    QRectF hook;
    QRectF name;
    QRectF square;
    QRectF bar;
    // Pixel size of the name and weight texts.
    int textSize = 1;
};

Parts parts(const QPointF &origin, double scale, const QPointF &at, double cellWidth, double cellHeight,
            bool names);

} // namespace PlanFigureLayout

#endif
