#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// The real program, each instance from its own copy of the executable so that
// its log folder shows whether it got past the guard. Every test has its own
// TMPDIR, from which the guard's key derives: no developer's vornView is met.
class TestSingleInstance : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;

    // Starts a copy of the program in folder `name`.
    QProcess *start(const QString &name, const QStringList &environment = {})
    {
        QDir(m_dir->path()).mkpath(name);
        const QString program = m_dir->filePath(name + "/vornView");
        QFile::copy(qEnvironmentVariable("VORN_APP"), program);
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &assignment : environment + QStringList{"TMPDIR=" + m_dir->filePath("tmp"),
                                                                   "QT_QPA_PLATFORM=offscreen", "QT_QUICK_BACKEND=software"})
            env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir->filePath(name));
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(program, QStringList());
        m_processes.push_back(std::move(process));
        return m_processes.back().get();
    }
    int logFiles(const QString &name) const { return QDir(m_dir->filePath(name + "/log")).entryList(QDir::Files).size(); }
    // Whether the instance passed the guard and opened its log file.
    bool logged(const QString &name, QProcess *process)
    {
        return QTest::qWaitFor([&] { return logFiles(name) > 0 || process->state() == QProcess::NotRunning; }, 30000)
            && logFiles(name) > 0;
    }
    // A later start leaves at once, before a log of its own, and leaves the first running.
    void refused(const QString &name, QProcess *running)
    {
        QProcess *late = start(name);
        QVERIFY(late->waitForFinished(30000));
        QCOMPARE(late->exitStatus(), QProcess::NormalExit);
        QCOMPARE(late->exitCode(), 0);
        QCOMPARE(logFiles(name), 0);
        QCOMPARE(running->state(), QProcess::Running);
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

    // An instance that leaves through the event loop releases the guard.
    void startAfterCleanExit_data()
    {
        QTest::addColumn<bool>("brokenWindow");
        QTest::addColumn<int>("exitCode");
        // A test plugin quits the event loop a second after start, as closing the window does.
        QTest::newRow("window closed") << false << 0;
        // A main window that cannot be created ends the run with -1.
        QTest::newRow("main window not created") << true << 255;
    }
    void startAfterCleanExit()
    {
        QFETCH(bool, brokenWindow);
        QFETCH(int, exitCode);
        QStringList environment{"QT_PLUGIN_PATH=" + qEnvironmentVariable("VORN_TEST_PLUGINS"),
                                "QT_QPA_GENERIC_PLUGINS=vornquitafterstart"};
        if (brokenWindow) {
            // Its QtQuick.Controls supplies an ApplicationWindow that cannot be created.
            const QString folder = m_dir->filePath("imports/QtQuick/Controls.2/");
            QFile qmldir(folder + "qmldir"), window(folder + "ApplicationWindow.qml");
            QVERIFY(QDir().mkpath(folder) && qmldir.open(QIODevice::WriteOnly) && window.open(QIODevice::WriteOnly));
            qmldir.write("module QtQuick.Controls\nApplicationWindow 2.15 ApplicationWindow.qml\n");
            window.write("import QtQuick 2.15\nItem { broken: }\n");
            environment << "QML2_IMPORT_PATH=" + m_dir->filePath("imports");
        }
        QProcess *first = start("first", environment);
        QVERIFY(first->waitForFinished(30000));
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first->exitCode(), exitCode);
        QCOMPARE(logFiles("first"), 1);
        QVERIFY(logged("next", start("next")));
    }

    // A second start leaves at once. A killed instance leaves its segment
    // behind; it must not lock the operator out, and clearing it must not
    // weaken the guard against a live one.
    void secondStartExitsAndKilledInstanceReleases()
    {
        QProcess *first = start("first");
        QVERIFY(logged("first", first));
        refused("second", first);
        first->kill();
        QVERIFY(first->waitForFinished(10000));
        QProcess *next = start("next");
        QVERIFY(logged("next", next));
        refused("late", next);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
