#ifndef PARTROWSTORE_H
#define PARTROWSTORE_H

#include "ui/common/cellrow.h"

#include <QVector>

class MyJson;

// A part's rows in the project file: the page, index and type flag of every
// position. What comes back are placeholder rows (name "0", state 3) that the
// next publication fills in.
namespace PartRowStore {

// The stored rows of a part from `firstPosition` on; entries whose page or
// index is not a number are skipped.
QVector<CellRow> placeholders(MyJson &json, int part, int firstPosition);
// Writes every row from position 0 into the part's pending cell list.
void save(MyJson &json, int part, const QVector<CellRow> &rows);
// A row standing for a cell until its data arrive.
CellRow placeholder(int pageId, int index, int typeFlag, const QString &name);

} // namespace PartRowStore

#endif
