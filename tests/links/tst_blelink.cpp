#include "links/blescan2.h"
#include "links/cellpayload.h"
#include "links/device.h"
#include "links/deviceinfo.h"

#include <QBluetoothAddress>
#include <QThread>
#include <QtTest>

using Sections = QVector<QPair<quint16, QByteArray>>;

namespace {

const QString CellAddress = QStringLiteral("00:80:E1:26:D3:AA");
constexpr quint64 CellNumber = Q_UINT64_C(0x0080E126D3AA);

// Stands in for the platform's Bluetooth stack; the test calls the sink the
// way a platform thread would.
struct FakeSource : AdvertisementSource
{
    void start(quint8 methods, AdvertisementSink *s) override { ++starts, startedMethods = methods, sink = s; }
    void stop() override { sink = nullptr; }

    int starts = 0;
    quint8 startedMethods = 0;
    AdvertisementSink *sink = nullptr;
};

QByteArray payload(quint16 sequence, qint16 weight = 1)
{
    return cellpayload::encode({sequence, 17, 0, weight, 93});
}

QBluetoothDeviceInfo advertisement(const QByteArray &data, const QString &address = CellAddress,
                                   quint16 company = cellpayload::CompanyId)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), QString(), 0);
    if (!data.isNull())
        info.setManufacturerData(company, data);
    info.setRssi(-61);
    return info;
}

Advertisement platformAdvertisement(quint64 address, const Sections &sections)
{
    return Advertisement{address, -59, sections};
}

} // namespace

// The Bluetooth LE link and its advertisement watcher, fed through the platform interface.
class TestBleLink : public QObject
{
    Q_OBJECT

private:
    FakeSource *m_source = nullptr;
    Device *m_link = nullptr;
    std::unique_ptr<QSignalSpy> m_records;

    // Intake on and the reference cell registered by its first advertisement.
    void registerCell()
    {
        m_link->startProjectToBle();
        m_link->addDevice(advertisement(payload(1)));
    }
    bleCellState lastRecord() const { return m_records->last().at(0).value<bleCellState>(); }

private slots:
    void init()
    {
        m_source = new FakeSource;
        m_link = new Device(std::unique_ptr<AdvertisementSource>(m_source));
        m_records = std::make_unique<QSignalSpy>(m_link, &Device::deviceDataUpdated);
    }
    void cleanup()
    {
        m_records.reset();
        delete m_link;
    }

    void firstAdvertisementRegistersLaterOnesDeliver()
    {
        m_link->addDevice(advertisement(payload(1)));
        QVERIFY(m_link->devices().isEmpty()); // intake starts disabled
        registerCell();
        QSignalSpy added(m_link, &Device::bleAddOnlineDevice);
        QCOMPARE(m_link->devices().size() - m_records->count(), 1);

        m_link->deviceUpdated(advertisement(payload(2, -700)), QBluetoothDeviceInfo::Field::All);
        QCOMPARE(added.count(), 1);
        QCOMPARE(added[0], (QList<QVariant>{CellAddress, 17}));
        const bleCellState record = lastRecord();
        QCOMPARE(record.online, quint8(1));
        QCOMPARE(record.curData, qint16(-700));
        QCOMPARE(cellRssi(record), QStringLiteral("-61"));

        // Closing stops intake; starting again forgets every cell.
        m_link->closeProjectToBle();
        m_link->addDevice(advertisement(payload(3)));
        QCOMPARE(m_records->count(), 1);
        m_link->startProjectToBle();
        QVERIFY(m_link->devices().isEmpty());
    }

    void pollCountsSilence()
    {
        registerCell();
        m_link->addDevice(advertisement(payload(2, 510)));
        m_records->clear();
        for (int poll = 1; poll <= 14; ++poll)
            m_link->updataAddressData();
        QCOMPARE(m_records->count(), 14);
        QCOMPARE(m_source->starts, 1); // the first poll starts the watcher, later ones leave it
        QCOMPARE(m_source->startedMethods, quint8(2));
        QCOMPARE(lastRecord().online, quint8(1));
        m_link->updataAddressData();
        QCOMPARE(lastRecord().online, quint8(0));

        // The count wraps back to silent instead of overflowing.
        DeviceInfo *entry = m_link->devices().first();
        entry->setUnchangedCount(250);
        m_link->updataAddressData();
        QCOMPARE(entry->unchangedCount(), quint8(15));
        QCOMPARE(lastRecord().online, quint8(0));

        // A fresh advertisement makes the cell current again.
        m_link->addDevice(advertisement(payload(3, 520)));
        m_link->updataAddressData();
        QCOMPARE(lastRecord().online, quint8(1));
        QCOMPARE(lastRecord().curData, qint16(520));
    }

    void ignoredAdvertisements_data()
    {
        QTest::addColumn<QBluetoothDeviceInfo>("info");
        QTest::addColumn<int>("messages");
        const QByteArray good = payload(2);
        QTest::newRow("00:81 prefix") << advertisement(good, QStringLiteral("00:81:E1:26:D3:AA")) << 0;
        QByteArray badSignature = good;
        badSignature[3] = 'x';
        const quint16 crc = cellpayload::crc16Modbus(badSignature.constData(), 21);
        badSignature[21] = char(crc & 0xFF);
        badSignature[22] = char(crc >> 8);
        QTest::newRow("signature wrong, CRC right") << advertisement(badSignature) << 0;
        QTest::newRow("no manufacturer data") << advertisement(QByteArray()) << 0;
        QTest::newRow("other company") << advertisement(good, CellAddress, 0x0059) << 0;
        QTest::newRow("22 bytes") << advertisement(good.left(22)) << 0;
        QTest::newRow("24 bytes, CRC at 22") << advertisement(good.left(22) + good.right(2)) << 0;
        QTest::newRow("CRC wrong, reported") << advertisement(good.left(21) + "\x34\x12") << 2;
    }
    void ignoredAdvertisements()
    {
        QFETCH(QBluetoothDeviceInfo, info);
        QFETCH(int, messages);
        registerCell();
        QSignalSpy log(m_link, &Device::qmlLogShowSignal);
        QSignalSpy listChanged(m_link, &Device::devicesUpdated);
        m_link->addDevice(info);
        m_link->addDevice(info);
        QCOMPARE(m_records->count() + listChanged.count(), 0);
        QCOMPARE(log.count(), messages);
        QCOMPARE(log.value(0).value(1).toString().contains(QLatin1String("4660")), messages > 0);
        QCOMPARE(m_link->devices().size(), 1);
        QCOMPARE(m_link->devices().first()->getDataGram(), payload(1));
    }

    void watcherDelivery_data()
    {
        QTest::addColumn<quint64>("address");
        QTest::addColumn<Sections>("sections");
        QTest::addColumn<QString>("delivered"); // company:data, rssi
        QTest::newRow("00:80:E1:FF:FF:FF") << Q_UINT64_C(0x0080E1FFFFFF) << Sections{{6, "a"}} << "6:a -59";
        QTest::newRow("above 48 bits") << Q_UINT64_C(0x010080E1000001) << Sections{{6, "a"}} << "6:a -59";
        QTest::newRow("00:80:E2") << Q_UINT64_C(0x0080E2000001) << Sections{{6, "a"}} << "";
        QTest::newRow("E1:80:00") << Q_UINT64_C(0xE18000000001) << Sections{{6, "a"}} << "";
        QTest::newRow("no sections") << CellNumber << Sections{} << "0: -59";
        QTest::newRow("later section replaces") << CellNumber << Sections{{6, "a"}, {6, "b"}} << "6:b -59";
        QTest::newRow("cell company after another") << CellNumber << Sections{{0x59, "x"}, {6, "a"}} << "6:a -59";
        QTest::newRow("cell company before another") << CellNumber << Sections{{6, "a"}, {0x59, "x"}} << "6:a -59";
        QTest::newRow("other company only") << CellNumber << Sections{{0x59, "x"}} << "89:x -59";
    }
    void watcherDelivery()
    {
        QFETCH(quint64, address);
        QFETCH(Sections, sections);
        QFETCH(QString, delivered);
        auto *source = new FakeSource;
        BleScan2 watcher(std::unique_ptr<AdvertisementSource>(source), 2);
        QSignalSpy updated(&watcher, &BleScan2::deviceUpdated);
        watcher.start();
        source->sink->advertisementReceived(platformAdvertisement(address, sections));
        QStringList seen;
        for (const QList<QVariant> &arguments : qAsConst(updated)) {
            const auto info = arguments[0].value<QBluetoothDeviceInfo>();
            QCOMPARE(info.manufacturerIds().size(), qMin(1, sections.size()));
            const quint16 company = info.manufacturerIds().value(0);
            seen << QStringLiteral("%1:%2 %3").arg(company).arg(QString(info.manufacturerData(company))).arg(info.rssi());
        }
        QCOMPARE(seen.join(','), delivered);
    }

    void platformThreadReachesTheLinkQueued()
    {
        m_link->startProjectToBle();
        m_link->startDeviceDiscovery();
        QThread *linkThread = nullptr;
        connect(m_link, &Device::deviceDataUpdated, this, [&] { linkThread = QThread::currentThread(); });
        AdvertisementSink *sink = m_source->sink;
        QThread *platform = QThread::create([sink] {
            for (quint16 sequence = 1; sequence <= 3; ++sequence)
                sink->advertisementReceived(platformAdvertisement(CellNumber, {{0x4C, "x"}, {6, payload(sequence)}}));
            sink->knownDeviceFound(advertisement(payload(4), QStringLiteral("00:80:E1:00:00:05")));
            sink->discoveryFinished();
        });
        platform->start();
        QVERIFY(platform->wait(5000));
        delete platform;
        QTRY_COMPARE(m_link->devices().size(), 2);
        QCOMPARE(m_records->count(), 2);
        QCOMPARE(linkThread, QThread::currentThread());
        QTRY_VERIFY(!m_source->sink); // finishing stopped the watcher
    }
};

QTEST_GUILESS_MAIN(TestBleLink)
#include "tst_blelink.moc"
