#include "links/characteristicinfo.h"
#include "links/serviceinfo.h"

#include <QtTest>

// Texts of the GATT service and characteristic wrappers.
class TestGattInfo : public QObject
{
    Q_OBJECT

private slots:
    void uuidText_data();
    void uuidText();
    void typeText_data();
    void typeText();
    void valueText_data();
    void valueText();
    void permissionText_data();
    void permissionText();
    void emptyCharacteristic();
};

void TestGattInfo::uuidText_data()
{
    QTest::addColumn<QBluetoothUuid>("uuid");
    QTest::addColumn<QString>("text");
    QTest::newRow("16 bit") << QBluetoothUuid(quint16(0x180F)) << QStringLiteral("0x180f");
    QTest::newRow("32 bit") << QBluetoothUuid(quint32(0x12345678)) << QStringLiteral("0x12345678");
    QTest::newRow("128 bit") << QBluetoothUuid(QStringLiteral("{6e400001-b5a3-f393-e0a9-e50e24dcca9e}"))
                             << QStringLiteral("6e400001-b5a3-f393-e0a9-e50e24dcca9e");
}

void TestGattInfo::uuidText()
{
    QFETCH(QBluetoothUuid, uuid);
    QFETCH(QString, text);
    QCOMPARE(ServiceInfo::uuidText(uuid), text);
}

void TestGattInfo::typeText_data()
{
    QTest::addColumn<int>("types");
    QTest::addColumn<QString>("text");
    QTest::newRow("primary") << int(QLowEnergyService::PrimaryService) << QStringLiteral("<primary>");
    QTest::newRow("secondary") << 0 << QStringLiteral("<secondary>");
    QTest::newRow("primary included")
        << int(QLowEnergyService::PrimaryService | QLowEnergyService::IncludedService)
        << QStringLiteral("<primary included>");
    QTest::newRow("secondary included") << int(QLowEnergyService::IncludedService)
                                        << QStringLiteral("<secondary included>");
}

void TestGattInfo::typeText()
{
    QFETCH(int, types);
    QFETCH(QString, text);
    QCOMPARE(ServiceInfo::typeText(QLowEnergyService::ServiceTypes(types)), text);
}

void TestGattInfo::valueText_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("<none>");
    QTest::newRow("text") << QByteArray("AB") << QStringLiteral("AB\n4142");
}

void TestGattInfo::valueText()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    QCOMPARE(CharacteristicInfo::valueText(value), text);
}

void TestGattInfo::permissionText_data()
{
    QTest::addColumn<int>("properties");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << QStringLiteral("(  )");
    QTest::newRow("read notify") << int(QLowEnergyCharacteristic::Read | QLowEnergyCharacteristic::Notify)
                                 << QStringLiteral("(  Read Notify )");
    QTest::newRow("all") << 0xFF
                         << QStringLiteral("(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )");
}

void TestGattInfo::permissionText()
{
    QFETCH(int, properties);
    QFETCH(QString, text);
    QCOMPARE(CharacteristicInfo::permissionText(QLowEnergyCharacteristic::PropertyTypes(properties)), text);
}

void TestGattInfo::emptyCharacteristic()
{
    CharacteristicInfo info{QLowEnergyCharacteristic()};
    QCOMPARE(info.property("characteristicName").toString(), QStringLiteral("Unknown"));
    QCOMPARE(info.property("characteristicValue").toString(), QStringLiteral("<none>"));
    QCOMPARE(info.property("characteristicHandle").toString(), QStringLiteral("0x0"));
    QSignalSpy changed(&info, &CharacteristicInfo::characteristicChanged);
    info.setCharacteristic(QLowEnergyCharacteristic());
    QCOMPARE(changed.count(), 1);

    ServiceInfo service(nullptr);
    QCOMPARE(service.property("serviceName").toString(), QString());
}

QTEST_GUILESS_MAIN(TestGattInfo)
#include "tst_gattinfo.moc"
