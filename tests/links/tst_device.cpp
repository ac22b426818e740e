#include "fakeadvertisementsource.h"
#include "links/blecellstate.h"
#include "links/cellpayload.h"
#include "links/device.h"
#include "links/deviceinfo.h"

#include <QBluetoothAddress>
#include <QtTest>

namespace {

const QString CellAddress = QStringLiteral("00:80:E1:26:D3:AA");

QByteArray payload(quint16 sequence, qint16 weight, quint16 index = 17)
{
    cellpayload::CellReading reading;
    reading.sequence = sequence;
    reading.cellIndex = index;
    reading.boxType = 2;
    reading.weight = weight;
    reading.battery = 93;
    return cellpayload::encode(reading);
}

QBluetoothDeviceInfo advertisement(const QByteArray &data, const QString &address = CellAddress, qint16 rssi = -61)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), QString(), 0);
    if (!data.isNull())
        info.setManufacturerData(cellpayload::CompanyId, data);
    info.setRssi(rssi);
    return info;
}

// The link's record signals in order of emission.
struct RecordLog
{
    QStringList events;
    QVector<bleCellState> records;

    explicit RecordLog(Device &link)
    {
        QObject::connect(&link, &Device::bleAddOnlineDevice, [this](const QString &address, int index) {
            events << QStringLiteral("add %1 %2").arg(address).arg(index);
        });
        QObject::connect(&link, &Device::deviceDataUpdated, [this](const bleCellState &record, const QString &address) {
            events << QStringLiteral("data %1 %2").arg(address).arg(record.online);
            records.append(record);
        });
    }
};

} // namespace

// The Bluetooth LE link fed with built advertisements.
class TestDevice : public QObject
{
    Q_OBJECT

private:
    FakeAdvertisementSource *m_source = nullptr;
    Device *m_link = nullptr;

    // Intake on and the reference cell registered by its first advertisement.
    void registerCell()
    {
        m_link->startProjectToBle();
        m_link->addDevice(advertisement(payload(1, 1)));
    }

private slots:
    void init()
    {
        auto source = std::make_unique<FakeAdvertisementSource>();
        m_source = source.get();
        m_link = new Device(std::move(source));
    }

    void cleanup()
    {
        delete m_link;
        m_link = nullptr;
    }

    void constructedIdle()
    {
        QCOMPARE(m_link->getUpdate(), QStringLiteral("Search"));
        QVERIFY(!m_link->state());
        QVERIFY(!m_link->intakeEnabled());
        QCOMPARE(m_source->starts, 0);
        // Intake starts disabled.
        RecordLog log(*m_link);
        m_link->addDevice(advertisement(payload(1, 10)));
        m_link->addDevice(advertisement(payload(2, 10)));
        QVERIFY(m_link->devices().isEmpty());
        QVERIFY(log.events.isEmpty());
    }

    void firstAdvertisementOnlyRegisters()
    {
        m_link->startProjectToBle();
        RecordLog log(*m_link);
        QSignalSpy listChanged(m_link, &Device::devicesUpdated);
        m_link->addDevice(advertisement(payload(1, 500)));
        QCOMPARE(listChanged.count(), 1);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(m_link->devices().size(), 1);
        QCOMPARE(m_link->devices().first()->getAddress(), CellAddress);
        QCOMPARE(m_link->getDevices().value<QList<QObject *>>().size(), 1);
    }

    void laterAdvertisementsDeliverRecords()
    {
        m_link->startProjectToBle();
        RecordLog log(*m_link);
        m_link->addDevice(advertisement(payload(1, 500)));
        m_link->deviceUpdated(advertisement(payload(2, -700), CellAddress, -48), QBluetoothDeviceInfo::Field::All);
        QCOMPARE(log.events, (QStringList{QStringLiteral("add 00:80:E1:26:D3:AA 17"),
                                          QStringLiteral("data 00:80:E1:26:D3:AA 1")}));
        const bleCellState record = log.records.first();
        QCOMPARE(record.cellIndex, quint16(17));
        QCOMPARE(record.online, quint8(1));
        QCOMPARE(record.errorNb, quint8(0));
        QCOMPARE(record.boxType, quint16(2));
        QCOMPARE(record.curData, qint16(-700));
        QCOMPARE(record.battery, quint8(93));
        QCOMPARE(cellAddress(record), CellAddress);
        QCOMPARE(cellRssi(record), QStringLiteral("-48"));

        // A second cell joins without disturbing the first.
        const QString other = QStringLiteral("00:80:E1:00:00:02");
        m_link->addDevice(advertisement(payload(1, 5, 3), other));
        m_link->addDevice(advertisement(payload(2, 6, 3), other));
        QCOMPARE(m_link->devices().size(), 2);
        QCOMPARE(log.events.mid(2), (QStringList{QStringLiteral("add 00:80:E1:00:00:02 3"),
                                                 QStringLiteral("data 00:80:E1:00:00:02 1")}));
    }

    void pollCountsSilence()
    {
        registerCell();
        m_link->addDevice(advertisement(payload(2, 510)));
        RecordLog log(*m_link);
        for (int poll = 1; poll <= 14; ++poll)
            m_link->updataAddressData();
        QCOMPARE(log.records.size(), 14);
        for (const bleCellState &record : qAsConst(log.records)) {
            QCOMPARE(record.online, quint8(1));
            QCOMPARE(record.curData, qint16(510));
            QCOMPARE(cellRssi(record), QStringLiteral("-61"));
        }
        m_link->updataAddressData();
        QCOMPARE(log.records.last().online, quint8(0));
        QCOMPARE(log.records.last().curData, qint16(510));
        QCOMPARE(log.records.last().cellIndex, quint16(17));
        QVERIFY(!log.events.join(QLatin1Char('\n')).contains(QLatin1String("add")));

        // A fresh advertisement makes the cell current again.
        m_link->addDevice(advertisement(payload(3, 520)));
        m_link->updataAddressData();
        QCOMPARE(log.records.last().online, quint8(1));
        QCOMPARE(log.records.last().curData, qint16(520));
    }

    void pollWrapsAboveTwoHundredFifty()
    {
        registerCell();
        RecordLog log(*m_link);
        DeviceInfo *entry = m_link->devices().first();
        for (int poll = 1; poll <= 600; ++poll) {
            m_link->updataAddressData();
            QVERIFY(entry->unchangedCount() >= qMin(poll, 15));
            QVERIFY(entry->unchangedCount() <= 250);
        }
        QCOMPARE(log.records.last().online, quint8(0));
        entry->setUnchangedCount(250);
        m_link->updataAddressData();
        QCOMPARE(entry->unchangedCount(), quint8(15));
        QCOMPARE(log.records.last().online, quint8(0));
    }

    void pollStartsWatcherOnce()
    {
        QSignalSpy stateChanged(m_link, &Device::stateChanged);
        m_link->updataAddressData();
        QCOMPARE(m_source->starts, 1);
        QCOMPARE(m_source->startedMethods, quint8(2));
        QVERIFY(m_link->state());
        QCOMPARE(stateChanged.count(), 1);
        m_link->updataAddressData();
        QCOMPARE(m_source->starts, 1);
        // An explicit discovery start runs the watcher again.
        m_link->startDeviceDiscovery();
        QCOMPARE(m_source->starts, 2);
        QCOMPARE(stateChanged.count(), 1);
    }

    void ignoredAdvertisements_data()
    {
        QTest::addColumn<QBluetoothDeviceInfo>("info");
        const QByteArray good = payload(2, 1);
        QTest::newRow("00:81 prefix") << advertisement(good, QStringLiteral("00:81:E1:26:D3:AA"));
        QTest::newRow("01:80 prefix") << advertisement(good, QStringLiteral("01:80:E1:26:D3:AA"));
        for (int i = 0; i < 4; ++i) {
            QByteArray badSignature = good;
            badSignature[i] = 'x';
            QTest::addRow("signature byte %d", i) << advertisement(badSignature);
            // Whatever its CRC.
            const quint16 crc = cellpayload::crc16Modbus(badSignature.constData(), 21);
            badSignature[21] = char(crc & 0xFF);
            badSignature[22] = char(crc >> 8);
            QTest::addRow("signature byte %d, CRC recomputed", i) << advertisement(badSignature);
        }
        QTest::newRow("no manufacturer data") << advertisement(QByteArray());
        QTest::newRow("other company") << [&] {
            QBluetoothDeviceInfo info(QBluetoothAddress(CellAddress), QString(), 0);
            info.setManufacturerData(0x0059, good);
            return info;
        }();
        QTest::newRow("22 bytes") << advertisement(good.left(22));
        QTest::newRow("signature only") << advertisement(QByteArray("nrov"));
        QTest::newRow("24 bytes") << advertisement(good + '\0');
        QTest::newRow("24 bytes, CRC at 22") << advertisement(good.left(22) + good.right(2));
    }
    void ignoredAdvertisements()
    {
        QFETCH(QBluetoothDeviceInfo, info);
        registerCell();
        RecordLog log(*m_link);
        QSignalSpy messages(m_link, &Device::qmlLogShowSignal);
        QSignalSpy listChanged(m_link, &Device::devicesUpdated);
        m_link->addDevice(info);
        m_link->addDevice(info);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(listChanged.count(), 0);
        QCOMPARE(m_link->devices().size(), 1);
    }

    void badCrcGivesOneMessage()
    {
        registerCell();
        RecordLog log(*m_link);
        QSignalSpy messages(m_link, &Device::qmlLogShowSignal);
        QByteArray bad = payload(2, 1);
        const quint16 computed = cellpayload::computedCrc(bad);
        bad[21] = char(0x34);
        bad[22] = char(0x12);
        m_link->addDevice(advertisement(bad));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages[0][0].toString(), QStringLiteral("INF"));
        QCOMPARE(messages[0][1].toString(), QStringLiteral("地址:00:80:E1:26:D3:AACRC 校验失败！接收:4660, 计算:%1").arg(computed));
        QVERIFY(log.events.isEmpty());
        // The entry keeps its last good advertisement.
        QCOMPARE(m_link->devices().first()->getDataGram(), payload(1, 1));
    }

    void closeAndStartIntake()
    {
        registerCell();
        m_link->closeProjectToBle();
        RecordLog log(*m_link);
        QSignalSpy listChanged(m_link, &Device::devicesUpdated);
        m_link->addDevice(advertisement(payload(2, 2)));
        m_link->addDevice(advertisement(payload(1, 1), QStringLiteral("00:80:E1:00:00:09")));
        QVERIFY(log.events.isEmpty());
        QCOMPARE(listChanged.count(), 0);
        QCOMPARE(m_link->devices().size(), 1);
        QCOMPARE(m_link->devices().first()->getDataGram(), payload(1, 1));

        // Starting forgets every cell; the next advertisement only registers again.
        m_link->startProjectToBle();
        QVERIFY(m_link->devices().isEmpty());
        QCOMPARE(listChanged.count(), 1);
        m_link->addDevice(advertisement(payload(3, 3)));
        QVERIFY(log.events.isEmpty());
        QCOMPARE(m_link->devices().size(), 1);
        m_link->addDevice(advertisement(payload(4, 4)));
        QCOMPARE(log.records.size(), 1);
    }

    void deviceInfoProperties()
    {
        registerCell();
        DeviceInfo *entry = m_link->devices().first();
        QCOMPARE(entry->property("deviceName").toString(), QString());
        QCOMPARE(entry->property("deviceAddress").toString(), CellAddress);
        QCOMPARE(entry->property("deviceData").toString(), QString::fromLatin1(payload(1, 1).toHex()));
        QCOMPARE(entry->property("deviceDataGram").toByteArray(), payload(1, 1));
        QCOMPARE(entry->property("WeightDataList").toString(), QString());
        QCOMPARE(entry->lastSequence(), quint16(1));

        QSignalSpy replaced(entry, &DeviceInfo::deviceChanged);
        m_link->addDevice(advertisement(payload(0xABCD, 2)));
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(entry->lastSequence(), quint16(0xABCD));
        QVERIFY(entry->getData().contains(QLatin1String("cdab")));
    }

    void scanStatusTexts_data()
    {
        QTest::addColumn<QBluetoothDeviceDiscoveryAgent::Error>("error");
        QTest::addColumn<QString>("text");
        QTest::newRow("powered off") << QBluetoothDeviceDiscoveryAgent::PoweredOffError
                                     << QStringLiteral("The Bluetooth adaptor is powered off, power it on before doing discovery.");
        QTest::newRow("input/output") << QBluetoothDeviceDiscoveryAgent::InputOutputError
                                      << QStringLiteral("Writing or reading from the device resulted in an error.");
        QTest::newRow("invalid adapter") << QBluetoothDeviceDiscoveryAgent::InvalidBluetoothAdapterError
                                         << QStringLiteral("Error: InvalidBluetoothAdapterError");
        QTest::newRow("unknown") << QBluetoothDeviceDiscoveryAgent::UnknownError << QStringLiteral("Error: UnknownError");
    }
    void scanStatusTexts()
    {
        QFETCH(QBluetoothDeviceDiscoveryAgent::Error, error);
        QFETCH(QString, text);
        m_link->startDeviceDiscovery();
        QSignalSpy updateChanged(m_link, &Device::updateChanged);
        QSignalSpy stateChanged(m_link, &Device::stateChanged);
        QSignalSpy listChanged(m_link, &Device::devicesUpdated);
        m_link->deviceScanError(error);
        QCOMPARE(m_link->property("update").toString(), text);
        QVERIFY(!m_link->state());
        QCOMPARE(updateChanged.count(), 1);
        QCOMPARE(stateChanged.count(), 1);
        QCOMPARE(listChanged.count(), 1);
        // Scanning cleared: the next poll starts the watcher again.
        m_link->updataAddressData();
        QCOMPARE(m_source->starts, 2);
    }

    void scanFinishedTexts()
    {
        m_link->startDeviceDiscovery();
        m_link->deviceScanFinished();
        QCOMPARE(m_link->getUpdate(), QStringLiteral("No Low Energy devices found..."));
        QVERIFY(!m_link->state());
        registerCell();
        m_link->deviceScanFinished();
        QCOMPARE(m_link->getUpdate(), QStringLiteral("Done! Scan Again!"));
    }

    void inertGattSide()
    {
        QSignalSpy disconnected(m_link, &Device::disconnected);
        QTest::ignoreMessage(QtWarningMsg, "Disconnect from device");
        m_link->disconnectFromDevice();
        QCOMPARE(disconnected.count(), 1);
        QTest::ignoreMessage(QtWarningMsg, "Disconnect from device");
        m_link->deviceDisconnected();
        QCOMPARE(disconnected.count(), 2);

        QTest::ignoreMessage(QtWarningMsg, "Error:  \"UnknownRemoteDeviceError\"");
        m_link->errorReceived(QLowEnergyController::UnknownRemoteDeviceError);
        QCOMPARE(m_link->getUpdate(), QStringLiteral("Back\n(UnknownRemoteDeviceError)"));

        QSignalSpy services(m_link, &Device::servicesUpdated);
        m_link->scanServices(CellAddress);
        m_link->connectToService(QStringLiteral("0x180f"));
        QCOMPARE(services.count(), 0);
        QVERIFY(m_link->property("servicesList").value<QList<QObject *>>().isEmpty());
        QVERIFY(m_link->property("characteristicList").value<QList<QObject *>>().isEmpty());
        QCOMPARE(m_link->property("controllerError").toBool(), false);
    }

    void writableTextsAndFlagsNotifyOnEveryWrite()
    {
        const QVector<QPair<const char *, QVariant>> writes{
            {"useRandomAddress", true}, {"update", QStringLiteral("x")}, {"curAddrData", QStringLiteral("0001")}};
        for (const auto &[name, value] : writes) {
            const QMetaProperty property = m_link->metaObject()->property(m_link->metaObject()->indexOfProperty(name));
            QSignalSpy changed(m_link, property.notifySignal());
            QVERIFY(property.write(m_link, value));
            QVERIFY(property.write(m_link, value));
            QCOMPARE(changed.count(), 2);
            QCOMPARE(property.read(m_link), value);
        }
        QSignalSpy dataChanged(m_link, &Device::curAddrDataChanged);
        QVERIFY(m_link->metaObject()->property(m_link->metaObject()->indexOfProperty("curAddrData")).reset(m_link));
        QCOMPARE(m_link->curAddrData(), QString());
        QCOMPARE(dataChanged.count(), 1);
    }

    void showAddressData()
    {
        registerCell();
        m_link->setCurAddrData(QStringLiteral("stale"));
        QSignalSpy dataChanged(m_link, &Device::curAddrDataChanged);
        m_link->updataShowAddressData(QStringLiteral("00:80:E1:00:00:01"));
        QCOMPARE(dataChanged.count(), 0);
        m_link->updataShowAddressData(CellAddress);
        QCOMPARE(dataChanged.count(), 1);
        QCOMPARE(m_link->curAddrData(), QString());
    }
};

QTEST_GUILESS_MAIN(TestDevice)
#include "tst_device.moc"
