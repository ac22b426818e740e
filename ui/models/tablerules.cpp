#include "ui/models/tablerules.h"

#include <QCoreApplication>

namespace TableRules {

namespace {

const QString White = QStringLiteral("white");
const QString Attention = QStringLiteral("#ccc800");
const QString Online = QStringLiteral("green");
const QString LightYellow = QStringLiteral("LightYellow");

QString tableText(const char *chinese)
{
    return QCoreApplication::translate("Table", chinese);
}

} // namespace

QString valueColor(double value, const Thresholds &limits, const Columns &columns, const Palette &palette)
{
    QString color = White;
    if (columns.underWarn && value < limits.minWarn)
        color = palette.underwarn7;
    if (columns.overWarn && value > limits.maxWarn)
        color = palette.overwarn8;
    if (columns.underAlarm && value < limits.minErr)
        color = palette.underload3;
    if (columns.overAlarm && value > limits.maxErr)
        color = palette.overload4;
    return color;
}

StateCell stateCell(int pageId, int index, int stateBits, const QString &battery, const QString &rssi, bool chinese)
{
    if (pageId == 1 && (index == 0 || index > 100))
        return {QString(), White};
    const bool online = stateBits & 1;
    const bool fault = stateBits & 2;
    if (online && fault)
        return {chinese ? tableText("故障") + battery : QStringLiteral("ERR"), Attention};
    if (online) {
        const QString word = chinese ? tableText("在线") : QStringLiteral("ON");
        if (pageId == 20)
            return {word + QLatin1Char('\n') + battery + QLatin1Char('%') + QLatin1Char('\n') + rssi + QStringLiteral("dBm"), Online};
        return {word, Online};
    }
    return {chinese ? tableText("离线") : QStringLiteral("OFF"), Attention};
}

QString idText(int pageId, int index, bool idIsErr, int errId)
{
    QString text = QString::number(pageId) + QLatin1Char('.') + QString::number(index);
    if (idIsErr)
        text += QStringLiteral("\n(") + QString::number(errId) + QLatin1Char(')');
    return text;
}

QString idColor(bool idIsErr)
{
    return idIsErr ? LightYellow : White;
}

QString nameColor(bool checked, bool idIsErr)
{
    if (checked)
        return QStringLiteral("#3399ff");
    return idIsErr ? LightYellow : White;
}

} // namespace TableRules
