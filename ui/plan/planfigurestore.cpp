#include "ui/plan/planfigurestore.h"

#include "project/myjson.h"

namespace PlanFigureStore {

QVector<PlanFigure> load(MyJson &json, int part)
{
    QVector<PlanFigure> figures;
    const int count = int(json.getPlanPartNum(part));
    for (int position = 0; position < count; ++position) {
        bool pageOk = false;
        bool indexOk = false;
        PlanFigure figure;
        figure.values.pageId001 = json.getPlanPartCellPageId(part, position).toInt(&pageOk);
        figure.values.index001 = json.getPlanPartCellIndex(part, position).toInt(&indexOk);
        if (!pageOk || !indexOk)
            continue;
        figure.x = json.getPlanPartCellX(part, position);
        figure.y = json.getPlanPartCellY(part, position);
        figure.z = json.getPlanPartCellZ(part, position);
        figures.append(figure);
    }
    return figures;
}

void save(MyJson &json, int part, const QVector<PlanFigure> &figures)
{
    for (const PlanFigure &figure : figures) {
        json.savePlanPartCell(part, QString::number(figure.values.pageId001), QString::number(figure.values.index001),
                              figure.x, figure.y, figure.z);
    }
}

} // namespace PlanFigureStore
