#include "ui/shell/hubconnectionmask.h"
#include "ui/shell/logscanrule.h"
#include "ui/shell/recentprojectlist.h"
#include "ui/shell/screenbeat.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QtTest>

// The window's rules: status line and auto-scan driven by the controller's and hub link's own log
// texts, the hub circles, the recent-projects list and the screen beat.
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
        QTest::newRow("English 1.12") << false << "Create device ID:1.12" << QPoint(1, 12);
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

    // A hub connection reported just after a refresh finds the hub's page spent: the hub is
    // scanned at once and again when the scan window closes.
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
        ScreenBeat beat; // beats only while running
        beat.setPeriodMs(100);
        QSignalSpy counted(&beat, &ScreenBeat::countChanged);
        beat.setRunning(true);
        QVERIFY(counted.wait(1000));
        beat.setRunning(false);
        QVERIFY(!counted.wait(250));
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
