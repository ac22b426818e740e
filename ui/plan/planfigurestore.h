#ifndef PLANFIGURESTORE_H
#define PLANFIGURESTORE_H

#include "ui/plan/planfigure.h"

#include <QVector>

class MyJson;

// A plan's figures in the project file: page, index, position and stacking
// order of each. Entries whose page or index is not a number are skipped.
namespace PlanFigureStore {

QVector<PlanFigure> load(MyJson &json, int part);
// Into the part's pending cell list, in display order.
void save(MyJson &json, int part, const QVector<PlanFigure> &figures);

} // namespace PlanFigureStore

#endif
