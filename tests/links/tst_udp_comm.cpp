#include "links/udp_comm.h"

#include <QMetaProperty>
#include <QtTest>

#include <limits>

class TestUdpComm : public QObject
{
    Q_OBJECT

private slots:
    void startsWithAClearedTableAndItsRecorder()
    {
        UDP_Comm link(nullptr);
        // The recorder belongs to the link and is reachable from QML as an object.
        QVERIFY(link.dataSave() != nullptr);
        QCOMPARE(link.dataSave()->parent(), &link);
        QCOMPARE(link.property("dataSave").value<QObject *>(), link.dataSave());
        QCOMPARE(link.dataProTime(), 100u);
        QVERIFY(!link.udpConnectFlag());
        QCOMPARE(link.hubTable().sequence(), quint16(0));
        for (int i = 0; i < HubTable::SlotCount; ++i)
            QVERIFY(link.hubTable().isFree(i));
        QVERIFY(link.interfaces().isEmpty());
        QCOMPARE(link.owner(), nullptr);
    }

    void propertiesNotifyOnlyOnChange_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("resetValue");
        QTest::newRow("ipAddr") << QByteArray("ipAddr") << QVariant(QStringLiteral("239.5.7.31")) << QVariant(QString());
        QTest::newRow("dataProTime") << QByteArray("dataProTime") << QVariant(250u) << QVariant(0u);
        QTest::newRow("UdpID") << QByteArray("UdpID") << QVariant::fromValue<uint8_t>(17)
                               << QVariant::fromValue<uint8_t>(0);
        QTest::newRow("Udpi") << QByteArray("Udpi") << QVariant::fromValue<uint8_t>(9)
                              << QVariant::fromValue<uint8_t>(0);
    }
    void propertiesNotifyOnlyOnChange()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariant, value);
        QFETCH(QVariant, resetValue);
        UDP_Comm link(nullptr);
        const QMetaObject *mo = link.metaObject();
        const QMetaProperty property = mo->property(mo->indexOfProperty(name.constData()));
        QVERIFY(property.isValid());
        QVERIFY(property.isResettable());
        QVERIFY(property.hasNotifySignal());
        QSignalSpy spy(&link, property.notifySignal());

        QVERIFY(property.write(&link, value));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(property.read(&link), value);
        QVERIFY(property.write(&link, value));
        QCOMPARE(spy.count(), 1);
        QVERIFY(property.reset(&link));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(property.read(&link), resetValue);
        QVERIFY(property.reset(&link));
        QCOMPARE(spy.count(), 2);
    }

    void connectFlagReportsSlotAndHubId()
    {
        UDP_Comm link(nullptr);
        link.setUdpi(3);
        link.setUdpID(7);
        QSignalSpy spy(&link, &UDP_Comm::udpConnectFlagChanged);
        link.setUdpConnectFlag(true);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QCOMPARE(spy.at(0).at(1).value<uint8_t>(), uint8_t(3));
        QCOMPARE(spy.at(0).at(2).value<uint8_t>(), uint8_t(7));
        QVERIFY(link.udpConnectFlag());
        QVERIFY(link.hubTable().connected(3));
        link.setUdpConnectFlag(true);
        QCOMPARE(spy.count(), 1);
        // The flag belongs to slot Udpi: another slot reads its own flag.
        link.setUdpi(4);
        QVERIFY(!link.udpConnectFlag());
        link.setUdpi(3);
        link.setUdpConnectFlag(false);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
        // A slot outside the table has no flag to set.
        link.setUdpi(200);
        link.setUdpConnectFlag(true);
        QCOMPARE(spy.count(), 2);
        QVERIFY(!link.udpConnectFlag());
    }

    void setUdpSettingNotifiesOnlyAChangedGroup()
    {
        UDP_Comm link(nullptr);
        QSignalSpy spy(&link, &UDP_Comm::ipAddrChanged);
        link.setUdpSetting("239.5.7.31", 2001, 7100);
        QCOMPARE(spy.count(), 1);
        link.setUdpSetting("239.5.7.31", 2002, 7101);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(link.ipAddr(), QStringLiteral("239.5.7.31"));
    }

    void portFromSetting_data()
    {
        QTest::addColumn<double>("setting");
        QTest::addColumn<int>("port");
        QTest::newRow("default receive port") << 2001.0 << 2001;
        QTest::newRow("fraction cut off") << 7100.9 << 7100;
        QTest::newRow("65535") << 65535.0 << 65535;
        QTest::newRow("65536 wraps") << 65536.0 << 0;
        QTest::newRow("field maximum keeps low 16 bits") << 600000.0 << (600000 & 0xFFFF);
        QTest::newRow("minus one") << -1.0 << 65535;
        QTest::newRow("negative fraction") << -0.5 << 0;
        QTest::newRow("huge") << 1e300 << int(std::fmod(1e300, 65536.0));
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0;
    }
    void portFromSetting()
    {
        QFETCH(double, setting);
        QFETCH(int, port);
        QCOMPARE(int(UDP_Comm::portFromSetting(setting)), port);
    }

    void sendWithoutHubsSendsNothingAndChangesNothing()
    {
        UDP_Comm link(nullptr);
        link.setUdpSetting("239.5.7.31", 2001, 7100);
        QList<QSignalSpy *> spies;
        const QMetaObject *mo = link.metaObject();
        for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
            spies.append(new QSignalSpy(&link, mo->property(i).notifySignal()));
        link.udpSendData(QString(36, QChar(0)));
        link.udpSendSetPara(0, "{}");
        link.udpSendSetPara(1, "{}");
        // No frame was built: the shared sequence has not moved.
        QCOMPARE(link.hubTable().sequence(), quint16(0));
        for (QSignalSpy *spy : qAsConst(spies))
            QCOMPARE(spy->count(), 0);
        qDeleteAll(spies);
    }
};

QTEST_GUILESS_MAIN(TestUdpComm)
#include "tst_udp_comm.moc"
