// The hub simulator against the real hub link inside the private network
// namespace of tests/netns-run.sh: its datagrams go through the program's own
// decoder, and the link's command frames come back in the simulator's report.
#include "core/hubdatagram.h"
#include "links/udp_comm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

class TestHubSimNetns : public QObject
{
    Q_OBJECT

private slots:
    void simulatedHubsTalkToTheLink()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"), "run through tests/netns-run.sh");
        QVector<QJsonObject> frames;
        QProcess sim; // killed when it goes out of scope
        connect(&sim, &QProcess::readyReadStandardOutput, this, [&] {
            while (sim.canReadLine()) {
                const QJsonObject line = QJsonDocument::fromJson(sim.readLine()).object();
                if (line.value("event") == "frame")
                    frames.append(line);
            }
        });
        UDP_Comm link(nullptr);
        QMap<int, int> perPage;
        connect(&link, &UDP_Comm::readDataSignal, this, [&](uint8_t *bytes, int len) {
            ++perPage[HubDatagram::page(bytes, len)];
            QCOMPARE(HubDatagram::recordCount(len), 12);
            for (int i = 0; i < 12; ++i)
                QCOMPARE(int(HubDatagram::record(bytes, i).cellIndex), i + 1);
        });
        link.setUdpSetting("239.5.7.31", 2001, 7100);
        link.initEth();
        // Faster than real hubs, so both have delivered several datagrams
        // before the link's first command frame.
        sim.start(qEnvironmentVariable("HUBSIM"),
                    {"--hubs", "2", "--first-page", "3", "--cells", "12", "--rate", "20", "--seed", "9"});
        QTRY_VERIFY_WITH_TIMEOUT(perPage.value(3) >= 3 && perPage.value(4) >= 3, 5000);
        QCOMPARE(perPage.keys(), (QList<int>{3, 4}));
        const HubTable &table = link.hubTable();
        for (int slot = 0; slot < 2; ++slot)
            QCOMPARE(int(table.hubId(slot)), table.tagLow(slot) == 0xEB ? 3 : 4);

        QSignalSpy reports(&link, &UDP_Comm::udpConnectFlagChanged);
        link.udpSendData(QString::fromLatin1("\x24\0\x03\0\x02", 5) + QString(31, QChar(0)));
        QCOMPARE(reports.count(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(frames.size(), 2, 5000);
        for (const QJsonObject &frame : qAsConst(frames)) {
            QCOMPARE(frame.value("kind").toString(), QStringLiteral("display"));
            QCOMPARE(frame.value("flag").toInt(), 2);
            QVERIFY(frame.value("tagMatches").toBool());
            QCOMPARE(frame.value("from").toString(), QStringLiteral("10.99.0.1"));
            QCOMPARE(frame.value("fromPort").toInt(), 2001);
        }

        const QJsonObject cell{{"VornCellId", 1}, {"maxErr", 5000}, {"minErr", 0}, {"maxWarn", 4000}, {"minWarn", 0}};
        link.udpSendSetPara(4, QJsonDocument(QJsonObject{{"VornCellList", QJsonArray{cell}}, {"VornHubId", 4}}).toJson());
        QTRY_COMPARE_WITH_TIMEOUT(frames.size(), 3, 5000);
        const QJsonObject thresholds = frames.last();
        QCOMPARE(thresholds.value("kind").toString(), QStringLiteral("thresholds"));
        QCOMPARE(thresholds.value("page").toInt(), 4);
        QCOMPARE(thresholds.value("applied").toInt(), 1);
        QCOMPARE(thresholds.value("sequence").toInt(), 3);
    }
};

QTEST_GUILESS_MAIN(TestHubSimNetns)
#include "tst_hubsim_netns.moc"
