#include "recording/datasavecontrol.h"

#include <QtTest>

static const QString header = QStringLiteral("timer,ID:1.1/0,ID:1.2/0,");

static QString readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

static bool writeFile(const QString &name, const QByteArray &content)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The recorder on a clock the test moves by hand, from 2024-03-07 14:03:59.007.
class TestDataSaveControl : public QObject
{
    Q_OBJECT

    QDateTime m_now;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DataSaveControl> m_recorder;

    QString day() const { return m_dir->path() + "/Data/2024/03/07/"; }
    QString line(const QString &values) const { return m_now.toString("yyyy-MM-dd hh_mm_ss_zzz,") + values + '\n'; }
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
        m_dir = std::make_unique<QTemporaryDir>();
        m_now = QDateTime(QDate(2024, 3, 7), QTime(14, 3, 59, 7));
        m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
        m_recorder->setProjectPath(m_dir->path());
        m_recorder->setSaveDataHeader(header);
    }

    // Where the last sample goes after `lines` one second apart: the first file, a new one or nowhere.
    void whereTheNextSampleGoes_data()
    {
        QTest::addColumn<qulonglong>("tick"); QTest::addColumn<int>("lines"); QTest::addColumn<qint64>("gap");
        QTest::addColumn<QString>("newHeader"); QTest::addColumn<bool>("creat"); QTest::addColumn<QString>("last");
        QTest::newRow("300 ms of 500") << 500ULL << 1 << 300LL << header << false << "none";
        QTest::newRow("exactly 500 ms") << 500ULL << 1 << 500LL << header << false << "none";
        QTest::newRow("501 ms of 500") << 500ULL << 1 << 501LL << header << false << "same";
        QTest::newRow("tick 0, same millisecond") << 0ULL << 1 << 0LL << header << false << "none";
        QTest::newRow("clock set back an hour") << 500ULL << 1 << -3600000LL << header << false << "same";
        QTest::newRow("cell added") << 500ULL << 2 << 1000LL << header + "ID:1.3/0," << false << "new";
        QTest::newRow("creat") << 500ULL << 2 << 1000LL << header << true << "new";
        QTest::newRow("3001st sample closes the file, written nowhere") << 500ULL << 3000 << 1000LL << header << false << "none";
        QTest::newRow("3002nd sample") << 500ULL << 3001 << 1000LL << header << false << "new";
    }
    void whereTheNextSampleGoes()
    {
        QFETCH(qulonglong, tick); QFETCH(int, lines); QFETCH(qint64, gap); QFETCH(QString, newHeader);
        QFETCH(bool, creat); QFETCH(QString, last);
        m_recorder->setSaveTick(tick);
        // Read while the recorder holds the file open: each line is flushed.
        for (int i = 0; i < lines; ++i)
            record(QString::number(i) + ',');
        const QString first = readFile(day() + "14_04_00user.csv");
        QVERIFY(first.startsWith(header + "\n2024-03-07 14_04_00_007,0,\n"));
        QCOMPARE(first.count('\n'), 1 + std::min(lines, 3000));
        m_recorder->setSaveDataHeader(newHeader);
        record("c,", gap, creat);
        QCOMPARE(readFile(day() + "14_04_00user.csv"), last == "same" ? first + line("c,") : first);
        QCOMPARE(QDir(day()).entryList(QDir::Files).size(), last == "new" ? 2 : 1);
        if (last == "new")
            QCOMPARE(readFile(day() + m_now.toString("hh_mm_ss") + "user.csv"), newHeader + '\n' + line("c,"));
    }

    // A plain file where the project folder should be loses only the samples until it goes.
    void openFailureLosesOnlyThatSample()
    {
        const QString project = m_dir->path() + "/project";
        QVERIFY(writeFile(project, "not a folder"));
        m_recorder->setProjectPath(project);
        record("lost,");
        QVERIFY(QFile::remove(project) && QDir().mkpath(project));
        record("kept,");
        QCOMPARE(readFile(project + "/Data/2024/03/07/14_04_01user.csv"), header + '\n' + line("kept,"));
    }

    void readsOneColumnBack_data()
    {
        QTest::addColumn<QString>("id"); QTest::addColumn<QStringList>("samples");
        QTest::newRow("first cell") << "ID:1.1" << QStringList{"t1=10", "t2=11", "t3=12", "=0", "t5=0", "t6=14"};
        QTest::newRow("box type 2") << "ID:1.5" << QStringList{"t1=20.5", "t2=21", "t3=0", "=0", "t5=0", "t6=24"};
        QTest::newRow("last cell") << "ID:1.15" << QStringList{"t1=-3", "t2=0", "t3=0", "=0", "t5=0", "t6=34"};
        QTest::newRow("prefix of an id") << "ID:1" << QStringList();
        QTest::newRow("id with box type") << "ID:1.5/2" << QStringList();
    }
    void readsOneColumnBack()
    {
        QFETCH(QString, id); QFETCH(QStringList, samples);
        const QString file = m_dir->filePath("my rec.csv");
        QVERIFY(writeFile(file, "timer,ID:1.1/0,ID:1.5/2,ID:1.15/0,\nt1,10,20.5,-3,\nt2,11,21,x,\nt3,12\n\nt5\r\nt6,14,24,34,"));
        QCOMPARE(readBack(QUrl::fromLocalFile(file).toString(), id), samples);
        QVERIFY(writeFile(m_dir->filePath("header.csv"), header.toUtf8() + '\n'));
        for (const char *unreadable : {"missing.csv", "", "header.csv"})
            QCOMPARE(readBack(m_dir->filePath(unreadable), id), QStringList());
    }

    // 300 lines of 1000 cells (2 MB) straddle the blocks the readback reads at a time.
    void readsLinesAcrossReadBlocks()
    {
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
        QVERIFY(writeFile(m_dir->filePath("big.csv"), content));
        QCOMPARE(readBack(m_dir->filePath("big.csv"), "ID:1.517"), expected);
    }
};

QTEST_GUILESS_MAIN(TestDataSaveControl)
#include "tst_datasavecontrol.moc"
