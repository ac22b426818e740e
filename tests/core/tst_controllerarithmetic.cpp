#include "core/hubconnectmask.h"
#include "core/weightarithmetic.h"

#include <QtTest>

#include <limits>

namespace {
constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
} // namespace

class TestControllerArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void addTruncated_data();
    void addTruncated();
    void scaled_data();
    void scaled();
    void connectMask_data();
    void connectMask();
};

void TestControllerArithmetic::addTruncated_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<double>("net");
    QTest::addColumn<int>("result");
    QTest::newRow("1.5 onto 0") << 0 << 1.5 << 1;
    QTest::newRow("1.5 onto 1") << 1 << 1.5 << 2;
    QTest::newRow("towards zero below 0") << 0 << -1.5 << -1;
    QTest::newRow("-0.4 onto 0") << 0 << -0.4 << 0;
    QTest::newRow("whole numbers") << 1200 << 34.0 << 1234;
    QTest::newRow("huge tare saturates low") << 0 << -1e300 << IntMin;
    QTest::newRow("huge reading saturates high") << 5 << 1e300 << IntMax;
    QTest::newRow("overflowing the sum") << IntMax << 10.0 << IntMax;
    QTest::newRow("not a number") << 7 << qQNaN() << 0;
    QTest::newRow("infinite") << 7 << -qInf() << IntMin;
}

void TestControllerArithmetic::addTruncated()
{
    QFETCH(int, sum);
    QFETCH(double, net);
    QFETCH(int, result);
    QCOMPARE(WeightArithmetic::addTruncated(sum, net), result);
}

void TestControllerArithmetic::scaled_data()
{
    QTest::addColumn<double>("raw");
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("result");
    QTest::newRow("kilograms") << 1234.0 << 1.0 << 1234;
    QTest::newRow("tenths") << 1234.0 << 0.1 << 123;
    QTest::newRow("half up") << 25.0 << 0.1 << 3;
    QTest::newRow("minus half up") << -25.0 << 0.1 << -2;
    QTest::newRow("2.5") << 2.5 << 1.0 << 3;
    QTest::newRow("-2.5") << -2.5 << 1.0 << -2;
    QTest::newRow("pounds") << 1000.0 << 2.20462262185 << 2205;
    QTest::newRow("factor 0") << 1000.0 << 0.0 << 0;
    QTest::newRow("beyond int") << 3e9 << 1.0 << IntMax;
    QTest::newRow("below int") << -3e9 << 1.0 << IntMin;
    QTest::newRow("just inside the top") << 2147483646.6 << 1.0 << IntMax;
    QTest::newRow("just inside the bottom") << -2147483647.7 << 1.0 << IntMin;
    QTest::newRow("not a number") << qQNaN() << 1.0 << 0;
}

void TestControllerArithmetic::scaled()
{
    QFETCH(double, raw);
    QFETCH(double, factor);
    QFETCH(int, result);
    QCOMPARE(WeightArithmetic::scaled(raw, factor), result);
}

void TestControllerArithmetic::connectMask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("id");
    QTest::addColumn<quint32>("result");
    QTest::newRow("hub 3 connects") << 0 << true << 3 << 0x00040004u;
    QTest::newRow("hub 3 disconnects") << 0x00040004 << false << 3 << 0x00040000u;
    QTest::newRow("hub 1 joins hub 3") << 0x00040004 << true << 1 << 0x00050005u;
    QTest::newRow("hub 9") << 0 << true << 9 << 0x01000100u;
    QTest::newRow("hub 16") << 0 << true << 16 << 0x80008000u;
    // Hub IDs 17 to 29 do not fit a 16-bit half: the bit spills into the
    // high half and drops out of it, exactly as 32-bit arithmetic gives.
    QTest::newRow("hub 17") << 0 << true << 17 << 0x00010000u;
    QTest::newRow("hub 0 is bit 31") << 0 << true << 0 << 0x80000000u;
    QTest::newRow("hub 0 leaves, its bit read as seen") << int(0x80000000u) << false << 0 << 0x80000000u;
    QTest::newRow("hub 33 wraps to bit 0") << 0 << true << 33 << 0x00010001u;
}

void TestControllerArithmetic::connectMask()
{
    QFETCH(int, mask);
    QFETCH(bool, connected);
    QFETCH(int, id);
    QFETCH(quint32, result);
    QCOMPARE(quint32(HubConnectMask::updated(mask, connected, uint8_t(id))), result);
}

QTEST_GUILESS_MAIN(TestControllerArithmetic)
#include "tst_controllerarithmetic.moc"
