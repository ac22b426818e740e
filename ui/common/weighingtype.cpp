#include "ui/common/weighingtype.h"

#include <QCoreApplication>

namespace WeighingType {

namespace {

// Model size suffix of the known codes; empty for unknown codes.
QString sizeSuffix(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("0.5T");
    case 2:
        return QStringLiteral("1.0T");
    case 3:
        return QStringLiteral("2.0T");
    case 5:
        return QStringLiteral("5.0T");
    default:
        return QString();
    }
}

} // namespace

int capacity(int code)
{
    switch (code) {
    case 1:
        return 500;
    case 2:
        return 1000;
    case 3:
        return 2000;
    case 5:
        return 5000;
    default:
        return 600000;
    }
}

QString typeText(int code, int pageId, int index, bool chinese)
{
    const QString suffix = sizeSuffix(code);
    if (!suffix.isEmpty())
        return (pageId == 20 ? QStringLiteral("RWX5502-") : QStringLiteral("RWX4401-")) + suffix;
    if (index == 0 || index > 1000)
        return chinese ? QCoreApplication::translate("Table", "总重/组") : QStringLiteral("Total weight/Group");
    return chinese ? QCoreApplication::translate("Table", "未知设备") : QStringLiteral("Unknown device");
}

} // namespace WeighingType
