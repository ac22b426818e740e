#ifndef COLOUREDROWMODEL_H
#define COLOUREDROWMODEL_H

#include "ui/common/cellrowmodel.h"
#include "ui/common/tablerules.h"

// Rows shown in the state colours: the colour palette and the threshold column
// switches are inputs shared by the table and the bar chart. A change of
// either, or a newly installed catalogue, re-announces every row so colours
// and texts are derived again.
class ColouredRowModel : public CellRowModel
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

public:
    // Column switch values as the workspace keeps them.
    static constexpr int ColumnShown = 85;
    static constexpr int ColumnHidden = 84;

    explicit ColouredRowModel(QObject *parent = nullptr);

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

    // Recolours every row (the state colours changed).
    Q_INVOKABLE void recolor();

signals:
    void paletteChanged();
    void columnsChanged();

protected:
    const TableRules::Palette &palette() const { return m_palette; }
    const TableRules::Columns &columns() const { return m_columns; }

private:
    static int switchValue(bool shown) { return shown ? ColumnShown : ColumnHidden; }
    void setColor(QString &field, const QString &color);
    void setColumn(bool &field, int value);

    TableRules::Palette m_palette;
    TableRules::Columns m_columns;
};

#endif
