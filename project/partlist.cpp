#include "project/partlist.h"

#include <QJsonValue>

#include <cmath>

namespace PartList {

namespace {

const QString kIndex = QStringLiteral("index");
const QString kCellList = QStringLiteral("CellList");

} // namespace

int find(const QJsonArray &list, double partIndex)
{
    for (int position = 0; position < list.size(); ++position) {
        const QJsonValue index = list.at(position).toObject().value(kIndex);
        if (index.isDouble() && index.toDouble() == partIndex)
            return position;
    }
    return -1;
}

QJsonObject part(const QJsonArray &list, double partIndex)
{
    const int position = find(list, partIndex);
    return position < 0 ? QJsonObject() : list.at(position).toObject();
}

void appendCell(QJsonArray &list, double partIndex, const QJsonObject &cell)
{
    const int position = find(list, partIndex);
    if (position < 0)
        return;
    QJsonObject element = list.at(position).toObject();
    QJsonArray cells = element.value(kCellList).toArray();
    cells.append(cell);
    element.insert(kCellList, cells);
    list.replace(position, element);
}

void setMembers(QJsonArray &list, double partIndex, const QJsonObject &members)
{
    const int position = find(list, partIndex);
    if (position < 0)
        return;
    QJsonObject element = list.at(position).toObject();
    for (auto it = members.constBegin(); it != members.constEnd(); ++it)
        element.insert(it.key(), it.value());
    list.replace(position, element);
}

void remove(QJsonArray &list, double partIndex)
{
    const int position = find(list, partIndex);
    if (position >= 0)
        list.removeAt(position);
}

int cellCount(const QJsonArray &list, double partIndex)
{
    return part(list, partIndex).value(kCellList).toArray().size();
}

QJsonObject cellAt(const QJsonArray &list, double partIndex, double posIndex)
{
    const QJsonArray cells = part(list, partIndex).value(kCellList).toArray();
    // Comparing before truncating keeps NaN and huge positions out of the cast.
    if (!(posIndex > -1.0 && posIndex < double(cells.size())))
        return QJsonObject();
    return cells.at(int(std::trunc(posIndex))).toObject();
}

} // namespace PartList
