#ifndef BARROWMODEL_H
#define BARROWMODEL_H

#include "ui/common/colouredrowmodel.h"
#include "ui/common/figurestate.h"
#include "ui/common/tablerules.h"

// The rows of one bar chart: the twin of a table part, fed and matched by the
// same row logic, plus the chart's two axes. The total row and the group rows
// are drawn against axis X1 (`allTotalData`), the cells against axis X2
// (`cellMaxData`); `propo001` is the weight per pixel of a row's axis. With
// axis adaptation on, the axes follow the total and the largest cell weight
// whenever the last row's data arrive.
class BarRowModel : public ColouredRowModel
{
    Q_OBJECT
    Q_PROPERTY(double allTotalData READ allTotalData WRITE setAllTotalData RESET resetAllTotalData NOTIFY allTotalDataChanged)
    Q_PROPERTY(double cellMaxData READ cellMaxData WRITE setCellMaxData RESET resetCellMaxData NOTIFY cellMaxDataChanged)
    Q_PROPERTY(bool axisAdaptive READ axisAdaptive WRITE setAxisAdaptive RESET resetAxisAdaptive NOTIFY axisAdaptiveChanged)
    Q_PROPERTY(double chartWidth READ chartWidth WRITE setChartWidth RESET resetChartWidth NOTIFY chartWidthChanged)

public:
    static constexpr double DefaultAllTotalData = 2500;
    static constexpr double DefaultCellMaxData = 250;

    enum DerivedRole { PropoRole = FirstDerivedRole, BarLengthRole, BarColorRole, StateTextRole };

    explicit BarRowModel(QObject *parent = nullptr);

    QHash<int, QByteArray> roleNames() const override;

    double allTotalData() const { return m_allTotalData; }
    void setAllTotalData(double maximum);
    void resetAllTotalData();
    double cellMaxData() const { return m_cellMaxData; }
    void setCellMaxData(double maximum);
    void resetCellMaxData();
    bool axisAdaptive() const { return m_axisAdaptive; }
    void setAxisAdaptive(bool adaptive);
    void resetAxisAdaptive();
    double chartWidth() const { return m_chartWidth; }
    void setChartWidth(double width);
    void resetChartWidth();

    // What the painter and the information menu need of one row.
    double propo(const CellRow &row) const;
    FigureState::Result figureState(const CellRow &row) const;

    // The information menu's text for the row at this position.
    Q_INVOKABLE QString infoText(int row, const QString &unit) const;
    // An axis field's text as the value it stands for (axis 1: X1, 2: X2):
    // digits only, capped at 1000000 and 600000; -1 when it is no number.
    Q_INVOKABLE double axisFieldValue(int axis, const QString &text) const;
    // Sets an axis maximum from its field; false when the text is no number.
    Q_INVOKABLE bool applyAxisField(int axis, const QString &text);
    // One adaptation step now: X1 to the total row, X2 to the largest cell.
    Q_INVOKABLE void adaptAxes();

signals:
    void allTotalDataChanged();
    void cellMaxDataChanged();
    void axisAdaptiveChanged();
    void chartWidthChanged();
    // The rulers repaint: X1 after every adaptation, X2 when it moved.
    void axisX1Announced();
    void axisX2Announced();

protected:
    QVariant derivedData(const CellRow &row, int role) const override;
    void readingApplied(int row) override;

private:
    double m_allTotalData = DefaultAllTotalData;
    double m_cellMaxData = DefaultCellMaxData;
    bool m_axisAdaptive = false;
    double m_chartWidth = 0;
};

#endif
