// Live and replay data sources in the network namespace of tests/netns-run.sh:
// during a replay no hub datagram reaches the records; live intake works again
// once selected (twice, as the project page may).
#include "core/weightingcontrol.h"
#include "recording/datasourcelocal.h"
#include "links/udp_comm.h"
#include "testdatagrams.h"

#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

class TestWeightingControlE2e : public QObject
{
    Q_OBJECT

private slots:
    void liveAndReplaySwitch()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"), "this test runs under tests/netns-run.sh");
        // A replay folder of one recording line: time, then the datagram's bytes.
        QTemporaryDir folder;
        QByteArray line = "10:00:01";
        for (const char byte : hubDatagram(2, {hubRecord(4, 444)}))
            line += ',' + QByteArray::number(quint8(byte));
        QFile file(folder.filePath("a.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(line + '\n') > 0);
        file.close();

        WeightingConTrol control;
        control.Comm()->setUdpSetting(QStringLiteral("239.5.7.31"), 2001, 7100);
        control.setDataSource(QString(), 0, 0);
        control.createCell(2, 4);
        QUdpSocket hub; // a hub on the namespace's own interface
        hub.bind(QHostAddress(QStringLiteral("10.99.0.32")), 0);
        hub.setMulticastInterface(QNetworkInterface::interfaceFromName(qEnvironmentVariable("VORN_NETNS")));
        const auto send = [&hub](int weight) {
            hub.writeDatagram(hubDatagram(2, {hubRecord(4, weight)}), QHostAddress(QStringLiteral("239.5.7.31")), 2001);
        };

        control.setDataSource(QUrl::fromLocalFile(folder.path()).toString(), 1, 0);
        QTRY_COMPARE_WITH_TIMEOUT(control.dataSourceLocal()->dataTime(), QStringLiteral("10:00:01"), 5000);
        send(555);
        QTest::qWait(200);
        control.qmlRequestReflsh();
        QCOMPARE(control.page(2)->cell(4)->curData(), 444);

        control.setDataSource(QString(), 0, 0);
        control.setDataSource(QString(), 0, 0);
        QVERIFY(!control.dataSourceLocal()->isReplaying());
        control.setDisConnecttimes(9);
        send(666);
        QTRY_COMPARE_WITH_TIMEOUT(control.disConnecttimes(), uint32_t(0), 5000);
        control.qmlRequestReflsh();
        QCOMPARE(control.page(2)->cell(4)->curData(), 666);
    }
};

QTEST_GUILESS_MAIN(TestWeightingControlE2e)
#include "tst_weightingcontrol_e2e.moc"
