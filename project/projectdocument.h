#ifndef PROJECTDOCUMENT_H
#define PROJECTDOCUMENT_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class QJsonValue;

// The project file as text: parsing with a shape check, the indented form it
// is written in, and the document of a new project.
namespace ProjectDocument {

inline const QString kParent = QStringLiteral("WeightingControlParent");
inline const QString kControl = QStringLiteral("WeightingControl");
inline const QString kCellData = QStringLiteral("CELL DATA");
inline const QString kGroupData = QStringLiteral("GROUP DATA");
inline const QString kTableParts = QStringLiteral("TableParts");
inline const QString kPlanParts = QStringLiteral("PlanParts");
inline const QString kLinePlotParts = QStringLiteral("LinePlotParts");
inline const QString kSetting = QStringLiteral("Setting");
inline const QString kTableSet = QStringLiteral("TableSet");

struct Parsed
{
    QJsonObject document;
    // Why the text is not a usable project document; empty when it is.
    QString problem;
    // Members of a usable document that had the wrong JSON type and were
    // dropped, so they read as empty.
    QStringList ignored;

    bool damaged() const { return !problem.isEmpty(); }
};

// Parses a project file. Text that is not JSON or not an object is damaged:
// writing over it would lose what it holds, so the caller keeps it aside and
// gets an empty document. In an object, a known member of the wrong JSON type
// (or an element of a list that is not an object) is dropped and named in
// `ignored`; everything else is kept.
Parsed parse(const QByteArray &text);

// UTF-8 JSON in the indented form of the Qt writer: sorted keys, four spaces.
QByteArray toText(const QJsonObject &document);

// The document of a new project: the "ALL LOAD" total and cells 1 to
// cellCount on page 1, and the first table part listing them.
QJsonObject created(quint8 cellCount, const QString &cellType, double minErr, double maxErr,
                    double minWarn, double maxWarn);

// A whole number as the project file has always read it: a JSON number
// without a fraction part that fits an int; anything else is 0.
int wholeNumber(const QJsonValue &value);

// A weight as stored: any finite JSON number, fractions kept (a tare or a
// group threshold set in LB is a fractional kg); anything else is 0.
double weight(const QJsonValue &value);

// The members the weighing configuration is read from ("CELL DATA" and
// "GROUP DATA" of "WeightingControl"); missing or mistyped ones are empty.
QJsonObject weightingControl(const QJsonObject &document);

} // namespace ProjectDocument

#endif
