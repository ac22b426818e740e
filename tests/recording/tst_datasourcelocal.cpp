#include "recording/datasourcelocal.h"
#include "recording/datasourcelocalthread.h"

#include <QtTest>

namespace {

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// `count` lines "<prefix>i,i%256,255-i%256" and the frames they replay as.
QByteArray numberedLines(const QString &prefix, int count, QStringList *frames = nullptr)
{
    QByteArray content;
    for (int i = 0; i < count; ++i) {
        content += QStringLiteral("%1%2,%3,%4\n").arg(prefix).arg(i).arg(i % 256).arg(255 - i % 256).toUtf8();
        if (frames)
            *frames << prefix + QString::number(i) + '=' + QByteArray(1, char(i % 256)).append(char(255 - i % 256)).toHex();
    }
    return content;
}

// A replay source with the frames it hands over, as "replay time=bytes in hex".
struct Replay
{
    Replay()
    {
        QObject::connect(&source, &DataSourceLocal::dataLocalReadSignal, &source, [this](uint8_t *data, int len) {
            QVERIFY(QThread::currentThread() == QCoreApplication::instance()->thread());
            frames << source.dataTime() + '=' + QByteArray(reinterpret_cast<const char *>(data), len).toHex();
        });
    }
    // Waits for the worker to end and for the frames it queued to arrive.
    void run(const QString &folder, int pause = 0)
    {
        source.startReplay(folder, pause);
        QTRY_VERIFY(!source.isReplaying());
        QCoreApplication::processEvents();
    }
    QStringList frames;
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
        QTest::newRow("example") << "10:00:01,1,2,300" << "10:00:01" << QByteArray::fromHex("01022c");
        QTest::newRow("low 8 bits") << "t,255,256,65535" << "t" << QByteArray::fromHex("ff00ff");
        QTest::newRow("not 16-bit numbers") << "t,65536,-1,abc,,0x10,1.5" << "t" << QByteArray(6, 0);
        QTest::newRow("time only") << "14:03:59" << "14:03:59" << QByteArray();
        QTest::newRow("empty line") << "" << "" << QByteArray();
        // A line of more than 1024 values leaves its first 1024 bytes.
        QStringList line{"t"};
        QByteArray cut;
        for (int i = 1; i <= 2000; ++i) {
            line << QString::number(i);
            cut += char(i);
            if (i == 1024 || i == 1025 || i == 2000)
                QTest::addRow("%d values", i) << line.join(',') << "t" << cut.left(1024);
        }
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
        QCOMPARE(replay.frames, QStringList({"a=0102", "B=0102"}));
    }

    void framesArriveWholeAndInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pause");
        // No pause: the worker runs far ahead of the receiver, so a frame that
        // shared the worker's buffer would be overwritten before it is read.
        QTest::newRow("no pause") << 300 << 0;
        QTest::newRow("pause after each line") << 50 << 5;
    }
    void framesArriveWholeAndInOrder()
    {
        QFETCH(int, count);
        QFETCH(int, pause);
        QStringList expected;
        QVERIFY(writeFile(m_dir.filePath("r.csv"), numberedLines("t", count, &expected)));
        Replay replay;
        replay.run(m_dir.path(), pause);
        QCOMPARE(replay.frames, expected);
    }

    // Not even a replay file in the working directory.
    void noFolderReplaysNothing()
    {
        QVERIFY(writeFile(m_dir.filePath("r.csv"), "t,1\n"));
        const QString workingDirectory = QDir::currentPath();
        Replay replay;
        QVERIFY(QDir::setCurrent(m_dir.path()));
        replay.run("/nonexistent/vorn/replay");
        replay.run("");
        QVERIFY(QDir::setCurrent(workingDirectory) && replay.frames.isEmpty());
    }

    void stopLeavesNoFrameBehind_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<bool>("destroy");
        // A pause far longer than the test's time-out: stop must not sit it out.
        QTest::newRow("pause longer than the time-out") << 10 * 60 * 1000 << false;
        QTest::newRow("source destroyed") << 1 << true;
    }
    void stopLeavesNoFrameBehind()
    {
        QFETCH(int, pause);
        QFETCH(bool, destroy);
        QVERIFY(writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000)));
        auto replay = std::make_unique<Replay>();
        replay->source.startReplay(m_dir.path(), pause);
        QTRY_VERIFY(!replay->frames.isEmpty());
        if (destroy) {
            replay.reset(); // no frame may arrive at a destroyed source
            QCoreApplication::processEvents();
            return;
        }
        replay->source.stopReplay();
        QVERIFY(!replay->source.isReplaying());
        const int stoppedAt = replay->frames.size();
        QTest::qWait(50);
        QCOMPARE(replay->frames.size(), stoppedAt);
        QVERIFY(stoppedAt < 1000);
    }

    // A new start replays the new folder from its first file, also after a stop.
    void restartReplaysTheNewFolder()
    {
        QVERIFY(QDir(m_dir.path()).mkpath("first") && QDir(m_dir.path()).mkpath("second"));
        QStringList expected;
        QVERIFY(writeFile(m_dir.filePath("first/r.csv"), numberedLines("first", 1000)));
        QVERIFY(writeFile(m_dir.filePath("second/r.csv"), numberedLines("second", 2, &expected)));
        Replay replay;
        replay.source.startReplay(m_dir.filePath("first"), 60 * 1000);
        QTRY_COMPARE(replay.frames.size(), 1);
        replay.run(m_dir.filePath("second"));
        replay.run(m_dir.filePath("second"));
        QCOMPARE(replay.frames, QStringList{"first0=00ff"} + expected + expected);
    }
};

QTEST_GUILESS_MAIN(TestDataSourceLocal)
#include "tst_datasourcelocal.moc"
