#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

// The real program, each instance from its own copy so that its log folder shows whether it got past
// the guard. Each test has its own TMPDIR, from which the guard's key derives.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;

    QProcess *start(const QString &name, const QStringList &environment = {})
    {
        QDir(m_dir->path()).mkpath(name);
        QFile::copy(qEnvironmentVariable("VORN_APP"), m_dir->filePath(name + "/vornView"));
        QProcess *process = m_processes.emplace_back(std::make_unique<QProcess>()).get();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &assignment : environment + QStringList{"TMPDIR=" + m_dir->filePath("tmp"),
                                                                   "QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software"})
            env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir->filePath(name));
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(m_dir->filePath(name + "/vornView"), QStringList());
        process->waitForStarted(30000); // else a log file may come before QProcess calls it running
        return process;
    }
    int logFiles(const QString &name) const { return QDir(m_dir->filePath(name + "/log")).entryList(QDir::Files).size(); }
    // Whether the instance passed the guard and opened its log file; if not, how it ended, so that a
    // guard refusal (exit code 0) tells itself apart from a failed start or a crash.
    bool logged(const QString &name)
    {
        QProcess *process = start(name);
        if (QTest::qWaitFor([&] { return logFiles(name) > 0 || process->state() == QProcess::NotRunning; }, 30000)
            && logFiles(name) > 0)
            return true;
        qWarning() << name << "has no log:" << process->state() << process->error() << process->exitStatus()
                   << "exit code" << process->exitCode();
        return false;
    }
    // Starts an instance that should leave by itself, normally with code 0: its count of log files, else -1.
    int leaves(const QString &name, const QStringList &environment = {})
    {
        QProcess *process = start(name, environment);
        return process->waitForFinished(30000) && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0
            ? logFiles(name) : -1;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkpath("tmp"));
    }
    void cleanup()
    {
        for (auto &process : m_processes) {
            process->kill();
            process->waitForFinished(10000);
        }
        m_processes.clear();
        // Killed instances leave their segment behind; the last detach removes it.
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_dir->filePath("tmp").toLocal8Bit());
        QSharedMemory stale("vornView");
        if (stale.attach())
            stale.detach();
        qputenv("TMPDIR", tmp);
    }

    // A test plugin quits the event loop a second after start, as closing the window does.
    void startAfterCleanExit()
    {
        QCOMPARE(leaves("first", {"QT_PLUGIN_PATH=" + qEnvironmentVariable("VORN_TEST_PLUGINS"),
                                  "QT_QPA_GENERIC_PLUGINS=vornquitafterstart"}), 1);
        QVERIFY(logged("next"));
    }

    // A second start leaves before a log of its own. A killed instance's segment must not lock the
    // operator out, nor clearing it weaken the guard.
    void secondStartExitsAndKilledInstanceReleases()
    {
        QVERIFY(logged("first"));
        QCOMPARE(leaves("second"), 0);
        QCOMPARE(m_processes.front()->state(), QProcess::Running);
        m_processes.front()->kill();
        QVERIFY(m_processes.front()->waitForFinished(10000));
        m_processes.clear();
        QVERIFY(logged("next"));
        QCOMPARE(leaves("late"), 0);
        QCOMPARE(m_processes.front()->state(), QProcess::Running);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
