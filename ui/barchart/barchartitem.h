#ifndef BARCHARTITEM_H
#define BARCHARTITEM_H

#include "ui/barchart/barrowmodel.h"

#include <QPointer>
#include <QQuickPaintedItem>

// Paints one bar chart: the X1 ruler strip on top, the X2 ruler strip at the
// bottom, and between them the bars of the rows that are in view, with their
// markers, the name texts and the dashed tick lines. The item is as large as
// the visible chart; `contentY` is how far the bar list is scrolled.
class BarChartItem : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(BarRowModel *model READ model WRITE setModel RESET resetModel NOTIFY modelChanged)
    Q_PROPERTY(double contentY READ contentY WRITE setContentY RESET resetContentY NOTIFY contentYChanged)
    Q_PROPERTY(double rowHeight READ rowHeight WRITE setRowHeight RESET resetRowHeight NOTIFY rowHeightChanged)
    Q_PROPERTY(bool showNames READ showNames WRITE setShowNames RESET resetShowNames NOTIFY showNamesChanged)
    Q_PROPERTY(bool showMinMax READ showMinMax WRITE setShowMinMax RESET resetShowMinMax NOTIFY showMinMaxChanged)
    Q_PROPERTY(bool showAlarmMarkers READ showAlarmMarkers WRITE setShowAlarmMarkers RESET resetShowAlarmMarkers NOTIFY showAlarmMarkersChanged)
    Q_PROPERTY(bool showWarnMarkers READ showWarnMarkers WRITE setShowWarnMarkers RESET resetShowWarnMarkers NOTIFY showWarnMarkersChanged)
    Q_PROPERTY(QString unit READ unit WRITE setUnit RESET resetUnit NOTIFY unitChanged)
    Q_PROPERTY(double rulerHeight READ rulerHeight CONSTANT)

public:
    static constexpr double RulerHeight = 20;
    static constexpr double DefaultRowHeight = 25;

    explicit BarChartItem(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    BarRowModel *model() const { return m_model; }
    void setModel(BarRowModel *model);
    void resetModel();
    double contentY() const { return m_contentY; }
    void setContentY(double contentY);
    void resetContentY();
    double rowHeight() const { return m_rowHeight; }
    void setRowHeight(double rowHeight);
    void resetRowHeight();
    bool showNames() const { return m_showNames; }
    void setShowNames(bool show);
    void resetShowNames();
    bool showMinMax() const { return m_showMinMax; }
    void setShowMinMax(bool show);
    void resetShowMinMax();
    bool showAlarmMarkers() const { return m_showAlarmMarkers; }
    void setShowAlarmMarkers(bool show);
    void resetShowAlarmMarkers();
    bool showWarnMarkers() const { return m_showWarnMarkers; }
    void setShowWarnMarkers(bool show);
    void resetShowWarnMarkers();
    QString unit() const { return m_unit; }
    void setUnit(const QString &unit);
    void resetUnit();
    double rulerHeight() const { return RulerHeight; }

    // The row drawn at this height of the item, -1 outside the bars.
    Q_INVOKABLE int rowAt(double y) const;
    // The rows at least partly in view: first and last position, empty when
    // last < first.
    QPair<int, int> visibleRows() const;

signals:
    void modelChanged();
    void contentYChanged();
    void rowHeightChanged();
    void showNamesChanged();
    void showMinMaxChanged();
    void showAlarmMarkersChanged();
    void showWarnMarkersChanged();
    void unitChanged();

private:
    void paintBar(QPainter *painter, const CellRow &row, double top) const;
    void paintMarkers(QPainter *painter, const CellRow &row, double propo, double top, double barHeight) const;
    void paintRuler(QPainter *painter, const QRectF &strip, const QVector<double> &ticks, double propo,
                    const QString &name) const;
    void setFlag(bool &field, bool value, void (BarChartItem::*changed)());

    QPointer<BarRowModel> m_model;
    double m_contentY = 0;
    double m_rowHeight = DefaultRowHeight;
    bool m_showNames = true;
    bool m_showMinMax = true;
    bool m_showAlarmMarkers = true;
    bool m_showWarnMarkers = true;
    QString m_unit = QStringLiteral("KG");
};

#endif
