#include "ui/settings/recordingsampler.h"

#include "ui/settings/samplingrate.h"

#include <cmath>

RecordingSampler::RecordingSampler(QObject *parent) : QObject(parent), m_rateIndex(SamplingRate::DefaultIndex)
{
    m_timer.setInterval(SamplingRate::intervalMs(m_rateIndex));
    connect(&m_timer, &QTimer::timeout, this, &RecordingSampler::sample);
}

void RecordingSampler::setRows(TableRowModel *rows)
{
    if (m_rows == rows)
        return;
    m_rows = rows;
    emit rowsChanged();
    updateTimer();
}

void RecordingSampler::setRecorder(DataSaveControl *recorder)
{
    if (m_recorder == recorder)
        return;
    m_recorder = recorder;
    applyRate();
    if (m_recorder && m_recording)
        m_recorder->setSaveStart(true);
    emit recorderChanged();
    updateTimer();
}

void RecordingSampler::setConFactor(double factor)
{
    if (!std::isfinite(factor) || factor <= 0 || qFuzzyCompare(m_conFactor, factor))
        return;
    m_conFactor = factor;
    emit conFactorChanged();
}

void RecordingSampler::setRateIndex(int index)
{
    if (!SamplingRate::validIndex(index) || m_rateIndex == index)
        return;
    m_rateIndex = index;
    applyRate();
    emit rateIndexChanged();
}

void RecordingSampler::resetRateIndex()
{
    setRateIndex(SamplingRate::DefaultIndex);
}

QStringList RecordingSampler::rates() const
{
    return SamplingRate::choices();
}

bool RecordingSampler::restoreRateIndex(double stored)
{
    const int index = SamplingRate::indexFromStored(stored);
    if (index < 0)
        return false;
    setRateIndex(index);
    return true;
}

void RecordingSampler::setRecording(bool on)
{
    if (m_recording == on)
        return;
    m_recording = on;
    if (m_recorder)
        m_recorder->setSaveStart(on);
    if (on)
        setNewFile(true);
    emit recordingChanged();
    updateTimer();
}

void RecordingSampler::setNewFile(bool newFile)
{
    if (m_newFile == newFile)
        return;
    m_newFile = newFile;
    emit newFileChanged();
}

void RecordingSampler::sample()
{
    if (!m_rows || !m_recorder)
        return;
    const QString header = m_rows->recordingHeader();
    if (header != m_recorder->saveDataHeader())
        m_recorder->setSaveDataHeader(header);
    m_recorder->saveDataStr(m_rows->recordingValues(m_conFactor), m_newFile);
    setNewFile(false);
}

void RecordingSampler::applyRate()
{
    m_timer.setInterval(SamplingRate::intervalMs(m_rateIndex));
    if (m_recorder)
        m_recorder->setSaveTick(SamplingRate::saveTick(m_rateIndex));
}

void RecordingSampler::updateTimer()
{
    const bool run = m_recording && m_rows && m_recorder;
    if (run && !m_timer.isActive())
        m_timer.start();
    else if (!run)
        m_timer.stop();
}
