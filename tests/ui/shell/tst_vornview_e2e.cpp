#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The real program, copied into a temporary folder and started there on the
// X display the test runs under: a first start creates, opens and shows the
// default project; a second start with the stored settings opens it again.
// Closing the window and SIGTERM both save what the session changed.
class TestVornViewEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstStartCreatesAndShowsTheDefaultProject();
    void secondStartReopensTheSameProject();
    void leavingSavesTheSessionsCells_data();
    void leavingSavesTheSessionsCells();

private:
    void startProgram(const QString &workingFolder = QString());
    void stopProgram();
    void leave(const QString &how);
    int openedCount(const QString &workingFolder = QString()) const;
    QString folder(const QString &relative) const { return m_dir.filePath(relative); }

    QTemporaryDir m_dir;
    QString m_program;
    std::unique_ptr<QProcess> m_process;
};

void TestVornViewEndToEnd::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "runs under an X server (xvfb-run)");
    m_program = folder(QStringLiteral("vornView"));
    QVERIFY(QFile::copy(QString::fromLocal8Bit(qgetenv("VORN_APP")), m_program));
    QVERIFY(QDir().mkpath(folder(QStringLiteral("tmp"))));
}

void TestVornViewEndToEnd::cleanup()
{
    stopProgram();
}

// Starts the program copied into the working folder (the test's own folder
// when none is given); it writes its log and default project beside itself.
void TestVornViewEndToEnd::startProgram(const QString &workingFolder)
{
    const QDir work(workingFolder.isEmpty() ? m_dir.path() : workingFolder);
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("TMPDIR"), work.filePath(QStringLiteral("tmp")));
    m_process->setProcessEnvironment(env);
    m_process->setWorkingDirectory(work.path());
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->start(work.filePath(QStringLiteral("vornView")), QStringList());
    QVERIFY(m_process->waitForStarted(10000));
}

// Ends the program the way the row names and expects a clean, successful exit.
void TestVornViewEndToEnd::leave(const QString &how)
{
    if (how == QLatin1String("window closed")) {
        // Until the window is mapped there is nothing to close; the message
        // goes out once.
        bool sent = false;
        for (int attempt = 0; attempt < 100 && !sent; ++attempt) {
            sent = QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                     {QString::fromLocal8Bit(qgetenv("VORN_CLOSE_WINDOW")), QStringLiteral("vornView")})
                   == 0;
            if (!sent)
                QTest::qWait(100);
        }
        QVERIFY(sent);
    } else {
        m_process->terminate();
    }
    QVERIFY(m_process->waitForFinished(20000));
    QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process->exitCode(), 0);
    m_process.reset();
}

void TestVornViewEndToEnd::stopProgram()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(10000)) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
    m_process.reset();
}

// The project controller writes this debug line each time a project is read.
int TestVornViewEndToEnd::openedCount(const QString &workingFolder) const
{
    int count = 0;
    const QDir logs(QDir(workingFolder.isEmpty() ? m_dir.path() : workingFolder).filePath(QStringLiteral("log")));
    const QStringList files = logs.entryList(QStringList{QStringLiteral("*_log.txt")}, QDir::Files);
    for (const QString &name : files) {
        QFile file(logs.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            count += QString::fromUtf8(file.readAll()).count(QStringLiteral("打开项目成功"));
    }
    return count;
}

void TestVornViewEndToEnd::firstStartCreatesAndShowsTheDefaultProject()
{
    startProgram();
    const QString project =
        folder(QStringLiteral("0_Project_source/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(project), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(openedCount(), 1, 20000);
    QVERIFY(!QDir(folder(QStringLiteral("log"))).entryList(QDir::Files).isEmpty());
    // The settings of the page are written shortly after they change.
    QTRY_COMPARE_WITH_TIMEOUT(QSettings(folder(QStringLiteral("setting.ini")), QSettings::IniFormat)
                                  .value(QStringLiteral("saveFile")).toString(),
                              project, 5000);
    QCOMPARE(m_process->state(), QProcess::Running);

    // Let the window settle, then keep a picture of the workspace.
    QTest::qWait(1500);
    const QString artifacts = QString::fromLocal8Bit(qgetenv("VORN_BINARY_DIR")) + QStringLiteral("/test-artifacts");
    QVERIFY(QDir().mkpath(artifacts));
    const QString shot = artifacts + QStringLiteral("/workspace.png");
    QFile::remove(shot);
    QCOMPARE(QProcess::execute(QStringLiteral("import"),
                               {QStringLiteral("-window"), QStringLiteral("root"), shot}), 0);
    QVERIFY(QFileInfo(shot).size() > 0);
}

void TestVornViewEndToEnd::secondStartReopensTheSameProject()
{
    startProgram();
    QTRY_COMPARE_WITH_TIMEOUT(openedCount(), 2, 20000);
    const QStringList projects =
        QDir(folder(QStringLiteral("0_Project_source"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(projects, QStringList{QStringLiteral("VornView_Temp_Project")});
    QCOMPARE(m_process->state(), QProcess::Running);
}

void TestVornViewEndToEnd::leavingSavesTheSessionsCells_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("window closed") << "window closed";
    QTest::newRow("SIGTERM") << "SIGTERM";
}

// A Bluetooth cell registers during the session (the simulated receiver on a
// pseudo-terminal); leaving saves it. A second start, with no receiver, reads
// it back and leaving saves it again.
void TestVornViewEndToEnd::leavingSavesTheSessionsCells()
{
    QFETCH(QString, how);
    const QString serialsim = QString::fromLocal8Bit(qgetenv("VORN_SERIALSIM"));
    if (serialsim.isEmpty())
        QSKIP("the serial receiver simulator is not built");
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QFile::copy(m_program, work.filePath(QStringLiteral("vornView"))));
    QVERIFY(QDir().mkpath(work.filePath(QStringLiteral("tmp"))));
    const QString receiver = work.filePath(QStringLiteral("receiver"));
    QProcess simulator;
    simulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    simulator.setStandardOutputFile(QProcess::nullDevice());
    simulator.start(serialsim, {QStringLiteral("--cells"), QStringLiteral("1"), QStringLiteral("--rate"),
                                QStringLiteral("10"), QStringLiteral("--link"), receiver});
    QVERIFY(simulator.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(receiver).isSymLink(), 10000);
    {
        QSettings settings(work.filePath(QStringLiteral("setting.ini")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("m_serialPort"), receiver);
    }

    const QString project =
        work.filePath(QStringLiteral("0_Project_source/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"));
    auto savedCells = [&project] {
        QFile file(project);
        QStringList keys;
        if (!file.open(QIODevice::ReadOnly))
            return keys;
        const QJsonArray cells = QJsonDocument::fromJson(file.readAll())
                                     .object()
                                     .value(QStringLiteral("WeightingControlParent"))
                                     .toObject()
                                     .value(QStringLiteral("WeightingControl"))
                                     .toObject()
                                     .value(QStringLiteral("CELL DATA"))
                                     .toArray();
        for (const QJsonValue cell : cells) {
            const QJsonObject entry = cell.toObject();
            keys << QStringLiteral("%1.%2").arg(entry.value(QStringLiteral("pageId")).toInt())
                        .arg(entry.value(QStringLiteral("index")).toInt());
        }
        return keys;
    };
    auto logText = [&work] {
        QString text;
        const QDir logs(work.filePath(QStringLiteral("log")));
        for (const QString &name : logs.entryList(QStringList{QStringLiteral("*_log.txt")}, QDir::Files)) {
            QFile file(logs.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        return text;
    };

    startProgram(work.path());
    QTRY_VERIFY_WITH_TIMEOUT(logText().contains(QStringLiteral("Create device ID:20.1\n")), 20000);
    QVERIFY(!savedCells().contains(QStringLiteral("20.1")));
    leave(how);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(savedCells(), (QStringList{QStringLiteral("1.0"), QStringLiteral("20.1")}));

    simulator.terminate();
    QVERIFY(simulator.waitForFinished(10000));
    startProgram(work.path());
    QTRY_COMPARE_WITH_TIMEOUT(openedCount(work.path()), 2, 20000);
    leave(how);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(savedCells(), (QStringList{QStringLiteral("1.0"), QStringLiteral("20.1")}));
}

QTEST_GUILESS_MAIN(TestVornViewEndToEnd)
#include "tst_vornview_e2e.moc"
