#include "recording/datasavecontrol.h"

#include <QtTest>

namespace {

const QDateTime start(QDate(2024, 3, 7), QTime(14, 3, 59, 125));
const QString header = QStringLiteral("timer,ID:1.1/0,ID:1.2/0,");

QStringList readLines(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                          : QStringList{"<missing>"};
}

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// The recorder on a clock the test moves by hand.
class TestDataSaveControl : public QObject
{
    Q_OBJECT

    QDateTime m_now;
    QTemporaryDir m_dir;
    std::unique_ptr<DataSaveControl> m_recorder;

    QString day() const { return m_dir.path() + "/Data/2024/03/07/"; }
    void record(const QString &values, qint64 afterMs = 1000, bool creat = false)
    {
        m_now = m_now.addMSecs(afterMs);
        m_recorder->saveDataStr(values, creat);
    }
    QString line(const QString &values) const { return m_now.toString("yyyy-MM-dd hh_mm_ss_zzz,") + values; }
    // Column `id` of a recording as "timer=value" per line.
    QStringList readBack(const QString &path, const QString &id)
    {
        DataSaveControl reader;
        QStringList samples;
        connect(&reader, &DataSaveControl::upLoadErrDataSignal, this,
                [&](double partIndex, const QString &timer, double data, int seriescount, const QString &column) {
                    QCOMPARE(partIndex, 3.0);
                    QCOMPARE(seriescount, 2);
                    QCOMPARE(column, id);
                    samples << timer + '=' + QString::number(data, 'g', 10);
                });
        reader.readDataFromPathErr(path, 3, id, 2);
        return samples;
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
        m_now = start;
        m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
        m_recorder->setProjectPath(m_dir.path());
        m_recorder->setSaveDataHeader(header);
    }

    void namesFolderAndFileFromClock_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("afternoon") << QDateTime(QDate(2024, 3, 7), QTime(14, 5, 1, 125))
                                   << "/Data/2024/03/07/14_05_01user.csv" << "2024-03-07 14_05_01_125,12.5,0,";
        QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 7))
                                  << "/Data/2025/01/01/00_00_00user.csv" << "2025-01-01 00_00_00_007,12.5,0,";
    }
    void namesFolderAndFileFromClock()
    {
        QFETCH(QDateTime, time);
        QFETCH(QString, file);
        QFETCH(QString, firstLine);
        m_now = time.addSecs(-1);
        record("12.5,0,");
        QCOMPARE(m_recorder->savePath() + '/' + QFileInfo(file).fileName(), m_dir.path() + file);
        QCOMPARE(readLines(m_dir.path() + file), QStringList({header, firstLine}));
    }

    void dropsSamplesInsideTheGap_data()
    {
        QTest::addColumn<qulonglong>("tick");
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<bool>("written");
        QTest::newRow("300 ms of 500") << 500ULL << 300LL << false;
        QTest::newRow("exactly 500 ms") << 500ULL << 500LL << false;
        QTest::newRow("600 ms of 500") << 500ULL << 600LL << true;
        QTest::newRow("tick 0, same millisecond") << 0ULL << 0LL << false;
        QTest::newRow("tick 0, 1 ms") << 0ULL << 1LL << true;
        QTest::newRow("clock set back an hour") << 500ULL << -3600000LL << true;
    }
    void dropsSamplesInsideTheGap()
    {
        QFETCH(qulonglong, tick);
        QFETCH(qint64, gap);
        QFETCH(bool, written);
        m_recorder->setSaveTick(tick);
        record("first,");
        // Read while the recorder holds the file open: each line is flushed.
        QCOMPARE(readLines(day() + "14_04_00user.csv").size(), 2);
        record("second,", gap);
        QCOMPARE(readLines(day() + "14_04_00user.csv").size(), written ? 3 : 2);
    }

    void rollsOverAfter3000Lines()
    {
        for (int i = 0; i < DataSaveControl::maxLinesPerFile; ++i)
            record(QString::number(i) + ',');
        const QStringList lines = readLines(day() + "14_04_00user.csv");
        QCOMPARE(lines.size(), 3001);
        QVERIFY(lines.last().endsWith(",2999,"));
        // The 3001st accepted sample closes the file and is not written anywhere.
        record("lost,");
        QCOMPARE(QDir(day()).entryList(QDir::Files).size(), 1);
        record("next,");
        QCOMPARE(readLines(day() + m_now.toString("hh_mm_ss") + "user.csv"), QStringList({header, line("next,")}));
        QCOMPARE(readLines(day() + "14_04_00user.csv"), lines);
    }

    void startsANewFileAndKeepsTheOldOneWhole_data()
    {
        QTest::addColumn<QString>("newHeader");
        QTest::addColumn<bool>("creat");
        QTest::addColumn<bool>("newFile");
        QTest::newRow("same header") << header << false << false;
        QTest::newRow("cell added") << header + "ID:1.3/0," << false << true;
        QTest::newRow("creat") << header << true << true;
    }
    void startsANewFileAndKeepsTheOldOneWhole()
    {
        QFETCH(QString, newHeader);
        QFETCH(bool, creat);
        QFETCH(bool, newFile);
        record("a,");
        record("b,");
        m_recorder->setSaveDataHeader(newHeader);
        record("c,", 1000, creat);
        const QStringList first = readLines(day() + "14_04_00user.csv");
        QCOMPARE(first.size(), newFile ? 3 : 4);
        QVERIFY(first.last().endsWith(newFile ? ",b," : ",c,"));
        QCOMPARE(readLines(day() + "14_04_02user.csv"),
                 newFile ? QStringList({newHeader, line("c,")}) : QStringList{"<missing>"});
    }

    void openFailureLosesOnlyThatSample()
    {
        // A plain file where the project folder should be: no folder can be
        // made below it, whoever runs the test.
        const QString project = m_dir.path() + "/project";
        QVERIFY(writeFile(project, "not a folder"));
        m_recorder->setProjectPath(project);
        record("lost,");
        record("lost too,");
        QVERIFY(QFile::remove(project) && QDir().mkpath(project));
        record("kept,");
        QCOMPARE(readLines(project + "/Data/2024/03/07/14_04_02user.csv"), QStringList({header, line("kept,")}));
    }

    void readsOneColumnBack_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("samples");
        QTest::newRow("first cell") << "ID:1.1" << QStringList{"t1=10", "t2=11", "t3=12", "=0", "t5=0", "t6=14"};
        QTest::newRow("column with box type 2") << "ID:1.5" << QStringList{"t1=20.5", "t2=21", "t3=0", "=0", "t5=0", "t6=24"};
        QTest::newRow("last cell") << "ID:1.15" << QStringList{"t1=-3", "t2=0", "t3=0", "=0", "t5=0", "t6=34"};
        QTest::newRow("prefix of an id") << "ID:1" << QStringList();
        QTest::newRow("id with box type") << "ID:1.5/2" << QStringList();
    }
    void readsOneColumnBack()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, samples);
        const QString file = m_dir.filePath("my rec.csv");
        QVERIFY(writeFile(file, "timer,ID:1.1/0,ID:1.5/2,ID:1.15/0,\nt1,10,20.5,-3,\nt2,11,21,x,\nt3,12\n\nt5\r\n"
                                "t6,14,24,34,"));
        QCOMPARE(readBack(QUrl::fromLocalFile(file).toString(), id), samples);
        QVERIFY(writeFile(m_dir.filePath("header.csv"), header.toUtf8() + '\n'));
        for (const QString &unreadable : QStringList{"missing.csv", "", "header.csv"})
            QCOMPARE(readBack(m_dir.filePath(unreadable), id), QStringList());
    }

    void readsLinesAcrossReadBlocks()
    {
        // 300 lines of 1000 cells make about 2 MB: lines straddle the blocks
        // the readback reads at a time.
        QByteArray content("timer,");
        for (int c = 0; c < 1000; ++c)
            content += "ID:1." + QByteArray::number(c) + "/0,";
        QStringList expected;
        for (int l = 0; l < 300; ++l) {
            content += "\nt" + QByteArray::number(l) + ',';
            for (int c = 0; c < 1000; ++c)
                content += QByteArray::number(l * 10000 + c) + ',';
            expected << QStringLiteral("t%1=%2").arg(l).arg(l * 10000 + 517);
        }
        QVERIFY(writeFile(m_dir.filePath("big.csv"), content));
        QCOMPARE(readBack(m_dir.filePath("big.csv"), "ID:1.517"), expected);
    }
};

QTEST_GUILESS_MAIN(TestDataSaveControl)
#include "tst_datasavecontrol.moc"
