#include "recording/datasourcelocal.h"
#include "recording/datasourcelocalthread.h"

#include <QtTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Line i is "<prefix>i,i%256,255-i%256".
QByteArray numberedLines(const QString &prefix, int count)
{
    QByteArray content;
    for (int i = 0; i < count; ++i)
        content += QStringLiteral("%1%2,%3,%4\n").arg(prefix).arg(i).arg(i % 256).arg(255 - i % 256).toUtf8();
    return content;
}

QString longLine(int fields)
{
    QStringList line{"t"};
    for (int i = 1; i < fields; ++i)
        line << QString::number(i);
    return line.join(',');
}

// What a line of more than 1024 fields after the time leaves: its first 1024 bytes.
QByteArray cutLine()
{
    QByteArray cut(1024, Qt::Uninitialized);
    for (int i = 0; i < cut.size(); ++i)
        cut[i] = char(i + 1);
    return cut;
}

// A replay source with the frames it hands over: their bytes and replay time.
struct Replay
{
    Replay()
    {
        QObject::connect(&source, &DataSourceLocal::dataLocalReadSignal, &source, [this](uint8_t *data, int len) {
            QVERIFY(QThread::currentThread() == QCoreApplication::instance()->thread());
            frames << QByteArray(reinterpret_cast<const char *>(data), len);
            times << source.dataTime();
        });
    }
    // Waits for the worker to end and for the frames it queued to arrive.
    void run(const QString &folder, int pause = 0)
    {
        source.startReplay(folder, pause);
        QTRY_VERIFY(!source.isReplaying());
        QCoreApplication::processEvents();
    }
    QList<QByteArray> frames;
    QStringList times;
    DataSourceLocal source;
};

} // namespace

class TestDataSourceLocal : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
    }

    void parsesRecords_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("example") << "10:00:01,1,2,300" << "10:00:01" << bytes({1, 2, 44});
        QTest::newRow("low 8 bits") << "t,255,256,65535" << "t" << bytes({255, 0, 255});
        QTest::newRow("not 16-bit numbers") << "t,65536,-1,abc,,0x10,1.5" << "t" << bytes({0, 0, 0, 0, 0, 0});
        QTest::newRow("time only") << "2024-03-07 14:03:59" << "2024-03-07 14:03:59" << QByteArray();
        QTest::newRow("empty time") << ",7" << "" << bytes({7});
        QTest::newRow("1024 bytes") << longLine(1025) << "t" << cutLine();
        QTest::newRow("1025 bytes cut") << longLine(1026) << "t" << cutLine();
    }
    void parsesRecords()
    {
        QFETCH(QString, line);
        QFETCH(QString, time);
        QFETCH(QByteArray, expected);
        QByteArray buffer(DataSourceLocalThread::frameSize, '\x5A');
        QString parsedTime;
        const int length = DataSourceLocalThread::parseRecord(line, &parsedTime, &buffer);
        QCOMPARE(parsedTime, time);
        QCOMPARE(buffer.left(length), expected);
        QCOMPARE(buffer.size(), DataSourceLocalThread::frameSize);
        QCOMPARE(buffer.mid(length, 1), QByteArray(length < buffer.size() ? "\x5A" : ""));
    }

    // Only .csv files of the folder itself, in name order whatever the case.
    void replaysCsvFilesInNameOrder()
    {
        for (const QString &name : QStringList{"B.csv", "a.csv", "c.CSV", "d.csv.bak", "e.txt", "f.csv/g.csv"}) {
            QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(writeFile(m_dir.filePath(name), name.left(1).toUtf8() + ",1,2\n"));
        }
        Replay replay;
        replay.run(QUrl::fromLocalFile(m_dir.path()).toString(), 1);
        QCOMPARE(replay.times, QStringList({"a", "B"}));
        QCOMPARE(replay.frames, QList<QByteArray>({bytes({1, 2}), bytes({1, 2})}));
    }

    void framesArriveWholeAndInOrder_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("pause");
        // No pause: the worker runs far ahead of the receiver, so a frame that
        // shared the worker's buffer would be overwritten before it is read.
        QTest::newRow("no pause") << QString(numberedLines("t", 300)) << 0;
        QTest::newRow("pause after each line") << QString(numberedLines("t", 50)) << 5;
        QTest::newRow("a 2000-field line cut") << longLine(2000) + "\nt1,1,254\n" << 0;
    }
    void framesArriveWholeAndInOrder()
    {
        QFETCH(QString, content);
        QFETCH(int, pause);
        QVERIFY(writeFile(m_dir.filePath("r.csv"), content.toUtf8()));
        Replay replay;
        replay.run(m_dir.path(), pause);
        const QStringList lines = content.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(replay.frames.size(), lines.size());
        for (int i = 0; i < lines.size(); ++i) {
            QByteArray expected(DataSourceLocalThread::frameSize, 0);
            QString time;
            expected.truncate(DataSourceLocalThread::parseRecord(lines.at(i), &time, &expected));
            QCOMPARE(replay.frames.at(i), expected);
            QCOMPARE(replay.times.at(i), time);
        }
    }

    void noFolderReplaysNothing_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << "/nonexistent/vorn/replay";
        QTest::newRow("empty text") << "";
    }
    void noFolderReplaysNothing()
    {
        QFETCH(QString, folder);
        // Not even a replay file in the working directory.
        QVERIFY(writeFile(m_dir.filePath("r.csv"), "t,1\n"));
        const QString workingDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        Replay replay;
        replay.run(folder);
        QVERIFY(QDir::setCurrent(workingDirectory));
        QVERIFY(replay.frames.isEmpty());
    }

    void stopLeavesNoFrameBehind_data()
    {
        QTest::addColumn<int>("pause");
        QTest::newRow("short pause") << 2;
        // A pause far longer than the test's time-out: stop must not sit it out.
        QTest::newRow("pause longer than the time-out") << 10 * 60 * 1000;
    }
    void stopLeavesNoFrameBehind()
    {
        QFETCH(int, pause);
        QVERIFY(writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000)));
        Replay replay;
        replay.source.startReplay(m_dir.path(), pause);
        QTRY_VERIFY(!replay.frames.isEmpty());
        replay.source.stopReplay();
        QVERIFY(!replay.source.isReplaying());
        const int stoppedAt = replay.frames.size();
        QTest::qWait(50);
        QCOMPARE(replay.frames.size(), stoppedAt);
        QVERIFY(stoppedAt < 1000);
    }

    // A new start replays the new folder from its first file, also after a stop.
    void restartReplaysTheNewFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("first") && QDir(m_dir.path()).mkpath("second"));
        QVERIFY(writeFile(m_dir.filePath("first/r.csv"), numberedLines("first", 1000)));
        QVERIFY(writeFile(m_dir.filePath("second/r.csv"), numberedLines("second", 2)));
        Replay replay;
        replay.source.startReplay(m_dir.filePath("first"), 60 * 1000);
        QTRY_COMPARE(replay.frames.size(), 1);
        replay.run(m_dir.filePath("second"));
        replay.run(m_dir.filePath("second"));
        QCOMPARE(replay.times, QStringList({"first0", "second0", "second1", "second0", "second1"}));
    }

    void destroyingARunningReplayStopsIt()
    {
        QVERIFY(writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000)));
        auto replay = std::make_unique<Replay>();
        replay->source.startReplay(m_dir.path(), 1);
        QTRY_VERIFY(!replay->frames.isEmpty());
        replay.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TestDataSourceLocal)
#include "tst_datasourcelocal.moc"
