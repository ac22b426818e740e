#include "ui/shell/messagelog.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList g_fileLines;

void captureFileLine(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    g_fileLines << (type == QtWarningMsg ? QStringLiteral("W ") : QStringLiteral("I ")) + text;
}

// A message that, stamped, makes a line of exactly `length` characters.
QString messageOfLineLength(int number, int length)
{
    const int stamp = QStringLiteral("[yyyy-MM-dd HH:mm:ss] ").size();
    return QStringLiteral("cell %1 ").arg(number, 4, 10, QLatin1Char('0')).leftJustified(length - stamp, QLatin1Char('.'));
}

} // namespace

// Line stamping, the trimming that keeps a log area short, and the batching
// that lets thousands of lines in one refresh reach the screen as one change.
class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void trimsOnceItPassesTheLimit_data();
    void trimsOnceItPassesTheLimit();
    void appendStampsEachLine();
    void clearEmptiesAndNotifiesOnlyOnChange();
    void burstTrimsLineByLine_data();
    void burstTrimsLineByLine();
    void burstIsAnnouncedAsOneChange();
    void recordWritesTheLogFileAtOnce();
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

void TestMessageLog::burstTrimsLineByLine_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("kept");

    // Lines of 100 characters: k lines hold 101 k - 1. The 80th passes 8000
    // (8079) and drops 4000; the 119th passes again (4079 + 39 * 101 = 8018).
    // Trimming the burst as a whole instead would keep far more.
    QTest::newRow("79 lines, below the limit") << 79 << 7978;
    QTest::newRow("80 lines, first cut") << 80 << 4079;
    QTest::newRow("118 lines") << 118 << 7917;
    QTest::newRow("119 lines, second cut") << 119 << 4018;
    QTest::newRow("120 lines") << 120 << 4119;
}

void TestMessageLog::burstTrimsLineByLine()
{
    QFETCH(int, lines);
    QFETCH(int, kept);

    MessageLog log;
    log.setLimit(8000);
    log.setCut(4000);
    for (int i = 1; i <= lines; ++i)
        log.append(messageOfLineLength(i, 100));

    QCOMPARE(log.text().size(), kept);
    QVERIFY(log.text().endsWith(messageOfLineLength(lines, 100)));
}

void TestMessageLog::burstIsAnnouncedAsOneChange()
{
    MessageLog log;
    log.setLimit(8000);
    log.setCut(4000);
    QSignalSpy changed(&log, &MessageLog::textChanged);

    // The first line after a quiet spell is shown at once, the rest of the
    // burst on the next beat.
    for (int i = 1; i <= 3000; ++i)
        log.append(messageOfLineLength(i, 60));
    QCOMPARE(changed.count(), 1);
    QVERIFY(changed.wait(2 * NotifyCoalescer::PeriodMs));
    QCOMPARE(changed.count(), 2);
    QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));

    // The newest lines, whole and in order (only the oldest kept one may be cut).
    QStringList kept = log.text().split(QLatin1Char('\n'));
    kept.removeFirst();
    QCOMPARE(kept.last().mid(22), messageOfLineLength(3000, 60));
    for (int i = 0; i < kept.size(); ++i)
        QCOMPARE(kept.at(i).mid(22), messageOfLineLength(3000 - kept.size() + 1 + i, 60));

    // Clearing is shown at once, even while the line before it waits for its
    // beat, and nothing stale follows it.
    log.append(QStringLiteral("just before clearing"));
    QCOMPARE(changed.count(), 3);
    log.clear();
    QCOMPARE(changed.count(), 4);
    QVERIFY(log.text().isEmpty());
    QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));

    // A binding re-evaluated in between (a language switch re-evaluates them
    // all) shows a line still waiting for its beat: clearing again must reach
    // it although the last announced text was empty as well.
    log.append(QStringLiteral("before the switch"));
    log.clear();
    log.append(QStringLiteral("waiting for its beat"));
    const int before = changed.count();
    log.clear();
    QCOMPARE(changed.count(), before + 1);
}

void TestMessageLog::recordWritesTheLogFileAtOnce()
{
    g_fileLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureFileLine);
    MessageLog log;
    log.append(QStringLiteral("first"));
    log.record(QStringLiteral("ERR"), QStringLiteral("CZ 1.5:离线"));
    log.record(QStringLiteral("INF"), QStringLiteral("Master control 3 connection normal"));
    qInstallMessageHandler(previous);

    // Every recorded line is in the file before the area shows it.
    QCOMPARE(g_fileLines, QStringList({QStringLiteral("W CZ 1.5:离线"),
                                       QStringLiteral("I Master control 3 connection normal")}));
    QStringList shown;
    for (const QString &line : log.text().split(QLatin1Char('\n')))
        shown << line.mid(22);
    QCOMPARE(shown, QStringList({QStringLiteral("first"), QStringLiteral("CZ 1.5:离线"),
                                 QStringLiteral("Master control 3 connection normal")}));
}

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
