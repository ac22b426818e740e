#ifndef TABLESETTINGACTIONS_H
#define TABLESETTINGACTIONS_H

#include "core/weightingcontrol.h"
#include "ui/common/cellrowmodel.h"
#include "ui/table/tablecellid.h"

#include <QObject>
#include <QPointer>
#include <QString>

// What the table settings panel does to its table's cells through the
// weighing controller: create and delete cells, select by ID range, tare,
// absolute thresholds and names. Each action answers the short notice to
// show, or an empty text when it went through.
class TableSettingActions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(WeightingConTrol *controller READ controller WRITE setController RESET resetController NOTIFY controllerChanged)
    Q_PROPERTY(CellRowModel *rows READ rows WRITE setRows RESET resetRows NOTIFY rowsChanged)
    // The ID grammars, for the fields' validators.
    Q_PROPERTY(QString idPattern READ idPattern CONSTANT)
    Q_PROPERTY(QString wirelessIdPattern READ wirelessIdPattern CONSTANT)
    Q_PROPERTY(QString macPattern READ macPattern CONSTANT)

public:
    explicit TableSettingActions(QObject *parent = nullptr);

    WeightingConTrol *controller() const { return m_controller; }
    void setController(WeightingConTrol *controller);
    void resetController();
    CellRowModel *rows() const { return m_rows; }
    void setRows(CellRowModel *rows);
    void resetRows();
    static QString idPattern() { return TableCellId::idPattern(); }
    static QString wirelessIdPattern() { return TableCellId::wirelessIdPattern(); }
    static QString macPattern() { return TableCellId::macPattern(); }

    // "新建设备" (wired) and "批量新建设备".
    Q_INVOKABLE QString createCell(const QString &idText);
    Q_INVOKABLE QString createCells(const QString &rangeText);
    // "新建设备" (wireless): user ID and the address's last two octets.
    Q_INVOKABLE QString createWirelessCell(const QString &idText, const QString &macText);
    // "批量选中": rows whose page × 100 + index lies in the range become
    // selected; the others keep their selection.
    Q_INVOKABLE QString selectRange(const QString &rangeText);
    // Selected cell rows (type flag 0, index above 0), for "删除设备".
    Q_INVOKABLE int selectedCellCount();
    Q_INVOKABLE void deleteSelectedCells();
    // Tare in the display unit for every selected cell row.
    Q_INVOKABLE QString setTare(const QString &text);
    // The "去皮" switch: tare at the current reading, or tare off, for every
    // cell row of the table.
    Q_INVOKABLE void setTareEnabled(bool enabled);
    // "设置" in absolute mode: each non-empty field, capped at the row type's
    // capacity and converted to kg, and the name, for every selected row.
    Q_INVOKABLE QString setAbsolute(const QString &minWarn, const QString &maxWarn, const QString &minErr,
                                    const QString &maxErr, const QString &name);
    // The name for every selected row; the notice when none is selected.
    Q_INVOKABLE QString rename(const QString &name);
    Q_INVOKABLE int nameLimit(bool chinese) const;
    // A threshold or tare field's prefill: the current row's value as shown.
    Q_INVOKABLE QString currentValue(const QString &role);

signals:
    void controllerChanged();
    void rowsChanged();

private:
    QString create(const TableCellId::Creation &creation);
    QVector<CellRow> selectedRows(bool cellsOnly) const;
    static QString notice(const char *text);

    QPointer<WeightingConTrol> m_controller;
    QPointer<CellRowModel> m_rows;
};

#endif
