#include "recording/datasourcelocal.h"
#include "recording/datasourcelocalthread.h"

#include <QtTest>

namespace {

// One frame as the hub-frame decoding receives it: the record's bytes, the
// four bytes after them (what a short line leaves of an earlier one), the
// replay time shown with it and whether it arrived on the user-interface thread.
struct Frame
{
    QByteArray bytes;
    QByteArray after;
    QString time;
    bool onGuiThread;
};

// A replay source with everything it hands over collected.
struct Replay
{
    Replay()
    {
        QObject::connect(&source, &DataSourceLocal::dataLocalReadSignal, &source, [this](uint8_t *data, int len) {
            const auto *bytes = reinterpret_cast<const char *>(data);
            frames.append({QByteArray(bytes, len),
                           QByteArray(bytes + len, std::min(4, DataSourceLocalThread::frameSize - len)),
                           source.dataTime(), QThread::currentThread() == QCoreApplication::instance()->thread()});
        });
    }
    // Waits for the worker to end and for the frames it queued to arrive.
    void run(const QString &folder, int pause = 0)
    {
        source.startReplay(folder, pause);
        QTRY_VERIFY(!source.isReplaying());
        QCoreApplication::processEvents();
    }
    QStringList times() const
    {
        QStringList result;
        for (const Frame &frame : frames)
            result << frame.time;
        return result;
    }

    QList<Frame> frames;
    DataSourceLocal source;
};

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(static_cast<char>(v));
    return result;
}

void writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray numberedLines(const QString &prefix, int count)
{
    QByteArray content;
    for (int i = 0; i < count; ++i)
        content += QStringLiteral("%1%2,%3,%4\n").arg(prefix).arg(i).arg(i % 256).arg(255 - i % 256).toUtf8();
    return content;
}

QString longLine(int fields)
{
    QStringList line{QStringLiteral("t")};
    for (int i = 1; i < fields; ++i)
        line << QString::number(i);
    return line.join(',');
}

// What a line of more than 1024 fields after the time leaves: its first 1024 bytes.
QByteArray cutLine()
{
    QByteArray cut(1024, Qt::Uninitialized);
    for (int i = 0; i < cut.size(); ++i)
        cut[i] = char((i + 1) & 0xFF);
    return cut;
}

} // namespace

class TestDataSourceLocal : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
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
        QTest::newRow("empty line") << "" << "" << QByteArray();
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
        QCOMPARE(length, expected.size());
        QCOMPARE(buffer.left(length), expected);
        QCOMPARE(buffer.size(), DataSourceLocalThread::frameSize);
        if (length < buffer.size())
            QCOMPARE(buffer.at(length), '\x5A');
    }

    void replaysCsvFilesInNameOrder()
    {
        writeFile(m_dir.filePath("B.csv"), "B,2\n");
        writeFile(m_dir.filePath("a.csv"), "a,1\n");
        writeFile(m_dir.filePath("c.CSV"), "c,3\n");
        writeFile(m_dir.filePath("d.csv.bak"), "d,4\n");
        writeFile(m_dir.filePath("e.txt"), "e,5\n");
        QVERIFY(QDir().mkpath(m_dir.filePath("f.csv")));
        writeFile(m_dir.filePath("f.csv/g.csv"), "g,7\n");

        Replay replay;
        replay.run(QUrl::fromLocalFile(m_dir.path()).toString(), 1);
        QCOMPARE(replay.times(), QStringList({"a", "B"}));
        QCOMPARE(replay.frames.at(0).bytes, bytes({1}));
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
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", count));
        Replay replay;
        replay.run(m_dir.path(), pause);
        QCOMPARE(replay.frames.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(replay.frames.at(i).bytes, bytes({i % 256, 255 - i % 256}));
            QCOMPARE(replay.frames.at(i).time, QStringLiteral("t%1").arg(i));
            QVERIFY(replay.frames.at(i).onGuiThread);
        }
    }

    void keepsBytesOfLongerLinesWithinAFile()
    {
        writeFile(m_dir.filePath("1.csv"), "t1,1,2,3,4\nt2,9\n\nt4,8,7\n");
        writeFile(m_dir.filePath("2.csv"), "t5,6\n");
        Replay replay;
        replay.run(m_dir.path());
        const QList<Frame> &frames = replay.frames;
        QCOMPARE(frames.size(), 5);
        QCOMPARE(frames.at(1).bytes, bytes({9}));
        QCOMPARE(frames.at(1).after, bytes({2, 3, 4, 0}));
        QCOMPARE(frames.at(2).bytes, QByteArray());
        QCOMPARE(frames.at(2).after, bytes({9, 2, 3, 4}));
        QCOMPARE(frames.at(3).bytes, bytes({8, 7}));
        QCOMPARE(frames.at(3).after, bytes({3, 4, 0, 0}));
        // A new file starts from a cleared buffer.
        QCOMPARE(frames.at(4).bytes, bytes({6}));
        QCOMPARE(frames.at(4).after, bytes({0, 0, 0, 0}));
    }

    void replaysA2000FieldLineCut()
    {
        writeFile(m_dir.filePath("long.csv"), longLine(2000).toUtf8() + "\nt2,5\n");
        Replay replay;
        replay.run(m_dir.path());
        QCOMPARE(replay.frames.size(), 2);
        QCOMPARE(replay.frames.at(0).bytes, cutLine());
        QCOMPARE(replay.frames.at(1).bytes, bytes({5}));
    }

    void changesDataTimeOnlyOnANewText()
    {
        writeFile(m_dir.filePath("r.csv"), "10:00:01,1\n10:00:01,2\n10:00:02,3\n");
        Replay replay;
        QSignalSpy timeChanged(&replay.source, &DataSourceLocal::dataTimeChanged);
        replay.run(m_dir.path());
        QCOMPARE(replay.frames.size(), 3);
        QCOMPARE(timeChanged.count(), 2);
        QCOMPARE(replay.source.dataTime(), QStringLiteral("10:00:02"));
    }

    void missingFolderEndsWithoutFrames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("missing folder") << "/nonexistent/vorn/replay";
        QTest::newRow("empty text") << "";
    }
    void missingFolderEndsWithoutFrames()
    {
        QFETCH(QString, folder);
        // A replay file in the working directory must not be taken up either.
        writeFile(m_dir.filePath("r.csv"), "t,1\n");
        const QString workingDirectory = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        Replay replay;
        replay.run(folder);
        QVERIFY(QDir::setCurrent(workingDirectory));
        QVERIFY(replay.frames.isEmpty());
        QCOMPARE(replay.source.dataTime(), QString());
    }

    void stopLeavesNoFrameBehind_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("framesBeforeStop");
        QTest::newRow("short pause") << 1000 << 2 << 5;
        // A pause far longer than the test's time-out: stop must not sit it out.
        QTest::newRow("pause longer than the time-out") << 2 << 10 * 60 * 1000 << 1;
    }
    void stopLeavesNoFrameBehind()
    {
        QFETCH(int, count);
        QFETCH(int, pause);
        QFETCH(int, framesBeforeStop);
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", count));
        Replay replay;
        replay.source.startReplay(m_dir.path(), pause);
        QTRY_VERIFY(replay.frames.size() >= framesBeforeStop);
        replay.source.stopReplay();
        QVERIFY(!replay.source.isReplaying());
        const int stoppedAt = replay.frames.size();
        QTest::qWait(50);
        QCOMPARE(replay.frames.size(), stoppedAt);
        QVERIFY(stoppedAt < count);
        for (int i = 0; i < stoppedAt; ++i)
            QCOMPARE(replay.frames.at(i).bytes, bytes({i % 256, 255 - i % 256}));
    }

    void restartReplaysTheNewFolder()
    {
        const QString first = m_dir.filePath("first");
        const QString second = m_dir.filePath("second");
        QVERIFY(QDir().mkpath(first));
        QVERIFY(QDir().mkpath(second));
        writeFile(first + "/r.csv", numberedLines("first", 1000));
        writeFile(second + "/r.csv", numberedLines("second", 20));

        Replay replay;
        replay.source.startReplay(first, 60 * 1000);
        QTRY_COMPARE(replay.frames.size(), 1);
        replay.run(QUrl::fromLocalFile(second).toString());
        QStringList expected{QStringLiteral("first0")};
        for (int i = 0; i < 20; ++i)
            expected << QStringLiteral("second%1").arg(i);
        QCOMPARE(replay.times(), expected);

        // A finished replay starts again from the first file.
        replay.run(second);
        QCOMPARE(replay.frames.size(), 41);
        QCOMPARE(replay.frames.at(21).bytes, bytes({0, 255}));
    }

    void destroyingARunningReplayStopsIt()
    {
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000));
        auto replay = std::make_unique<Replay>();
        replay->source.startReplay(m_dir.path(), 1);
        QTRY_VERIFY(!replay->frames.isEmpty());
        replay.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TestDataSourceLocal)
#include "tst_datasourcelocal.moc"
