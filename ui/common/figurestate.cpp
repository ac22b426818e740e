#include "ui/common/figurestate.h"

#include <QCoreApplication>

namespace FigureState {

namespace {

QString text(const char *chinese, const char *english, bool inChinese)
{
    return inChinese ? QCoreApplication::translate("FigureState", chinese) : QString::fromLatin1(english);
}

} // namespace

Result evaluate(double weight, const TableRules::Thresholds &limits, int state, const TableRules::Columns &columns,
                const TableRules::Palette &palette, bool chinese)
{
    if (state == 3)
        return {QStringLiteral("#ccc800"), text("故障", "ERR", chinese)};
    if (state != 1)
        return {QStringLiteral("#ccc800"), text("离线", "OFF", chinese)};
    const TableRules::Level level = TableRules::valueLevel(weight, limits, columns);
    switch (level) {
    case TableRules::Level::UnderWarn:
        return {TableRules::levelColor(level, palette), text("超轻警告", "Ultra-light warning", chinese)};
    case TableRules::Level::OverWarn:
        return {TableRules::levelColor(level, palette), text("超重警告", "Overweight warning", chinese)};
    case TableRules::Level::UnderAlarm:
        return {TableRules::levelColor(level, palette), text("超轻报警", "Ultra-light alarm", chinese)};
    case TableRules::Level::OverAlarm:
        return {TableRules::levelColor(level, palette), text("超重报警", "Overweight alarm", chinese)};
    case TableRules::Level::Normal:
        break;
    }
    return {QStringLiteral("green"), text("正常", "Normal", chinese)};
}

} // namespace FigureState
