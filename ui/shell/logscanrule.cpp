#include "ui/shell/logscanrule.h"

#include <QStringList>

namespace {

// The controller's creation message ends in "<page>.<index>": 1.5 to 20.1000.
constexpr int CellKeyMinLength = 3;
constexpr int CellKeyMaxLength = 5;

} // namespace

LogScanRule::LogScanRule(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(ScanDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &LogScanRule::scanTimerFired);
    connect(&m_statusAnnounce, &NotifyCoalescer::notify, this, &LogScanRule::announceStatus);
}

void LogScanRule::singleLogShow(const QString &st, const QString &str)
{
    m_statusText = m_stamp.now() + str;
    if (st == QLatin1String("INF"))
        m_statusColor = QStringLiteral("GREEN");
    else if (st == QLatin1String("ERR"))
        m_statusColor = QStringLiteral("red");
    m_statusAnnounce.changed();

    if (st != QLatin1String("INF"))
        return;

    const QString head = str.left(m_chinese ? 2 : 6);
    const bool hubConnected = head == QStringLiteral("主控") || head == QLatin1String("Master");
    const bool cellCreated = head == QStringLiteral("创建") || head == QLatin1String("Create");

    if (hubConnected) {
        startScanTimer();
        m_hubScanAgain = true;
        emit scanOnlineDeviceRequested();
    } else if (cellCreated && m_timer.isActive()) {
        setScanall(true);
    } else if (cellCreated) {
        const int colon = str.indexOf(QLatin1Char(':'));
        if (colon < 0)
            return;
        const QString key = str.mid(colon + 1);
        if (key.size() < CellKeyMinLength || key.size() > CellKeyMaxLength)
            return;
        const QStringList pieces = key.split(QLatin1Char('.'));
        if (pieces.size() < 2 || pieces.at(0).isEmpty() || pieces.at(1).isEmpty())
            return;
        startScanTimer();
        setScanpageid(pieces.at(0).toInt());
        setScanindex(pieces.at(1).toInt());
    }
}

void LogScanRule::startScanTimer()
{
    const bool wasActive = m_timer.isActive();
    m_timer.start();
    if (!wasActive)
        emit scanPendingChanged();
}

void LogScanRule::scanTimerFired()
{
    emit scanPendingChanged();
    if (m_scanpageid != 0 && m_scanindex != 0) {
        emit scannewCZSignal(m_scanpageid, m_scanindex);
        setScanpageid(0);
        setScanindex(0);
    }
    if (m_scanall) {
        setScanall(false);
        emit scannewAllCZSignal();
    }
    // Last, so that cells this scan creates open a window of their own.
    if (m_hubScanAgain) {
        m_hubScanAgain = false;
        emit scanOnlineDeviceRequested();
    }
}

void LogScanRule::setChinese(bool chinese)
{
    if (m_chinese == chinese)
        return;
    m_chinese = chinese;
    emit chineseChanged();
}

// Direct writes are announced at once, measured against the current value:
// a binding re-evaluated in between may already show a message still waiting
// for its beat.
void LogScanRule::setStatusText(const QString &text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    m_announcedText = text;
    emit statusTextChanged();
}

void LogScanRule::setStatusColor(const QString &color)
{
    if (m_statusColor == color)
        return;
    m_statusColor = color;
    m_announcedColor = color;
    emit statusColorChanged();
}

void LogScanRule::announceStatus()
{
    if (m_announcedText != m_statusText) {
        m_announcedText = m_statusText;
        emit statusTextChanged();
    }
    if (m_announcedColor != m_statusColor) {
        m_announcedColor = m_statusColor;
        emit statusColorChanged();
    }
}

void LogScanRule::setScanpageid(int pageId)
{
    if (m_scanpageid == pageId)
        return;
    m_scanpageid = pageId;
    emit scanpageidChanged();
}

void LogScanRule::setScanindex(int index)
{
    if (m_scanindex == index)
        return;
    m_scanindex = index;
    emit scanindexChanged();
}

void LogScanRule::setScanall(bool all)
{
    if (m_scanall == all)
        return;
    m_scanall = all;
    emit scanallChanged();
}
