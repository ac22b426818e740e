#ifndef TABLEROWMODEL_H
#define TABLEROWMODEL_H

#include "ui/common/colouredrowmodel.h"
#include "ui/table/tablecounters.h"
#include "ui/common/tablerules.h"

// The rows of one table part with everything the table shows computed here:
// the three coloured cells, the state and ID columns, the name cell, the type
// text, and the header's counters. The colour palette and the threshold column
// switches are inputs; a change of either recolours every row.
class TableRowModel : public ColouredRowModel
{
    Q_OBJECT
    Q_PROPERTY(int rect3_N READ rect3N NOTIFY countersChanged)
    Q_PROPERTY(int rect4_N READ rect4N NOTIFY countersChanged)
    Q_PROPERTY(int rect7_N READ rect7N NOTIFY countersChanged)
    Q_PROPERTY(int rect8_N READ rect8N NOTIFY countersChanged)
    Q_PROPERTY(int rect_ON READ rectOn NOTIFY countersChanged)
    Q_PROPERTY(int rect_OFF READ rectOff NOTIFY countersChanged)
    Q_PROPERTY(double m_MulLoad READ mulLoad NOTIFY countersChanged)
    Q_PROPERTY(bool m_MulLoadCheck READ mulLoadCheck NOTIFY countersChanged)

public:

    enum DerivedRole {
        WidthColorRole = FirstDerivedRole,
        MinColorRole,
        MaxColorRole,
        StateTextRole,
        StateColorRole,
        IdTextRole,
        IdColorRole,
        NameColorRole,
        TypeTextRole
    };

    explicit TableRowModel(QObject *parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    int rect3N() const { return m_counters.underAlarm; }
    int rect4N() const { return m_counters.overAlarm; }
    int rect7N() const { return m_counters.underWarn; }
    int rect8N() const { return m_counters.overWarn; }
    int rectOn() const { return m_counters.online; }
    int rectOff() const { return m_counters.offline; }
    double mulLoad() const { return m_counters.selectedLoad; }
    bool mulLoadCheck() const { return m_counters.anySelected; }

    // Recounts the header figures (the visible table does so every second).
    Q_INVOKABLE void updateCounters();
    // Recolours every row (the state colours changed).

    // qmlSetGroup(page, index, group) for every selected row from position 1;
    // answers how many rows were selected.
    Q_INVOKABLE int assignGroupToSelected(int group);
    Q_INVOKABLE int selectedGroupCount() const;
    // removeGroup(page, index) for every selected group row.
    Q_INVOKABLE void removeSelectedGroups();

    // The recording line of this table: a header naming every row with its
    // type code, and the weights in kg.
    Q_INVOKABLE QString recordingHeader() const;
    Q_INVOKABLE QString recordingValues(double conFactor) const;

signals:
    void countersChanged();

protected:
    QVariant derivedData(const CellRow &row, int role) const override;

private:
    TableCounters m_counters;
};

#endif
