#include "recording/datasourcelocal.h"
#include "recording/datasourcelocalthread.h"

#include <QtTest>

namespace {

// One frame as the hub-frame decoding receives it: the record's bytes, the
// four bytes after them (what a short line leaves of an earlier one) and
// whether it arrived on the user-interface thread.
struct Frame
{
    QByteArray bytes;
    QByteArray after;
    bool onGuiThread;
};

class Receiver
{
public:
    explicit Receiver(DataSourceLocal *source)
    {
        QObject::connect(source, &DataSourceLocal::dataLocalReadSignal, source, [this](uint8_t *data, int len) {
            const auto *bytes = reinterpret_cast<const char *>(data);
            frames.append({QByteArray(bytes, len),
                           QByteArray(bytes + len, std::min(4, DataSourceLocalThread::frameSize - len)),
                           QThread::currentThread() == QCoreApplication::instance()->thread()});
            if (onFrame)
                onFrame();
        });
    }
    QList<Frame> frames;
    std::function<void()> onFrame;
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

// Waits for the worker to end and for the frames it queued to arrive.
void finish(DataSourceLocal &source)
{
    QTRY_VERIFY(!source.isReplaying());
    QCoreApplication::processEvents();
}

QByteArray numberedLines(const QString &prefix, int count)
{
    QByteArray content;
    for (int i = 0; i < count; ++i)
        content += QStringLiteral("%1%2,%3,%4\n").arg(prefix).arg(i).arg(i % 256).arg(255 - i % 256).toUtf8();
    return content;
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
        QCOMPARE(buffer.at(length), '\x5A');
    }

    void cutsLongLinesAt1024Bytes_data()
    {
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("length");
        QTest::newRow("1024 bytes") << 1025 << 1024;
        QTest::newRow("1025 bytes") << 1026 << 1024;
        QTest::newRow("2000 fields") << 2000 << 1024;
    }
    void cutsLongLinesAt1024Bytes()
    {
        QFETCH(int, fields);
        QFETCH(int, length);
        QStringList line{QStringLiteral("t")};
        for (int i = 1; i < fields; ++i)
            line << QString::number(i);
        QByteArray buffer(DataSourceLocalThread::frameSize, '\0');
        QString time;
        QCOMPARE(DataSourceLocalThread::parseRecord(line.join(','), &time, &buffer), length);
        QCOMPARE(buffer.size(), DataSourceLocalThread::frameSize);
        for (int i = 0; i < length; ++i)
            QCOMPARE(static_cast<uchar>(buffer.at(i)), static_cast<uchar>((i + 1) & 0xFF));
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

        DataSourceLocal source;
        Receiver receiver(&source);
        QStringList times;
        receiver.onFrame = [&] { times << source.dataTime(); };
        source.startReplay(QUrl::fromLocalFile(m_dir.path()).toString(), 1);
        finish(source);
        QCOMPARE(times, QStringList({"a", "B"}));
        QCOMPARE(receiver.frames.at(0).bytes, bytes({1}));
        QVERIFY(receiver.frames.at(0).onGuiThread);
    }

    void framesArriveWholeAndInOrder()
    {
        // No pause: the worker runs far ahead of the receiver, so a frame that
        // shared the worker's buffer would be overwritten before it is read.
        const int count = 300;
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", count));
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        QCOMPARE(receiver.frames.size(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(receiver.frames.at(i).bytes, bytes({i % 256, 255 - i % 256}));
            QVERIFY(receiver.frames.at(i).onGuiThread);
        }
        QCOMPARE(source.dataTime(), QStringLiteral("t%1").arg(count - 1));
    }

    void keepsBytesOfLongerLinesWithinAFile()
    {
        writeFile(m_dir.filePath("1.csv"), "t1,1,2,3,4\nt2,9\n\nt4,8,7\n");
        writeFile(m_dir.filePath("2.csv"), "t5,6\n");
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        QCOMPARE(receiver.frames.size(), 5);
        QCOMPARE(receiver.frames.at(1).bytes, bytes({9}));
        QCOMPARE(receiver.frames.at(1).after, bytes({2, 3, 4, 0}));
        QCOMPARE(receiver.frames.at(2).bytes, QByteArray());
        QCOMPARE(receiver.frames.at(2).after, bytes({9, 2, 3, 4}));
        QCOMPARE(receiver.frames.at(3).bytes, bytes({8, 7}));
        QCOMPARE(receiver.frames.at(3).after, bytes({3, 4, 0, 0}));
        // A new file starts from a cleared buffer.
        QCOMPARE(receiver.frames.at(4).bytes, bytes({6}));
        QCOMPARE(receiver.frames.at(4).after, bytes({0, 0, 0, 0}));
    }

    void replaysA2000FieldLineCut()
    {
        QStringList line{QStringLiteral("t")};
        for (int i = 1; i < 2000; ++i)
            line << QString::number(i);
        writeFile(m_dir.filePath("long.csv"), line.join(',').toUtf8() + "\nt2,5\n");
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        QCOMPARE(receiver.frames.size(), 2);
        QCOMPARE(receiver.frames.at(0).bytes.size(), DataSourceLocalThread::frameSize);
        QCOMPARE(static_cast<uchar>(receiver.frames.at(0).bytes.at(1023)), uchar(1024 & 0xFF));
        QCOMPARE(receiver.frames.at(1).bytes, bytes({5}));
    }

    void changesDataTimeOnlyOnANewText()
    {
        writeFile(m_dir.filePath("r.csv"), "10:00:01,1\n10:00:01,2\n10:00:02,3\n");
        DataSourceLocal source;
        Receiver receiver(&source);
        QSignalSpy timeChanged(&source, &DataSourceLocal::dataTimeChanged);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        QCOMPARE(receiver.frames.size(), 3);
        QCOMPARE(timeChanged.count(), 2);
        QCOMPARE(source.dataTime(), QStringLiteral("10:00:02"));
    }

    void replaysEveryLineWithAPause()
    {
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", 50));
        DataSourceLocal source;
        Receiver receiver(&source);
        QStringList times;
        receiver.onFrame = [&] { times << source.dataTime(); };
        source.startReplay(m_dir.path(), 5);
        finish(source);
        QCOMPARE(times.size(), 50);
        for (int i = 0; i < 50; ++i)
            QCOMPARE(times.at(i), QStringLiteral("t%1").arg(i));
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
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(folder, 0);
        finish(source);
        QVERIFY(QDir::setCurrent(workingDirectory));
        QVERIFY(receiver.frames.isEmpty());
        QCOMPARE(source.dataTime(), QString());
    }

    void stopLeavesNoFrameBehind()
    {
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000));
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 2);
        QTRY_VERIFY(receiver.frames.size() >= 5);
        source.stopReplay();
        QVERIFY(!source.isReplaying());
        const int stoppedAt = receiver.frames.size();
        QTest::qWait(50);
        QCOMPARE(receiver.frames.size(), stoppedAt);
        QVERIFY(stoppedAt < 1000);
        for (int i = 0; i < stoppedAt; ++i)
            QCOMPARE(receiver.frames.at(i).bytes, bytes({i % 256, 255 - i % 256}));
    }

    void stopCutsAPauseShort()
    {
        // A pause far longer than the test's time-out: stop must not sit it out.
        writeFile(m_dir.filePath("r.csv"), "t0,1\nt1,2\n");
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 10 * 60 * 1000);
        QTRY_COMPARE(receiver.frames.size(), 1);
        source.stopReplay();
        QVERIFY(!source.isReplaying());
        QCOMPARE(receiver.frames.size(), 1);
    }

    void restartReplaysTheNewFolder()
    {
        const QString first = m_dir.filePath("first");
        const QString second = m_dir.filePath("second");
        QVERIFY(QDir().mkpath(first));
        QVERIFY(QDir().mkpath(second));
        writeFile(first + "/r.csv", numberedLines("first", 1000));
        writeFile(second + "/r.csv", numberedLines("second", 20));

        DataSourceLocal source;
        Receiver receiver(&source);
        QStringList times;
        receiver.onFrame = [&] { times << source.dataTime(); };
        source.startReplay(first, 60 * 1000);
        QTRY_COMPARE(times.size(), 1);
        source.startReplay(QUrl::fromLocalFile(second).toString(), 0);
        finish(source);

        QCOMPARE(times.size(), 21);
        QCOMPARE(times.first(), QStringLiteral("first0"));
        for (int i = 0; i < 20; ++i)
            QCOMPARE(times.at(i + 1), QStringLiteral("second%1").arg(i));
    }

    void replaysAgainFromTheFirstFile()
    {
        writeFile(m_dir.filePath("r.csv"), "t0,1\nt1,2\n");
        DataSourceLocal source;
        Receiver receiver(&source);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        source.startReplay(m_dir.path(), 0);
        finish(source);
        QCOMPARE(receiver.frames.size(), 4);
        QCOMPARE(receiver.frames.at(2).bytes, bytes({1}));
    }

    void destroyingARunningReplayStopsIt()
    {
        writeFile(m_dir.filePath("r.csv"), numberedLines("t", 1000));
        auto source = std::make_unique<DataSourceLocal>();
        Receiver receiver(source.get());
        source->startReplay(m_dir.path(), 1);
        QTRY_VERIFY(!receiver.frames.isEmpty());
        source.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TestDataSourceLocal)
#include "tst_datasourcelocal.moc"
