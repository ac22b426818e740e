#include "ui/common/cellidrange.h"

#include <QtTest>

// The cell range grammar ("1.05-2.07") shared by the range fields.
class TestCellIdRange : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void block_data();
    void block();
    void typing_data();
    void typing();
};

void TestCellIdRange::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QVector<int>>("ends");

    QTest::newRow("two pages") << "1.05-2.07" << true << QVector<int>{1, 5, 2, 7};
    QTest::newRow("descending kept as typed") << "9.99-1.1" << true << QVector<int>{9, 99, 1, 1};
    QTest::newRow("page 0") << "0.05-1.07" << false << QVector<int>{};
    QTest::newRow("two-digit page") << "10.01-10.99" << false << QVector<int>{};
    QTest::newRow("three-digit index") << "1.100-1.2" << false << QVector<int>{};
    QTest::newRow("one end") << "1.10" << false << QVector<int>{};
    QTest::newRow("open end") << "1.05-" << false << QVector<int>{};
    QTest::newRow("leading blank") << " 1.05-2.07" << false << QVector<int>{};
    QTest::newRow("empty") << "" << false << QVector<int>{};
}

void TestCellIdRange::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QVector<int>, ends);
    const std::optional<CellIdRange> range = CellIdRange::parse(text);
    QCOMPARE(range.has_value(), valid);
    if (range)
        QCOMPARE((QVector<int>{range->firstPage, range->firstIndex, range->lastPage, range->lastIndex}), ends);
}

void TestCellIdRange::block_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inside");

    QTest::newRow("first corner") << "1.05-2.07" << 1 << 5 << true;
    QTest::newRow("last corner") << "1.05-2.07" << 2 << 7 << true;
    QTest::newRow("page 1 beyond the page's end index") << "1.05-2.07" << 1 << 8 << false;
    QTest::newRow("page 2 before the first index") << "1.05-2.07" << 2 << 4 << false;
    QTest::newRow("page outside") << "1.05-2.07" << 3 << 6 << false;
    QTest::newRow("first end is the lower bound") << "2.07-1.05" << 1 << 6 << false;
}

void TestCellIdRange::block()
{
    QFETCH(QString, text);
    QFETCH(int, page);
    QFETCH(int, index);
    QFETCH(bool, inside);
    const std::optional<CellIdRange> range = CellIdRange::parse(text);
    QVERIFY(range);
    QCOMPARE(range->containsBlock(page, index), inside);
}

void TestCellIdRange::typing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    QTest::newRow("empty") << "" << int(QValidator::Intermediate);
    QTest::newRow("page") << "1" << int(QValidator::Intermediate);
    QTest::newRow("first end") << "1.05" << int(QValidator::Intermediate);
    QTest::newRow("dash") << "1.05-" << int(QValidator::Intermediate);
    QTest::newRow("whole") << "1.05-2.7" << int(QValidator::Acceptable);
    QTest::newRow("page 0") << "0" << int(QValidator::Invalid);
    QTest::newRow("third index digit") << "1.055" << int(QValidator::Invalid);
    QTest::newRow("past the end") << "1.05-2.07-" << int(QValidator::Invalid);
}

void TestCellIdRange::typing()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QCOMPARE(int(CellIdRange::check(text)), state);
}

QTEST_APPLESS_MAIN(TestCellIdRange)
#include "tst_cellidrange.moc"
