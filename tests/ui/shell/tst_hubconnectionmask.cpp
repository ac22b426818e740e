#include "ui/shell/hubconnectionmask.h"

#include <QSignalSpy>
#include <QtTest>

// The information page's hub circles from the controller's hub mask.
class TestHubConnectionMask : public QObject
{
    Q_OBJECT

private slots:
    void circlesFollowTheMask_data();
    void circlesFollowTheMask();
    void notifiesOnlyOnChange();
};

void TestHubConnectionMask::circlesFollowTheMask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("known");
    QTest::addColumn<QString>("connected");

    // One character per hub 1..9.
    QTest::newRow("none") << 0 << QStringLiteral("000000000") << QStringLiteral("000000000");
    QTest::newRow("hub 1 connected, hub 2 seen") << 0x30001 << QStringLiteral("110000000")
                                                  << QStringLiteral("100000000");
    QTest::newRow("hub 3 connected") << 0x40004 << QStringLiteral("001000000") << QStringLiteral("001000000");
    QTest::newRow("all nine, bit 16 of each half ignored") << int(0xFFFFFFFFu) << QStringLiteral("111111111")
                                                           << QStringLiteral("111111111");
}

void TestHubConnectionMask::circlesFollowTheMask()
{
    QFETCH(int, mask);
    QFETCH(QString, known);
    QFETCH(QString, connected);

    HubConnectionMask hubs;
    hubs.setMask(mask);
    QString seenKnown;
    QString seenConnected;
    for (int hub = 1; hub <= 9; ++hub) {
        seenKnown.append(HubConnectionMask::hubBit(hubs.high(), hub) ? u'1' : u'0');
        seenConnected.append(HubConnectionMask::hubBit(hubs.low(), hub) ? u'1' : u'0');
    }
    QCOMPARE(seenKnown, known);
    QCOMPARE(seenConnected, connected);
    QVERIFY(!HubConnectionMask::hubBit(hubs.high(), 0));
    QVERIFY(!HubConnectionMask::hubBit(hubs.high(), 17));
}

void TestHubConnectionMask::notifiesOnlyOnChange()
{
    HubConnectionMask hubs;
    QSignalSpy changed(&hubs, &HubConnectionMask::maskChanged);
    hubs.setMask(0);
    hubs.setMask(0x30001);
    hubs.setMask(0x30001);
    hubs.resetMask();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(hubs.high(), 0);
}

QTEST_GUILESS_MAIN(TestHubConnectionMask)
#include "tst_hubconnectionmask.moc"
