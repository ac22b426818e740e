// The weighing controller with its real links, inside the private network
// namespace of tests/netns-run.sh: hub datagrams multicast by the test and by
// the hub simulator travel through the real hub link into the records and
// out through the publication, command frames reach the simulated hubs, and
// a replay folder written by the simulator reaches the records like live data.
#include "app/languageflag.h"
#include "core/hubdatagram.h"
#include "core/weightingcontrol.h"
#include "publicationlog.h"
#include "testdatagrams.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <memory>

namespace {

const QString Group = QStringLiteral("239.5.7.31");
constexpr quint16 ReceivePort = 2001;
constexpr quint16 TransmitPort = 7100;

// Starts live intake on the default group and ports, as the project page does.
std::unique_ptr<WeightingConTrol> liveController()
{
    auto control = std::make_unique<WeightingConTrol>();
    control->Comm()->setUdpSetting(Group, ReceivePort, TransmitPort);
    control->setDataSource(QString(), 0, 0);
    return control;
}

// A hub sending from its own address on the namespace's veth interface.
class Hub
{
public:
    explicit Hub(int host)
    {
        m_socket.bind(QHostAddress(QStringLiteral("10.99.0.%1").arg(host)), 0);
        m_socket.setMulticastInterface(QNetworkInterface::interfaceFromName(qEnvironmentVariable("VORN_NETNS")));
    }

    void send(const QByteArray &bytes) { m_socket.writeDatagram(bytes, QHostAddress(Group), ReceivePort); }

private:
    QUdpSocket m_socket;
};

// The 36-character display command the settings page sends every 500 ms.
QString displayCommand()
{
    QString text(36, QChar(0));
    text[0] = QChar(0x24);
    text[2] = QChar(0x03);
    text[4] = QChar(1);
    return text;
}

// The simulator's JSON output lines.
class SimulatorOutput : public QObject
{
public:
    explicit SimulatorOutput(QProcess *process) : m_process(process)
    {
        connect(process, &QProcess::readyReadStandardOutput, this, [this] {
            m_pending += m_process->readAllStandardOutput();
            int end;
            while ((end = m_pending.indexOf('\n')) >= 0) {
                const QJsonDocument line = QJsonDocument::fromJson(m_pending.left(end));
                m_pending.remove(0, end + 1);
                if (line.isObject())
                    lines.append(line.object());
            }
        });
    }

    QVector<QJsonObject> frames(const QString &kind) const
    {
        QVector<QJsonObject> found;
        for (const QJsonObject &line : lines) {
            if (line.value("event") == "frame" && line.value("kind") == kind)
                found.append(line);
        }
        return found;
    }

    QVector<QJsonObject> lines;

private:
    QProcess *m_process;
    QByteArray m_pending;
};

// Compares every record of a hub datagram with its cell and its publication,
// passing over cells the controller does not hold; counts and sums the others.
void compareRecords(const WeightingConTrol &control, const PublicationLog &published, int page,
                    const QByteArray &bytes, int &compared, int &total)
{
    const auto *raw = reinterpret_cast<const uint8_t *>(bytes.constData());
    for (int position = 0; position < HubDatagram::recordCount(bytes.size()); ++position) {
        const HubCellRecord record = HubDatagram::record(raw, position);
        const WeightingCellData *cell = control.page(page)->cell(record.cellIndex);
        if (!cell)
            continue;
        const Publication p = published.find(page, record.cellIndex);
        QCOMPARE(cell->curData(), int(record.weight));
        QCOMPARE(int(cell->state()), int(record.state));
        QCOMPARE(p.curData, int(record.weight));
        QCOMPARE(p.boxType, int(record.boxType));
        ++compared;
        total += record.weight;
    }
}

} // namespace

class TestWeightingControlE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void datagramsTravelThroughTheHubLink();
    void liveAndReplaySwitch();
    void simulatedHubsEndToEnd();
    void replayFolderOfTheSimulator();
};

void TestWeightingControlE2e::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"),
             "this test needs the private network namespace of tests/netns-run.sh");
    QVERIFY2(QFileInfo(qEnvironmentVariable("HUBSIM")).isExecutable(), "HUBSIM names the hub simulator");
}

void TestWeightingControlE2e::init()
{
    LanguageFlag::setChinese(true);
}

void TestWeightingControlE2e::datagramsTravelThroughTheHubLink()
{
    auto control = liveController();
    control->createCell(1, 0);
    control->createCell(3, 1);
    control->createCell(3, 2);
    control->createCell(3, 9);
    PublicationLog published(control.get());
    Hub hub(33);

    // Twice, so the second reading is classified with the link state of the first.
    for (int round = 0; round < 2; ++round) {
        hub.send(hubDatagram(3, {hubRecord(1, 1234, 1, 2), hubRecord(2, -1, 3, 5, 7), hubRecord(9, 4321)}));
        QTRY_COMPARE_WITH_TIMEOUT(control->disConnecttimes(), uint32_t(0), 5000);
        control->qmlRequestReflsh();
    }
    const Publication first = published.find(3, 1);
    QCOMPARE(first.curData, 1234);
    QCOMPARE(first.state, 1);
    QCOMPARE(first.boxType, 2);
    QCOMPARE(first.record->curState(), QStringLiteral("正常"));
    const Publication second = published.find(3, 2);
    QCOMPARE(second.curData, -1);
    QCOMPARE(second.state, 3);
    QCOMPARE(second.errorNb, 7);
    QCOMPARE(second.record->curState(), QStringLiteral("故障"));
    QCOMPARE(published.find(3, 9).curData, 4321);
    QCOMPARE(published.find(1, 0).curData, 1234 - 1 + 4321);

    // A datagram the controller must ignore changes nothing.
    hub.send(hubDatagram(21, {hubRecord(1, 7)}));
    hub.send(hubDatagram(3, {hubRecord(1, 1000)}).left(51));
    QTest::qWait(200);
    control->qmlRequestReflsh();
    QCOMPARE(control->page(3)->cell(1)->curData(), 1234);
    QCOMPARE(control->disConnecttimes(), uint32_t(4));
}

void TestWeightingControlE2e::liveAndReplaySwitch()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile file(folder.filePath("a.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray line = "10:00:01";
    for (const char byte : hubDatagram(2, {hubRecord(4, 444)}))
        line += ',' + QByteArray::number(quint8(byte));
    file.write(line + '\n');
    file.close();

    auto control = liveController();
    control->createCell(2, 4);
    Hub hub(32);

    // Replay: the hub link's datagrams are no longer taken in.
    control->setDataSource(QUrl::fromLocalFile(folder.path()).toString(), 1, 0);
    QTRY_COMPARE_WITH_TIMEOUT(control->dataSourceLocal()->dataTime(), QStringLiteral("10:00:01"), 5000);
    hub.send(hubDatagram(2, {hubRecord(4, 555)}));
    QTest::qWait(200);
    control->qmlRequestReflsh();
    QCOMPARE(control->page(2)->cell(4)->curData(), 444);

    // Live again, selected twice as the project page may do.
    control->setDataSource(QString(), 0, 0);
    control->setDataSource(QString(), 0, 0);
    QVERIFY(!control->dataSourceLocal()->isReplaying());
    control->setDisConnecttimes(9);
    hub.send(hubDatagram(2, {hubRecord(4, 666)}));
    QTRY_COMPARE_WITH_TIMEOUT(control->disConnecttimes(), uint32_t(0), 5000);
    control->qmlRequestReflsh();
    QCOMPARE(control->page(2)->cell(4)->curData(), 666);
}

void TestWeightingControlE2e::simulatedHubsEndToEnd()
{
    auto control = liveController();
    control->createCell(1, 0);
    QProcess sim;
    SimulatorOutput output(&sim);
    sim.start(qEnvironmentVariable("HUBSIM"),
              {"--hubs", "2", "--first-page", "3", "--cells", "12", "--rate", "20", "--seed", "5"});
    QVERIFY(sim.waitForStarted());
    auto stop = qScopeGuard([&sim] {
        sim.terminate();
        sim.waitForFinished(5000);
    });

    // The last datagram of each page, copied while the link's buffer is valid.
    QMap<int, QByteArray> last;
    connect(control->Comm(), &UDP_Comm::readDataSignal, control.get(), [&last](uint8_t *arr, int len) {
        const int page = HubDatagram::page(arr, len);
        if (page >= 0)
            last[page] = QByteArray(reinterpret_cast<const char *>(arr), len);
    });
    QTRY_VERIFY_WITH_TIMEOUT(last.contains(3) && last.contains(4), 5000);

    // The scan creates the cells the hubs report online right now.
    control->scanOnlineDevice();
    QVERIFY(control->page(3) && control->page(4));
    QTest::qWait(300);

    PublicationLog published(control.get());
    control->qmlRequestReflsh();
    int compared = 0;
    int total = 0;
    for (int page : {3, 4}) {
        QCOMPARE(HubDatagram::recordCount(last[page].size()), 12);
        compareRecords(*control, published, page, last[page], compared, total);
    }
    QVERIFY(compared > 12);

    // The display command credits both hubs: connected, reported and logged.
    QSignalSpy lines(control.get(), &WeightingConTrol::cellLogShowSignal);
    control->sendData(displayCommand());
    QCOMPARE(control->udpConnectl(), 0x000C000C);
    QStringList texts;
    for (const QList<QVariant> &line : lines)
        texts << line.at(1).toString();
    texts.sort();
    QCOMPARE(texts, (QStringList{"主控3连接正常", "主控4连接正常"}));
    QTRY_COMPARE_WITH_TIMEOUT(output.frames("display").size(), 2, 5000);

    // Thresholds go to each hub whose hub ID is its page.
    control->setMaxErrData(3, 1, 4500);
    control->sendSetPara();
    QTRY_COMPARE_WITH_TIMEOUT(output.frames("thresholds").size(), 2, 5000);
    for (const QJsonObject &frame : output.frames("thresholds")) {
        const int page = frame.value("page").toInt();
        const QJsonObject document = frame.value("document").toObject();
        QCOMPARE(document.value("VornHubId").toInt(), page);
        QCOMPARE(frame.value("applied").toInt(), document.value("VornCellList").toArray().size());
        if (page == 3 && control->page(3)->cell(1)) {
            QCOMPARE(document.value("VornCellList").toArray().first().toObject().value("maxErr").toDouble(),
                     4500.0);
        }
    }
}

void TestWeightingControlE2e::replayFolderOfTheSimulator()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess writer;
    writer.start(qEnvironmentVariable("HUBSIM"), {"--replay", folder.path(), "--hubs", "2", "--first-page", "1",
                                                 "--cells", "6", "--ticks", "15", "--rate", "10"});
    QVERIFY(writer.waitForFinished(10000));
    QCOMPARE(writer.exitCode(), 0);

    // The last line of each page as the replay will hand it over.
    const QStringList files = QDir(folder.path()).entryList({"*.csv"}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(folder.filePath(files.first()));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<int, QByteArray> last;
    int frames = 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.split(',');
        QByteArray bytes;
        for (int i = 1; i < fields.size(); ++i)
            bytes += char(fields.at(i).toUShort());
        const int page = HubDatagram::page(reinterpret_cast<const uint8_t *>(bytes.constData()), bytes.size());
        QVERIFY(page == 1 || page == 2);
        last[page] = bytes;
        ++frames;
    }
    QCOMPARE(last.size(), 2);
    QCOMPARE(frames, 30);

    auto control = std::make_unique<WeightingConTrol>();
    for (int page : {1, 2}) {
        for (int index = 1; index <= 6; ++index)
            control->createCell(page, index);
    }
    control->createCell(1, 0);
    int replayed = 0;
    connect(control->dataSourceLocal(), &DataSourceLocal::dataLocalReadSignal, control.get(),
            [&replayed] { ++replayed; });
    control->setDataSource(QUrl::fromLocalFile(folder.path()).toString(), 1, 1);
    QTRY_COMPARE_WITH_TIMEOUT(replayed, frames, 10000);
    QCOMPARE(control->disConnecttimes(), uint32_t(0));

    PublicationLog published(control.get());
    control->qmlRequestReflsh();
    int compared = 0;
    int total = 0;
    for (int page : {1, 2})
        compareRecords(*control, published, page, last[page], compared, total);
    QCOMPARE(compared, 12);
    QCOMPARE(published.find(1, 0).curData, total);
}

QTEST_GUILESS_MAIN(TestWeightingControlE2e)
#include "tst_weightingcontrol_e2e.moc"
