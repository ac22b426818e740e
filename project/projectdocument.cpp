#include "project/projectdocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <cmath>
#include <limits>

namespace ProjectDocument {

namespace {

// The Part reads a missing or mistyped member as empty, so a file whose
// members are partly of the wrong JSON type still gives every valid cell,
// group and part. Each dropped member is named in `ignored`.
void keepObject(QJsonObject &object, const QString &key, QStringList &ignored)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isObject())
        return;
    object.remove(key);
    ignored << QStringLiteral("\"%1\" is not an object").arg(key);
}

void keepArrayOfObjects(QJsonObject &object, const QString &key, QStringList &ignored)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return;
    if (!value.isArray()) {
        object.remove(key);
        ignored << QStringLiteral("\"%1\" is not an array").arg(key);
        return;
    }
    QJsonArray kept;
    const QJsonArray array = value.toArray();
    for (const QJsonValue element : array) {
        if (element.isObject())
            kept.append(element);
    }
    if (kept.size() == array.size())
        return;
    object.insert(key, kept);
    ignored << QStringLiteral("%1 element(s) of \"%2\" that are not objects").arg(array.size() - kept.size()).arg(key);
}

QJsonObject readable(QJsonObject document, QStringList &ignored)
{
    keepObject(document, kParent, ignored);
    if (document.contains(kParent)) {
        QJsonObject parent = document.value(kParent).toObject();
        keepObject(parent, kControl, ignored);
        QJsonObject control = parent.value(kControl).toObject();
        for (const QString &key : {kCellData, kGroupData})
            keepArrayOfObjects(control, key, ignored);
        if (parent.contains(kControl))
            parent.insert(kControl, control);
        document.insert(kParent, parent);
    }
    for (const QString &key : {kTableParts, kPlanParts, kLinePlotParts})
        keepArrayOfObjects(document, key, ignored);
    for (const QString &key : {kSetting, kTableSet})
        keepObject(document, key, ignored);
    return document;
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
    result.document = readable(json.object(), result.ignored);
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
