#ifndef LOGSCANRULE_H
#define LOGSCANRULE_H

#include "ui/shell/linestamp.h"
#include "ui/shell/notifycoalescer.h"

#include <QObject>
#include <QString>
#include <QTimer>

// The workspace's status line and the device scan that follows log messages.
// A hub connecting ("主控..." / "Master...") asks for an immediate scan and opens
// a 500 ms window; cells created inside that window (the scan's own creations,
// or several by hand in a row) are finished with one full pass when the window
// closes. A single cell created by hand ("创建设备ID:1.12" / "Create device
// ID:1.12") is announced alone when its window closes.
//
// A hub's scan is asked for again when its window closes: the scan sees only
// what the hubs sent since the last refresh, and a hub whose connection is
// reported just after a refresh may have sent nothing since. Hubs send at
// least twice a second, so one of two scans half a second apart finds its
// cells.
//
// The status line always holds the newest message, but a stream of messages
// reaches the screen at most once a second (NotifyCoalescer); the scan rule
// sees every message as it comes.
class LogScanRule : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool chinese READ chinese WRITE setChinese RESET resetChinese NOTIFY chineseChanged)
    Q_PROPERTY(QString statusText READ statusText WRITE setStatusText RESET resetStatusText NOTIFY statusTextChanged)
    Q_PROPERTY(QString statusColor READ statusColor WRITE setStatusColor RESET resetStatusColor NOTIFY statusColorChanged)
    Q_PROPERTY(int scanpageid READ scanpageid WRITE setScanpageid RESET resetScanpageid NOTIFY scanpageidChanged)
    Q_PROPERTY(int scanindex READ scanindex WRITE setScanindex RESET resetScanindex NOTIFY scanindexChanged)
    Q_PROPERTY(bool scanall READ scanall WRITE setScanall RESET resetScanall NOTIFY scanallChanged)
    Q_PROPERTY(bool scanPending READ scanPending NOTIFY scanPendingChanged)

public:
    // How long after a hub connection or a cell creation the scan waits.
    static constexpr int ScanDelayMs = 500;

    explicit LogScanRule(QObject *parent = nullptr);

    // One log message: shown on the status line; "INF" messages drive the scan.
    Q_INVOKABLE void singleLogShow(const QString &st, const QString &str);

    bool chinese() const { return m_chinese; }
    void setChinese(bool chinese);
    void resetChinese() { setChinese(true); }

    QString statusText() const { return m_statusText; }
    void setStatusText(const QString &text);
    void resetStatusText() { setStatusText(QString()); }

    QString statusColor() const { return m_statusColor; }
    void setStatusColor(const QString &color);
    void resetStatusColor() { setStatusColor(QStringLiteral("GREEN")); }

    int scanpageid() const { return m_scanpageid; }
    void setScanpageid(int pageId);
    void resetScanpageid() { setScanpageid(0); }

    int scanindex() const { return m_scanindex; }
    void setScanindex(int index);
    void resetScanindex() { setScanindex(0); }

    bool scanall() const { return m_scanall; }
    void setScanall(bool all);
    void resetScanall() { setScanall(false); }

    bool scanPending() const { return m_timer.isActive(); }

signals:
    void chineseChanged();
    void statusTextChanged();
    void statusColorChanged();
    void scanpageidChanged();
    void scanindexChanged();
    void scanallChanged();
    void scanPendingChanged();
    // A hub has just connected: scan for its online cells now.
    void scanOnlineDeviceRequested();
    void scannewCZSignal(int pageid, int index);
    void scannewAllCZSignal();

private:
    void startScanTimer();
    void scanTimerFired();
    void announceStatus();

    QTimer m_timer;
    bool m_chinese = true;
    QString m_statusText;
    QString m_statusColor = QStringLiteral("GREEN");
    QString m_announcedText;
    QString m_announcedColor = QStringLiteral("GREEN");
    NotifyCoalescer m_statusAnnounce;
    LineStamp m_stamp;
    int m_scanpageid = 0;
    int m_scanindex = 0;
    bool m_scanall = false;
    bool m_hubScanAgain = false;
};

#endif
