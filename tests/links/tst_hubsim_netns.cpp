// The hub simulator on the network against the real hub link, inside the
// private network namespace of tests/netns-run.sh: its datagrams are received
// and decoded by the program's own decoder, and the command frames the link
// sends come out of the simulator's report.
#include "core/hubdatagram.h"
#include "links/udp_comm.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

QString displayCommand(int flag)
{
    QString text(36, QChar(0));
    text[0] = QChar(0x24);
    text[2] = QChar(0x03);
    text[4] = QChar(flag);
    return text;
}

} // namespace

class TestHubSimNetns : public QObject
{
    Q_OBJECT

private:
    QProcess m_sim;
    QByteArray m_pendingOutput;
    QVector<QJsonObject> m_lines;

    void readOutput()
    {
        m_pendingOutput += m_sim.readAllStandardOutput();
        int end;
        while ((end = m_pendingOutput.indexOf('\n')) >= 0) {
            const QJsonDocument line = QJsonDocument::fromJson(m_pendingOutput.left(end));
            m_pendingOutput.remove(0, end + 1);
            if (line.isObject())
                m_lines.append(line.object());
        }
    }

    QVector<QJsonObject> frames(const QString &kind) const
    {
        QVector<QJsonObject> found;
        for (const QJsonObject &line : m_lines) {
            if (line.value("event") == "frame" && line.value("kind") == kind)
                found.append(line);
        }
        return found;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"),
                 "this test needs the private network namespace of tests/netns-run.sh");
        QVERIFY2(QFileInfo(qEnvironmentVariable("HUBSIM")).isExecutable(), "HUBSIM names the simulator");
        connect(&m_sim, &QProcess::readyReadStandardOutput, this, &TestHubSimNetns::readOutput);
    }

    void cleanupTestCase()
    {
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.terminate();
            QVERIFY(m_sim.waitForFinished(5000));
        }
    }

    void simulatedHubsTalkToTheLink()
    {
        UDP_Comm link(nullptr);
        QVector<QByteArray> datagrams;
        connect(&link, &UDP_Comm::readDataSignal, this, [&](uint8_t *arr, int len) {
            datagrams.append(QByteArray(reinterpret_cast<const char *>(arr), len));
        });
        link.setUdpSetting("239.5.7.31", 2001, 7100);
        link.initEth();

        // Faster than hubsim's default, so that both hubs have delivered
        // several datagrams within the test's first moments; the link sends
        // its display command by hand here, so the rate only has to be ahead
        // of that.
        m_sim.start(qEnvironmentVariable("HUBSIM"),
                    { "--hubs", "2", "--first-page", "3", "--cells", "12", "--rate", "20", "--seed", "9" });
        QVERIFY(m_sim.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!m_lines.isEmpty(), 5000);
        const QJsonObject started = m_lines.first();
        QCOMPARE(started.value("event").toString(), QStringLiteral("started"));
        QCOMPARE(started.value("hubs").toArray().size(), 2);

        // Both hubs deliver, each several times, so both are connected at the
        // next send.
        auto perPage = [&](int page) {
            int n = 0;
            for (const QByteArray &d : qAsConst(datagrams))
                n += HubDatagram::page(reinterpret_cast<const uint8_t *>(d.constData()), d.size()) == page;
            return n;
        };
        QTRY_VERIFY_WITH_TIMEOUT(perPage(3) >= 3 && perPage(4) >= 3, 5000);
        for (const QByteArray &d : qAsConst(datagrams)) {
            const auto *bytes = reinterpret_cast<const uint8_t *>(d.constData());
            QVERIFY(HubDatagram::page(bytes, d.size()) == 3 || HubDatagram::page(bytes, d.size()) == 4);
            QCOMPARE(HubDatagram::recordCount(d.size()), 12);
            for (int i = 0; i < 12; ++i) {
                const HubCellRecord r = HubDatagram::record(bytes, i);
                QCOMPARE(int(r.cellIndex), i + 1);
                QVERIFY(r.state == 0 || r.state == 1 || r.state == 3);
            }
        }

        const HubTable &table = link.hubTable();
        QVector<QString> addresses { table.address(0).toString(), table.address(1).toString() };
        std::sort(addresses.begin(), addresses.end());
        QCOMPARE(addresses, (QVector<QString> { "10.99.0.33", "10.99.0.34" }));
        for (int slot = 0; slot < 2; ++slot) {
            QCOMPARE(int(table.hubId(slot)), table.tagLow(slot) == 0xEB ? 3 : 4);
            QCOMPARE(int(table.tagHigh(slot)), 0xFD);
        }

        QSignalSpy reports(&link, &UDP_Comm::udpConnectFlagChanged);
        link.udpSendData(displayCommand(2));
        QCOMPARE(reports.count(), 2);
        QVERIFY(reports.at(0).at(0).toBool() && reports.at(1).at(0).toBool());
        QTRY_COMPARE_WITH_TIMEOUT(frames("display").size(), 2, 5000);
        QSet<int> pages;
        for (const QJsonObject &frame : frames("display")) {
            QCOMPARE(frame.value("flag").toInt(), 2);
            QVERIFY(frame.value("tagMatches").toBool());
            QCOMPARE(frame.value("from").toString(), QStringLiteral("10.99.0.1"));
            QCOMPARE(frame.value("fromPort").toInt(), 2001);
            pages.insert(frame.value("page").toInt());
        }
        QCOMPARE(pages, (QSet<int> { 3, 4 }));

        const QByteArray doc = QJsonDocument(QJsonObject {
            { "VornCellList", QJsonArray { QJsonObject { { "VornCellId", 1 }, { "maxErr", 5000 }, { "minErr", 0 },
                                                         { "maxWarn", 4000 }, { "minWarn", 0 } } } },
            { "VornHubId", 4 } }).toJson();
        link.udpSendSetPara(4, doc);
        QTRY_COMPARE_WITH_TIMEOUT(frames("thresholds").size(), 1, 5000);
        const QJsonObject thresholds = frames("thresholds").first();
        QCOMPARE(thresholds.value("page").toInt(), 4);
        QCOMPARE(thresholds.value("applied").toInt(), 1);
        QCOMPARE(thresholds.value("sequence").toInt(), 3);
        QCOMPARE(thresholds.value("document").toObject().value("VornHubId").toInt(), 4);
        QCOMPARE(frames("invalid").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestHubSimNetns)
#include "tst_hubsim_netns.moc"
