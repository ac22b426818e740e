#include "project/projectdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace ProjectDocument {

namespace {

bool isAbsentOr(const QJsonObject &object, const QString &key, QJsonValue::Type type)
{
    const QJsonValue value = object.value(key);
    return value.isUndefined() || value.type() == type;
}

bool isArrayOfObjects(const QJsonValue &value)
{
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return false;
    const QJsonArray array = value.toArray();
    for (const QJsonValue element : array) {
        if (!element.isObject())
            return false;
    }
    return true;
}

QString shapeProblem(const QJsonObject &document)
{
    if (!isAbsentOr(document, kParent, QJsonValue::Object))
        return QStringLiteral("\"%1\" is not an object").arg(kParent);
    const QJsonObject parent = document.value(kParent).toObject();
    if (!isAbsentOr(parent, kControl, QJsonValue::Object))
        return QStringLiteral("\"%1\" is not an object").arg(kControl);
    const QJsonObject control = parent.value(kControl).toObject();
    for (const QString &key : {kCellData, kGroupData}) {
        if (!isArrayOfObjects(control.value(key)))
            return QStringLiteral("\"%1\" is not an array of objects").arg(key);
    }
    for (const QString &key : {kTableParts, kPlanParts, kLinePlotParts}) {
        if (!isArrayOfObjects(document.value(key)))
            return QStringLiteral("\"%1\" is not an array of objects").arg(key);
    }
    for (const QString &key : {kSetting, kTableSet}) {
        if (!isAbsentOr(document, key, QJsonValue::Object))
            return QStringLiteral("\"%1\" is not an object").arg(key);
    }
    return QString();
}

QJsonObject createdCell(int index, const QString &name, const QString &type, double minErr,
                        double maxErr, double minWarn, double maxWarn)
{
    return QJsonObject{{QStringLiteral("pageId"), 1},
                       {QStringLiteral("index"), index},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("type"), type},
                       {QStringLiteral("minErr"), minErr},
                       {QStringLiteral("minWarn"), minWarn},
                       {QStringLiteral("maxWarn"), maxWarn},
                       {QStringLiteral("maxErr"), maxErr}};
}

} // namespace

Parsed parse(const QByteArray &text)
{
    Parsed result;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        result.problem = QStringLiteral("not JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset);
        return result;
    }
    if (!json.isObject()) {
        result.problem = QStringLiteral("the top level is not an object");
        return result;
    }
    result.problem = shapeProblem(json.object());
    if (!result.damaged())
        result.document = json.object();
    return result;
}

QByteArray toText(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QJsonObject created(quint8 cellCount, const QString &cellType, double minErr, double maxErr,
                    double minWarn, double maxWarn)
{
    QJsonArray cells;
    cells.append(createdCell(0, QStringLiteral("ALL LOAD"), QStringLiteral("ALL LOAD"), minErr, maxErr,
                             minWarn, maxWarn));
    for (int i = 1; i <= cellCount; ++i) {
        QJsonObject cell = createdCell(i, QStringLiteral("CZ 1.%1").arg(i), cellType, minErr, maxErr,
                                       minWarn, maxWarn);
        cell.insert(QStringLiteral("groupId"), 0);
        cell.insert(QStringLiteral("typeFlag"), 0);
        cells.append(cell);
    }

    QJsonArray children;
    for (int i = 0; i <= cellCount; ++i)
        children.append(QJsonObject{{QStringLiteral("pageId"), 1}, {QStringLiteral("index"), i}});
    const QJsonObject firstPart{{QStringLiteral("partIndex"), 0},
                                {QStringLiteral("name"), QStringLiteral("part 0")},
                                {QStringLiteral("part children"), children}};

    const QJsonObject control{{QStringLiteral("index"), 1},
                              {kCellData, cells},
                              {QStringLiteral("part"), QJsonObject{{QStringLiteral("part 0"), firstPart}}}};
    return QJsonObject{{kParent, QJsonObject{{QStringLiteral("Number"), 1}, {kControl, control}}}};
}

int wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (!(number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max()))
        return 0;
    if (std::trunc(number) != number)
        return 0;
    return int(number);
}

double weight(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    return std::isfinite(number) ? number : 0;
}

QJsonObject weightingControl(const QJsonObject &document)
{
    return document.value(kParent).toObject().value(kControl).toObject();
}

} // namespace ProjectDocument
