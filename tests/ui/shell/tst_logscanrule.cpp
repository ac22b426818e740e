#include "ui/shell/logscanrule.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

// The status line and the auto-scan that follows the controller's log lines,
// driven with the texts the controller and the hub link really produce.
class TestLogScanRule : public QObject
{
    Q_OBJECT

private slots:
    void statusLineShowsStampedTextAndColour_data();
    void statusLineShowsStampedTextAndColour();
    void singleCreationScansThatCell_data();
    void singleCreationScansThatCell();
    void malformedCreationStartsNothing_data();
    void malformedCreationStartsNothing();
    void hubConnectionScansNowAndAgainAfterOneFullPass();
    void creationsInARowEndInOneFullPass();
    void onlyInfoMessagesDriveTheScan();
    void languageChoosesThePrefixLength();
    void burstReachesTheStatusLineOnceAndTheScanWhole();
};

void TestLogScanRule::statusLineShowsStampedTextAndColour_data()
{
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<QString>("colour");

    QTest::newRow("info") << QStringList{QStringLiteral("INF")} << QStringLiteral("GREEN");
    QTest::newRow("error") << QStringList{QStringLiteral("ERR")} << QStringLiteral("red");
    QTest::newRow("error then other keeps red")
        << QStringList{QStringLiteral("ERR"), QStringLiteral("DBG")} << QStringLiteral("red");
    QTest::newRow("error then info") << QStringList{QStringLiteral("ERR"), QStringLiteral("INF")}
                                     << QStringLiteral("GREEN");
}

void TestLogScanRule::statusLineShowsStampedTextAndColour()
{
    QFETCH(QStringList, types);
    QFETCH(QString, colour);

    LogScanRule rule;
    for (const QString &type : types)
        rule.singleLogShow(type, QStringLiteral("Master control 3 connection disconnected"));

    QCOMPARE(rule.statusColor(), colour);
    const QRegularExpression stamped(
        QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] Master control 3 connection disconnected$"));
    QVERIFY2(stamped.match(rule.statusText()).hasMatch(), qPrintable(rule.statusText()));
}

void TestLogScanRule::singleCreationScansThatCell_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("index");

    QTest::newRow("english 1.12") << false << QStringLiteral("Create device ID:1.12") << 1 << 12;
    QTest::newRow("chinese 3.17") << true << QStringLiteral("创建设备ID:3.17") << 3 << 17;
    QTest::newRow("shortest key") << false << QStringLiteral("Create device ID:1.5") << 1 << 5;
    QTest::newRow("longest key") << true << QStringLiteral("创建设备ID:20.99") << 20 << 99;
}

void TestLogScanRule::singleCreationScansThatCell()
{
    QFETCH(bool, chinese);
    QFETCH(QString, message);
    QFETCH(int, pageId);
    QFETCH(int, index);

    LogScanRule rule;
    rule.setChinese(chinese);
    QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
    QSignalSpy all(&rule, &LogScanRule::scannewAllCZSignal);
    QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);

    rule.singleLogShow(QStringLiteral("INF"), message);
    QVERIFY(rule.scanPending());
    QCOMPARE(rule.scanpageid(), pageId);
    QCOMPARE(rule.scanindex(), index);
    QCOMPARE(single.count(), 0);

    QVERIFY(single.wait(LogScanRule::ScanDelayMs * 4));
    QCOMPARE(single.count(), 1);
    QCOMPARE(single.at(0).at(0).toInt(), pageId);
    QCOMPARE(single.at(0).at(1).toInt(), index);
    QCOMPARE(rule.scanpageid(), 0);
    QCOMPARE(rule.scanindex(), 0);
    QVERIFY(!rule.scanPending());
    QCOMPARE(all.count(), 0);
    QCOMPARE(now.count(), 0);
}

void TestLogScanRule::malformedCreationStartsNothing_data()
{
    QTest::addColumn<QString>("message");

    QTest::newRow("seven characters") << QStringLiteral("Create device ID:123.456");
    QTest::newRow("two characters") << QStringLiteral("Create device ID:1.");
    QTest::newRow("no point") << QStringLiteral("Create device ID:1234");
    QTest::newRow("empty index") << QStringLiteral("Create device ID:12.");
    QTest::newRow("empty page") << QStringLiteral("Create device ID:.12");
    QTest::newRow("no colon") << QStringLiteral("Create device 1.12");
    QTest::newRow("other info") << QStringLiteral("Project opened successfully;");
}

void TestLogScanRule::malformedCreationStartsNothing()
{
    QFETCH(QString, message);

    LogScanRule rule;
    rule.setChinese(false);
    rule.singleLogShow(QStringLiteral("INF"), message);
    QVERIFY(!rule.scanPending());
    QCOMPARE(rule.scanpageid(), 0);
    QCOMPARE(rule.scanindex(), 0);
    QVERIFY(!rule.scanall());
}

void TestLogScanRule::hubConnectionScansNowAndAgainAfterOneFullPass()
{
    LogScanRule rule;
    rule.setChinese(false);
    QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
    QSignalSpy all(&rule, &LogScanRule::scannewAllCZSignal);
    QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);

    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Master control 3 connection normal"));
    QCOMPARE(now.count(), 1);
    QVERIFY(rule.scanPending());

    // The immediate scan creates the hub's cells while the window is open.
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Create device ID:3.1"));
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Create device ID:3.2"));
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Create device ID:3.3"));
    QVERIFY(rule.scanall());
    QCOMPARE(rule.scanpageid(), 0);

    // The window closes with one full pass, then the hub is scanned again:
    // the first scan may have come right after a refresh spent its data.
    QVERIFY(all.wait(LogScanRule::ScanDelayMs * 4));
    QCOMPARE(all.count(), 1);
    QCOMPARE(single.count(), 0);
    QVERIFY(!rule.scanall());
    QCOMPARE(now.count(), 2);
    // A window opened by creations alone asks for no hub scan.
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Create device ID:3.4"));
    QVERIFY(single.wait(LogScanRule::ScanDelayMs * 4));
    QCOMPARE(now.count(), 2);
}

void TestLogScanRule::creationsInARowEndInOneFullPass()
{
    LogScanRule rule;
    QSignalSpy single(&rule, &LogScanRule::scannewCZSignal);
    QSignalSpy all(&rule, &LogScanRule::scannewAllCZSignal);

    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("创建设备ID:1.10"));
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("创建设备ID:1.11"));

    QVERIFY(all.wait(LogScanRule::ScanDelayMs * 4));
    QCOMPARE(all.count(), 1);
    // The first cell was announced alone as well before the pass.
    QCOMPARE(single.count(), 1);
    QCOMPARE(single.at(0).at(1).toInt(), 10);
}

void TestLogScanRule::onlyInfoMessagesDriveTheScan()
{
    LogScanRule rule;
    rule.setChinese(false);
    QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);

    rule.singleLogShow(QStringLiteral("ERR"), QStringLiteral("Master control 3 connection disconnected"));
    rule.singleLogShow(QStringLiteral("ERR"), QStringLiteral("Create device ID:1.12"));
    QCOMPARE(now.count(), 0);
    QVERIFY(!rule.scanPending());
}

void TestLogScanRule::languageChoosesThePrefixLength()
{
    LogScanRule rule;
    QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);

    // Chinese mode reads two characters: "Ma" is no hub message.
    rule.setChinese(true);
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Master control 1 connection normal"));
    QCOMPARE(now.count(), 0);

    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("主控1连接正常"));
    QCOMPARE(now.count(), 1);

    rule.setChinese(false);
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("主控1连接正常"));
    QCOMPARE(now.count(), 1);
}

void TestLogScanRule::burstReachesTheStatusLineOnceAndTheScanWhole()
{
    LogScanRule rule;
    rule.setChinese(false);
    QSignalSpy text(&rule, &LogScanRule::statusTextChanged);
    QSignalSpy now(&rule, &LogScanRule::scanOnlineDeviceRequested);

    // A hub connects and its cells are created and go offline in one refresh.
    rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Master control 3 connection normal"));
    for (int i = 1; i <= 100; ++i) {
        rule.singleLogShow(QStringLiteral("INF"), QStringLiteral("Create device ID:3.%1").arg(i));
        rule.singleLogShow(QStringLiteral("ERR"), QStringLiteral("CZ 3.%1:OFF").arg(i));
    }
    QCOMPARE(text.count(), 1);
    QCOMPARE(now.count(), 1);
    QVERIFY(rule.scanall());

    QVERIFY(text.wait(2 * NotifyCoalescer::PeriodMs));
    QCOMPARE(text.count(), 2);
    QVERIFY2(rule.statusText().endsWith(QStringLiteral("] CZ 3.100:OFF")), qPrintable(rule.statusText()));
    QCOMPARE(rule.statusColor(), QStringLiteral("red"));
}

QTEST_GUILESS_MAIN(TestLogScanRule)
#include "tst_logscanrule.moc"
