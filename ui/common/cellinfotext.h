#ifndef CELLINFOTEXT_H
#define CELLINFOTEXT_H

#include "ui/common/cellrow.h"

#include <QString>

// The text of a cell's information menu (long press on a bar or a plan
// figure): ID, name, type, weight, state, the four thresholds, the recorded
// extremes and the error number, and for Bluetooth cells (page 20) battery
// and address. `stateText` is the figure's own state text.
namespace CellInfoText {

QString text(const CellRow &row, const QString &stateText, const QString &unit, bool chinese);

} // namespace CellInfoText

#endif
