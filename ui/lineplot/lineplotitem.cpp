#include "ui/lineplot/lineplotitem.h"

#include "app/languageflag.h"
#include "app/languagenotice.h"
#include "ui/lineplot/curvedecimation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double TitleHeight = 30;
constexpr double LegendHeight = 24;
constexpr double LeftMargin = 64;
constexpr double RightMargin = 56;
constexpr double BottomMargin = 34;
const QColor GridColour(0xe0, 0xe0, 0xe0);
const QColor AxisColour(0x80, 0x80, 0x80);

QString plotText(const char *chinese, const char *english)
{
    return LanguageFlag::isChinese() ? QCoreApplication::translate("LinePlot", chinese) : QString::fromLatin1(english);
}

// The time range drawn: a range of no length (nothing sampled yet) still
// gets a second so the axis can be laid out.
QPair<double, double> timeRange(const PlotFrame &frame)
{
    return {frame.xMin, std::max(frame.xMax, frame.xMin + 1000)};
}

} // namespace

LinePlotItem::LinePlotItem(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setOpaquePainting(true);
    setFillColor(Qt::white);
    setAntialiasing(true);
    connect(LanguageNotice::instance(), &LanguageNotice::languageChanged, this, [this] { update(); });
    const auto resized = [this] {
        emit plotAreaChanged();
        update();
    };
    connect(this, &QQuickItem::widthChanged, this, resized);
    connect(this, &QQuickItem::heightChanged, this, resized);
    connect(this, &QQuickItem::visibleChanged, this, [this] { update(); });
}

LinePlotModel *LinePlotItem::model() const
{
    return m_model;
}

void LinePlotItem::setModel(LinePlotModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    connectModel();
    emit modelChanged();
    update();
}

void LinePlotItem::setFrozen(bool frozen)
{
    if (m_frozen == frozen)
        return;
    m_frozen = frozen;
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    connectModel();
    emit frozenChanged();
    update();
}

void LinePlotItem::connectModel()
{
    if (!m_model)
        return;
    // A hidden chart (another tab, or the live chart behind the paused one)
    // repaints when it is shown again, not on every change behind it.
    const auto repaint = [this] {
        if (isVisible())
            update();
    };
    connect(m_model, m_frozen ? &LinePlotModel::frozenFrameChanged : &LinePlotModel::frameChanged, this, repaint);
    connect(m_model, &LinePlotModel::lineWidthChanged, this, repaint);
    if (!m_frozen)
        connect(m_model, &LinePlotModel::historyModeChanged, this, repaint);
}

QRectF LinePlotItem::plotArea() const
{
    const double top = TitleHeight + LegendHeight + 8;
    return QRectF(LeftMargin, top, std::max(1.0, width() - LeftMargin - RightMargin),
                  std::max(1.0, height() - top - BottomMargin));
}

double LinePlotItem::timeAt(double x) const
{
    if (!m_model)
        return 0;
    const auto range = timeRange(m_model->frame(m_frozen));
    const QRectF area = plotArea();
    return range.first + (x - area.left()) / area.width() * (range.second - range.first);
}

QString LinePlotItem::title() const
{
    if (m_frozen)
        return plotText("实时曲线已暂停", "Real-time curve is paused");
    if (m_model && m_model->historyMode())
        return plotText("历史曲线", "Historical Curve");
    return plotText("实时曲线", "Real-time Curve");
}

void LinePlotItem::paint(QPainter *painter)
{
    QFont titleFont(QStringLiteral("Microsoft YaHei"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    painter->setFont(titleFont);
    painter->setPen(Qt::black);
    painter->drawText(QRectF(0, 0, width(), TitleHeight), Qt::AlignCenter, title());
    if (!m_model)
        return;
    const PlotFrame &frame = m_model->frame(m_frozen);
    const QRectF area = plotArea();
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    painter->setFont(font);
    paintLegend(painter, frame);
    paintAxes(painter, frame, area);
    paintSeries(painter, frame, area);
}

void LinePlotItem::paintLegend(QPainter *painter, const PlotFrame &frame) const
{
    const QFontMetricsF metrics(painter->font());
    double x = LeftMargin;
    const double y = TitleHeight + LegendHeight / 2;
    for (int k = 0; k < PlotFrame::SeriesCount; ++k) {
        const PlotSeries &series = frame.series[size_t(k)];
        if (!series.isUsed())
            continue;
        QString text = series.label();
        if (!series.points.isEmpty())
            text += QString::number(series.points.last().y());
        painter->setPen(QPen(PlotFrame::colour(k), 3));
        painter->drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter->setPen(Qt::black);
        const double textWidth = metrics.horizontalAdvance(text);
        painter->drawText(QRectF(x + 22, TitleHeight, textWidth + 2, LegendHeight), Qt::AlignVCenter, text);
        x += 22 + textWidth + 18;
    }
}

void LinePlotItem::paintAxes(QPainter *painter, const PlotFrame &frame, const QRectF &area) const
{
    const QFontMetricsF metrics(painter->font());
    const double top = frame.yAxis.top;
    const double bottom = frame.yAxis.bottom;
    for (int i = 0; i < WeightTicks; ++i) {
        const double y = area.bottom() - area.height() * i / (WeightTicks - 1);
        painter->setPen(GridColour);
        painter->drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter->setPen(Qt::black);
        const double value = bottom + (top - bottom) * i / (WeightTicks - 1);
        painter->drawText(QRectF(0, y - 10, LeftMargin - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                          QString::number(value, 'g', 6));
    }
    const auto range = timeRange(frame);
    for (int i = 0; i < TimeTicks; ++i) {
        const double x = area.left() + area.width() * i / (TimeTicks - 1);
        painter->setPen(GridColour);
        painter->drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter->setPen(Qt::black);
        const double time = range.first + (range.second - range.first) * i / (TimeTicks - 1);
        const QString text = QDateTime::fromMSecsSinceEpoch(qint64(time)).toString(QStringLiteral("MM-dd HH:mm:ss"));
        const double textWidth = metrics.horizontalAdvance(text);
        painter->drawText(QRectF(x - textWidth / 2, area.bottom() + 4, textWidth + 2, 20), Qt::AlignCenter, text);
    }
    painter->setPen(AxisColour);
    painter->drawRect(area);
}

void LinePlotItem::paintSeries(QPainter *painter, const PlotFrame &frame, const QRectF &area) const
{
    const auto range = timeRange(frame);
    const double xScale = area.width() / (range.second - range.first);
    const double ySpan = frame.yAxis.top - frame.yAxis.bottom;
    const double yScale = ySpan > 0 ? area.height() / ySpan : 0;
    // The raster engine strokes a wide antialiased polyline many times slower
    // than a one-pixel one: a curve of width w is drawn as one-pixel lines
    // shifted across w, sideways and up and down.
    const double penWidth = std::max(m_model->lineWidth(), LinePlotModel::MinLineWidth) / 15.0;
    const double reach = (penWidth - 1) / 2;
    const int steps = qRound(reach);
    QVector<QPointF> shifts{{0, 0}};
    for (int step = 1; step <= steps; ++step) {
        const double d = reach * step / steps;
        shifts << QPointF(d, 0) << QPointF(-d, 0) << QPointF(0, d) << QPointF(0, -d);
    }
    painter->save();
    painter->setClipRect(area);
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (int k = 0; k < PlotFrame::SeriesCount; ++k) {
        const CurveBuffer &points = frame.series[size_t(k)].points;
        if (points.isEmpty())
            continue;
        QVector<QPointF> shown = decimate(points.begin(), points.end(), range.first, range.second, int(area.width()));
        for (QPointF &point : shown)
            point = QPointF(area.left() + (point.x() - range.first) * xScale,
                            area.bottom() - (point.y() - frame.yAxis.bottom) * yScale);
        QPen pen(PlotFrame::colour(k), 1);
        pen.setCosmetic(true);
        painter->setPen(pen);
        for (const QPointF &shift : qAsConst(shifts)) {
            painter->translate(shift);
            painter->drawPolyline(shown.constData(), int(shown.size()));
            painter->translate(-shift);
        }
    }
    painter->restore();
}
