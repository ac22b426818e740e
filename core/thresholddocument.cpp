#include "core/thresholddocument.h"

#include "core/weightingcelldata.h"
#include "core/weightingdata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray ThresholdDocument::build(int pageId, const WeightingData &page)
{
    QJsonArray cells;
    for (int slot = FirstCell; slot <= LastCell; ++slot) {
        const WeightingCellData *record = page.cell(slot);
        if (!record)
            continue;
        QJsonObject cell;
        cell.insert(QStringLiteral("VornCellId"), record->index());
        cell.insert(QStringLiteral("maxErr"), record->maxErrData());
        cell.insert(QStringLiteral("minErr"), record->minErrData());
        cell.insert(QStringLiteral("maxWarn"), record->maxWarnData());
        cell.insert(QStringLiteral("minWarn"), record->minWarnData());
        cells.append(cell);
    }
    QJsonObject document;
    document.insert(QStringLiteral("VornCellList"), cells);
    document.insert(QStringLiteral("VornHubId"), pageId);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
