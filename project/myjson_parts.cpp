// The display-part operations of MyJson: save operations fill the pending
// lists, get and read operations answer from the document.
#include "project/myjson.h"

#include "project/partlist.h"
#include "project/projectdocument.h"

#include <QJsonValue>

using ProjectDocument::wholeNumber;

namespace {

const QString kIndex = QStringLiteral("index");
const QString kName = QStringLiteral("name");
const QString kPageId = QStringLiteral("pageId");
const QString kCellIndex = QStringLiteral("cellIndex");

} // namespace

QJsonArray MyJson::documentList(const QString &key) const
{
    return m_document.value(key).toArray();
}

void MyJson::announceParts(const QString &key, void (MyJson::*signal)(double, QString))
{
    // The first part of every view always exists and is never announced.
    const QJsonArray list = documentList(key);
    for (int position = 1; position < list.size(); ++position) {
        const QJsonObject part = list.at(position).toObject();
        emit(this->*signal)(part.value(kIndex).toDouble(), part.value(kName).toString());
    }
}

void MyJson::readTableParts()
{
    announceParts(ProjectDocument::kTableParts, &MyJson::upLoadTablePartSignal);
}

void MyJson::readPlanParts()
{
    announceParts(ProjectDocument::kPlanParts, &MyJson::upLoadPlanPartSignal);
}

void MyJson::readLinePlotParts()
{
    announceParts(ProjectDocument::kLinePlotParts, &MyJson::upLoadLinePlotPartSignal);
}

void MyJson::clearParts()
{
    m_tableParts = QJsonArray();
    m_planParts = QJsonArray();
    m_linePlotParts = QJsonArray();
}

void MyJson::saveTableParts(double index, QString name)
{
    m_tableParts.append(QJsonObject{{kIndex, index}, {kName, name}});
}

void MyJson::savePlanParts(double index, QString name)
{
    m_planParts.append(QJsonObject{{kIndex, index}, {kName, name}});
}

void MyJson::saveLinePlotParts(double index, QString name)
{
    m_linePlotParts.append(QJsonObject{{kIndex, index}, {kName, name}});
}

void MyJson::saveTablePartCell(double Partindex, double posIndex, QString pageId, QString cellIndex,
                               double typeFlag)
{
    PartList::appendCell(m_tableParts, Partindex,
                         QJsonObject{{QStringLiteral("posIndex"), posIndex},
                                     {kPageId, pageId},
                                     {kCellIndex, cellIndex},
                                     {QStringLiteral("typeFlag"), typeFlag}});
}

void MyJson::savePlanPartCell(double Partindex, QString pageId, QString cellIndex, int x, int y, int z)
{
    PartList::appendCell(m_planParts, Partindex,
                         QJsonObject{{kPageId, pageId},
                                     {kCellIndex, cellIndex},
                                     {QStringLiteral("x"), x},
                                     {QStringLiteral("y"), y},
                                     {QStringLiteral("z"), z}});
}

void MyJson::saveLinePlotPartCell(double Partindex, QString pageId, QString cellIndex)
{
    PartList::appendCell(m_linePlotParts, Partindex, QJsonObject{{kPageId, pageId}, {kCellIndex, cellIndex}});
}

void MyJson::saveBarChartPartSet(double Partindex, double allTotalData, double cellMaxData,
                                 bool gt1_checked, bool mmb1_checked, bool oua1_checked,
                                 bool wm1_checked, bool checkBox_axisAdap_checked,
                                 int horizontalSlider_value)
{
    PartList::setMembers(m_tableParts, Partindex,
                         QJsonObject{{QStringLiteral("allTotalData"), allTotalData},
                                     {QStringLiteral("cellMaxData"), cellMaxData},
                                     {QStringLiteral("gt1_checked"), gt1_checked},
                                     {QStringLiteral("mmb1_checked"), mmb1_checked},
                                     {QStringLiteral("oua1_checked"), oua1_checked},
                                     {QStringLiteral("wm1_checked"), wm1_checked},
                                     {QStringLiteral("checkBox_axisAdap_checked"), checkBox_axisAdap_checked},
                                     {QStringLiteral("horizontalSlider_value"), horizontalSlider_value}});
}

void MyJson::savePlanPartSet(double Partindex, QString planPic, bool narrow, double cellHeight,
                             double celllWidth, double x, double y, double scale)
{
    PartList::setMembers(m_planParts, Partindex,
                         QJsonObject{{QStringLiteral("planPic"), planPic},
                                     {QStringLiteral("narrow"), narrow},
                                     {QStringLiteral("cellHeight"), cellHeight},
                                     {QStringLiteral("celllWidth"), celllWidth},
                                     {QStringLiteral("x"), x},
                                     {QStringLiteral("y"), y},
                                     {QStringLiteral("scale"), scale}});
}

void MyJson::saveLinePlotPartYHigh(double Partindex, double yHigh, double yHigl, QString time,
                                   int Line_width)
{
    PartList::setMembers(m_linePlotParts, Partindex,
                         QJsonObject{{QStringLiteral("yHigh"), yHigh},
                                     {QStringLiteral("yHigl"), yHigl},
                                     {QStringLiteral("time"), time},
                                     {QStringLiteral("Line_width"), Line_width}});
}

void MyJson::saveSetParts(bool saveStartBool, double saveTimeIndex, bool mediaOpen)
{
    m_setting.insert(QStringLiteral("saveStartBool"), saveStartBool);
    m_setting.insert(QStringLiteral("saveTimeIndex"), saveTimeIndex);
    m_setting.insert(QStringLiteral("mediaOpen"), mediaOpen);
}

void MyJson::saveSetParts2(QString log)
{
    m_setting.insert(QStringLiteral("log"), log);
}

void MyJson::saveTableSetParts(int rect3, int rect4, int rect7, int rect8, int rect10, int rect5, int rect6)
{
    m_tableSet.insert(QStringLiteral("rect3"), rect3);
    m_tableSet.insert(QStringLiteral("rect4"), rect4);
    m_tableSet.insert(QStringLiteral("rect7"), rect7);
    m_tableSet.insert(QStringLiteral("rect8"), rect8);
    m_tableSet.insert(QStringLiteral("rect10"), rect10);
    m_tableSet.insert(QStringLiteral("rect5"), rect5);
    m_tableSet.insert(QStringLiteral("rect6"), rect6);
}

double MyJson::getTablePartNum(double Partindex)
{
    return PartList::cellCount(documentList(ProjectDocument::kTableParts), Partindex);
}

QString MyJson::getTablePartCellPageId(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kTableParts), Partindex, posIndex)
        .value(kPageId)
        .toString();
}

QString MyJson::getTablePartCellIndex(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kTableParts), Partindex, posIndex)
        .value(kCellIndex)
        .toString();
}

double MyJson::getTablePartCellTypeFlag(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kTableParts), Partindex, posIndex)
        .value(QStringLiteral("typeFlag"))
        .toDouble();
}

double MyJson::getPlanPartNum(double Partindex)
{
    return PartList::cellCount(documentList(ProjectDocument::kPlanParts), Partindex);
}

QString MyJson::getPlanPartCellPageId(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kPlanParts), Partindex, posIndex)
        .value(kPageId)
        .toString();
}

QString MyJson::getPlanPartCellIndex(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kPlanParts), Partindex, posIndex)
        .value(kCellIndex)
        .toString();
}

int MyJson::getPlanPartCellX(double Partindex, double posIndex)
{
    return wholeNumber(PartList::cellAt(documentList(ProjectDocument::kPlanParts), Partindex, posIndex)
                           .value(QStringLiteral("x")));
}

int MyJson::getPlanPartCellY(double Partindex, double posIndex)
{
    return wholeNumber(PartList::cellAt(documentList(ProjectDocument::kPlanParts), Partindex, posIndex)
                           .value(QStringLiteral("y")));
}

int MyJson::getPlanPartCellZ(double Partindex, double posIndex)
{
    return wholeNumber(PartList::cellAt(documentList(ProjectDocument::kPlanParts), Partindex, posIndex)
                           .value(QStringLiteral("z")));
}

double MyJson::getLinePlotPartNum(double Partindex)
{
    return PartList::cellCount(documentList(ProjectDocument::kLinePlotParts), Partindex);
}

QString MyJson::getLinePlotPartCellPageId(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kLinePlotParts), Partindex, posIndex)
        .value(kPageId)
        .toString();
}

QString MyJson::getLinePlotPartCellIndex(double Partindex, double posIndex)
{
    return PartList::cellAt(documentList(ProjectDocument::kLinePlotParts), Partindex, posIndex)
        .value(kCellIndex)
        .toString();
}

void MyJson::getBarChartPartSet(double Partindex)
{
    const QJsonArray list = documentList(ProjectDocument::kTableParts);
    const int position = PartList::find(list, Partindex);
    if (position < 0)
        return;
    const QJsonObject part = list.at(position).toObject();
    emit upLoadBarChartPartSetSignal(Partindex, part.value(QStringLiteral("allTotalData")).toDouble(),
                                     part.value(QStringLiteral("cellMaxData")).toDouble(),
                                     part.value(QStringLiteral("gt1_checked")).toBool(),
                                     part.value(QStringLiteral("mmb1_checked")).toBool(),
                                     part.value(QStringLiteral("oua1_checked")).toBool(),
                                     part.value(QStringLiteral("wm1_checked")).toBool(),
                                     part.value(QStringLiteral("checkBox_axisAdap_checked")).toBool(),
                                     wholeNumber(part.value(QStringLiteral("horizontalSlider_value"))));
}

void MyJson::getPlanPartSet(double Partindex)
{
    const QJsonArray list = documentList(ProjectDocument::kPlanParts);
    const int position = PartList::find(list, Partindex);
    if (position < 0)
        return;
    const QJsonObject part = list.at(position).toObject();
    emit upLoadPlanPartSetSignal(Partindex, part.value(QStringLiteral("planPic")).toString(),
                                 part.value(QStringLiteral("narrow")).toBool(),
                                 part.value(QStringLiteral("cellHeight")).toDouble(),
                                 part.value(QStringLiteral("celllWidth")).toDouble(),
                                 part.value(QStringLiteral("x")).toDouble(),
                                 part.value(QStringLiteral("y")).toDouble(),
                                 part.value(QStringLiteral("scale")).toDouble());
}

double MyJson::getLinePlotPartYHigh(double Partindex)
{
    const QJsonArray list = documentList(ProjectDocument::kLinePlotParts);
    const int position = PartList::find(list, Partindex);
    if (position < 0)
        return 0;
    const QJsonObject part = list.at(position).toObject();
    emit UpLoadLpPlotSetSignal(Partindex, part.value(QStringLiteral("yHigh")).toDouble(),
                               part.value(QStringLiteral("yHigl")).toDouble(),
                               part.value(QStringLiteral("time")).toString(),
                               wholeNumber(part.value(QStringLiteral("Line_width"))));
    return 0;
}

void MyJson::getSetPart()
{
    const QJsonObject setting = m_document.value(ProjectDocument::kSetting).toObject();
    emit upLoadSetPartSetSignal(setting.value(QStringLiteral("saveStartBool")).toBool(),
                                setting.value(QStringLiteral("saveTimeIndex")).toDouble(),
                                setting.value(QStringLiteral("mediaOpen")).toBool());
    emit upLoadSetPart2SetSignal(setting.value(QStringLiteral("log")).toString());
}

QStringList MyJson::setPartKeys() const
{
    return m_document.value(ProjectDocument::kSetting).toObject().keys();
}

void MyJson::getTableSetPart()
{
    const QJsonObject tableSet = m_document.value(ProjectDocument::kTableSet).toObject();
    const auto rect = [&tableSet](const char *key) { return wholeNumber(tableSet.value(QLatin1String(key))); };
    emit upLoadTableSetPartSetSignal(rect("rect3"), rect("rect4"), rect("rect7"), rect("rect8"),
                                     rect("rect10"), rect("rect5"), rect("rect6"));
}

void MyJson::removeTablePart(double Partindex)
{
    QJsonArray list = documentList(ProjectDocument::kTableParts);
    if (PartList::find(list, Partindex) < 0)
        return;
    PartList::remove(list, Partindex);
    m_document.insert(ProjectDocument::kTableParts, list);
}
