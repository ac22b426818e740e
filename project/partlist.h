#ifndef PARTLIST_H
#define PARTLIST_H

#include <QJsonArray>
#include <QJsonObject>

// Lookups and edits on a list of display parts ("TableParts", "PlanParts",
// "LinePlotParts"). A part is the first element whose "index" equals the part
// index; its cells are the elements of its "CellList".
namespace PartList {

// Position of the part in the list, or -1.
int find(const QJsonArray &list, double partIndex);

// The part's element, or an empty object when there is none.
QJsonObject part(const QJsonArray &list, double partIndex);

// Appends a cell to the part's "CellList"; nothing when the part is missing.
void appendCell(QJsonArray &list, double partIndex, const QJsonObject &cell);

// Sets members on the part, replacing earlier values; nothing when missing.
void setMembers(QJsonArray &list, double partIndex, const QJsonObject &members);

// Removes the part; nothing when missing.
void remove(QJsonArray &list, double partIndex);

// Number of cells of the part, 0 when missing.
int cellCount(const QJsonArray &list, double partIndex);

// The cell at posIndex (truncated toward zero) of the part, or an empty
// object when the part or the position does not exist.
QJsonObject cellAt(const QJsonArray &list, double partIndex, double posIndex);

} // namespace PartList

#endif
