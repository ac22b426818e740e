#include "fakeadvertisementsource.h"
#include "links/blescan2.h"
#include "links/cellpayload.h"
#include "links/device.h"
#include "links/deviceinfo.h"

#include <QBluetoothAddress>
#include <QThread>
#include <QtTest>

using Sections = QVector<QPair<quint16, QByteArray>>;
Q_DECLARE_METATYPE(Sections)

namespace {

Advertisement advertisement(quint64 address, const Sections &sections = {}, qint16 rssi = -70)
{
    Advertisement ad;
    ad.address = address;
    ad.rssi = rssi;
    ad.manufacturerSections = sections;
    return ad;
}

QByteArray cellPayload(quint16 sequence)
{
    cellpayload::CellReading reading;
    reading.sequence = sequence;
    reading.cellIndex = 8;
    return cellpayload::encode(reading);
}

// A started watcher on a fake platform source, its deliveries recorded.
struct Watcher
{
    explicit Watcher(quint8 methods = 2) : watcher(std::unique_ptr<AdvertisementSource>(fake), methods)
    {
        watcher.start();
    }
    void receive(const Advertisement &ad) { fake->sink->advertisementReceived(ad); }

    FakeAdvertisementSource *fake = new FakeAdvertisementSource;
    BleScan2 watcher;
    QSignalSpy updated{&watcher, &BleScan2::deviceUpdated};
};

// The Bluetooth LE link discovering through a fake platform source.
struct DiscoveringLink
{
    DiscoveringLink()
    {
        link.startProjectToBle();
        link.startDeviceDiscovery();
    }

    FakeAdvertisementSource *fake = new FakeAdvertisementSource;
    Device link{std::unique_ptr<AdvertisementSource>(fake)};
};

} // namespace

// The advertisement watcher's logic, fed through its platform interface.
class TestBleScan2 : public QObject
{
    Q_OBJECT

private slots:
    void startRunsSourceAgain()
    {
        Watcher w;
        QCOMPARE(w.fake->starts, 1);
        QCOMPARE(w.fake->startedMethods, quint8(2));
        w.receive(advertisement(Q_UINT64_C(0x0080E1000001)));
        w.watcher.start();
        QCOMPARE(w.fake->starts, 2);
        w.receive(advertisement(Q_UINT64_C(0x0080E1000001)));
        QCOMPARE(w.updated.count(), 2);
    }

    void keepsOnlyCellAddresses_data()
    {
        QTest::addColumn<quint64>("address");
        QTest::addColumn<bool>("delivered");
        QTest::newRow("00:80:E1:00:00:01") << Q_UINT64_C(0x0080E1000001) << true;
        QTest::newRow("00:80:E1:FF:FF:FF") << Q_UINT64_C(0x0080E1FFFFFF) << true;
        QTest::newRow("00:80:E2:00:00:01") << Q_UINT64_C(0x0080E2000001) << false;
        QTest::newRow("00:81:E1:00:00:01") << Q_UINT64_C(0x0081E1000001) << false;
        QTest::newRow("E1:80:00:00:00:01") << Q_UINT64_C(0xE18000000001) << false;
        QTest::newRow("above 48 bits") << Q_UINT64_C(0x010080E1000001) << true;
    }
    void keepsOnlyCellAddresses()
    {
        QFETCH(quint64, address);
        QFETCH(bool, delivered);
        Watcher w;
        w.receive(advertisement(address, {{cellpayload::CompanyId, cellPayload(1)}}));
        QCOMPARE(w.updated.count(), delivered ? 1 : 0);
    }

    void manufacturerSections_data()
    {
        QTest::addColumn<Sections>("sections");
        QTest::addColumn<QVector<quint16>>("companies");
        QTest::addColumn<QByteArray>("data");
        const QByteArray a("first"), b("second"), x("other");
        QTest::newRow("none") << Sections{} << QVector<quint16>{} << QByteArray();
        QTest::newRow("cell company") << Sections{{6, a}} << QVector<quint16>{6} << a;
        QTest::newRow("later section replaces") << Sections{{6, a}, {6, b}} << QVector<quint16>{6} << b;
        QTest::newRow("cell company wins after") << Sections{{0x59, x}, {6, a}} << QVector<quint16>{6} << a;
        QTest::newRow("cell company wins before") << Sections{{6, a}, {0x59, x}} << QVector<quint16>{6} << a;
        QTest::newRow("other company only") << Sections{{0x59, x}} << QVector<quint16>{0x59} << x;
        QTest::newRow("empty section") << Sections{{6, QByteArray()}} << QVector<quint16>{6} << QByteArray();
    }
    void manufacturerSections()
    {
        QFETCH(Sections, sections);
        QFETCH(QVector<quint16>, companies);
        QFETCH(QByteArray, data);
        Watcher w;
        w.receive(advertisement(Q_UINT64_C(0x0080E126D3AA), sections, -59));

        QCOMPARE(w.updated.count(), 1);
        const auto info = w.updated[0][0].value<QBluetoothDeviceInfo>();
        QCOMPARE(w.updated[0][1].value<QBluetoothDeviceInfo::Fields>(), QBluetoothDeviceInfo::Fields(0x7FFF));
        QCOMPARE(info.address().toString(), QStringLiteral("00:80:E1:26:D3:AA"));
        QCOMPARE(info.name(), QString());
        QCOMPARE(info.rssi(), qint16(-59));
        QCOMPARE(info.manufacturerIds(), companies);
        if (!companies.isEmpty())
            QCOMPARE(info.manufacturerData(companies.first()), data);
    }

    void knownDevicesAreFound()
    {
        DiscoveringLink d;
        Device &link = d.link;
        QBluetoothDeviceInfo info(QBluetoothAddress(QStringLiteral("00:80:E1:00:00:05")), QStringLiteral("cell"), 0);
        info.setManufacturerData(cellpayload::CompanyId, cellPayload(1));
        d.fake->sink->knownDeviceFound(info);
        QCOMPARE(link.devices().size(), 1);
        QCOMPARE(link.devices().first()->getName(), QStringLiteral("cell"));
    }

    void finishStopsWatcher()
    {
        Watcher w(1);
        QSignalSpy finished(&w.watcher, &BleScan2::scanFinished);
        QCOMPARE(w.fake->startedMethods, quint8(1));
        w.fake->sink->discoveryFinished();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(w.fake->stops, 1);
        QVERIFY(!w.fake->sink);
        // Still usable: the owner may start it again.
        w.watcher.start();
        QCOMPARE(w.fake->starts, 2);
    }

    void platformThreadReachesLinkQueued()
    {
        DiscoveringLink d;
        Device &link = d.link;
        QThread *linkThread = nullptr;
        QVector<int> online;
        connect(&link, &Device::deviceDataUpdated, this, [&](const bleCellState &record, const QString &) {
            linkThread = QThread::currentThread();
            online.append(record.online);
        });

        AdvertisementSink *sink = d.fake->sink;
        QThread *platform = QThread::create([sink] {
            for (quint16 sequence = 1; sequence <= 3; ++sequence)
                sink->advertisementReceived(
                    advertisement(Q_UINT64_C(0x0080E126D3AA), {{cellpayload::CompanyId, cellPayload(sequence)}}));
            // A section from another company in the same advertisement does not hide the cell.
            sink->advertisementReceived(advertisement(
                Q_UINT64_C(0x0080E126D3AA), {{0x004C, QByteArray("x")}, {cellpayload::CompanyId, cellPayload(4)}}));
            // No manufacturer data: delivered by the watcher, ignored by the link.
            sink->advertisementReceived(advertisement(Q_UINT64_C(0x0080E126D3AA)));
        });
        platform->start();
        QVERIFY(platform->wait(5000));
        delete platform;
        QTRY_COMPARE(online.size(), 3);
        QCOMPARE(linkThread, QThread::currentThread());
        QCOMPARE(online, (QVector<int>{1, 1, 1}));
        QCOMPARE(link.devices().size(), 1);
    }

    void platformSourceWithoutAdapter()
    {
        // With no adapter the agent reports an error at once; the link stays usable.
        Device link;
        link.startProjectToBle();
        link.startDeviceDiscovery();
        link.updataAddressData();
        link.startDeviceDiscovery();
        QTest::qWait(50);
        QVERIFY(link.state());
        QCOMPARE(link.getUpdate(), QStringLiteral("Search"));
    }
};

QTEST_GUILESS_MAIN(TestBleScan2)
#include "tst_blescan2.moc"
