#include "ui/table/tablecellid.h"

#include "ui/common/cellidrange.h"

#include <QRegularExpression>

#include <algorithm>

namespace TableCellId {

namespace {

CellId idFrom(const QRegularExpressionMatch &match, int first)
{
    return CellId{match.captured(first).toInt(), match.captured(first + 1).toInt()};
}

} // namespace

QString idPattern()
{
    return QStringLiteral("([1-9])\\.(\\d{1,2})");
}

QString wirelessIdPattern()
{
    return QStringLiteral("[1-9]\\d{0,2}");
}

QString macPattern()
{
    return QStringLiteral("[0-9A-F]{2}:[0-9A-F]{2}");
}

std::optional<CellId> parse(const QString &text)
{
    static const QRegularExpression id(QRegularExpression::anchoredPattern(idPattern()));
    const QRegularExpressionMatch match = id.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return idFrom(match, 1);
}

std::optional<Range> parseRange(const QString &text)
{
    // The range grammar is the one the plan's range fields use.
    const std::optional<CellIdRange> range = CellIdRange::parse(text.trimmed());
    if (!range)
        return std::nullopt;
    return Range{{range->firstPage, range->firstIndex}, {range->lastPage, range->lastIndex}};
}

Creation single(const QString &text)
{
    const std::optional<CellId> id = parse(text);
    if (!id)
        return Creation{};
    if (id->index == 0)
        return Creation{Problem::ZeroIndex, id->page, 0, -1};
    return Creation{Problem::None, id->page, id->index, id->index};
}

Creation bulk(const QString &text)
{
    const std::optional<Range> range = parseRange(text);
    if (!range)
        return Creation{};
    if (range->first.index == 0 || range->last.index == 0)
        return Creation{Problem::ZeroIndex, range->first.page, 0, -1};
    if (range->first.page != range->last.page)
        return Creation{Problem::PagesDiffer, range->first.page, 0, -1};
    return Creation{Problem::None, range->first.page, std::min(range->first.index, range->last.index),
                    std::max(range->first.index, range->last.index)};
}

int key(int page, int index)
{
    return page * 100 + index;
}

std::optional<KeyRange> selectionKeys(const QString &text)
{
    const std::optional<Range> range = parseRange(text);
    if (!range)
        return std::nullopt;
    const int a = key(range->first.page, range->first.index);
    const int b = key(range->last.page, range->last.index);
    return KeyRange{std::min(a, b), std::max(a, b)};
}

bool isWirelessId(const QString &text)
{
    static const QRegularExpression id(QRegularExpression::anchoredPattern(wirelessIdPattern()));
    return id.match(text).hasMatch();
}

bool isMacSuffix(const QString &text)
{
    static const QRegularExpression mac(QRegularExpression::anchoredPattern(macPattern()));
    return mac.match(text).hasMatch();
}

} // namespace TableCellId
