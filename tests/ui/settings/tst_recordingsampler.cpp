#include "recording/datasavecontrol.h"
#include "ui/settings/recordingsampler.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The recording switch and timer of the settings page, feeding a real
// recorder from a real main-table model into files under a temporary project.
class TestRecordingSampler : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rateSetsTimerAndRecorderGap();
    void linesLandInTheProjectsDataTree();
    void poundsAreRecordedInKilograms();
    void changedHeaderStartsANewFile();
    void switchingOnForcesOneNewFile();
    void timerRecordsWhileSwitchedOn();
    void unusableFactorIsRefused();
    void missingPartsRecordNothing();

private:
    void publish(int page, int index, int weight, int boxType);
    QString dayFolder() const;
    QStringList recordedFiles() const;
    QStringList linesOf(const QString &file) const;

    std::unique_ptr<QTemporaryDir> m_project;
    std::unique_ptr<DataSaveControl> m_recorder;
    std::unique_ptr<TableRowModel> m_rows;
    std::unique_ptr<RecordingSampler> m_sampler;
    QDateTime m_now;
};

void TestRecordingSampler::init()
{
    m_project = std::make_unique<QTemporaryDir>();
    QVERIFY(m_project->isValid());
    m_now = QDateTime(QDate(2024, 3, 7), QTime(14, 3, 58, 125));
    m_recorder = std::make_unique<DataSaveControl>([this] { return m_now; });
    // The recorder counts its first gap from its construction.
    m_now = m_now.addSecs(1);
    m_recorder->setProjectPath(m_project->path());
    m_rows = std::make_unique<TableRowModel>();
    m_sampler = std::make_unique<RecordingSampler>();
    m_sampler->setRows(m_rows.get());
    m_sampler->setRecorder(m_recorder.get());
}

void TestRecordingSampler::cleanup()
{
    m_sampler.reset();
    m_rows.reset();
    m_recorder.reset();
    m_project.reset();
}

void TestRecordingSampler::publish(int page, int index, int weight, int boxType)
{
    m_rows->setTableData(page, index, 0, 0, QStringLiteral("cell"), weight, weight, weight, 4000, 0, 5000, 0, 1, 0,
                         boxType, nullptr);
}

QString TestRecordingSampler::dayFolder() const
{
    return m_project->path() + QStringLiteral("/Data/2024/03/07");
}

QStringList TestRecordingSampler::recordedFiles() const
{
    return QDir(dayFolder()).entryList({QStringLiteral("*user.csv")}, QDir::Files, QDir::Name);
}

QStringList TestRecordingSampler::linesOf(const QString &file) const
{
    QFile f(dayFolder() + QLatin1Char('/') + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The rate table itself is SamplingRate's; here the choice reaches the timer
// and every recorder, and only offered positions are taken.
void TestRecordingSampler::rateSetsTimerAndRecorderGap()
{
    QCOMPARE(m_sampler->rates(), QStringList({"2", "1", "0.5"}));
    m_sampler->setRateIndex(2);
    QCOMPARE(m_sampler->interval(), 500);
    QCOMPARE(m_recorder->saveTick(), qulonglong(250));

    // A recorder attached later takes the chosen gap too.
    DataSaveControl other;
    m_sampler->setRecorder(&other);
    QCOMPARE(other.saveTick(), qulonglong(250));
    m_sampler->setRecorder(m_recorder.get());

    QVERIFY(m_sampler->restoreRateIndex(0));
    QCOMPARE(m_sampler->rateIndex(), 0);
    QCOMPARE(m_recorder->saveTick(), qulonglong(1000));
    QVERIFY(!m_sampler->restoreRateIndex(3));
    QVERIFY(!m_sampler->restoreRateIndex(0.5));
    m_sampler->setRateIndex(7);
    QCOMPARE(m_sampler->rateIndex(), 0);
    QCOMPARE(m_sampler->interval(), 2000);
}

void TestRecordingSampler::linesLandInTheProjectsDataTree()
{
    publish(1, 0, 12, 1);
    publish(1, 1, 0, 0);
    m_sampler->sample();
    m_now = m_now.addSecs(1);
    publish(1, 1, 7, 0);
    m_sampler->sample();

    QCOMPARE(m_recorder->saveDataHeader(), QStringLiteral("timer,ID:1.0/1,ID:1.1/0,"));
    QCOMPARE(m_recorder->savePath(), dayFolder());
    QCOMPARE(recordedFiles(), QStringList{QStringLiteral("14_03_59user.csv")});
    QCOMPARE(linesOf(QStringLiteral("14_03_59user.csv")),
             QStringList({"timer,ID:1.0/1,ID:1.1/0,", "2024-03-07 14_03_59_125,12,0,", "2024-03-07 14_04_00_125,12,7,"}));
}

void TestRecordingSampler::poundsAreRecordedInKilograms()
{
    publish(1, 0, 220, 1);
    m_sampler->setConFactor(2.20462262185);
    m_sampler->sample();

    const QStringList lines = linesOf(recordedFiles().value(0));
    QCOMPARE(lines.size(), 2);
    const QStringList fields = lines.at(1).split(QLatin1Char(','));
    QCOMPARE(fields.size(), 3);
    QCOMPARE(fields.at(2), QString());
    QVERIFY2(qAbs(fields.at(1).toDouble() - 99.7903) < 1e-4, qPrintable(lines.at(1)));
}

void TestRecordingSampler::changedHeaderStartsANewFile()
{
    publish(1, 0, 10, 1);
    m_sampler->sample();
    m_now = m_now.addSecs(1);
    m_sampler->sample();
    QCOMPARE(recordedFiles().size(), 1);

    // A cell joins the main table: the header changes and a new file begins.
    m_now = m_now.addSecs(1);
    publish(1, 5, 3, 2);
    m_sampler->sample();
    QCOMPARE(recordedFiles(), QStringList({"14_03_59user.csv", "14_04_01user.csv"}));
    QCOMPARE(linesOf(QStringLiteral("14_03_59user.csv")).size(), 3);
    QCOMPARE(linesOf(QStringLiteral("14_04_01user.csv")),
             QStringList({"timer,ID:1.0/1,ID:1.5/2,", "2024-03-07 14_04_01_125,10,3,"}));
}

void TestRecordingSampler::switchingOnForcesOneNewFile()
{
    publish(1, 0, 10, 1);
    m_sampler->sample();
    QSignalSpy newFile(m_sampler.get(), &RecordingSampler::newFileChanged);

    m_sampler->setRecording(true);
    QVERIFY(m_recorder->saveStart());
    QVERIFY(m_sampler->newFile());
    m_now = m_now.addSecs(1);
    m_sampler->sample();
    QVERIFY(!m_sampler->newFile());
    QCOMPARE(newFile.count(), 2);
    m_now = m_now.addSecs(1);
    m_sampler->sample();
    QCOMPARE(recordedFiles(), QStringList({"14_03_59user.csv", "14_04_00user.csv"}));
    QCOMPARE(linesOf(QStringLiteral("14_04_00user.csv")).size(), 3);

    m_sampler->setRecording(false);
    QVERIFY(!m_recorder->saveStart());
}

void TestRecordingSampler::timerRecordsWhileSwitchedOn()
{
    // The real clock: the recorder's gap check sees real time here.
    DataSaveControl recorder;
    recorder.setProjectPath(m_project->path());
    m_sampler->setRecorder(&recorder);
    m_sampler->setRateIndex(2);
    QCOMPARE(recorder.saveTick(), qulonglong(250));
    publish(1, 0, 10, 1);

    QSignalSpy header(&recorder, &DataSaveControl::saveDataHeaderChanged);
    m_sampler->setRecording(true);
    QTRY_VERIFY_WITH_TIMEOUT(!m_sampler->newFile(), 3000);
    QCOMPARE(header.count(), 1);
    m_sampler->setRecording(false);
    const QString savePath = recorder.savePath();
    QVERIFY(savePath.startsWith(m_project->path() + QStringLiteral("/Data/")));
    QTest::qWait(600);
    QDir folder(savePath);
    const QStringList files = folder.entryList({QStringLiteral("*user.csv")}, QDir::Files);
    QCOMPARE(files.size(), 1);
    QFile file(folder.filePath(files.first()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // Header, the one line written before switching off, and the final line end.
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(1).endsWith(",10,"));
    m_sampler->resetRecorder();
}

void TestRecordingSampler::unusableFactorIsRefused()
{
    m_sampler->setConFactor(2.20462262185);
    m_sampler->setConFactor(0);
    m_sampler->setConFactor(-1);
    m_sampler->setConFactor(qQNaN());
    m_sampler->setConFactor(qInf());
    QCOMPARE(m_sampler->conFactor(), 2.20462262185);
}

void TestRecordingSampler::missingPartsRecordNothing()
{
    publish(1, 0, 10, 1);
    m_sampler->setRecording(true);
    m_sampler->resetRows();
    m_sampler->sample();
    QVERIFY(m_sampler->newFile());
    QVERIFY(!QDir(m_project->path() + QStringLiteral("/Data")).exists());

    m_sampler->setRows(m_rows.get());
    m_rows.reset(); // the table went with its workspace
    m_sampler->sample();
    QVERIFY(!QDir(m_project->path() + QStringLiteral("/Data")).exists());
    m_sampler->setRecording(false);
}

QTEST_GUILESS_MAIN(TestRecordingSampler)
#include "tst_recordingsampler.moc"
