#include "ui/lineplot/lineplotmodel.h"

#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "ui/common/cellrowmodel.h"

#include <QVariantMap>

#include <algorithm>
#include <cmath>

using LinePlotRules::WeightAxis;

QString LinePlotModel::cellId(int pageId, int index)
{
    return QStringLiteral("ID:%1.%2").arg(pageId).arg(index);
}

LinePlotModel::LinePlotModel(QObject *parent)
    : QObject(parent), m_clock([] { return QDateTime::currentDateTime(); })
{
    m_busyTimer.setSingleShot(true);
    m_busyTimer.setInterval(1000);
    connect(&m_busyTimer, &QTimer::timeout, this, [this] { setReading(false); });
    m_redrawTimer.setSingleShot(true);
    m_redrawTimer.setInterval(0);
    connect(&m_redrawTimer, &QTimer::timeout, this, &LinePlotModel::drawRecordedValues);
    m_live.xMax = double(m_clock().toMSecsSinceEpoch());
    m_live.xMin = m_live.xMax - double(LinePlotRules::observationSpanMs(m_observationWindow));
}

void LinePlotModel::setPartIndex(int partIndex)
{
    if (m_partIndex == partIndex)
        return;
    m_partIndex = partIndex;
    emit partIndexChanged();
}

WeightingConTrol *LinePlotModel::controller() const
{
    return m_controller;
}

void LinePlotModel::setController(WeightingConTrol *controller)
{
    if (m_controller == controller)
        return;
    if (m_controller)
        disconnect(m_controller, nullptr, this, nullptr);
    m_controller = controller;
    if (m_controller) {
        connect(m_controller, &WeightingConTrol::deleteCellSignal, this, &LinePlotModel::removeCellCurve);
        connect(m_controller, &WeightingConTrol::removeGroupSignal, this, &LinePlotModel::removeGroupCurves);
    }
    emit controllerChanged();
}

CellRowModel *LinePlotModel::sourceRows() const
{
    return m_sourceRows;
}

void LinePlotModel::setSourceRows(CellRowModel *rows)
{
    if (m_sourceRows == rows)
        return;
    m_sourceRows = rows;
    emit sourceRowsChanged();
}

DataSaveControl *LinePlotModel::recorder() const
{
    return m_recorder;
}

void LinePlotModel::setRecorder(DataSaveControl *recorder)
{
    if (m_recorder == recorder)
        return;
    disconnect(m_recorderConnection);
    m_recorder = recorder;
    connectRecorder();
    emit recorderChanged();
}

void LinePlotModel::connectRecorder()
{
    // Recorded values are taken in only in history mode.
    disconnect(m_recorderConnection);
    if (m_recorder && m_historyMode)
        m_recorderConnection = connect(m_recorder, &DataSaveControl::upLoadErrDataSignal, this,
                                       &LinePlotModel::takeRecordedValue);
}

void LinePlotModel::setObservationWindow(const QString &typed)
{
    const QString text = LinePlotRules::observationText(typed);
    // A typed "250" shows as "100": announce even when the stored text stays.
    if (m_observationWindow == text && typed == text)
        return;
    m_observationWindow = text;
    emit observationWindowChanged();
}

void LinePlotModel::setLineWidth(int width)
{
    width = std::clamp(width, MinLineWidth, MaxLineWidth);
    if (m_lineWidth == width)
        return;
    m_lineWidth = width;
    emit lineWidthChanged();
}

void LinePlotModel::setLinerunset(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    if (!m_running) {
        m_frozen = m_live;
        emit frozenFrameChanged();
    }
    emit linerunsetChanged();
}

QStringList LinePlotModel::curveTexts() const
{
    QStringList texts;
    for (int k = 0; k < m_curves.size(); ++k)
        texts.append(m_live.series[size_t(k)].isUsed() ? m_live.series[size_t(k)].id
                                                        : cellId(m_curves[k].pageId, m_curves[k].index));
    return texts;
}

void LinePlotModel::sample()
{
    if (m_historyMode)
        historyStep();
    else
        liveStep();
}

void LinePlotModel::liveStep()
{
    // With no curve there is nothing to move: the chart stays as it is and
    // costs no frame.
    if (m_curves.isEmpty())
        return;
    const double now = double(m_clock().toMSecsSinceEpoch());
    const double span = double(LinePlotRules::observationSpanMs(m_observationWindow));
    m_live.xMax = now;
    m_live.xMin = now - span;
    if (!m_running && m_observationWindow.toInt() != 0) {
        const double frozenMin = m_frozen.xMax - span;
        if (frozenMin != m_frozen.xMin) {
            m_frozen.xMin = frozenMin;
            emit frozenFrameChanged();
        }
    }

    WeightAxis axis = m_live.yAxis;
    if (m_sourceRows) {
        for (int k = 0; k < m_curves.size(); ++k) {
            const int row = m_sourceRows->rowOf(m_curves[k].pageId, m_curves[k].index);
            if (row < 0)
                continue;
            const CellRow &cell = m_sourceRows->rows().at(row);
            PlotSeries &series = m_live.series[size_t(k)];
            series.name = cell.name001;
            series.points.append(QPointF(now, cell.width1));
            axis = LinePlotRules::widened(axis, cell.width1);
        }
    }
    setAxis(axis);
    emit frameChanged();
}

QVariantList LinePlotModel::addCandidates() const
{
    QVariantList candidates;
    if (!m_sourceRows || curveCount() >= MaxCurves)
        return candidates;
    for (const CellRow &row : m_sourceRows->rows()) {
        if (curvePosition(row.pageId001, row.index001) >= 0)
            continue;
        candidates.append(QVariantMap{
            {QStringLiteral("text"), QStringLiteral("%1.%2 %3").arg(row.pageId001).arg(row.index001).arg(row.name001)},
            {QStringLiteral("pageId"), row.pageId001},
            {QStringLiteral("index"), row.index001}});
    }
    return candidates;
}

bool LinePlotModel::addCurve(int pageId, int index)
{
    if (curveCount() >= MaxCurves || curvePosition(pageId, index) >= 0)
        return false;
    m_curves.append({pageId, index});
    if (m_historyMode) {
        setPendingAction(CurveAdded);
        setReading(true);
        // The box also closes when the file holds no value for the curve.
        m_busyTimer.start();
    } else {
        // A new curve starts every live curve afresh.
        m_live.clear();
        for (int k = 0; k < m_curves.size(); ++k)
            m_live.series[size_t(k)].id = cellId(m_curves[k].pageId, m_curves[k].index);
        setAxis(m_live.yAxis);
        emit frameChanged();
    }
    emit curvesChanged();
    return true;
}

void LinePlotModel::deleteCurve(int position)
{
    if (position < 0 || position >= curveCount())
        return;
    if (m_historyMode) {
        setPendingAction(CurveDeleted + 10 * position);
        return;
    }
    m_curves.remove(position);
    m_live.clear();
    for (int k = 0; k < m_curves.size(); ++k)
        m_live.series[size_t(k)].id = cellId(m_curves[k].pageId, m_curves[k].index);
    setAxis(m_live.yAxis);
    emit curvesChanged();
    emit frameChanged();
}

void LinePlotModel::removeCurveAt(int position)
{
    if (position < 0 || position >= curveCount())
        return;
    // Later curves move one position forward with their points and labels.
    m_curves.remove(position);
    for (int k = position; k + 1 < MaxCurves; ++k)
        std::swap(m_live.series[size_t(k)], m_live.series[size_t(k + 1)]);
    m_live.series[MaxCurves - 1].clear();
    emit curvesChanged();
    emit frameChanged();
}

void LinePlotModel::removeCellCurve(int pageId, int index)
{
    removeCurveAt(curvePosition(pageId, index));
}

void LinePlotModel::removeGroupCurves(int, int index)
{
    for (int k = curveCount() - 1; k >= 0; --k) {
        if (m_curves[k].index == index)
            removeCurveAt(k);
    }
}

void LinePlotModel::clearAll()
{
    m_curves.clear();
    m_live.clear();
    setAxis(m_live.yAxis);
    emit curvesChanged();
    emit frameChanged();
}

void LinePlotModel::setCapacity(int capacity)
{
    if (maxLinePointCount() == capacity)
        return;
    m_live.setCapacity(capacity);
    emit maxLinePointCountChanged();
}

void LinePlotModel::setHistoryMode(bool on)
{
    if (m_historyMode == on)
        return;
    m_historyMode = on;
    connectRecorder();
    emit historyModeChanged();
    emit frameChanged();
}

void LinePlotModel::setPendingAction(int action)
{
    if (m_pendingAction == action)
        return;
    m_pendingAction = action;
    emit pendingActionChanged();
}

void LinePlotModel::setReading(bool reading)
{
    if (m_reading == reading)
        return;
    m_reading = reading;
    emit readingChanged();
}

void LinePlotModel::setAxis(const WeightAxis &axis)
{
    if (axis.top == m_live.yAxis.top && axis.bottom == m_live.yAxis.bottom)
        return;
    m_live.yAxis = axis;
    emit axisChanged();
}

int LinePlotModel::curvePosition(int pageId, int index) const
{
    for (int k = 0; k < m_curves.size(); ++k) {
        if (m_curves[k].pageId == pageId && m_curves[k].index == index)
            return k;
    }
    return -1;
}

QStringList LinePlotModel::tooltipLines(double timeMs, bool frozen) const
{
    QStringList lines{QDateTime::fromMSecsSinceEpoch(qint64(timeMs)).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))};
    for (const PlotSeries &series : frame(frozen).series) {
        if (series.isUsed())
            lines.append(series.label()
                         + QString::number(LinePlotRules::nearestValue(series.points.begin(), series.points.end(), timeMs)));
    }
    return lines;
}

int LinePlotModel::tooltipWidth(const QStringList &lines, bool parked)
{
    return LinePlotRules::tooltipWidth(lines, parked);
}

QString LinePlotModel::dialText(int hundredths)
{
    return LinePlotRules::dialText(hundredths);
}

void LinePlotModel::loadFrom(MyJson *json)
{
    if (!json)
        return;
    const int stored = int(json->getLinePlotPartNum(m_partIndex));
    for (int position = 0; position < stored; ++position) {
        bool pageOk = false;
        bool indexOk = false;
        const int pageId = json->getLinePlotPartCellPageId(m_partIndex, position).toInt(&pageOk);
        const int index = json->getLinePlotPartCellIndex(m_partIndex, position).toInt(&indexOk);
        if (pageOk && indexOk)
            addCurve(pageId, index);
    }
    // The stored axis is not applied: a reopened plot starts at 300/0.
    const auto taken = connect(json, &MyJson::UpLoadLpPlotSetSignal, this,
                               [this](double Partindex, double, double, const QString &time, int Line_width) {
                                   if (int(Partindex) != m_partIndex)
                                       return;
                                   if (!time.isEmpty())
                                       setObservationWindow(time);
                                   setLineWidth(Line_width);
                               });
    json->getLinePlotPartYHigh(m_partIndex);
    disconnect(taken);
}

void LinePlotModel::saveTo(MyJson *json) const
{
    if (!json)
        return;
    for (const Curve &curve : m_curves)
        json->saveLinePlotPartCell(m_partIndex, QString::number(curve.pageId), QString::number(curve.index));
    json->saveLinePlotPartYHigh(m_partIndex, mYheight(), mYheight2(), m_observationWindow, m_lineWidth);
}
