#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The real program, copied into a temporary folder and started there on the
// X display the test runs under: a first start creates, opens and shows the
// default project; a second start with the stored settings opens it again.
class TestVornViewEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void firstStartCreatesAndShowsTheDefaultProject();
    void secondStartReopensTheSameProject();

private:
    void startProgram();
    void stopProgram();
    int openedCount() const;
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

void TestVornViewEndToEnd::startProgram()
{
    m_process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("TMPDIR"), folder(QStringLiteral("tmp")));
    m_process->setProcessEnvironment(env);
    m_process->setWorkingDirectory(m_dir.path());
    m_process->setProcessChannelMode(QProcess::ForwardedChannels);
    m_process->start(m_program, QStringList());
    QVERIFY(m_process->waitForStarted(10000));
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
int TestVornViewEndToEnd::openedCount() const
{
    int count = 0;
    const QDir logs(folder(QStringLiteral("log")));
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

QTEST_GUILESS_MAIN(TestVornViewEndToEnd)
#include "tst_vornview_e2e.moc"
