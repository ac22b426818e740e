#include "ui/common/tablerules.h"

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

Level valueLevel(double value, const Thresholds &limits, const Columns &columns)
{
    Level level = Level::Normal;
    if (columns.underWarn && value < limits.minWarn)
        level = Level::UnderWarn;
    if (columns.overWarn && value > limits.maxWarn)
        level = Level::OverWarn;
    if (columns.underAlarm && value < limits.minErr)
        level = Level::UnderAlarm;
    if (columns.overAlarm && value > limits.maxErr)
        level = Level::OverAlarm;
    return level;
}

QString levelColor(Level level, const Palette &palette)
{
    switch (level) {
    case Level::UnderWarn:
        return palette.underwarn7;
    case Level::OverWarn:
        return palette.overwarn8;
    case Level::UnderAlarm:
        return palette.underload3;
    case Level::OverAlarm:
        return palette.overload4;
    case Level::Normal:
        break;
    }
    return White;
}

QString valueColor(double value, const Thresholds &limits, const Columns &columns, const Palette &palette)
{
    return levelColor(valueLevel(value, limits, columns), palette);
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
