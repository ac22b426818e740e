#include "recording/datasavecontrol.h"

#include <QtTest>

namespace {

const QDateTime start(QDate(2024, 3, 7), QTime(14, 3, 59, 125));

QStringList readLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing>")};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), qint64(content.size()));
}

struct Sample
{
    double partIndex;
    QString timer;
    double data;
    int seriescount;
    QString id;
};

} // namespace

class TestDataSaveControl : public QObject
{
    Q_OBJECT

private:
    // A recorder on a clock the test moves by hand, recording into m_dir.
    QDateTime m_now;
    QTemporaryDir m_dir;

    std::unique_ptr<DataSaveControl> makeRecorder(const QString &header = QStringLiteral("timer,ID:1.1/0,ID:1.2/0,"))
    {
        auto recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
        recorder->setProjectPath(m_dir.path());
        recorder->setSaveDataHeader(header);
        return recorder;
    }
    QString dayFolder() const { return m_dir.path() + QStringLiteral("/Data/2024/03/07"); }
    void advance(qint64 ms) { m_now = m_now.addMSecs(ms); }

    QList<Sample> readBack(const QString &path, const QString &id)
    {
        DataSaveControl recorder;
        QList<Sample> samples;
        connect(&recorder, &DataSaveControl::upLoadErrDataSignal, this,
                [&samples](double partIndex, const QString &timer, double data, int seriescount, const QString &id) {
                    samples.append({partIndex, timer, data, seriescount, id});
                });
        recorder.readDataFromPathErr(path, 3, id, 2);
        return samples;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
        m_now = start;
    }

    void propertiesNotifyOnlyOnChange()
    {
        DataSaveControl recorder;
        QCOMPARE(recorder.saveTick(), 500ULL);
        const QMetaObject *meta = recorder.metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            const QVariant value = property.type() == QVariant::Bool ? QVariant(true)
                    : property.type() == QVariant::String ? QVariant(QStringLiteral("/p"))
                                                          : QVariant(1000ULL);
            QSignalSpy changed(&recorder, property.notifySignal());
            QVERIFY(property.write(&recorder, value));
            QVERIFY(property.write(&recorder, value));
            QVERIFY(property.reset(&recorder));
            QVERIFY(property.reset(&recorder));
            QVERIFY2(changed.count() == 2, property.name());
        }
        QCOMPARE(recorder.saveTick(), 0ULL);
    }

    void namesFolderAndFileFromClock_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("stamp");
        QTest::newRow("afternoon") << start << "/Data/2024/03/07" << "14_03_59user.csv" << "2024-03-07 14_03_59_125";
        QTest::newRow("last millisecond of a year")
                << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 999)) << "/Data/2024/12/31"
                << "23_59_59user.csv" << "2024-12-31 23_59_59_999";
        QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0, 7)) << "/Data/2025/01/01"
                                  << "00_00_00user.csv" << "2025-01-01 00_00_00_007";
    }
    void namesFolderAndFileFromClock()
    {
        QFETCH(QDateTime, time);
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        QFETCH(QString, stamp);

        m_now = time.addSecs(-1);
        auto recorder = makeRecorder();
        m_now = time;
        QSignalSpy pathChanged(recorder.get(), &DataSaveControl::savePathChanged);
        recorder->saveDataStr(QStringLiteral("12.5,0,"), false);

        QCOMPARE(recorder->savePath(), m_dir.path() + folder);
        QCOMPARE(pathChanged.count(), 1);
        QCOMPARE(readLines(m_dir.path() + folder + '/' + fileName),
                 QStringList({"timer,ID:1.1/0,ID:1.2/0,", stamp + ",12.5,0,"}));
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

        auto recorder = makeRecorder();
        recorder->setSaveTick(tick);
        advance(1000);
        recorder->saveDataStr(QStringLiteral("first,"), false);
        // Read while the recorder still holds the file open: each line is flushed.
        const QString fileName = dayFolder() + QStringLiteral("/14_04_00user.csv");
        QCOMPARE(readLines(fileName).size(), 2);

        advance(gap);
        recorder->saveDataStr(QStringLiteral("second,"), false);
        QCOMPARE(readLines(fileName).size(), written ? 3 : 2);
    }

    void firstSampleRightAfterConstructionIsDropped()
    {
        auto recorder = makeRecorder();
        advance(300);
        recorder->saveDataStr(QStringLiteral("early,"), false);
        QVERIFY(QDir(dayFolder()).entryList(QDir::Files).isEmpty());
        advance(300);
        recorder->saveDataStr(QStringLiteral("late,"), false);
        QCOMPARE(readLines(dayFolder() + QStringLiteral("/14_03_59user.csv")).size(), 2);
    }

    void rollsOverAfter3000Lines()
    {
        auto recorder = makeRecorder();
        for (int i = 0; i < DataSaveControl::maxLinesPerFile; ++i) {
            advance(1000);
            recorder->saveDataStr(QString::number(i) + ',', false);
        }
        const QString first = dayFolder() + QStringLiteral("/14_04_00user.csv");
        QStringList lines = readLines(first);
        QCOMPARE(lines.size(), 3001);
        QVERIFY(lines.last().endsWith(QLatin1String(",2999,")));

        // The 3001st accepted sample closes the file and is not written anywhere.
        advance(1000);
        recorder->saveDataStr(QStringLiteral("lost,"), false);
        QCOMPARE(readLines(first), lines);
        QCOMPARE(QDir(dayFolder()).entryList(QDir::Files).size(), 1);

        advance(1000);
        recorder->saveDataStr(QStringLiteral("next,"), false);
        const QString second = dayFolder() + '/' + m_now.toString(QStringLiteral("hh_mm_ss")) + "user.csv";
        QCOMPARE(readLines(second),
                 QStringList({"timer,ID:1.1/0,ID:1.2/0,", m_now.toString("yyyy-MM-dd hh_mm_ss_zzz") + ",next,"}));
        QCOMPARE(readLines(first), lines);
    }

    void startsANewFileAndKeepsTheOldOneWhole_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("creat");
        QTest::addColumn<bool>("newFile");
        QTest::newRow("same header") << "timer,ID:1.1/0,ID:1.2/0," << false << false;
        QTest::newRow("cell added") << "timer,ID:1.1/0,ID:1.2/0,ID:1.3/0," << false << true;
        QTest::newRow("creat") << "timer,ID:1.1/0,ID:1.2/0," << true << true;
    }
    void startsANewFileAndKeepsTheOldOneWhole()
    {
        QFETCH(QString, header);
        QFETCH(bool, creat);
        QFETCH(bool, newFile);

        auto recorder = makeRecorder();
        advance(1000);
        recorder->saveDataStr(QStringLiteral("a,"), false);
        advance(1000);
        recorder->saveDataStr(QStringLiteral("b,"), false);
        recorder->setSaveDataHeader(header);
        advance(1000);
        recorder->saveDataStr(QStringLiteral("c,"), creat);

        const QStringList first = readLines(dayFolder() + QStringLiteral("/14_04_00user.csv"));
        const QString second = dayFolder() + QStringLiteral("/14_04_02user.csv");
        QCOMPARE(QFileInfo::exists(second), newFile);
        QCOMPARE(first.size(), newFile ? 3 : 4);
        QVERIFY(first.at(2).endsWith(QLatin1String(",b,")));
        if (newFile)
            QCOMPARE(readLines(second), QStringList({header, m_now.toString("yyyy-MM-dd hh_mm_ss_zzz") + ",c,"}));
        else
            QVERIFY(first.at(3).endsWith(QLatin1String(",c,")));
    }

    void openFailureLosesOnlyThatSample()
    {
        // A plain file where the project folder should be: no folder can be
        // made below it, whoever runs the test.
        const QString project = m_dir.path() + QStringLiteral("/project");
        writeFile(project, "not a folder");
        auto recorder = makeRecorder();
        recorder->setProjectPath(project);

        advance(1000);
        recorder->saveDataStr(QStringLiteral("lost,"), false);
        QCOMPARE(recorder->savePath(), project + QStringLiteral("/Data/2024/03/07"));
        advance(1000);
        recorder->saveDataStr(QStringLiteral("lost too,"), false);

        QVERIFY(QFile::remove(project));
        QVERIFY(QDir().mkpath(project));
        advance(1000);
        recorder->saveDataStr(QStringLiteral("kept,"), false);
        const QStringList lines = readLines(project + QStringLiteral("/Data/2024/03/07/14_04_02user.csv"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(0), recorder->saveDataHeader());
        QVERIFY(lines.at(1).endsWith(QLatin1String(",kept,")));
        QCOMPARE(QDir(project + QStringLiteral("/Data/2024/03/07")).entryList(QDir::Files).size(), 1);
    }

    void readsOneColumnBack_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("first cell") << "ID:1.1" << QList<double>{10, 11, 12, 0, 0, 14};
        QTest::newRow("column with box type 2") << "ID:1.5" << QList<double>{20.5, 21, 0, 0, 0, 24};
        QTest::newRow("last cell") << "ID:1.15" << QList<double>{-3, 0, 0, 0, 0, 34};
        QTest::newRow("prefix of an id") << "ID:1" << QList<double>{};
        QTest::newRow("missing id") << "ID:9.9" << QList<double>{};
        QTest::newRow("id with box type") << "ID:1.5/2" << QList<double>{};
    }
    void readsOneColumnBack()
    {
        QFETCH(QString, id);
        QFETCH(QList<double>, values);

        const QString fileName = m_dir.path() + QStringLiteral("/rec.csv");
        writeFile(fileName,
                  "timer,ID:1.1/0,ID:1.5/2,ID:1.15/0,\n"
                  "t1,10,20.5,-3,\n"
                  "t2,11,21,x,\n"
                  "t3,12\n"
                  "\n"
                  "t5\r\n"
                  "t6,14,24,34,");
        const QList<Sample> samples = readBack(fileName, id);
        QCOMPARE(samples.size(), values.size());
        const QStringList times{"t1", "t2", "t3", "", "t5", "t6"};
        for (int i = 0; i < samples.size(); ++i) {
            QCOMPARE(samples.at(i).timer, times.at(i));
            QCOMPARE(samples.at(i).data, values.at(i));
            QCOMPARE(samples.at(i).partIndex, 3.0);
            QCOMPARE(samples.at(i).seriescount, 2);
            QCOMPARE(samples.at(i).id, id);
        }
    }

    void readsBackWhatWasRecorded()
    {
        auto recorder = makeRecorder(QStringLiteral("timer,ID:1.1/0,ID:1.2/0,"));
        for (int i = 0; i < 3; ++i) {
            advance(1000);
            recorder->saveDataStr(QStringLiteral("%1,%2,").arg(i).arg(i * 1.5), false);
        }
        const QString url = QUrl::fromLocalFile(dayFolder() + QStringLiteral("/14_04_00user.csv")).toString();
        QVERIFY(url.startsWith(QLatin1String("file:///")));
        const QList<Sample> samples = readBack(url, QStringLiteral("ID:1.2"));
        QCOMPARE(samples.size(), 3);
        QCOMPARE(samples.at(0).timer, QStringLiteral("2024-03-07 14_04_00_125"));
        QCOMPARE(samples.at(2).data, 3.0);
    }

    void readsLinesAcrossReadBlocks()
    {
        // 300 lines of 1000 cells make about 2 MB: lines straddle the blocks
        // the readback reads at a time.
        const int lineCount = 300;
        const int cellCount = 1000;
        QByteArray content("timer,");
        for (int c = 0; c < cellCount; ++c)
            content += "ID:1." + QByteArray::number(c) + "/0,";
        content += '\n';
        for (int l = 0; l < lineCount; ++l) {
            content += "t" + QByteArray::number(l) + ',';
            for (int c = 0; c < cellCount; ++c)
                content += QByteArray::number(l * 10000 + c) + ',';
            content += '\n';
        }
        QVERIFY(content.size() > 2 * 1024 * 1024);
        const QString fileName = m_dir.path() + QStringLiteral("/big.csv");
        writeFile(fileName, content);

        for (int cell : {0, 517, cellCount - 1}) {
            const QList<Sample> samples = readBack(fileName, QStringLiteral("ID:1.%1").arg(cell));
            QCOMPARE(samples.size(), lineCount);
            for (int l = 0; l < lineCount; ++l) {
                QCOMPARE(samples.at(l).timer, QStringLiteral("t%1").arg(l));
                QCOMPARE(samples.at(l).data, double(l * 10000 + cell));
            }
        }
    }

    void unreadableFilesEmitNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing file") << "missing.csv" << QByteArray();
        QTest::newRow("empty file") << "empty.csv" << QByteArray("");
        QTest::newRow("header only") << "header.csv" << QByteArray("timer,ID:1.1/0,\n");
        QTest::newRow("a folder") << "folder" << QByteArray();
    }
    void unreadableFilesEmitNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        const QString path = m_dir.path() + '/' + name;
        if (name == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (!content.isNull())
            writeFile(path, content);
        QVERIFY(readBack(path, QStringLiteral("ID:1.1")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataSaveControl)
#include "tst_datasavecontrol.moc"
