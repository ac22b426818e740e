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

// Closing the window through the window system saves what the session changed and leaves successfully:
// the real program under X, a Bluetooth cell registered by the simulated serial receiver on a pty.
class TestVornViewEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void closingTheWindowSavesTheSessionsCells()
    {
        const QString serialsim = qEnvironmentVariable("VORN_SERIALSIM");
        if (serialsim.isEmpty())
            QSKIP("the serial receiver simulator is not built");
        QTemporaryDir work;
        QVERIFY(QFile::copy(qEnvironmentVariable("VORN_APP"), work.filePath("vornView")));
        QVERIFY(QDir().mkpath(work.filePath("tmp")));
        QProcess simulator;
        simulator.setStandardOutputFile(QProcess::nullDevice());
        simulator.start(serialsim, {"--cells", "1", "--rate", "10", "--link", work.filePath("receiver")});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(work.filePath("receiver")).isSymLink(), 10000);
        QSettings(work.filePath("setting.ini"), QSettings::IniFormat).setValue("m_serialPort", work.filePath("receiver"));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("TMPDIR", work.filePath("tmp"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(work.path());
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(work.filePath("vornView"), QStringList());
        auto logText = [&work] {
            QString text;
            const QDir logs(work.filePath("log"));
            for (const QString &name : logs.entryList({"*_log.txt"}, QDir::Files)) {
                QFile file(logs.filePath(name));
                text += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            }
            return text;
        };
        auto savedCells = [&work] {
            QFile file(work.filePath("0_Project_source/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"));
            QStringList keys;
            const QJsonArray cells = QJsonDocument::fromJson(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray())
                ["WeightingControlParent"]["WeightingControl"]["CELL DATA"].toArray();
            for (const QJsonValue cell : cells)
                keys << QStringLiteral("%1.%2").arg(cell["pageId"].toInt()).arg(cell["index"].toInt());
            return keys;
        };
        QTRY_VERIFY_WITH_TIMEOUT(logText().contains("Create device ID:20.1\n"), 20000);
        QVERIFY(!savedCells().contains("20.1"));
        // Until the window is mapped there is nothing to close; the message goes out once.
        bool sent = false;
        const QStringList close{qEnvironmentVariable("VORN_CLOSE_WINDOW"), "vornView"};
        QTRY_VERIFY_WITH_TIMEOUT(sent || (sent = QProcess::execute("/usr/bin/python3", close) == 0), 10000);
        QVERIFY(program.waitForFinished(60000)); // a loaded machine may take its time to save and leave
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(savedCells(), (QStringList{"1.0", "20.1"}));
        simulator.terminate();
        QVERIFY(simulator.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestVornViewEndToEnd)
#include "tst_vornview_e2e.moc"
