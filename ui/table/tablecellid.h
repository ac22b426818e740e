#ifndef TABLECELLID_H
#define TABLECELLID_H

#include <QString>

#include <optional>

// The cell IDs the operator types into the table settings panel: a hub cell
// as "page.index" with a one-digit page 1 to 9 and a one- or two-digit index
// ("1.10", "1.01" is cell 1.1), a range as two of them joined by a dash
// ("1.01-1.99"), a wireless cell as a number 1 to 999 with its address's last
// two octets ("8F:59"). Each outcome carries the problem the panel reports.
namespace TableCellId {

struct CellId
{
    int page = 0;
    int index = 0;
};

// One ID; nothing when the text does not follow the grammar.
std::optional<CellId> parse(const QString &text);

struct Range
{
    CellId first;
    CellId last;
};

// Two IDs joined by a dash, in the order typed (CellIdRange's grammar).
std::optional<Range> parseRange(const QString &text);

enum class Problem { None, Malformed, ZeroIndex, PagesDiffer };

// What "新建设备" and "批量新建设备" create: cells firstIndex to lastIndex
// (ascending, inclusive) of one page. A single ID gives one index.
struct Creation
{
    Problem problem = Problem::Malformed;
    int page = 0;
    int firstIndex = 0;
    int lastIndex = -1;
};
Creation single(const QString &text);
Creation bulk(const QString &text);

// The inclusive key range (page × 100 + index) of a batch selection, lower
// key first; nothing when the text is no range.
struct KeyRange
{
    int low = 0;
    int high = 0;
};
std::optional<KeyRange> selectionKeys(const QString &text);
int key(int page, int index);

// A wireless cell: its user ID 1 to 999 without a leading zero, and the last
// two octets of its address as upper-case hexadecimal ("8F:59").
bool isWirelessId(const QString &text);
bool isMacSuffix(const QString &text);

// The grammars as regular expressions without anchors, for input fields
// (range fields take CellIdRangeValidator).
QString idPattern();
QString wirelessIdPattern();
QString macPattern();

} // namespace TableCellId

#endif
