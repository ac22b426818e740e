#include "ui/barchart/barchartitem.h"

#include "app/languageflag.h"
#include "app/languagenotice.h"
#include "ui/barchart/barrules.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

namespace {

const QColor RulerColor(QStringLiteral("#334177"));

bool sameValue(double a, double b)
{
    return qFuzzyCompare(a, b) || (qFuzzyIsNull(a) && qFuzzyIsNull(b));
}

QString chartText(const char *chinese, const char *english)
{
    return LanguageFlag::isChinese() ? QCoreApplication::translate("BarChart", chinese) : QString::fromLatin1(english);
}

// The bar's gradient runs from white at -0.75 to the state colour at 1; its
// visible part therefore starts at the mix found 0.75 / 1.75 of the way.
QColor gradientStart(const QColor &color)
{
    constexpr double share = 0.75 / 1.75;
    return QColor::fromRgbF(1 - share + share * color.redF(), 1 - share + share * color.greenF(),
                            1 - share + share * color.blueF());
}

} // namespace

BarChartItem::BarChartItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setOpaquePainting(true);
    setFillColor(Qt::white);
    // The ruler names follow the interface language.
    connect(LanguageNotice::instance(), &LanguageNotice::languageChanged, this, [this] { update(); });
    connect(this, &QQuickItem::widthChanged, this, [this] { update(); });
    connect(this, &QQuickItem::heightChanged, this, [this] { update(); });
}

void BarChartItem::setModel(BarRowModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model) {
        const auto repaint = [this] { update(); };
        connect(m_model, &QAbstractItemModel::dataChanged, this, repaint);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, repaint);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, repaint);
        connect(m_model, &QAbstractItemModel::modelReset, this, repaint);
        connect(m_model, &BarRowModel::axisX1Announced, this, repaint);
        connect(m_model, &BarRowModel::axisX2Announced, this, repaint);
        connect(m_model, &BarRowModel::allTotalDataChanged, this, repaint);
        connect(m_model, &BarRowModel::cellMaxDataChanged, this, repaint);
        connect(m_model, &BarRowModel::chartWidthChanged, this, repaint);
    }
    emit modelChanged();
    update();
}

void BarChartItem::resetModel()
{
    setModel(nullptr);
}

void BarChartItem::setContentY(double contentY)
{
    if (sameValue(m_contentY, contentY))
        return;
    m_contentY = contentY;
    emit contentYChanged();
    update();
}

void BarChartItem::resetContentY()
{
    setContentY(0);
}

void BarChartItem::setRowHeight(double rowHeight)
{
    if (sameValue(m_rowHeight, rowHeight))
        return;
    m_rowHeight = rowHeight;
    emit rowHeightChanged();
    update();
}

void BarChartItem::resetRowHeight()
{
    setRowHeight(DefaultRowHeight);
}

void BarChartItem::setFlag(bool &field, bool value, void (BarChartItem::*changed)())
{
    if (field == value)
        return;
    field = value;
    emit(this->*changed)();
    update();
}

void BarChartItem::setShowNames(bool show)
{
    setFlag(m_showNames, show, &BarChartItem::showNamesChanged);
}

void BarChartItem::resetShowNames()
{
    setShowNames(true);
}

void BarChartItem::setShowMinMax(bool show)
{
    setFlag(m_showMinMax, show, &BarChartItem::showMinMaxChanged);
}

void BarChartItem::resetShowMinMax()
{
    setShowMinMax(true);
}

void BarChartItem::setShowAlarmMarkers(bool show)
{
    setFlag(m_showAlarmMarkers, show, &BarChartItem::showAlarmMarkersChanged);
}

void BarChartItem::resetShowAlarmMarkers()
{
    setShowAlarmMarkers(true);
}

void BarChartItem::setShowWarnMarkers(bool show)
{
    setFlag(m_showWarnMarkers, show, &BarChartItem::showWarnMarkersChanged);
}

void BarChartItem::resetShowWarnMarkers()
{
    setShowWarnMarkers(true);
}

void BarChartItem::setUnit(const QString &unit)
{
    if (m_unit == unit)
        return;
    m_unit = unit;
    emit unitChanged();
    update();
}

void BarChartItem::resetUnit()
{
    setUnit(QStringLiteral("KG"));
}

QPair<int, int> BarChartItem::visibleRows() const
{
    const double barArea = height() - 2 * RulerHeight;
    if (!m_model || !(m_rowHeight > 0) || !(barArea > 0))
        return {0, -1};
    const int count = m_model->rowCount();
    const int first = std::max(0, int(std::floor(m_contentY / m_rowHeight)));
    const int last = std::min(count - 1, int(std::ceil((m_contentY + barArea) / m_rowHeight)) - 1);
    return {first, last};
}

int BarChartItem::rowAt(double y) const
{
    if (!m_model || !(m_rowHeight > 0) || y < RulerHeight || y >= height() - RulerHeight)
        return -1;
    const int row = int(std::floor((y - RulerHeight + m_contentY) / m_rowHeight));
    return row >= 0 && row < m_model->rowCount() ? row : -1;
}

void BarChartItem::paint(QPainter *painter)
{
    if (!m_model)
        return;
    const double w = width();
    const double h = height();
    const double barTop = RulerHeight;
    const double barBottom = h - RulerHeight;
    const QVector<double> ticks = BarRules::tickPositions(w);

    if (barBottom > barTop) {
        painter->save();
        painter->setClipRect(QRectF(0, barTop, w, barBottom - barTop));
        painter->setRenderHint(QPainter::Antialiasing);
        const QPair<int, int> range = visibleRows();
        for (int row = range.first; row <= range.second; ++row)
            paintBar(painter, m_model->rows().at(row), barTop + row * m_rowHeight - m_contentY);
        painter->setRenderHint(QPainter::Antialiasing, false);
        QPen dashed(Qt::red, 1);
        dashed.setDashPattern({5, 5});
        painter->setPen(dashed);
        for (double x : ticks)
            painter->drawLine(QPointF(x + 0.5, barTop), QPointF(x + 0.5, barBottom));
        painter->restore();
    }
    paintRuler(painter, QRectF(0, 0, w, RulerHeight), ticks, BarRules::scale(m_model->allTotalData(), w),
               chartText("(总重/组)", "(A/G)"));
    paintRuler(painter, QRectF(0, h - RulerHeight, w, RulerHeight), ticks, BarRules::scale(m_model->cellMaxData(), w),
               chartText("(称重)", "(CZ)"));
}

void BarChartItem::paintBar(QPainter *painter, const CellRow &row, double top) const
{
    const double propo = m_model->propo(row);
    if (!(propo > 0))
        return;
    const double barHeight = m_rowHeight - 4;
    const double barTop = top + 2;
    const QColor color(m_model->figureState(row).color);
    const double length = BarRules::barLength(row.width1, propo);
    if (length > 0 && barHeight > 0) {
        const QRectF bar(0, barTop, length, barHeight);
        QLinearGradient gradient(bar.topLeft(), bar.bottomRight());
        gradient.setColorAt(0, gradientStart(color));
        gradient.setColorAt(1, color);
        painter->fillRect(bar, gradient);
    }
    paintMarkers(painter, row, propo, barTop, barHeight);
    if (m_showNames && barHeight > 6) {
        QFont font;
        font.setPixelSize(int(barHeight - 6));
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(Qt::black);
        const QString text = row.name001 + QLatin1Char(':') + QString::number(row.width1) + m_unit;
        painter->drawText(QRectF(2, barTop, width(), barHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void BarChartItem::paintMarkers(QPainter *painter, const CellRow &row, double propo, double top,
                                double barHeight) const
{
    BarRules::MarkerValues values;
    values.minWarn = row.minWarn001;
    values.maxWarn = row.maxWarn001;
    values.minErr = row.minErr001;
    values.maxErr = row.maxErr001;
    values.minimum = row.minWidth001;
    values.maximum = row.maxWidth001;
    const BarRules::Markers at = BarRules::markers(values, propo, barHeight);
    const double middle = top + barHeight / 2;
    const double bottom = top + barHeight;
    painter->setBrush(Qt::NoBrush);

    if (m_showWarnMarkers) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(m_model->underwarnColor()));
        painter->drawEllipse(QPointF(at.underWarn + 3, middle), 3, 3);
        painter->setBrush(QColor(m_model->overwarnColor()));
        painter->drawEllipse(QPointF(at.overWarn + 3, middle), 3, 3);
        painter->setBrush(Qt::NoBrush);
    }
    if (m_showAlarmMarkers) {
        const double chevron = BarRules::chevronWidth(barHeight);
        painter->setPen(QPen(QColor(m_model->underloadColor()), 2));
        painter->drawPolyline(QPolygonF({QPointF(at.underAlarm, top), QPointF(at.underAlarm + chevron, middle),
                                         QPointF(at.underAlarm, bottom)}));
        painter->setPen(QPen(QColor(m_model->overloadColor()), 2));
        painter->drawPolyline(QPolygonF({QPointF(at.overAlarm + chevron, top), QPointF(at.overAlarm, middle),
                                         QPointF(at.overAlarm + chevron, bottom)}));
    }
    if (m_showMinMax) {
        const double bracket = BarRules::bracketWidth(barHeight);
        painter->setPen(QPen(Qt::black, 3));
        painter->drawPolyline(QPolygonF({QPointF(at.minBracket + bracket, top - 1), QPointF(at.minBracket, top - 1),
                                         QPointF(at.minBracket, bottom + 1), QPointF(at.minBracket + bracket, bottom + 1)}));
        painter->drawPolyline(QPolygonF({QPointF(at.maxBracket, top - 1), QPointF(at.maxBracket + bracket, top - 1),
                                         QPointF(at.maxBracket + bracket, bottom + 1), QPointF(at.maxBracket, bottom + 1)}));
    }
}

void BarChartItem::paintRuler(QPainter *painter, const QRectF &strip, const QVector<double> &ticks, double propo,
                              const QString &name) const
{
    painter->fillRect(strip, RulerColor);
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(20);
    painter->setFont(font);
    painter->setPen(Qt::white);
    const QFontMetricsF metrics(font);
    for (int i = 0; i < ticks.size(); ++i) {
        const double x = ticks.at(i);
        const QString label = i == 0 ? QStringLiteral("0") + name : BarRules::tickLabel(x, propo);
        painter->drawLine(QPointF(x + 0.5, strip.top()), QPointF(x + 0.5, strip.bottom()));
        // A label wider than the room right of its tick ends at the strip's edge.
        const double labelX = std::min(x + 3, strip.right() - metrics.horizontalAdvance(label));
        painter->drawText(QRectF(labelX, strip.top(), strip.width(), strip.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          label);
    }
}
