#ifndef WEIGHINGTYPE_H
#define WEIGHINGTYPE_H

#include <QString>

// Weighing-type codes reported by a cell (its box type): 1, 2, 3 and 5 are the
// 500, 1000, 2000 and 5000 kg cells; every other code counts as 600000 kg, the
// capacity used for the total and the groups.
namespace WeighingType {

// Capacity in kg of a type code.
int capacity(int code);

// The type column's text. Hub cells are RWX4401 models, Bluetooth cells
// (page 20) RWX5502; rows without a known code read as the total/group when
// they are the total or a group (index 0 or above 1000), else as unknown.
QString typeText(int code, int pageId, int index, bool chinese);

} // namespace WeighingType

#endif
