#include "ui/common/partrowstore.h"

#include "project/myjson.h"

namespace {

bool parseNumber(const QString &text, int *value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    *value = int(number);
    return true;
}

} // namespace

namespace PartRowStore {

CellRow placeholder(int pageId, int index, int typeFlag, const QString &name)
{
    CellRow row;
    row.pageId001 = pageId;
    row.index001 = index;
    row.typeFlag001 = typeFlag;
    row.name001 = name;
    row.state001 = 3;
    return row;
}

QVector<CellRow> placeholders(MyJson &json, int part, int firstPosition)
{
    QVector<CellRow> rows;
    const int stored = int(json.getTablePartNum(part));
    for (int position = firstPosition; position < stored; ++position) {
        int pageId = 0;
        int index = 0;
        if (!parseNumber(json.getTablePartCellPageId(part, position), &pageId)
            || !parseNumber(json.getTablePartCellIndex(part, position), &index))
            continue;
        rows.append(placeholder(pageId, index, int(json.getTablePartCellTypeFlag(part, position)),
                                QStringLiteral("0")));
    }
    return rows;
}

void save(MyJson &json, int part, const QVector<CellRow> &rows)
{
    for (int position = 0; position < rows.size(); ++position) {
        const CellRow &row = rows.at(position);
        json.saveTablePartCell(part, position, QString::number(row.pageId001), QString::number(row.index001),
                               row.typeFlag001);
    }
}

} // namespace PartRowStore
