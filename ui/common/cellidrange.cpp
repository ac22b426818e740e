#include "ui/common/cellidrange.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &rangePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([1-9])\\.([0-9]{1,2})-([1-9])\\.([0-9]{1,2})$"));
    return pattern;
}

} // namespace

std::optional<CellIdRange> CellIdRange::parse(const QString &text)
{
    const QRegularExpressionMatch match = rangePattern().match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return CellIdRange{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                       match.captured(4).toInt()};
}

QValidator::State CellIdRange::check(const QString &text)
{
    const QRegularExpressionMatch match
        = rangePattern().match(text, 0, QRegularExpression::PartialPreferCompleteMatch);
    if (match.hasMatch())
        return QValidator::Acceptable;
    if (text.isEmpty() || match.hasPartialMatch())
        return QValidator::Intermediate;
    return QValidator::Invalid;
}

bool CellIdRange::containsBlock(int page, int index) const
{
    return page >= firstPage && page <= lastPage && index >= firstIndex && index <= lastIndex;
}
