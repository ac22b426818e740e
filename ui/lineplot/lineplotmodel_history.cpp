// The history mode of LinePlotModel: curves read back one by one from a
// recording, the busy box while values arrive, and the start and end dials.
#include "ui/lineplot/lineplotmodel.h"

#include "core/weightingcontrol.h"
#include "recording/datasavecontrol.h"

#include <algorithm>
#include <cmath>

void LinePlotModel::setStartDial(int hundredths)
{
    setDial(m_startDial, hundredths, &LinePlotModel::startDialChanged);
    if (m_historyMode && m_firstDay.isValid()) {
        m_live.xMin = double(QDateTime(m_firstDay, QTime(0, 0)).toMSecsSinceEpoch()) + m_startDial * 10.0;
        emit frameChanged();
    }
}

void LinePlotModel::setEndDial(int hundredths)
{
    setDial(m_endDial, hundredths, &LinePlotModel::endDialChanged);
    if (m_historyMode && m_lastDay.isValid()) {
        m_live.xMax = double(QDateTime(m_lastDay, QTime(0, 0)).toMSecsSinceEpoch()) + m_endDial * 10.0;
        emit frameChanged();
    }
}

void LinePlotModel::setDial(int &dial, int hundredths, void (LinePlotModel::*changed)())
{
    hundredths = std::clamp(hundredths, 0, LinePlotRules::DialRange);
    if (dial == hundredths)
        return;
    dial = hundredths;
    emit(this->*changed)();
}

void LinePlotModel::historyStep()
{
    const int action = m_pendingAction;
    if (action == NoAction)
        return;
    setPendingAction(NoAction);
    if (action == CurveAdded) {
        readCurve(curveCount() - 1);
        return;
    }
    const int position = (action - CurveDeleted) / 10;
    removeCurveAt(position);
}

void LinePlotModel::readCurve(int position)
{
    if (position < 0 || position >= curveCount())
        return;
    PlotSeries &series = m_live.series[size_t(position)];
    series.points.clear();
    series.id = cellId(m_curves[position].pageId, m_curves[position].index);
    series.name.clear();
    series.recorded = true;
    m_firstOfLoad = true;
    if (m_recorder)
        m_recorder->readDataFromPathErr(m_historyFile, m_partIndex, series.id, position);
}

void LinePlotModel::takeRecordedValue(double partIndex, QString timer, double data, int seriescount, QString id)
{
    if (int(partIndex) != m_partIndex || seriescount < 0 || seriescount >= MaxCurves)
        return;
    // The values of one readback arrive within one turn of the event loop:
    // they are drawn, and the busy box kept up for another second, once.
    if (!m_redrawTimer.isActive())
        m_redrawTimer.start();
    const LinePlotRules::RecordStamp time = LinePlotRules::recordTime(timer);
    if (!time.isValid())
        return;
    const double x = m_localDays.msecs(time);
    const int hundredths = time.time.msecsSinceStartOfDay() / 10;
    if (m_firstOfLoad) {
        m_firstOfLoad = false;
        m_live.xMin = x;
        m_firstDay = time.date;
        setDial(m_startDial, hundredths, &LinePlotModel::startDialChanged);
    }
    m_live.xMax = x;
    m_lastDay = time.date;
    m_lastRecorded = hundredths;

    const double conFactor = m_controller ? m_controller->conFactor() : 1.0;
    const double value = std::floor(data * conFactor);
    setAxis(LinePlotRules::widened(m_live.yAxis, value));
    PlotSeries &series = m_live.series[size_t(seriescount)];
    series.points.append(QPointF(x, value));
    series.id = id;
    series.recorded = true;
}

void LinePlotModel::drawRecordedValues()
{
    setDial(m_endDial, m_lastRecorded, &LinePlotModel::endDialChanged);
    m_busyTimer.start();
    emit frameChanged();
}

void LinePlotModel::beginHistory()
{
    clearAll();
    setHistoryMode(true);
}

void LinePlotModel::loadHistory(const QString &fileUrl)
{
    clearAll();
    setCapacity(CurveBuffer::HistoryCapacity);
    if (m_historyFile != fileUrl) {
        m_historyFile = fileUrl;
        emit historyFileChanged();
    }
    setHistoryMode(true);
    for (int k = 0; k < curveCount(); ++k)
        readCurve(k);
}

void LinePlotModel::endHistory()
{
    setCapacity(CurveBuffer::LiveCapacity);
    clearAll();
    setPendingAction(NoAction);
    setHistoryMode(false);
}
