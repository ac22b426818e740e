#ifndef PLANFIGURE_H
#define PLANFIGURE_H

#include "ui/common/cellrow.h"

// One cell placed on a plan: its key (values.pageId001, values.index001), its
// place in the picture's coordinates and stacking order, and a copy of the
// main table row's values as of the last refresh. The copy never holds the
// record itself.
struct PlanFigure
{
    CellRow values;
    int x = 0;
    int y = 0;
    int z = 0;
};

#endif
