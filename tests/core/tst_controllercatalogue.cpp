// The weighing controller's messages through the compiled catalogues of the
// program's resources, switched with changeLanguage.
#include "core/weightingcontrol.h"

#include <QSignalSpy>
#include <QtTest>

class TestControllerCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void creationMessage_data();
    void creationMessage();
    void userIdMessageHasNoEnglishEntry();
};

void TestControllerCatalogue::creationMessage_data()
{
    QTest::addColumn<bool>("catalogueChinese");
    QTest::addColumn<bool>("CH");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese catalogue, Chinese text") << true << true << "创建设备ID:3.17";
    QTest::newRow("English catalogue, Chinese text") << false << true << "Create the device ID:3.17";
    QTest::newRow("English catalogue, English text") << false << false << "Create device ID:3.17";
    QTest::newRow("Chinese catalogue, English text") << true << false << "Create device ID:3.17";
}

void TestControllerCatalogue::creationMessage()
{
    QFETCH(bool, catalogueChinese);
    QFETCH(bool, CH);
    QFETCH(QString, message);
    WeightingConTrol control;
    control.changeLanguage(catalogueChinese);
    control.setCH(CH);
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.createCell(3, 17);
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(1).toString(), message);
}

void TestControllerCatalogue::userIdMessageHasNoEnglishEntry()
{
    WeightingConTrol control;
    control.changeLanguage(false);
    QSignalSpy log(&control, &WeightingConTrol::qmlLogShowSignal);
    control.bleAddOnlineDevice(QStringLiteral("00:80:E1:26:D3:AA"), 0);
    QCOMPARE(log.at(0).at(1).toString(),
             QStringLiteral("蓝牙设备MAC地址为:00:80:E1:26:D3:AA的用户ID不合理,需小于1000大于0"));
}

QTEST_GUILESS_MAIN(TestControllerCatalogue)
#include "tst_controllercatalogue.moc"
