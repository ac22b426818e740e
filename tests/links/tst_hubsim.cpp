// The hub simulator's parts without the network: its datagrams read back
// through the program's own decoder, the motion of its cells, the reports of
// received frames, its replay folder read back by the program's replay source,
// and its command line.
#include "core/hubdatagram.h"
#include "links/hubcommandframe.h"
#include "recording/datasourcelocal.h"
#include "tools/hubsim/commandframereport.h"
#include "tools/hubsim/hubdatagrambuilder.h"
#include "tools/hubsim/hubsimoptions.h"
#include "tools/hubsim/replaywriter.h"
#include "tools/hubsim/simulatedhub.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const uint8_t *raw(const QByteArray &bytes)
{
    return reinterpret_cast<const uint8_t *>(bytes.constData());
}

QVector<HubCellRecord> decode(const QByteArray &datagram)
{
    QVector<HubCellRecord> records;
    for (int i = 0; i < HubDatagram::recordCount(datagram.size()); ++i)
        records.append(HubDatagram::record(raw(datagram), i));
    return records;
}

QByteArray displayCommand(int flag)
{
    QByteArray payload(36, '\0');
    payload[0] = 0x24;
    payload[2] = 0x03;
    payload[4] = static_cast<char>(flag);
    return payload;
}

struct Extremes
{
    int highest = INT_MIN;
    int lowest = INT_MAX;
    int faults = 0;
    int offline = 0;
};

// Runs a hub for `seconds` at 2 datagrams per second and collects, per cell,
// the extremes of its online readings and its fault and offline reports.
QVector<Extremes> run(SimulatedHub &hub, int seconds)
{
    QVector<Extremes> extremes(hub.cells().size());
    for (int tick = 0; tick < seconds * 2; ++tick) {
        hub.step(0.5);
        const QVector<HubCellRecord> records = decode(hub.nextDatagram());
        for (int i = 0; i < records.size(); ++i) {
            const HubCellRecord &r = records.at(i);
            Extremes &e = extremes[i];
            if (r.state == 1) {
                e.highest = qMax(e.highest, int(r.weight));
                e.lowest = qMin(e.lowest, int(r.weight));
            } else if (r.state == 3) {
                ++e.faults;
            } else {
                ++e.offline;
            }
        }
    }
    return extremes;
}

} // namespace

class TestHubSim : public QObject
{
    Q_OBJECT

private slots:
    void datagramMatchesTheProgramsDecoder()
    {
        HubCellRecord record;
        record.cellIndex = 5;
        record.state = 1;
        record.boxType = 2;
        record.weight = 1000;
        const QByteArray d = HubDatagramBuilder::build(HubDatagramBuilder::tagForPage(3), 0x0201, { record });
        QCOMPARE(d.size(), 60);
        QCOMPARE(d.left(4), QByteArray::fromHex("0102EBFD"));
        QCOMPARE(d.mid(4, 48), QByteArray(48, '\0'));
        QCOMPARE(d.mid(52), QByteArray::fromHex("050001000200E803"));
        QCOMPARE(HubDatagram::page(raw(d), d.size()), 3);

        HubCellRecord negative;
        negative.cellIndex = 100;
        negative.state = 3;
        negative.errorNb = 9;
        negative.boxType = 5;
        negative.weight = -1;
        const QByteArray n = HubDatagramBuilder::build(HubDatagramBuilder::tagForPage(19), 0, { negative });
        QCOMPARE(n.mid(52), QByteArray::fromHex("64000309" "0500FFFF"));
        const HubCellRecord back = HubDatagram::record(raw(n), 0);
        QCOMPARE(int(back.weight), -1);
        QCOMPARE(int(back.errorNb), 9);
        QCOMPARE(HubDatagram::page(raw(n), n.size()), 19);
    }

    void hubListsItsCellsInIndexOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("cells");
        QTest::newRow("page 0, one cell") << 0 << 1;
        QTest::newRow("page 1, ten cells") << 1 << 10;
        QTest::newRow("page 19, full hub") << 19 << 100;
    }
    void hubListsItsCellsInIndexOrder()
    {
        QFETCH(int, page);
        QFETCH(int, cells);
        SimulatedHub hub(page, cells, 7);
        const QByteArray first = hub.nextDatagram();
        const QByteArray second = hub.nextDatagram();
        QVERIFY(first.size() <= 1024);
        QCOMPARE(HubDatagram::page(raw(first), first.size()), page);
        QCOMPARE(int(quint8(second[0])), 1); // serial number counts on
        const QVector<HubCellRecord> records = decode(first);
        QCOMPARE(records.size(), cells);
        for (int i = 0; i < cells; ++i) {
            QCOMPARE(int(records[i].cellIndex), i + 1);
            QVERIFY(QVector<int>({ 1, 2, 3, 5 }).contains(records[i].boxType));
        }
    }

    void cellsCrossTheirThresholdsAsTheirProfileSays()
    {
        SimulatedHub hub(1, 40, 1);
        const QVector<Extremes> extremes = run(hub, 600);
        int faults = 0;
        int offline = 0;
        for (int i = 0; i < extremes.size(); ++i) {
            const Extremes &e = extremes.at(i);
            const SimulatedCell::Thresholds t = hub.cells().at(i).thresholds();
            const QByteArray where = QByteArray::number(i + 1);
            switch (hub.cells().at(i).profile()) {
            case SimulatedCell::Profile::Steady:
                QVERIFY2(e.lowest >= t.minWarn && e.highest < t.maxWarn, where);
                break;
            case SimulatedCell::Profile::LiftToWarn:
                QVERIFY2(e.highest >= t.maxWarn && e.highest < t.maxErr, where);
                break;
            case SimulatedCell::Profile::LiftToAlarm:
                QVERIFY2(e.highest >= t.maxErr, where);
                break;
            case SimulatedCell::Profile::Unload:
                QVERIFY2(e.lowest < t.minErr, where);
                break;
            }
            // Between excursions every cell rests in the normal band.
            QVERIFY2(e.lowest < t.maxWarn, where);
            faults += e.faults;
            offline += e.offline;
        }
        QVERIFY(faults > 0);
        QVERIFY(offline > 0);
        // Faults and offline spells stay occasional.
        QVERIFY(faults + offline < 40 * 1200 / 10);
    }

    void sameSeedSameSite()
    {
        SimulatedHub a(2, 20, 42), b(2, 20, 42), c(2, 20, 43);
        bool differs = false;
        for (int i = 0; i < 20; ++i) {
            a.step(0.5);
            b.step(0.5);
            c.step(0.5);
            const QByteArray da = a.nextDatagram();
            QCOMPARE(da, b.nextDatagram());
            differs = differs || da != c.nextDatagram();
        }
        QVERIFY(differs);
    }

    void thresholdDownloadSteersTheCells()
    {
        SimulatedHub hub(1, 20, 3);
        QJsonArray list;
        for (int id = 1; id <= 25; ++id) {
            list.append(QJsonObject { { "VornCellId", id }, { "maxErr", 1200 }, { "minErr", 100 },
                                      { "maxWarn", 1000 }, { "minWarn", 200 } });
        }
        list.append(QJsonObject { { "VornCellId", 0 }, { "maxErr", 1 } });
        const QByteArray document = QJsonDocument(QJsonObject { { "VornCellList", list }, { "VornHubId", 1 } }).toJson();
        QCOMPARE(hub.applyThresholdDocument(document), 20);
        const QVector<Extremes> extremes = run(hub, 120);
        QCOMPARE(hub.cells().at(4).profile(), SimulatedCell::Profile::LiftToAlarm);
        QVERIFY(extremes.at(4).highest >= 1200);
        QCOMPARE(hub.cells().at(0).profile(), SimulatedCell::Profile::Steady);
        QVERIFY(extremes.at(0).highest < 1000 && extremes.at(0).lowest >= 200);
        QCOMPARE(hub.cells().at(2).profile(), SimulatedCell::Profile::Unload);
        QVERIFY(extremes.at(2).lowest < 100);
    }

    void rejectsDocumentsThatAreNotThresholds_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::newRow("not JSON") << QByteArray("VornCellList");
        QTest::newRow("array") << QByteArray("[1,2]");
        QTest::newRow("no cell list") << QByteArray("{\"VornHubId\": 1}");
        QTest::newRow("cell list not an array") << QByteArray("{\"VornCellList\": 3}");
    }
    void rejectsDocumentsThatAreNotThresholds()
    {
        QFETCH(QByteArray, document);
        SimulatedHub hub(1, 5, 3);
        QCOMPARE(hub.applyThresholdDocument(document), -1);
    }

    void reportsReceivedFrames_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QJsonObject>("expected");
        QTest::newRow("display, switch off, weights shown")
            << HubCommandFrame::build(0xE9, 0xFD, 1, displayCommand(3)) << "display"
            << QJsonObject { { "flag", 3 }, { "digitDisplayOff", true }, { "showWeight", true }, { "tagMatches", true },
                             { "sequence", 1 }, { "length", 36 }, { "lengthMatches", true } };
        QTest::newRow("display, switch on, addresses shown")
            << HubCommandFrame::build(0xE9, 0xFD, 65535, displayCommand(0)) << "display"
            << QJsonObject { { "flag", 0 }, { "digitDisplayOff", false }, { "showWeight", false }, { "sequence", 65535 } };
        const QByteArray doc = "{\n    \"VornCellList\": [\n    ],\n    \"VornHubId\": 1\n}\n";
        QTest::newRow("threshold download")
            << HubCommandFrame::build(0xE9, 0xFD, 2, doc) << "thresholds"
            << QJsonObject { { "document", QJsonObject { { "VornCellList", QJsonArray() }, { "VornHubId", 1 } } } };
        QTest::newRow("other payload")
            << HubCommandFrame::build(0xE9, 0xFD, 3, "hi") << "other" << QJsonObject { { "payloadHex", "6869" } };
        QTest::newRow("another hub's tag")
            << HubCommandFrame::build(0xEA, 0xFD, 4, "x") << "other"
            << QJsonObject { { "tag", 65002 }, { "tagMatches", false } };
        QTest::newRow("too short") << QByteArray::fromHex("E9FD4DFE01") << "invalid"
                                   << QJsonObject { { "hex", "e9fd4dfe01" } };
        QTest::newRow("wrong marker") << QByteArray::fromHex("E9FD4DFE02000000" "01000000") << "invalid"
                                      << QJsonObject();
        QTest::newRow("length field disagrees")
            << HubCommandFrame::build(0xE9, 0xFD, 5, "abc").left(14) << "other"
            << QJsonObject { { "length", 3 }, { "lengthMatches", false } };
    }
    void reportsReceivedFrames()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QString, kind);
        QFETCH(QJsonObject, expected);
        const QJsonObject report = CommandFrameReport::describe(frame, 65001);
        QCOMPARE(report.value("kind").toString(), kind);
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
            QCOMPARE(report.value(it.key()), it.value());
    }

    void replayLine()
    {
        QCOMPARE(ReplayWriter::line("10:00:01", QByteArray::fromHex("0102FF00")), QByteArray("10:00:01,1,2,255,0\n"));
        QCOMPARE(ReplayWriter::line("t", QByteArray()), QByteArray("t\n"));
        QCOMPARE(ReplayWriter::timeText(QDateTime(QDate(2024, 3, 7), QTime(14, 3, 59, 125))),
                 QStringLiteral("2024-03-07 14_03_59_125"));
    }

    void replayFolderPlaysBackThroughTheReplaySource()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath("replay");
        QVector<SimulatedHub> hubs { SimulatedHub(2, 8, 5), SimulatedHub(3, 100, 5) };
        QVector<SimulatedHub> expectedHubs = hubs;
        QString error;
        QVERIFY2(ReplayWriter::write(folder, hubs, 5, 4.0, QDateTime(QDate(2024, 3, 7), QTime(14, 0)), &error),
                 qPrintable(error));

        DataSourceLocal source;
        QVector<QByteArray> frames;
        QStringList times;
        connect(&source, &DataSourceLocal::dataLocalReadSignal, this, [&](uint8_t *data, int len) {
            frames.append(QByteArray(reinterpret_cast<const char *>(data), len));
            times.append(source.dataTime());
        });
        source.startReplay(QUrl::fromLocalFile(folder).toString(), 0);
        QTRY_COMPARE(frames.size(), 10);
        QTRY_VERIFY(!source.isReplaying());

        for (int tick = 0; tick < 5; ++tick) {
            for (int h = 0; h < 2; ++h) {
                expectedHubs[h].step(0.25);
                const QByteArray expected = expectedHubs[h].nextDatagram();
                const QByteArray &frame = frames.at(tick * 2 + h);
                QCOMPARE(frame, expected);
                QCOMPARE(HubDatagram::page(raw(frame), frame.size()), 2 + h);
            }
        }
        QCOMPARE(times.first(), QStringLiteral("2024-03-07 14_00_00_000"));
        QCOMPARE(times.last(), QStringLiteral("2024-03-07 14_00_01_000"));
    }

    void replayIntoAnUnwritableFolderFails()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVector<SimulatedHub> hubs { SimulatedHub(1, 1, 1) };
        QString error;
        QVERIFY(!ReplayWriter::write(dir.filePath("file/replay"), hubs, 1, 1.0, QDateTime::currentDateTime(), &error));
        QVERIFY(error.contains("file/replay"));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::newRow("defaults") << QStringList() << QString();
        QTest::newRow("twenty hubs from page 0") << QStringList { "--hubs", "20", "--first-page", "0" } << QString();
        QTest::newRow("page 20 is not a hub page")
            << QStringList { "--hubs", "2", "--first-page", "19" } << "pages 19 to 20 do not fit in 0 to 19";
        QTest::newRow("too many cells") << QStringList { "--cells", "101" } << "--cells must be a whole number from 1 to 100";
        QTest::newRow("rate zero") << QStringList { "--rate", "0" } << "--rate must be a number from 0.1 to 1000";
        QTest::newRow("group not multicast") << QStringList { "--group", "10.0.0.1" } << "--group must be a multicast address";
        QTest::newRow("group not IPv4") << QStringList { "--group", "ff02::1" } << "--group must be an IPv4 address";
        QTest::newRow("no room for the pages")
            << QStringList { "--base-address", "10.99.0.250", "--hubs", "6" } << "--base-address leaves no room for page 6";
        QTest::newRow("stray argument") << QStringList { "extra" } << "unexpected argument extra";
        QTest::newRow("unknown option") << QStringList { "--hub", "2" } << "Unknown option 'hub'.";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        HubSimOptions options;
        QString message;
        QString help;
        const bool ok = HubSimOptions::parse(QStringList { "hubsim" } + arguments, &options, &message, &help);
        QCOMPARE(message, error);
        QCOMPARE(ok, error.isEmpty());
    }

    void hubAddressesGiveHubIdEqualToPage()
    {
        HubSimOptions options;
        QString error;
        QString help;
        QVERIFY(HubSimOptions::parse({ "hubsim", "--hubs", "20", "--first-page", "0" }, &options, &error, &help));
        for (int page = 0; page < 20; ++page) {
            QCOMPARE(options.hubAddress(page), QHostAddress(QStringLiteral("10.99.0.%1").arg(30 + page)));
            QCOMPARE(HubSimOptions::hubIdOf(options.hubAddress(page)), page);
        }
    }
};

QTEST_GUILESS_MAIN(TestHubSim)
#include "tst_hubsim.moc"
