#include "ui/settings/displaycommand.h"
#include "ui/settings/displayunit.h"
#include "ui/settings/receiveportvalidator.h"
#include "ui/settings/samplingrate.h"

#include <QSignalSpy>
#include <QtTest>

#include <limits>

// The settings page's rules: the hubs' display command, the recording rates,
// the receive port the field lets through and the display unit.
class TestSystemSettingRules : public QObject
{
    Q_OBJECT

private slots:
    void displayCommandBytes_data();
    void displayCommandBytes();
    void displayCommandAnnouncesEachChange();
    void samplingRates_data();
    void samplingRates();
    void storedRatePosition_data();
    void storedRatePosition();
    void receivePortField_data();
    void receivePortField();
    void unitFactor_data();
    void unitFactor();
};

void TestSystemSettingRules::displayCommandBytes_data()
{
    QTest::addColumn<bool>("digitDisplay");
    QTest::addColumn<bool>("weightShown");
    QTest::addColumn<int>("flag");

    QTest::newRow("display off, weights") << false << true << 3;
    QTest::newRow("display on, weights") << true << true << 2;
    QTest::newRow("display on, addresses") << true << false << 0;
    QTest::newRow("display off, addresses") << false << false << 1;
}

void TestSystemSettingRules::displayCommandBytes()
{
    QFETCH(bool, digitDisplay);
    QFETCH(bool, weightShown);
    QFETCH(int, flag);

    DisplayCommand command;
    command.setDigitDisplay(digitDisplay);
    command.setWeightShown(weightShown);
    QCOMPARE(command.flag(), flag);

    // The hub link sends the text as UTF-8: these are the bytes on the wire.
    QByteArray expected(36, '\0');
    expected[0] = 0x24;
    expected[2] = 0x03;
    expected[4] = char(flag);
    QCOMPARE(command.command().toUtf8(), expected);
    QCOMPARE(DisplayCommand::build(digitDisplay, weightShown).toUtf8(), expected);
}

void TestSystemSettingRules::displayCommandAnnouncesEachChange()
{
    DisplayCommand command;
    QSignalSpy changed(&command, &DisplayCommand::commandChanged);
    command.setDigitDisplay(true);
    command.setWeightShown(true);
    QCOMPARE(changed.count(), 0);
    command.setWeightShown(false);
    command.setDigitDisplay(false);
    QCOMPARE(changed.count(), 2);
    command.resetDigitDisplay();
    command.resetWeightShown();
    QCOMPARE(changed.count(), 4);
    QCOMPARE(command.flag(), 2);
}

void TestSystemSettingRules::samplingRates_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("interval");
    QTest::addColumn<qulonglong>("saveTick");

    QTest::newRow("2 s") << 0 << 2000 << qulonglong(1000);
    QTest::newRow("1 s") << 1 << 1000 << qulonglong(500);
    QTest::newRow("0.5 s") << 2 << 500 << qulonglong(250);
    QTest::newRow("unknown position keeps 1 s") << 3 << 1000 << qulonglong(500);
    QTest::newRow("negative position keeps 1 s") << -1 << 1000 << qulonglong(500);
}

void TestSystemSettingRules::samplingRates()
{
    QFETCH(int, index);
    QFETCH(int, interval);
    QFETCH(qulonglong, saveTick);

    QCOMPARE(SamplingRate::choices(), QStringList({"2", "1", "0.5"}));
    QCOMPARE(SamplingRate::intervalMs(index), interval);
    QCOMPARE(SamplingRate::saveTick(index), saveTick);
}

void TestSystemSettingRules::storedRatePosition_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<int>("index");

    QTest::newRow("0") << 0.0 << 0;
    QTest::newRow("2") << 2.0 << 2;
    QTest::newRow("3 is no position") << 3.0 << -1;
    QTest::newRow("fraction") << 1.5 << -1;
    QTest::newRow("negative") << -1.0 << -1;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << -1;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << -1;
    QTest::newRow("huge") << 1e300 << -1;
}

void TestSystemSettingRules::storedRatePosition()
{
    QFETCH(double, stored);
    QFETCH(int, index);
    QCOMPARE(SamplingRate::indexFromStored(stored), index);
}

void TestSystemSettingRules::receivePortField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("port");

    QTest::newRow("default") << "2001" << int(QValidator::Acceptable) << 2001;
    QTest::newRow("lowest") << "1" << int(QValidator::Acceptable) << 1;
    QTest::newRow("highest") << "65535" << int(QValidator::Acceptable) << 65535;
    QTest::newRow("leading zero") << "02002" << int(QValidator::Acceptable) << 2002;
    QTest::newRow("one beyond") << "65536" << int(QValidator::Invalid) << 0;
    QTest::newRow("70000") << "70000" << int(QValidator::Invalid) << 0;
    QTest::newRow("field's old limit") << "600000" << int(QValidator::Invalid) << 0;
    QTest::newRow("beyond 64 bits") << "99999999999999999999999" << int(QValidator::Invalid) << 0;
    QTest::newRow("empty while editing") << "" << int(QValidator::Intermediate) << 0;
    QTest::newRow("zero") << "0" << int(QValidator::Intermediate) << 0;
    QTest::newRow("letters") << "20a1" << int(QValidator::Invalid) << 0;
    QTest::newRow("sign") << "-2001" << int(QValidator::Invalid) << 0;
    QTest::newRow("plus") << "+2001" << int(QValidator::Invalid) << 0;
    QTest::newRow("space") << " 2001" << int(QValidator::Invalid) << 0;
    QTest::newRow("full-width digits") << QString::fromUtf8("２００１") << int(QValidator::Invalid) << 0;
}

void TestSystemSettingRules::receivePortField()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(int, port);

    ReceivePortValidator validator;
    QString input = text;
    int pos = input.size();
    QCOMPARE(int(validator.validate(input, pos)), state);
    QCOMPARE(input, text);
    QCOMPARE(ReceivePortValidator::portFromText(text), port);
    QCOMPARE(validator.port(text), port);
}

void TestSystemSettingRules::unitFactor_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("index");

    QTest::newRow("KG") << "KG" << "KG" << 1.0 << 0;
    QTest::newRow("LB") << "LB" << "LB" << 2.20462262185 << 1;
    QTest::newRow("nothing stored reads as KG") << "" << "KG" << 1.0 << 0;
    QTest::newRow("unknown counts as KG") << "kg" << "KG" << 1.0 << 0;
}

void TestSystemSettingRules::unitFactor()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(double, factor);
    QFETCH(int, index);

    DisplayUnit unit;
    unit.setUnit(QStringLiteral("LB"));
    unit.setUnit(QStringLiteral("KG"));
    QSignalSpy changed(&unit, &DisplayUnit::unitChanged);
    unit.setUnit(stored);
    QCOMPARE(unit.unit(), shown);
    QCOMPARE(unit.conFactor(), factor);
    QCOMPARE(unit.unitIndex(), index);
    QCOMPARE(changed.count(), shown == QLatin1String("KG") ? 0 : 1);
    QCOMPARE(DisplayUnit::factorOf(shown), factor);
}

QTEST_GUILESS_MAIN(TestSystemSettingRules)
#include "tst_systemsettingrules.moc"
