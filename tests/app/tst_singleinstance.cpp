#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

// Starts the real program. Every test gets its own TMPDIR: the guard's key is
// derived from a file in the temporary folder, so these instances never meet
// a vornView the developer is running. Each instance runs from its own copy of
// the executable, so its log folder shows whether it got past the guard.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void secondStartExitsAtOnce();
    void startAfterCleanExit_data();
    void startAfterCleanExit();
    void startAfterKilledInstance();

private:
    // A copy of the executable in a folder of its own, named `name`.
    QString copyProgram(const QString &name);
    QProcess *start(const QString &program, const QStringList &extraEnvironment = QStringList());
    static QStringList logFiles(const QString &program);
    // Waits until the instance has passed the guard and opened its log file.
    bool waitForLog(const QString &program, QProcess *process);
    void writeBrokenControls();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

void TestSingleInstance::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("tmp")));
    QVERIFY(QFile::exists(QString::fromLocal8Bit(qgetenv("VORN_APP"))));
}

void TestSingleInstance::cleanup()
{
    for (auto &process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(10000);
        }
    }
    m_processes.clear();

    // Killed instances leave their segment behind; the last detach removes it
    // so no test leaves anything in the system's shared memory.
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", m_dir->filePath(QStringLiteral("tmp")).toLocal8Bit());
    QSharedMemory stale(QStringLiteral("vornView"));
    if (stale.attach())
        stale.detach();
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);
    m_dir.reset();
}

QString TestSingleInstance::copyProgram(const QString &name)
{
    const QString folder = m_dir->filePath(name);
    QDir().mkpath(folder);
    const QString program = folder + QStringLiteral("/vornView");
    if (!QFile::copy(QString::fromLocal8Bit(qgetenv("VORN_APP")), program))
        return QString();
    return program;
}

QProcess *TestSingleInstance::start(const QString &program, const QStringList &extraEnvironment)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), m_dir->filePath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
    for (const QString &assignment : extraEnvironment)
        env.insert(assignment.section(QLatin1Char('='), 0, 0), assignment.section(QLatin1Char('='), 1));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(QFileInfo(program).path());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, QStringList());
    process->waitForStarted(10000);
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

QStringList TestSingleInstance::logFiles(const QString &program)
{
    return QDir(QFileInfo(program).path() + QStringLiteral("/log"))
        .entryList(QStringList{QStringLiteral("*_log.txt")}, QDir::Files);
}

bool TestSingleInstance::waitForLog(const QString &program, QProcess *process)
{
    for (int attempt = 0; attempt < 600; ++attempt) {
        if (!logFiles(program).isEmpty())
            return true;
        if (process->state() == QProcess::NotRunning)
            return false;
        QTest::qWait(50);
    }
    return false;
}

// An import folder whose QtQuick.Controls module supplies a main window that
// cannot be created; everything else of the program stays real.
void TestSingleInstance::writeBrokenControls()
{
    const QString folder = m_dir->filePath(QStringLiteral("imports/QtQuick/Controls.2"));
    QVERIFY(QDir().mkpath(folder));
    QFile qmldir(folder + QStringLiteral("/qmldir"));
    QVERIFY(qmldir.open(QIODevice::WriteOnly));
    qmldir.write("module QtQuick.Controls\nApplicationWindow 2.15 ApplicationWindow.qml\n");
    qmldir.close();
    QFile window(folder + QStringLiteral("/ApplicationWindow.qml"));
    QVERIFY(window.open(QIODevice::WriteOnly));
    window.write("import QtQuick 2.15\nItem { broken: }\n");
}

void TestSingleInstance::secondStartExitsAtOnce()
{
    const QString firstProgram = copyProgram(QStringLiteral("first"));
    const QString secondProgram = copyProgram(QStringLiteral("second"));
    QVERIFY(!firstProgram.isEmpty() && !secondProgram.isEmpty());

    QProcess *first = start(firstProgram);
    QVERIFY(waitForLog(firstProgram, first));

    QProcess *second = start(secondProgram);
    QVERIFY(second->waitForFinished(30000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(!QDir(QFileInfo(secondProgram).path() + QStringLiteral("/log")).exists());

    // The first instance is untouched and still holds the guard.
    QCOMPARE(first->state(), QProcess::Running);
    QProcess *third = start(secondProgram);
    QVERIFY(third->waitForFinished(30000));
    QCOMPARE(third->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::startAfterCleanExit_data()
{
    QTest::addColumn<bool>("brokenWindow");
    QTest::addColumn<int>("exitCode");

    // A test plugin quits the event loop a second after start, as closing the
    // window does.
    QTest::newRow("window closed") << false << 0;
    // A main window that cannot be created ends the run through the event loop
    // with -1 (255 as a process status).
    QTest::newRow("main window not created") << true << 255;
}

// An instance that leaves through the event loop releases the guard.
void TestSingleInstance::startAfterCleanExit()
{
    QFETCH(bool, brokenWindow);
    QFETCH(int, exitCode);

    const QString firstProgram = copyProgram(QStringLiteral("first"));
    const QString nextProgram = copyProgram(QStringLiteral("next"));
    QVERIFY(!firstProgram.isEmpty() && !nextProgram.isEmpty());

    QStringList environment{
        QStringLiteral("QT_PLUGIN_PATH=") + QString::fromLocal8Bit(qgetenv("VORN_TEST_PLUGINS")),
        QStringLiteral("QT_QPA_GENERIC_PLUGINS=vornquitafterstart")};
    if (brokenWindow) {
        writeBrokenControls();
        if (QTest::currentTestFailed())
            return;
        environment << QStringLiteral("QML2_IMPORT_PATH=") + m_dir->filePath(QStringLiteral("imports"));
    }
    QProcess *first = start(firstProgram, environment);
    QVERIFY(first->waitForFinished(30000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
    QCOMPARE(first->exitCode(), exitCode);
    QCOMPARE(logFiles(firstProgram).size(), 1);

    QProcess *next = start(nextProgram);
    QVERIFY(waitForLog(nextProgram, next));
    QCOMPARE(next->state(), QProcess::Running);
}

// A killed instance leaves its segment behind; it must not lock the operator out.
void TestSingleInstance::startAfterKilledInstance()
{
    const QString firstProgram = copyProgram(QStringLiteral("first"));
    const QString nextProgram = copyProgram(QStringLiteral("next"));
    const QString lateProgram = copyProgram(QStringLiteral("late"));
    QVERIFY(!firstProgram.isEmpty() && !nextProgram.isEmpty() && !lateProgram.isEmpty());

    QProcess *first = start(firstProgram);
    QVERIFY(waitForLog(firstProgram, first));
    first->kill();
    QVERIFY(first->waitForFinished(10000));
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);

    QProcess *next = start(nextProgram);
    QVERIFY(waitForLog(nextProgram, next));
    QCOMPARE(next->state(), QProcess::Running);

    // Clearing the stale segment must not weaken the guard against a live one.
    QProcess *late = start(lateProgram);
    QVERIFY(late->waitForFinished(30000));
    QCOMPARE(late->exitCode(), 0);
    QVERIFY(logFiles(lateProgram).isEmpty());
    QCOMPARE(next->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
