#include "ui/shell/hubconnectionmask.h"
#include "ui/shell/logscanrule.h"
#include "ui/shell/messagelog.h"
#include "ui/shell/recentprojectlist.h"
#include "ui/shell/screenbeat.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList g_fileLines;

void captureFileLine(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    g_fileLines << (type == QtWarningMsg ? "W " : "I ") + text;
}

// A message that, stamped ("[yyyy-MM-dd HH:mm:ss] "), makes a line of exactly `length` characters.
QString line(int number, int length)
{
    return QStringLiteral("cell %1 ").arg(number, 4, 10, QLatin1Char('0')).leftJustified(length - 22, '.');
}

} // namespace

// The window's rules: status line and auto-scan driven by the controller's and hub link's own log
// texts, the log areas' stamping, trimming and batching (thousands of lines in one refresh reach the
// screen as one change), the hub circles, the recent-projects list and the screen beat.
class TestShellRules : public QObject
{
    Q_OBJECT
    static QString path(int i) { return QStringLiteral("/w/p%1/p%1.VORNPRO").arg(i); }

private slots:
    void creationScansThatCell_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QPoint>("cell"); // page, index; (0, 0): no scan
        QTest::newRow("shortest key") << false << "Create device ID:1.5" << QPoint(1, 5);
        QTest::newRow("longest key, Chinese") << true << "创建设备ID:20.99" << QPoint(20, 99);
        QTest::newRow("six characters") << false << "Create device ID:123.45" << QPoint();
        QTest::newRow("two characters") << false << "Create device ID:1." << QPoint();
        QTest::newRow("no point") << false << "Create device ID:1234" << QPoint();
        QTest::newRow("empty page") << false << "Create device ID:.12" << QPoint();
        QTest::newRow("no colon") << false << "Create device 1.12" << QPoint();
        QTest::newRow("Chinese mode reads two characters") << true << "Create device ID:1.12" << QPoint();
    }
    void creationScansThatCell()
    {
        QFETCH(bool, chinese);
        QFETCH(QString, message);
        QFETCH(QPoint, cell);
        LogScanRule rule;
        rule.setChinese(chinese);
        QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
        rule.singleLogShow("ERR", message); // only information lines drive the scan
        QVERIFY(!rule.scanPending());
        rule.singleLogShow("INF", message);
        QCOMPARE(QPoint(rule.scanpageid(), rule.scanindex()), cell);
        QCOMPARE(rule.scanPending(), !cell.isNull());
        if (cell.isNull())
            return;
        QVERIFY(single.wait(LogScanRule::ScanDelayMs * 4));
        QCOMPARE(QPoint(single.at(0).at(0).toInt(), single.at(0).at(1).toInt()), cell);
        QVERIFY(!rule.scanPending() && !rule.scanall());
    }

    // A hub connection right after a refresh finds its page spent: scan now and when the window closes.
    void hubConnectionScansNowAndAgainAfterOneFullPass()
    {
        LogScanRule rule;
        rule.setChinese(false);
        QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
        QSignalSpy all(&rule, &LogScanRule::scannewAllCZSignal);
        QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);
        rule.singleLogShow("INF", "主控1连接正常"); // English mode reads six characters
        QCOMPARE(now.count(), 0);
        rule.singleLogShow("INF", "Master control 3 connection normal");
        QCOMPARE(now.count(), 1);
        for (int i = 1; i <= 100; ++i) { // its cells come and go offline in one refresh
            rule.singleLogShow("INF", QStringLiteral("Create device ID:3.%1").arg(i));
            rule.singleLogShow("ERR", QStringLiteral("CZ 3.%1:OFF").arg(i));
        }
        QVERIFY(rule.scanall());
        QVERIFY(all.wait(LogScanRule::ScanDelayMs * 4));
        QCOMPARE((QVector<int>{all.count(), single.count(), now.count()}), (QVector<int>{1, 0, 2}));
        QVERIFY(QRegularExpression("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] CZ 3.100:OFF$").match(rule.statusText()).hasMatch());
        rule.singleLogShow("DBG", "other");
        QCOMPARE(rule.statusColor(), QStringLiteral("red")); // until the next information line
        rule.singleLogShow("INF", "Create device ID:3.4"); // creations alone ask for no hub scan
        QVERIFY(single.wait(LogScanRule::ScanDelayMs * 4));
        QCOMPARE(now.count(), 2);
        QCOMPARE(rule.statusColor(), QStringLiteral("GREEN"));
    }

    void creationsInARowEndInOneFullPass()
    {
        LogScanRule rule;
        QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
        QSignalSpy all(&rule, &LogScanRule::scannewAllCZSignal);
        rule.singleLogShow("INF", "创建设备ID:1.10");
        rule.singleLogShow("INF", "创建设备ID:1.11");
        QVERIFY(all.wait(LogScanRule::ScanDelayMs * 4));
        QCOMPARE(all.count(), 1);
        QCOMPARE(single.count(), 1); // the first cell was announced alone as well
    }

    void hubCircles()
    {
        HubConnectionMask hubs;
        QSignalSpy changed(&hubs, &HubConnectionMask::maskChanged);
        hubs.setMask(0x80030001); // high half: hubs 1, 2 and 16 known; low half: hub 1 connected
        hubs.setMask(0x80030001);
        QString known, connected;
        for (int hub = 0; hub <= 17; ++hub) {
            known.append(HubConnectionMask::hubBit(hubs.high(), hub) ? '1' : '0');
            connected.append(HubConnectionMask::hubBit(hubs.low(), hub) ? '1' : '0');
        }
        QCOMPARE(known, QStringLiteral("011000000000000010"));
        QCOMPARE(connected, QStringLiteral("010000000000000000"));
        QCOMPARE(changed.count(), 1);
    }

    // Newest first without duplicates, a chosen entry moves up; at most twenty come back after a restart.
    void recentProjects()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("setting.ini");
        RecentProjectList list;
        for (int i : {1, 2, 1, 1, 3, 4, 5})
            list.moveToTop(path(i));
        list.moveToTop(QString());
        list.moveRowToTop(2); // p5 p4 p3 p1 p2 -> p3 p5 p4 p1 p2
        list.moveRowToTop(9);
        QCOMPARE((QStringList{list.get(0), list.get(1), list.get(2), list.get(3), list.get(4), list.get(5)}),
                 (QStringList{path(3), path(5), path(4), path(1), path(2), QString()}));
        for (int i = 6; i < 26; ++i)
            list.moveToTop(path(i));
        list.save(file);
        RecentProjectList restarted;
        restarted.moveToTop(path(24)); // the project restored at start heads the list already
        restarted.load(file);
        QCOMPARE(restarted.count(), 20);
        QCOMPARE((QStringList{restarted.get(0), restarted.get(1), restarted.get(19)}), (QStringList{path(24), path(25), path(6)}));
        QCOMPARE(RecentProjectList::projectName("D:/w/Crane 2/Crane 2.VORNPRO"), QStringLiteral("Crane 2"));
        QCOMPARE(RecentProjectList::projectName("/w/readme.txt"), QStringLiteral("readme.txt"));
    }

    void screenBeatFallsOnWholePeriods()
    {
        for (int period : {500, 1000}) {
            const qint64 before = QDateTime::currentMSecsSinceEpoch();
            const int ms = ScreenBeat::msToNextBeat(period);
            const qint64 read = QDateTime::currentMSecsSinceEpoch() - before;
            QVERIFY(ms >= 50 && ms < period + 50); // never the beat just passed, never two ahead
            const qint64 offset = (before + ms) % period;
            QVERIFY(offset <= read || offset >= period - read);
        }
    }

    void burstTrimsLineByLine_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("kept");
        // k lines of 100 hold 101 k - 1: the 80th passes 8000 and drops 4000, the 119th passes again.
        // Trimming the burst as a whole would keep far more.
        QTest::newRow("79 lines") << 79 << 7978;
        QTest::newRow("80 lines, first cut") << 80 << 4079;
        QTest::newRow("119 lines, second cut") << 119 << 4018;
    }
    void burstTrimsLineByLine()
    {
        QFETCH(int, lines);
        MessageLog log;
        log.setLimit(8000);
        log.setCut(4000);
        for (int i = 1; i <= lines; ++i)
            log.append(line(i, 100));
        QTEST(log.text().size(), "kept");
        QVERIFY(log.text().endsWith(line(lines, 100)));
    }

    void burstIsAnnouncedAsOneChange()
    {
        MessageLog log;
        log.setLimit(8000);
        log.setCut(4000);
        QSignalSpy changed(&log, &MessageLog::textChanged);
        log.clear();
        QCOMPARE(changed.count(), 0);
        // The first line after a quiet spell is shown at once, the rest of the burst on the next beat.
        for (int i = 1; i <= 3000; ++i)
            log.append(line(i, 60));
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.wait(2 * NotifyCoalescer::PeriodMs));
        QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));
        QCOMPARE(changed.count(), 2);
        const QString text = log.text(); // the newest lines, whole and in order
        QVERIFY(text.size() <= 8000 && text.endsWith(line(3000, 60)) && text.chopped(61).endsWith(line(2999, 60)));

        // Clearing shows at once, even while the line before it waits for its beat.
        log.append("just before clearing");
        log.clear();
        QCOMPARE(changed.count(), 4);
        QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));
        // A re-translation re-evaluates bindings and shows a line still waiting for its beat:
        // clearing again must reach it although the last announced text was empty too.
        log.append("before the switch");
        log.clear();
        log.append("waiting for its beat");
        const int before = changed.count();
        log.clear();
        QCOMPARE(changed.count(), before + 1);
    }

    void recordWritesTheLogFileAtOnce()
    {
        g_fileLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureFileLine);
        MessageLog log;
        log.append("first");
        log.record("ERR", "CZ 1.5:离线");
        log.record("INF", "Master control 3 connection normal");
        qInstallMessageHandler(previous);
        QCOMPARE(g_fileLines, QStringList({"W CZ 1.5:离线", "I Master control 3 connection normal"}));
        QVERIFY(QRegularExpression("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] first\n.{22}CZ 1.5:离线\n").match(log.text()).hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
