#include "links/characteristicinfo.h"
#include "links/serviceinfo.h"

#include <QtTest>

// Texts of the GATT service and characteristic wrappers.
class TestGattInfo : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        using C = QLowEnergyCharacteristic;
        using S = QLowEnergyService;
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("uuid 16 bit") << ServiceInfo::uuidText(QBluetoothUuid(quint16(0x180F))) << "0x180f";
        QTest::newRow("uuid 32 bit") << ServiceInfo::uuidText(QBluetoothUuid(quint32(0x12345678))) << "0x12345678";
        QTest::newRow("uuid 128 bit")
            << ServiceInfo::uuidText(QBluetoothUuid(QStringLiteral("{6e400001-b5a3-f393-e0a9-e50e24dcca9e}")))
            << "6e400001-b5a3-f393-e0a9-e50e24dcca9e";
        QTest::newRow("type primary") << ServiceInfo::typeText(S::PrimaryService) << "<primary>";
        QTest::newRow("type secondary") << ServiceInfo::typeText(S::ServiceTypes()) << "<secondary>";
        QTest::newRow("type primary included") << ServiceInfo::typeText(S::PrimaryService | S::IncludedService)
                                               << "<primary included>";
        QTest::newRow("type secondary included") << ServiceInfo::typeText(S::IncludedService)
                                                 << "<secondary included>";
        QTest::newRow("value empty") << CharacteristicInfo::valueText(QByteArray()) << "<none>";
        QTest::newRow("value text") << CharacteristicInfo::valueText("AB") << "AB\n4142";
        QTest::newRow("permission none") << CharacteristicInfo::permissionText(C::PropertyTypes()) << "(  )";
        QTest::newRow("permission read notify") << CharacteristicInfo::permissionText(C::Read | C::Notify)
                                                << "(  Read Notify )";
        QTest::newRow("permission all")
            << CharacteristicInfo::permissionText(C::PropertyTypes(0xFF))
            << "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void emptyCharacteristic()
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
};

QTEST_GUILESS_MAIN(TestGattInfo)
#include "tst_gattinfo.moc"
