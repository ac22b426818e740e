#include "ui/shell/messagelog.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList g_fileLines;

void captureFileLine(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    g_fileLines << (type == QtWarningMsg ? "W " : "I ") + text;
}

// A message that, stamped ("[yyyy-MM-dd HH:mm:ss] "), makes a line of exactly `length` characters.
QString line(int number, int length)
{
    return QStringLiteral("cell %1 ").arg(number, 4, 10, QLatin1Char('0')).leftJustified(length - 22, '.');
}

} // namespace

// Stamping, the trimming that keeps a log area short, and the batching that lets thousands of
// lines in one refresh reach the screen as one change.
class TestMessageLog : public QObject
{
    Q_OBJECT

private slots:
    void setTextTrimsOncePastTheLimit()
    {
        MessageLog log;
        log.setLimit(2000);
        log.setCut(1000);
        const QString text = QString(1000, 'a') + QString(1001, 'b');
        log.setText(text.left(2000));
        QCOMPARE(log.text(), text.left(2000));
        log.setText(text);
        QCOMPARE(log.text(), text.right(1001)); // the newest text survives
        log.setCut(5000);
        log.setText(text);
        QCOMPARE(log.text(), QString());
    }

    void burstTrimsLineByLine_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("kept");
        // k lines of 100 hold 101 k - 1: the 80th passes 8000 and drops 4000, the 119th passes again.
        // Trimming the burst as a whole would keep far more.
        QTest::newRow("79 lines") << 79 << 7978;
        QTest::newRow("80 lines, first cut") << 80 << 4079;
        QTest::newRow("119 lines, second cut") << 119 << 4018;
    }
    void burstTrimsLineByLine()
    {
        QFETCH(int, lines);
        MessageLog log;
        log.setLimit(8000);
        log.setCut(4000);
        for (int i = 1; i <= lines; ++i)
            log.append(line(i, 100));
        QTEST(log.text().size(), "kept");
        QVERIFY(log.text().endsWith(line(lines, 100)));
    }

    void burstIsAnnouncedAsOneChange()
    {
        MessageLog log;
        log.setLimit(8000);
        log.setCut(4000);
        QSignalSpy changed(&log, &MessageLog::textChanged);
        log.clear();
        QCOMPARE(changed.count(), 0);
        // The first line after a quiet spell is shown at once, the rest of the burst on the next beat.
        for (int i = 1; i <= 3000; ++i)
            log.append(line(i, 60));
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.wait(2 * NotifyCoalescer::PeriodMs));
        QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));
        QCOMPARE(changed.count(), 2);
        QStringList kept = log.text().split('\n'); // newest lines, whole and in order
        kept.removeFirst(); // the oldest kept one may be cut
        for (int i = 0; i < kept.size(); ++i)
            QCOMPARE(kept.at(i).mid(22), line(3000 - kept.size() + 1 + i, 60));

        // Clearing shows at once, even while the line before it waits for its beat.
        log.append("just before clearing");
        log.clear();
        QCOMPARE(changed.count(), 4);
        QVERIFY(log.text().isEmpty());
        QVERIFY(!changed.wait(2 * NotifyCoalescer::PeriodMs));
        // A re-translation re-evaluates bindings and shows a line still waiting for its beat:
        // clearing again must reach it although the last announced text was empty too.
        log.append("before the switch");
        log.clear();
        log.append("waiting for its beat");
        const int before = changed.count();
        log.clear();
        QCOMPARE(changed.count(), before + 1);
    }

    void recordWritesTheLogFileAtOnce()
    {
        g_fileLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(captureFileLine);
        MessageLog log;
        log.append("first");
        log.record("ERR", "CZ 1.5:离线");
        log.record("INF", "Master control 3 connection normal");
        qInstallMessageHandler(previous);
        QCOMPARE(g_fileLines, QStringList({"W CZ 1.5:离线", "I Master control 3 connection normal"}));
        QVERIFY(QRegularExpression("^\\[\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\] first\n.{22}CZ 1.5:离线\n").match(log.text()).hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
