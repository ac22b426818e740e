#ifndef FIGURESTATE_H
#define FIGURESTATE_H

#include "ui/common/tablerules.h"

#include <QString>

// The state colour and text of one cell drawn as a figure (a bar, a plan
// figure): green and "正常" when normal, the palette colour of the threshold
// level the weight reaches (the table's rule, with its column switches), and
// "#ccc800" with "故障" (state 3) or "离线" (any other state but 1) when the
// cell is not plainly online, whatever its weight.
namespace FigureState {

struct Result
{
    QString color;
    QString text;
};

Result evaluate(double weight, const TableRules::Thresholds &limits, int state, const TableRules::Columns &columns,
                const TableRules::Palette &palette, bool chinese);

} // namespace FigureState

#endif
