#include "ui/plan/planfigurelayout.h"

#include <QtGlobal>

namespace PlanFigureLayout {

Parts parts(const QPointF &origin, double scale, const QPointF &at, double cellWidth, double cellHeight,
            bool names)
{
    const double width = cellWidth * scale;
    const double height = cellHeight * scale;
    const double hookWidth = height * 3 / 5;
    const double hookHeight = height * 7 / 9;
    const double nameHeight = names ? height * 4 / 12 : 0;
    const double square = height * 5 / 12;
    const double barHeight = height * 5 / 12;
    const QPointF topLeft = origin + at * scale;
    const double left = topLeft.x();
    double top = topLeft.y();

    Parts p;
    p.hook = QRectF(left + (width - hookWidth) / 2, top, hookWidth, hookHeight);
    top += hookHeight;
    p.name = QRectF(left, top, width, nameHeight);
    top += nameHeight;
    p.square = QRectF(left + (width - square) / 2, top, square, square);
    top += square;
    p.bar = QRectF(left, top, width, barHeight);
    p.whole = QRectF(topLeft, QPointF(left + width, top + barHeight));
    // The texts fill most of the name strip's height.
    p.textSize = qMax(1, int(height * 4 / 12 * 0.8));
    return p;
}

} // namespace PlanFigureLayout
