#ifndef TABLERULES_H
#define TABLERULES_H

#include <QString>

// The presentation rules of a table row: cell colours, the state column, the
// ID column and the name cell. Each is one function of the row's values so the
// delegates only bind.
namespace TableRules {

// The four state colours chosen on the system settings page.
struct Palette
{
    QString underload3 = QStringLiteral("Purple");
    QString overload4 = QStringLiteral("red");
    QString underwarn7 = QStringLiteral("LightBlue");
    QString overwarn8 = QStringLiteral("Orange");
};

// Which threshold columns are shown; a hidden column takes its colour out of
// the rule.
struct Columns
{
    bool underAlarm = true; // rect3_d
    bool overAlarm = true; // rect4_d
    bool underWarn = true; // rect7_d
    bool overWarn = true; // rect8_d
};

struct Thresholds
{
    double minErr = 0;
    double minWarn = 0;
    double maxWarn = 0;
    double maxErr = 0;
};

// Where a value stands against a row's thresholds. Later matches replace
// earlier ones, so an alarm wins over a warning: normal, under-warning,
// over-warning, under-alarm, over-alarm; a hidden column takes its step out.
// The table cells, the bars and the plan figures all colour by this one rule.
enum class Level { Normal, UnderWarn, OverWarn, UnderAlarm, OverAlarm };
Level valueLevel(double value, const Thresholds &limits, const Columns &columns);

// The palette colour of a level; white when normal.
QString levelColor(Level level, const Palette &palette);

// Colour of a weight, minimum or maximum cell.
QString valueColor(double value, const Thresholds &limits, const Columns &columns, const Palette &palette);

struct StateCell
{
    QString text;
    QString color;
};

// The state column from the row's state bits (bit 0 online, bit 1 fault).
// The total and the group rows (page 1, index 0 or above 100) show nothing.
StateCell stateCell(int pageId, int index, int stateBits, const QString &battery, const QString &rssi, bool chinese);

// "page.index", with the user ID the device reported on a second line when it
// belongs to another slot.
QString idText(int pageId, int index, bool idIsErr, int errId);
QString idColor(bool idIsErr);
QString nameColor(bool checked, bool idIsErr);

} // namespace TableRules

#endif
