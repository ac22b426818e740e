#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// The real program under xvfb-run in the network namespace of tests/netns-run.sh, with hubsim playing
// three hubs of 20 cells and serialsim the receiver named in "./setting.ini"; run 1 creates the project
// and cells and SIGTERM saves it; run 2 opens it with a group, thresholds, a table part and recording.
class TestLiveSession : public QObject
{
    Q_OBJECT

    // With this seed the hubs report no fault or offline cell in their first eight seconds, then several.
    const QString HubSeed = "32";
    const int Hubs = 3, CellsPerHub = 20, BluetoothCells = 4;
    const QString Opened = "打开项目成功"; // the project controller's line on each read

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_hubsim, m_serialsim, m_vornView;
    QJsonObject m_stored;

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString projectFile() const { return path("0_Project_source/VornView_Temp_Project/VornView_Temp_Project.VORNPRO"); }
    static QString read(const QStringList &files)
    {
        QString text;
        for (const QString &name : files) {
            QFile file(name);
            text += file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        }
        return text;
    }
    static QStringList found(const QString &folder, const QString &pattern)
    {
        QStringList files;
        for (QDirIterator it(folder, {pattern}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            files << it.next();
        std::sort(files.begin(), files.end());
        return files;
    }
    const QJsonObject project() const { return QJsonDocument::fromJson(read({projectFile()}).toUtf8()).object(); }
    QString log() const { return read(found(path("log"), "*_log.txt")); }
    // The newest recording's lines.
    QStringList recording() const
    {
        const QStringList files = found(path("0_Project_source/VornView_Temp_Project/Data"), "*user.csv");
        return read(files.mid(files.size() - 1)).split('\n', Qt::SkipEmptyParts);
    }
    std::unique_ptr<QProcess> start(const QString &program, const QStringList &arguments = {})
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("TMPDIR", path("tmp")); // its own single-instance key
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_dir.path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, arguments);
        process->waitForStarted(10000);
        return process;
    }
    void terminate()
    {
        m_vornView->terminate();
        QVERIFY(m_vornView->waitForFinished(20000));
        QCOMPARE(m_vornView->exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_vornView->exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("VORN_NETNS"), "runs inside tests/netns-run.sh");
        QVERIFY(QFile::copy(qEnvironmentVariable("VORN_APP"), path("vornView")) && QDir().mkpath(path("tmp")));
        m_serialsim = start(qEnvironmentVariable("VORN_SERIALSIM"),
                            {"--cells", QString::number(BluetoothCells), "--rate", "10", "--link", path("receiver")});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path("receiver")).isSymLink(), 10000);
        QSettings(path("setting.ini"), QSettings::IniFormat).setValue("m_serialPort", path("receiver"));
        // Two datagrams a second: the seed's schedule above is one of draws per datagram.
        m_hubsim = start(qEnvironmentVariable("VORN_HUBSIM"), {"--hubs", QString::number(Hubs), "--first-page", "1", "--cells",
                                                               QString::number(CellsPerHub), "--rate", "2", "--seed", HubSeed});
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {m_vornView.get(), m_hubsim.get(), m_serialsim.get()})
            if (process && process->state() != QProcess::NotRunning)
                process->kill();
    }

    void liveCellsAreCreatedAndClassified()
    {
        m_vornView = start(path("vornView"));
        QTRY_COMPARE_WITH_TIMEOUT(log().count(Opened), 1, 20000);
        QCOMPARE(project()["WeightingControlParent"]["WeightingControl"]["CELL DATA"][0]["name"], QJsonValue("ALL LOAD"));
        // In English on a fresh installation; cells are created once, Bluetooth ones on page 20 by user ID.
        for (int page = 1; page <= Hubs; ++page)
            QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("Master control %1 connection normal").arg(page)), 20000);
        for (const QString cell : {"1.1", "1.20", "3.20", "20.1", "20.4"})
            QTRY_VERIFY_WITH_TIMEOUT(log().contains("Create device ID:" + cell + "\n"), 10000);
        QCOMPARE(log().count("Create device ID:1.1\n"), 1);
        QVERIFY(!log().contains("Create device ID:1.21\n") && !log().contains("Create device ID:20.5\n"));

        // Fault and offline transitions are warnings in the log, weight alarms information.
        for (const QString line : {"CZ [0-9.]+:Normal\n", "Info    [^\n]*CZ [0-9.]+:Overweight alarm\n",
                                   "Warning [^\n]*CZ [0-9.]+:ERR\n", "Warning [^\n]*CZ [0-9.]+:OFF\n"})
            QTRY_VERIFY2_WITH_TIMEOUT(QRegularExpression(line).match(log()).hasMatch(), qPrintable(line), 40000);
    }

    void sigtermSavesEveryCell()
    {
        terminate();
        QVERIFY(log().contains("termination signal 15 received"));
        const QJsonObject saved = project();
        QSet<QString> cells;
        for (const QJsonValue cell : saved["WeightingControlParent"]["WeightingControl"]["CELL DATA"].toArray()) {
            const int page = cell["pageId"].toInt(), index = cell["index"].toInt();
            cells << QStringLiteral("%1.%2").arg(page).arg(index);
            if (page == 20) // bound to the receiver's addresses by user ID
                QCOMPARE(cell["bleAddress"].toString(), QStringLiteral("00:80:E1:00:00:%1").arg(index, 2, 10, QChar('0')));
        }
        QCOMPARE(cells.size(), 1 + Hubs * CellsPerHub + BluetoothCells);
        QVERIFY(cells.contains("1.0") && cells.contains("3.20") && cells.contains("20.4"));
        QVERIFY(saved["Setting"]["log"].toString().contains("CZ ")); // the information page's log
    }

    void storedProjectRecordsTheMainTable()
    {
        // As an earlier session left it: 1.1 and 1.2 grouped and renamed, a table part, recording at 0.5 s.
        QJsonObject stored = project(), parent = stored["WeightingControlParent"].toObject(),
                    control = parent["WeightingControl"].toObject();
        QJsonArray cells = control["CELL DATA"].toArray();
        for (int i : {1, 2}) {
            QVariantMap cell = cells[i].toObject().toVariantMap();
            cell.insert(QVariantMap{{"groupId", 1}, {"maxErr", 4800 + i}, {"name", QStringLiteral("Hook %1").arg(i)}});
            cells[i] = QJsonObject::fromVariantMap(cell);
        }
        control["CELL DATA"] = cells;
        control["GROUP DATA"] = QJsonArray{QJsonObject{{"index", 1002}, {"typeFlag", 1}, {"name", "G"}, {"maxErr", 9000}}};
        parent["WeightingControl"] = control;
        stored["WeightingControlParent"] = parent;
        // A table part's first row is the total.
        QJsonArray dock;
        for (const QString row : {"1.0", "1.1", "20.2"})
            dock << QJsonObject{{"posIndex", dock.size()}, {"pageId", row.section('.', 0, 0)},
                                {"cellIndex", row.section('.', 1)}, {"typeFlag", 0}};
        stored["TableParts"] = QJsonArray{stored.value("TableParts")[0], QJsonObject{{"index", 1}, {"name", "Dock"}, {"CellList", dock}}};
        stored["Setting"] = QJsonObject{{"saveStartBool", true}, {"saveTimeIndex", 2}};
        QSaveFile file(projectFile());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(m_stored = stored).toJson()) > 0 && file.commit());

        m_vornView = start(path("vornView"));
        QTRY_COMPARE_WITH_TIMEOUT(log().count(Opened), 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(recording().size() >= 8, 20000);
        // Every row of the main table: the total, the group, every cell.
        const QStringList lines = recording();
        QCOMPARE(lines.first().split(',').size(), 1 + 1 + 1 + Hubs * CellsPerHub + BluetoothCells + 1);
        for (const QString id : {"timer,ID:1.0/", ",ID:1.1002/", ",ID:3.20/", ",ID:20.4/"})
            QVERIFY2(lines.first().contains(id), qPrintable(id));
        const QRegularExpression line("^\\d{4}-\\d\\d-\\d\\d \\d\\d_\\d\\d_\\d\\d_\\d{3}(,[-+0-9.e]+){66},$");
        for (int i = 1; i < lines.size() - 1; ++i)
            QVERIFY2(line.match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
    }

    // SIGTERM saves what the second start opened: nothing lost.
    void reopenedProjectKeepsCellsGroupsAndParts()
    {
        terminate();
        const QJsonObject saved = project();
        const auto control = [](const QJsonObject &p) { return p["WeightingControlParent"]["WeightingControl"]; };
        for (int i : {1, 2, 64})
            for (const QString key : {"pageId", "index", "name", "groupId", "maxErr", "bleAddress"})
                QCOMPARE(control(saved)["CELL DATA"][i][key], control(m_stored)["CELL DATA"][i][key]);
        for (const QString key : {"index", "name", "maxErr"})
            QCOMPARE(control(saved)["GROUP DATA"][0][key], control(m_stored)["GROUP DATA"][0][key]);
        QCOMPARE(saved["TableParts"][1]["name"].toString(), QStringLiteral("Dock"));
        QCOMPARE(QJsonDocument(saved["TableParts"][1]["CellList"].toArray()).toJson(),
                 QJsonDocument(m_stored.value("TableParts")[1]["CellList"].toArray()).toJson());
        QCOMPARE(saved["Setting"]["saveStartBool"].toBool(), true);
    }
};

QTEST_GUILESS_MAIN(TestLiveSession)
#include "tst_livesession.moc"
