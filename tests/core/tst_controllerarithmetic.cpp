#include "core/groupindextext.h"
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
    // Sums (totals, groups) are cut towards zero after each step; published
    // values are rounded, halves upwards; both saturate instead of overflowing.
    void arithmetic_data()
    {
        QTest::addColumn<bool>("sum");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("result");
        QTest::newRow("sum: 1.5 onto 1") << true << 1.0 << 1.5 << 2;
        QTest::newRow("sum: towards zero below 0") << true << 0.0 << -1.5 << -1;
        QTest::newRow("sum: huge tare saturates low") << true << 0.0 << -1e300 << IntMin;
        QTest::newRow("sum: huge reading saturates high") << true << 5.0 << 1e300 << IntMax;
        QTest::newRow("sum: overflowing") << true << double(IntMax) << 10.0 << IntMax;
        QTest::newRow("sum: not a number") << true << 7.0 << qQNaN() << 0;
        QTest::newRow("scaled: tenths") << false << 1234.0 << 0.1 << 123;
        QTest::newRow("scaled: half up") << false << 25.0 << 0.1 << 3;
        QTest::newRow("scaled: minus half up") << false << -25.0 << 0.1 << -2;
        QTest::newRow("scaled: beyond int") << false << 3e9 << 1.0 << IntMax;
        QTest::newRow("scaled: below int") << false << -3e9 << 1.0 << IntMin;
        QTest::newRow("scaled: just inside the top") << false << 2147483646.6 << 1.0 << IntMax;
        QTest::newRow("scaled: not a number") << false << qQNaN() << 1.0 << 0;
    }
    void arithmetic()
    {
        QFETCH(bool, sum);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, result);
        QCOMPARE(sum ? WeightArithmetic::addTruncated(int(a), b) : WeightArithmetic::scaled(a, b), result);
    }

    void connectMask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("id");
        QTest::addColumn<quint32>("result");
        QTest::newRow("hub 3 connects") << 0 << true << 3 << 0x00040004u;
        QTest::newRow("hub 3 disconnects") << 0x00040004 << false << 3 << 0x00040000u;
        QTest::newRow("hub 1 joins hub 3") << 0x00040004 << true << 1 << 0x00050005u;
        QTest::newRow("hub 16") << 0 << true << 16 << 0x80008000u;
        QTest::newRow("hub 17 spills out of the low half") << 0 << true << 17 << 0x00010000u;
        QTest::newRow("hub 0 is bit 31") << 0 << true << 0 << 0x80000000u;
        QTest::newRow("hub 33 wraps to bit 0") << 0 << true << 33 << 0x00010001u;
    }
    void connectMask()
    {
        QFETCH(int, mask);
        QFETCH(bool, connected);
        QFETCH(int, id);
        QFETCH(quint32, result);
        QCOMPARE(quint32(HubConnectMask::updated(mask, connected, uint8_t(id))), result);
    }

    // A group's member list: ten values, each followed by a comma.
    void groupIndexText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("two values") << "5,6" << "5,6,0,0,0,0,0,0,0,0,";
        QTest::newRow("not a number reads 0") << "3,x,7" << "3,0,7,0,0,0,0,0,0,0,";
        QTest::newRow("ten values") << "1,2,3,4,5,6,7,8,9,10" << "1,2,3,4,5,6,7,8,9,10,";
        QTest::newRow("own output reads back") << "5,6,0,0,0,0,0,0,0,0," << "5,6,0,0,0,0,0,0,0,0,";
        QTest::newRow("eleven values") << "1,2,3,4,5,6,7,8,9,10,11" << "unchanged";
        QTest::newRow("eleven with an empty one") << "1,2,3,4,5,6,7,8,9,10,,1" << "unchanged";
    }
    void groupIndexText()
    {
        QFETCH(QString, input);
        QFETCH(QString, output);
        QString normalized = QStringLiteral("unchanged");
        QCOMPARE(GroupIndexText::normalize(input, normalized), output != "unchanged");
        QCOMPARE(normalized, output);
    }
};

QTEST_GUILESS_MAIN(TestControllerArithmetic)
#include "tst_controllerarithmetic.moc"
