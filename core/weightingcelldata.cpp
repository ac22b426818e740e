#include "core/weightingcelldata.h"

#include "app/languageflag.h"

#include <QDebug>
#include <QtMath>

namespace {

// Qt's relative fuzzy comparison, with exact equality covering 0 == 0.
bool sameValue(double a, double b)
{
    return a == b || qFuzzyCompare(a, b);
}

} // namespace

WeightingCellData::WeightingCellData(int index, const QString &name, int typeFlag, QObject *parent)
    : QObject(parent), m_index(index), m_name(name), m_typeFlag(typeFlag)
{
}

void WeightingCellData::setCurData(int raw)
{
    m_curData = raw;
    m_readCount = 0;
    if (m_minMaxStarted == 0) {
        m_maxData = raw;
        m_minData = raw;
    } else {
        if (raw < m_minData)
            m_minData = raw;
        if (raw > m_maxData)
            m_maxData = raw;
    }
    checkState();
}

double WeightingCellData::getCurData()
{
    ++m_readCount;
    if (m_readCount > SilentReadLimit) {
        if (m_readCount > ReadCountWrap)
            m_readCount = SilentReadLimit;
        setCurState(LanguageFlag::isChinese() ? tr("离线") : tr("OFF"));
        m_state = 0;
    }
    if (m_state == 0 || m_state == 2) {
        m_maxData = 0;
        m_minData = 0;
    }
    return m_peelEnable ? m_curData - m_peel : double(m_curData);
}

void WeightingCellData::checkState()
{
    // Every comparison takes a fresh net value, eight reads per classification
    // whichever rules match: the reads count towards the silence limit, so a
    // classification can itself declare a silent record offline, and the link
    // rule below then sees the cleared link state.
    double v[8];
    for (double &value : v)
        value = getCurData();
    const bool chinese = LanguageFlag::isChinese();
    QString text;
    if (m_minWarnData > v[0] && v[1] >= m_minErrData)
        text = chinese ? tr("超轻警告") : tr("Ultra-light warning");
    if (m_maxWarnData > v[2] && v[3] >= m_minWarnData)
        text = chinese ? tr("正常") : tr("Normal");
    if (m_maxErrData > v[4] && v[5] >= m_maxWarnData)
        text = chinese ? tr("超重警告") : tr("Overweight warning");
    if (m_minErrData > v[6])
        text = chinese ? tr("超轻报警") : tr("Ultra-light alarm");
    if (v[7] >= m_maxErrData)
        text = chinese ? tr("超重报警") : tr("Overweight alarm");
    if (m_state != 1) {
        if (m_state == 3)
            text = chinese ? tr("故障") : tr("ERR");
        else
            text = chinese ? tr("离线") : tr("OFF");
    }
    setCurState(text);
}

bool WeightingCellData::isAlarmText(const QString &text) const
{
    return text == tr("超重报警") || text == tr("超轻报警") || text == tr("Overweight alarm")
        || text == tr("Ultra-light alarm");
}

bool WeightingCellData::isFaultOrOfflineText(const QString &text) const
{
    return text == tr("故障") || text == tr("ERR") || text == tr("离线") || text == tr("OFF");
}

void WeightingCellData::setCurState(const QString &text)
{
    if (text == m_curState)
        return;
    m_curState = text;
    emit curStateChanged();

    // The first hundred cells of a page log every transition; the total,
    // groups and Bluetooth cells above 100 only their alarms and faults.
    const bool alarm = isAlarmText(text);
    if ((m_index >= 1 && m_index <= 100) || alarm)
        emit cellLogShowSignal(QStringLiteral("INF"), m_name + QLatin1Char(':') + text);
    if (alarm) {
        emit playAlarmMusicSignal(2);
        return;
    }
    if (isFaultOrOfflineText(text)) {
        emit playAlarmMusicSignal(1);
        emit cellLogShowSignal(QStringLiteral("ERR"), m_name + QLatin1Char(':') + text);
    }
}

void WeightingCellData::resetCurState()
{
    setCurState(QString());
}

void WeightingCellData::setMaxErrData(double value)
{
    if (!qIsFinite(value) || sameValue(value, m_maxErrData))
        return;
    m_maxErrData = value;
    checkState();
}

void WeightingCellData::setMaxWarnData(double value)
{
    if (!qIsFinite(value) || sameValue(value, m_maxWarnData))
        return;
    m_maxWarnData = value;
    checkState();
}

void WeightingCellData::setMinErrData(double value)
{
    if (!qIsFinite(value) || sameValue(value, m_minErrData))
        return;
    m_minErrData = value;
    checkState();
}

void WeightingCellData::setMinWarnData(double value)
{
    if (!qIsFinite(value) || sameValue(value, m_minWarnData))
        return;
    m_minWarnData = value;
    checkState();
}

void WeightingCellData::resetMaxMinData()
{
    m_maxData = m_curData;
    m_minData = m_curData;
}

void WeightingCellData::setName(const QString &name)
{
    m_name = name;
    qDebug() << name;
}

void WeightingCellData::setIndex(int index)
{
    m_index = index;
}

void WeightingCellData::setGroupId(int groupId)
{
    m_groupId = groupId;
}

void WeightingCellData::setTypeFlag(int typeFlag)
{
    m_typeFlag = typeFlag;
}

void WeightingCellData::setType(const QString &type)
{
    m_type = type;
}

void WeightingCellData::setState(quint8 state)
{
    m_state = state;
}

void WeightingCellData::setErrorNb(quint8 errorNb)
{
    m_errorNb = errorNb;
}

void WeightingCellData::setBoxType(quint16 boxType)
{
    m_boxType = boxType;
}

void WeightingCellData::setMinMaxStarted(int minMaxStarted)
{
    m_minMaxStarted = minMaxStarted;
}

void WeightingCellData::setPeel(double peel)
{
    if (!qIsFinite(peel) || sameValue(peel, m_peel))
        return;
    m_peel = peel;
    emit peelChanged();
}

void WeightingCellData::resetPeel()
{
    setPeel(0);
}

void WeightingCellData::setPeelEnable(bool enable)
{
    if (enable == m_peelEnable)
        return;
    m_peelEnable = enable;
    emit peelEnableChanged();
}

void WeightingCellData::resetPeelEnable()
{
    setPeelEnable(false);
}

void WeightingCellData::setBleAddress(const QString &address)
{
    if (address == m_bleAddress)
        return;
    m_bleAddress = address;
    emit bleAddressChanged();
}

void WeightingCellData::resetBleAddress()
{
    setBleAddress(QString());
}

void WeightingCellData::setBatter(const QString &batter)
{
    if (batter == m_batter)
        return;
    m_batter = batter;
    emit batterChanged();
}

void WeightingCellData::resetBatter()
{
    setBatter(QString());
}

void WeightingCellData::setRssi(const QString &rssi)
{
    if (rssi == m_rssi)
        return;
    m_rssi = rssi;
    emit rssiChanged();
}

void WeightingCellData::resetRssi()
{
    setRssi(QString());
}

void WeightingCellData::setIdIsErr(bool idIsErr)
{
    if (idIsErr == m_idIsErr)
        return;
    m_idIsErr = idIsErr;
    emit idIsErrChanged();
}

void WeightingCellData::resetIdIsErr()
{
    setIdIsErr(false);
}

void WeightingCellData::setErrId(int errId)
{
    if (errId == m_ErrId)
        return;
    m_ErrId = errId;
    emit ErrIdChanged();
}

void WeightingCellData::resetErrId()
{
    setErrId(0);
}
