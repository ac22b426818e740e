#include "project/projectrecords.h"

#include "core/weightingcelldata.h"
#include "core/weightingdata.h"
#include "project/pagesource.h"
#include "project/projectdocument.h"

#include <QDebug>
#include <QJsonArray>

namespace ProjectRecords {

namespace {

using ProjectDocument::weight;
using ProjectDocument::wholeNumber;

constexpr int kFirstGroup = 1;
constexpr int kLastGroup = WeightingData::GroupCount - 1;

void loadCell(const QJsonObject &entry, PageSource &pages)
{
    const int pageId = wholeNumber(entry.value(QStringLiteral("pageId")));
    const int index = wholeNumber(entry.value(QStringLiteral("index")));
    const QString name = entry.value(QStringLiteral("name")).toString();
    if (pageId < 0 || pageId >= PageSource::PageCount || index < 0 || index >= WeightingData::CellSlotCount) {
        qDebug() << "project file: cell entry outside the tables skipped, page" << pageId << "index" << index;
        return;
    }

    WeightingData *page = pages.ensurePage(pageId);
    WeightingCellData *record = page->cell(index);
    if (!record) {
        record = page->createCell(pageId, index);
        record->setName(name);
    }

    record->setMaxErrData(entry.value(QStringLiteral("maxErr")).toDouble());
    record->setMaxWarnData(entry.value(QStringLiteral("maxWarn")).toDouble());
    record->setMinWarnData(entry.value(QStringLiteral("minWarn")).toDouble());
    record->setMinErrData(entry.value(QStringLiteral("minErr")).toDouble());
    record->setType(entry.value(QStringLiteral("type")).toString());
    record->setGroupId(wholeNumber(entry.value(QStringLiteral("groupId"))));
    record->setPeel(weight(entry.value(QStringLiteral("peel"))));
    record->setPeelEnable(entry.value(QStringLiteral("peelEnable")).toBool());
    if (pageId == PageSource::WirelessPage) {
        record->setBleAddress(entry.value(QStringLiteral("bleAddress")).toString());
        record->setIdIsErr(entry.value(QStringLiteral("idIsErr")).toBool());
    }
}

void loadGroup(const QJsonObject &entry, WeightingData *groupPage)
{
    const int index = wholeNumber(entry.value(QStringLiteral("index")));
    const int g = index - WeightingData::GroupSlotBase;
    if (!groupPage || g < kFirstGroup || g > kLastGroup) {
        qDebug() << "project file: group entry without a place skipped, index" << index
                 << (groupPage ? "" : "(no page 1)");
        return;
    }

    // A group entry always makes a fresh record, so a later entry with the
    // same index replaces an earlier one.
    groupPage->deleteGroup(g);
    WeightingCellData *record = groupPage->createGroup(g);
    record->setName(entry.value(QStringLiteral("name")).toString());

    record->setMaxErrData(weight(entry.value(QStringLiteral("maxErr"))));
    record->setMaxWarnData(weight(entry.value(QStringLiteral("maxWarn"))));
    record->setMinWarnData(weight(entry.value(QStringLiteral("minWarn"))));
    record->setMinErrData(weight(entry.value(QStringLiteral("minErr"))));
    record->setType(entry.value(QStringLiteral("type")).toString());
    record->setTypeFlag(wholeNumber(entry.value(QStringLiteral("typeFlag"))));
}

// The members a group entry and a cell entry share.
QJsonObject recordObject(const WeightingCellData &record)
{
    return QJsonObject{{QStringLiteral("index"), record.index()},
                       {QStringLiteral("groupId"), record.groupId()},
                       {QStringLiteral("typeFlag"), record.typeFlag()},
                       {QStringLiteral("name"), record.name()},
                       {QStringLiteral("type"), record.type()},
                       {QStringLiteral("minWarn"), record.minWarnData()},
                       {QStringLiteral("maxWarn"), record.maxWarnData()},
                       {QStringLiteral("minErr"), record.minErrData()},
                       {QStringLiteral("maxErr"), record.maxErrData()}};
}

QJsonObject cellObject(int pageId, const WeightingCellData &record)
{
    QJsonObject cell = recordObject(record);
    cell.insert(QStringLiteral("pageId"), pageId);
    cell.insert(QStringLiteral("peel"), record.peel());
    cell.insert(QStringLiteral("peelEnable"), record.peelEnable());
    if (pageId == PageSource::WirelessPage) {
        cell.insert(QStringLiteral("bleAddress"), record.bleAddress());
        cell.insert(QStringLiteral("idIsErr"), record.idIsErr());
    }
    return cell;
}

} // namespace

void load(const QJsonObject &document, PageSource &pages)
{
    const QJsonObject control = ProjectDocument::weightingControl(document);
    const QJsonArray cells = control.value(ProjectDocument::kCellData).toArray();
    for (const QJsonValue entry : cells)
        loadCell(entry.toObject(), pages);

    const QJsonArray groups = control.value(ProjectDocument::kGroupData).toArray();
    for (const QJsonValue entry : groups)
        loadGroup(entry.toObject(), pages.page(PageSource::GroupPage));
}

QJsonObject weightingControlParent(const PageSource &pages)
{
    // Every page and every cell slot of the model is written, so nothing the
    // program holds can go missing from the next file.
    QJsonObject control;
    QJsonArray cells;
    int highestPage = -1;
    for (int pageId = 0; pageId < PageSource::PageCount; ++pageId) {
        const WeightingData *page = pages.page(pageId);
        if (!page)
            continue;
        highestPage = pageId;
        for (int index = 0; index < WeightingData::CellSlotCount; ++index) {
            if (const WeightingCellData *record = page->cell(index))
                cells.append(cellObject(pageId, *record));
        }
    }
    if (highestPage >= 0) {
        control.insert(ProjectDocument::kCellData, cells);
        control.insert(QStringLiteral("index"), highestPage);
    }

    if (const WeightingData *groupPage = pages.page(PageSource::GroupPage)) {
        QJsonArray groups;
        for (int g = kFirstGroup; g <= kLastGroup; ++g) {
            if (const WeightingCellData *record = groupPage->group(g))
                groups.append(recordObject(*record));
        }
        control.insert(ProjectDocument::kGroupData, groups);
    }

    return QJsonObject{{QStringLiteral("Number"), 1}, {ProjectDocument::kControl, control}};
}

} // namespace ProjectRecords
