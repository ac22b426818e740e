#include "ui/common/cellinfotext.h"

#include "ui/common/weighingtype.h"

#include <QCoreApplication>
#include <QStringList>

namespace CellInfoText {

namespace {

QString caption(const char *chinese, const char *english, bool inChinese)
{
    return inChinese ? QCoreApplication::translate("CellInfoText", chinese) : QString::fromUtf8(english);
}

} // namespace

QString text(const CellRow &row, const QString &stateText, const QString &unit, bool chinese)
{
    const auto weight = [&unit](int value) { return QString::number(value) + unit; };
    QStringList lines;
    lines << QStringLiteral("ID:") + QString::number(row.pageId001) + QLatin1Char('.') + QString::number(row.index001);
    lines << caption("名字:", "Name:", chinese) + row.name001;
    lines << caption("类型:", "Type:", chinese)
            + WeighingType::typeText(row.wTypeb001, row.pageId001, row.index001, chinese);
    lines << caption("重量:", "Weight:", chinese) + QString::number(row.width1);
    lines << caption("状态:", "Status:", chinese) + stateText;
    lines << caption("超轻报警重量:", "Ultra-light alarm weight:", chinese) + weight(row.minErr001);
    lines << caption("超重报警重量:", "Overweight alarm weight:", chinese) + weight(row.maxErr001);
    lines << caption("超轻警告重量:", "Ultra-light warning weight:", chinese) + weight(row.minWarn001);
    lines << caption("超重警告重量:", "Overweight warning weight:", chinese) + weight(row.maxWarn001);
    lines << caption("最小重量:", "Minimum weight:", chinese) + weight(row.minWidth001);
    lines << caption("最大重量:", "Maximum weight:", chinese) + weight(row.maxWidth001);
    lines << caption("错误号:", "Error number:", chinese) + QString::number(row.errorNb001);
    if (row.pageId001 == 20) {
        lines << caption("蓝牙电量:", "Bluetooth battery:", chinese) + row.battery001 + QLatin1Char('%');
        lines << caption("蓝牙MAC:", "Bluetooth addr:", chinese) + row.addrDate001;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace CellInfoText
