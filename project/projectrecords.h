#ifndef PROJECTRECORDS_H
#define PROJECTRECORDS_H

#include <QJsonObject>

class PageSource;

// Moves the weighing configuration between a project document and the cell
// and group records of the page tables.
namespace ProjectRecords {

// Applies "CELL DATA" and "GROUP DATA" of the document to the pages, creating
// pages and records as needed; an existing record keeps its name. Entries that
// have no place in the tables are skipped with a debug line.
void load(const QJsonObject &document, PageSource &pages);

// The "WeightingControlParent" object describing every record of every page.
QJsonObject weightingControlParent(const PageSource &pages);

} // namespace ProjectRecords

#endif
