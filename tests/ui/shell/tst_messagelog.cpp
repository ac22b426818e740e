#include "ui/shell/messagelog.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

// Line stamping and the trimming that keeps a log area short.
class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void trimsOnceItPassesTheLimit_data();
    void trimsOnceItPassesTheLimit();
    void appendStampsEachLine();
    void clearEmptiesAndNotifiesOnlyOnChange();
};

void TestMessageLog::trimsOnceItPassesTheLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("cut");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");

    // The project page's message area and the information page's log.
    QTest::newRow("project page at limit") << 2000 << 1000 << 2000 << 2000;
    QTest::newRow("project page 2001") << 2000 << 1000 << 2001 << 1001;
    QTest::newRow("information page at limit") << 8000 << 4000 << 8000 << 8000;
    QTest::newRow("information page 8001") << 8000 << 4000 << 8001 << 4001;
    QTest::newRow("cut larger than text") << 10 << 50 << 11 << 0;
}

void TestMessageLog::trimsOnceItPassesTheLimit()
{
    QFETCH(int, limit);
    QFETCH(int, cut);
    QFETCH(int, length);
    QFETCH(int, kept);

    MessageLog log;
    log.setLimit(limit);
    log.setCut(cut);
    QString text;
    for (int i = 0; i < length; ++i)
        text.append(QChar(u'a' + i % 26));
    log.setText(text);

    QCOMPARE(log.text().size(), kept);
    // The newest text survives.
    QCOMPARE(log.text(), text.right(kept));
}

void TestMessageLog::appendStampsEachLine()
{
    MessageLog log;
    log.append(QStringLiteral("项目创建成功 /w/p1"));
    log.append(QStringLiteral("Project opened successfully;"));

    const QStringList lines = log.text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    const QRegularExpression stamp(QStringLiteral("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] "));
    QVERIFY(stamp.match(lines.at(0)).hasMatch());
    QVERIFY(lines.at(0).endsWith(QStringLiteral("项目创建成功 /w/p1")));
    QVERIFY(lines.at(1).endsWith(QStringLiteral("Project opened successfully;")));
}

void TestMessageLog::clearEmptiesAndNotifiesOnlyOnChange()
{
    MessageLog log;
    QSignalSpy changed(&log, &MessageLog::textChanged);
    log.clear();
    QCOMPARE(changed.count(), 0);
    log.append(QStringLiteral("x"));
    QCOMPARE(changed.count(), 1);
    log.clear();
    QCOMPARE(changed.count(), 2);
    QVERIFY(log.text().isEmpty());
}

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
