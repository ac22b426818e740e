#include "recording/datasavecontrol.h"

#include <QtTest>

namespace {

const QString header = QStringLiteral("timer,ID:1.1/0,ID:1.2/0,");

QString readFile(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

bool writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

// The recorder on a clock the test moves by hand, from 2024-03-07 14:03:59.007.
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
    // Column `id` of a recording as "timer=value" per line.
    QStringList readBack(const QString &path, const QString &id)
    {
        DataSaveControl reader;
        QStringList samples;
        connect(&reader, &DataSaveControl::upLoadErrDataSignal, this,
                [&](double part, const QString &timer, double data, int series, const QString &column) {
                    QVERIFY(part == 3 && series == 2 && column == id);
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
        m_now = QDateTime(QDate(2024, 3, 7), QTime(14, 3, 59, 7));
        m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
        m_recorder->setProjectPath(m_dir.path());
        m_recorder->setSaveDataHeader(header);
    }

    void dropsSamplesInsideTheGap_data()
    {
        QTest::addColumn<qulonglong>("tick");
        QTest::addColumn<qint64>("gap");
        QTest::addColumn<bool>("written");
        QTest::newRow("300 ms of 500") << 500ULL << 300LL << false;
        QTest::newRow("exactly 500 ms") << 500ULL << 500LL << false;
        QTest::newRow("501 ms of 500") << 500ULL << 501LL << true;
        QTest::newRow("tick 0, same millisecond") << 0ULL << 0LL << false;
        QTest::newRow("clock set back an hour") << 500ULL << -3600000LL << true;
    }
    void dropsSamplesInsideTheGap()
    {
        QFETCH(qulonglong, tick);
        QFETCH(qint64, gap);
        QFETCH(bool, written);
        m_recorder->setSaveTick(tick);
        record("first,", 600);
        // Read while the recorder holds the file open: each line is flushed.
        const QString first = header + "\n2024-03-07 14_03_59_607,first,\n";
        QCOMPARE(readFile(day() + "14_03_59user.csv"), first);
        record("second,", gap);
        QCOMPARE(readFile(day() + "14_03_59user.csv").remove(first),
                 written ? m_now.toString("yyyy-MM-dd hh_mm_ss_zzz,") + "second,\n" : "");
    }

    void startsANewFileAndKeepsTheOldOneWhole_data()
    {
        QTest::addColumn<QString>("newHeader");
        QTest::addColumn<bool>("creat");
        QTest::addColumn<int>("lines"); // recorded before the new header
        QTest::addColumn<QString>("last"); // where the last sample goes: same file, new file or none
        QTest::newRow("same header") << header << false << 2 << "same";
        QTest::newRow("cell added") << header + "ID:1.3/0," << false << 2 << "new";
        QTest::newRow("creat") << header << true << 2 << "new";
        // The 3001st accepted sample closes the file and is not written anywhere.
        QTest::newRow("3001st sample") << header << false << 3000 << "none";
        QTest::newRow("3002nd sample") << header << false << 3001 << "new";
    }
    void startsANewFileAndKeepsTheOldOneWhole()
    {
        QFETCH(QString, newHeader);
        QFETCH(bool, creat);
        QFETCH(int, lines);
        QFETCH(QString, last);
        for (int i = 0; i < lines; ++i)
            record(QString::number(i) + ',');
        const QString first = readFile(day() + "14_04_00user.csv");
        QVERIFY(first.startsWith(header + "\n2024-03-07 14_04_00_007,0,\n"));
        QCOMPARE(first.count('\n'), 1 + std::min(lines, 3000));
        m_recorder->setSaveDataHeader(newHeader);
        record("c,", 1000, creat);
        const QString line = m_now.toString("yyyy-MM-dd hh_mm_ss_zzz,") + "c,\n";
        QCOMPARE(readFile(day() + "14_04_00user.csv"), last == "same" ? first + line : first);
        QCOMPARE(QDir(day()).entryList(QDir::Files).size(), last == "new" ? 2 : 1);
        if (last == "new")
            QCOMPARE(readFile(day() + m_now.toString("hh_mm_ss") + "user.csv"), newHeader + '\n' + line);
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
        QCOMPARE(readFile(project + "/Data/2024/03/07/14_04_02user.csv"), header + "\n2024-03-07 14_04_02_007,kept,\n");
    }

    void readsOneColumnBack_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("samples");
        QTest::newRow("first cell") << "ID:1.1" << QStringList{"t1=10", "t2=11", "t3=12", "=0", "t5=0", "t6=14"};
        QTest::newRow("box type 2") << "ID:1.5" << QStringList{"t1=20.5", "t2=21", "t3=0", "=0", "t5=0", "t6=24"};
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
