#ifndef TABLEROWMODEL_H
#define TABLEROWMODEL_H

#include "ui/models/cellrowmodel.h"
#include "ui/models/tablecounters.h"
#include "ui/models/tablerules.h"

// The rows of one table part with everything the table shows computed here:
// the three coloured cells, the state and ID columns, the name cell, the type
// text, and the header's counters. The colour palette and the threshold column
// switches are inputs; a change of either recolours every row.
class TableRowModel : public CellRowModel
{
    Q_OBJECT
    Q_PROPERTY(QString underload_name3 READ underloadColor WRITE setUnderloadColor RESET resetUnderloadColor NOTIFY paletteChanged)
    Q_PROPERTY(QString overload_name4 READ overloadColor WRITE setOverloadColor RESET resetOverloadColor NOTIFY paletteChanged)
    Q_PROPERTY(QString underwarn_name7 READ underwarnColor WRITE setUnderwarnColor RESET resetUnderwarnColor NOTIFY paletteChanged)
    Q_PROPERTY(QString overwarn_name8 READ overwarnColor WRITE setOverwarnColor RESET resetOverwarnColor NOTIFY paletteChanged)
    Q_PROPERTY(int rect3_d READ rect3 WRITE setRect3 RESET resetRect3 NOTIFY columnsChanged)
    Q_PROPERTY(int rect4_d READ rect4 WRITE setRect4 RESET resetRect4 NOTIFY columnsChanged)
    Q_PROPERTY(int rect7_d READ rect7 WRITE setRect7 RESET resetRect7 NOTIFY columnsChanged)
    Q_PROPERTY(int rect8_d READ rect8 WRITE setRect8 RESET resetRect8 NOTIFY columnsChanged)
    Q_PROPERTY(int rect3_N READ rect3N NOTIFY countersChanged)
    Q_PROPERTY(int rect4_N READ rect4N NOTIFY countersChanged)
    Q_PROPERTY(int rect7_N READ rect7N NOTIFY countersChanged)
    Q_PROPERTY(int rect8_N READ rect8N NOTIFY countersChanged)
    Q_PROPERTY(int rect_ON READ rectOn NOTIFY countersChanged)
    Q_PROPERTY(int rect_OFF READ rectOff NOTIFY countersChanged)
    Q_PROPERTY(double m_MulLoad READ mulLoad NOTIFY countersChanged)
    Q_PROPERTY(bool m_MulLoadCheck READ mulLoadCheck NOTIFY countersChanged)

public:
    // Column switch values as the workspace keeps them.
    static constexpr int ColumnShown = 85;
    static constexpr int ColumnHidden = 84;

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

    QString underloadColor() const { return m_palette.underload3; }
    void setUnderloadColor(const QString &color);
    void resetUnderloadColor();
    QString overloadColor() const { return m_palette.overload4; }
    void setOverloadColor(const QString &color);
    void resetOverloadColor();
    QString underwarnColor() const { return m_palette.underwarn7; }
    void setUnderwarnColor(const QString &color);
    void resetUnderwarnColor();
    QString overwarnColor() const { return m_palette.overwarn8; }
    void setOverwarnColor(const QString &color);
    void resetOverwarnColor();

    int rect3() const { return switchValue(m_columns.underAlarm); }
    void setRect3(int value);
    void resetRect3();
    int rect4() const { return switchValue(m_columns.overAlarm); }
    void setRect4(int value);
    void resetRect4();
    int rect7() const { return switchValue(m_columns.underWarn); }
    void setRect7(int value);
    void resetRect7();
    int rect8() const { return switchValue(m_columns.overWarn); }
    void setRect8(int value);
    void resetRect8();

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
    Q_INVOKABLE void recolor();

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
    void paletteChanged();
    void columnsChanged();
    void countersChanged();

protected:
    QVariant derivedData(const CellRow &row, int role) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static int switchValue(bool shown) { return shown ? ColumnShown : ColumnHidden; }
    void setColor(QString &field, const QString &color);
    void setColumn(bool &field, int value);

    TableRules::Palette m_palette;
    TableRules::Columns m_columns;
    TableCounters m_counters;
};

#endif
