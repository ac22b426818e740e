// Creating, opening, saving and closing projects in a temporary folder, with
// every outcome reported, and the QML type handing out its controller.
#include "app/languageflag.h"
#include "app/qmltypes.h"
#include "core/projectcontrol.h"
#include "core/weightingcontrol.h"
#include "links/udp_comm.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "tests/project/dacoverride.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList messages(const QSignalSpy &spy)
{
    QStringList texts;
    for (const QList<QVariant> &emission : spy)
        texts << emission.at(0).toString();
    return texts;
}

QString url(const QString &path) { return QUrl::fromLocalFile(path).toString(); }

void setWritable(const QString &path, bool writable)
{
    QFileDevice::Permissions base = QFileDevice::ReadOwner;
    if (QFileInfo(path).isDir())
        base |= QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(path, writable ? base | QFileDevice::WriteOwner : base));
}

} // namespace

class TestProjectControl : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProjectControl> m_control;

    // A new project in the temporary folder, opened.
    QString openNew(const QString &name)
    {
        m_control->creatProject(m_dir->path(), name, 2, "t", 0, 5000, 0, 4000);
        m_control->openProject(m_control->projectFile());
        return m_control->projectFile();
    }

private slots:
    void init()
    {
        LanguageFlag::setChinese(true);
        m_dir = std::make_unique<QTemporaryDir>();
        m_control = std::make_unique<ProjectControl>();
    }

    // A second creation of the same project must leave the first untouched.
    void createThenAdoptFolder_data()
    {
        QTest::addColumn<bool>("asUrl");
        QTest::newRow("folder url") << true;
        QTest::newRow("folder path") << false;
    }
    void createThenAdoptFolder()
    {
        QFETCH(bool, asUrl);
        const QString folder = m_dir->filePath("p1");
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
        const QString where = asUrl ? url(m_dir->path()) : m_dir->path();
        m_control->creatProject(where, "p1", 0, "2000kg", 0, 0, 0, 0);
        QCOMPARE(messages(log), (QStringList{folder, "项目创建成功 " + folder}));
        QCOMPARE(created.at(0).at(0).toString(), folder + "/p1.VORNPRO");
        QCOMPARE(m_control->weightControl()->savePath(), folder);
        const QJsonObject document = QJsonDocument::fromJson(readBytes(folder + "/p1.VORNPRO")).object();
        QCOMPARE(document["WeightingControlParent"]["WeightingControl"]["CELL DATA"][0]["name"].toString(),
                 QStringLiteral("ALL LOAD"));

        const QByteArray before = readBytes(folder + "/p1.VORNPRO");
        log.clear();
        m_control->creatProject(where, "p1", 3, "other", 1, 2, 3, 4);
        QCOMPARE(messages(log), (QStringList{"项目已存在;" + folder + "/p1"}));
        QCOMPARE(created.count(), 1);
        QCOMPARE(readBytes(folder + "/p1.VORNPRO"), before);
    }

    // Neither a folder that cannot be made nor a file that cannot be written
    // (disk full) is reported as a created project.
    void failedCreationIsReported()
    {
        const QString blocker = m_dir->filePath("plain-file");
        QVERIFY(writeBytes(blocker, "x"));
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
        m_control->creatProject(blocker + "/inner", "p3", 0, "t", 0, 0, 0, 0);
        QCOMPARE(messages(log), (QStringList{blocker + "/inner/p3", "项目创建失败;"}));
        QVERIFY(m_control->projectPath().isEmpty());

        log.clear();
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        m_control->creatProject(m_dir->path(), "p4", 0, "t", 0, 0, 0, 0);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(messages(log).last(), QStringLiteral("项目创建失败;"));
        QCOMPARE(created.count(), 0);
        QVERIFY(!QFileInfo::exists(m_dir->filePath("p4/p4.VORNPRO")));
    }

    void openReportsEveryOutcome_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "empty" << "项目文件为空;";
        QTest::newRow("missing") << "missing" << "项目文件不存在;";
        QTest::newRow("path") << "path" << "打开项目成功;";
        QTest::newRow("url") << "url" << "打开项目成功;";
    }
    void openReportsEveryOutcome()
    {
        QFETCH(QString, which);
        QFETCH(QString, message);
        m_control->creatProject(m_dir->path(), "p5", 2, "t", 0, 5000, 0, 4000);
        const QString folder = m_dir->filePath("p5");
        QString file = which == "empty" ? QString() : folder + (which == "missing" ? "/gone.VORNPRO" : "/p5.VORNPRO");
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        QSignalSpy opened(m_control.get(), &ProjectControl::openProjectSignal);
        m_control->openProject(which == "url" ? url(file) : file);

        QCOMPARE(messages(log), QStringList{message});
        const bool success = which == "path" || which == "url";
        QCOMPARE(opened.count(), success ? 1 : 0);
        QCOMPARE(m_control->projectFile(), file);
        QCOMPARE(m_control->weightControl()->savePath(), which == "empty" ? QString() : folder);
        WeightingData *page1 = m_control->weightControl()->page(1);
        QCOMPARE(page1 != nullptr, success);
        if (success) {
            QCOMPARE(page1->cell(2)->maxErrData(), 5000.0);
            QCOMPARE(m_control->weightControl()->Comm()->dataSave()->projectPath(), folder);
        }
    }

    // A damaged file opens as an empty project and is kept aside first; the
    // next save does not touch the copy.
    void openDamagedFileKeepsItAside()
    {
        const QString file = m_dir->filePath("p6.VORNPRO");
        const QByteArray damaged = "{\"WeightingControlParent\": {\"WeightingControl\": {\"CELL DATA\": [";
        QVERIFY(writeBytes(file, damaged));
        m_control->setCH(false);
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        QSignalSpy opened(m_control.get(), &ProjectControl::openProjectSignal);
        m_control->openProject(file);
        QCOMPARE(opened.count(), 1);
        const QString text = log.at(0).at(0).toString();
        const QString keptAs = text.mid(text.indexOf(file + ".damaged-"));
        QVERIFY2(text.startsWith("Project file is damaged") && keptAs.startsWith(file), qPrintable(text));
        QCOMPARE(readBytes(keptAs), damaged);
        QVERIFY(!m_control->weightControl()->page(1));
        m_control->saveProject();
        QCOMPARE(readBytes(keptAs), damaged);
        QVERIFY(QJsonDocument::fromJson(readBytes(file)).isObject());
    }

    void damagedFileThatCannotBeKeptAside()
    {
        const QString folder = m_dir->filePath("ro");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(folder + "/p.VORNPRO", "not json"));
        setWritable(folder, false);
        m_control->setCH(false);
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        {
            WithoutDacOverride unprivileged;
            m_control->openProject(folder + "/p.VORNPRO");
        }
        setWritable(folder, true);
        QCOMPARE(messages(log), QStringList{"Project file is damaged and was opened as an empty project; no copy of the "
                                            "damaged file could be kept;"});
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"p.VORNPRO"});
        QCOMPARE(readBytes(folder + "/p.VORNPRO"), QByteArray("not json"));
    }

    void failedSaveIsReported()
    {
        const QString file = openNew("p9");
        const QString folder = m_control->projectPath();
        QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
        QVERIFY(m_control->saveProject());
        m_control->weightControl()->setName(1, 1, "renamed");
        const QByteArray before = readBytes(file);
        setWritable(file, false);
        setWritable(folder, false);
        bool saved = true;
        {
            WithoutDacOverride unprivileged;
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: cannot write"));
            QTest::ignoreMessage(QtWarningMsg, qPrintable("项目保存失败:" + file));
            saved = m_control->saveProject();
        }
        setWritable(folder, true);
        setWritable(file, true);
        QVERIFY(!saved);
        QCOMPARE(messages(log), QStringList{"项目保存失败:" + file});
        QCOMPARE(readBytes(file), before);
    }

    // Saved, closed and reopened, a project gives back what it held, and
    // saves again byte for byte; nothing of it is published while closed.
    void savedClosedReopenedGivesBackTheSame()
    {
        const QString file = openNew("p7");
        WeightingConTrol *control = m_control->weightControl();
        control->createCell(0, 4);
        control->createCell(5, 500);
        control->createBleCell("AB:CD", 999);
        control->setName(1, 2, "north hook");
        control->qmlSetGroup(1, 2, 3);
        control->setMaxErrData(5, 500, 7777.5);
        control->setPeelData(0, 4, 12);
        m_control->saveTableParts(0, "part 0");
        m_control->Json()->saveTablePartCell(0, 0, "1", "2", 0);
        m_control->saveProject();
        const QByteArray saved = readBytes(file);

        QSignalSpy cells(control, &WeightingConTrol::readCellDataSignal);
        m_control->closeProject();
        for (int i = 0; i < 2; ++i)
            control->qmlRequestReflsh();
        QCOMPARE(cells.count(), 0);
        m_control->openProject(file);
        QCOMPARE(control->page(1)->cell(2)->name(), QStringLiteral("north hook"));
        QCOMPARE(control->page(1)->cell(2)->groupId(), 3);
        QCOMPARE(control->page(5)->cell(500)->maxErrData(), 7777.5);
        QCOMPARE(control->page(0)->cell(4)->peel(), 12.0);
        QCOMPARE(control->getAddBleAddress(20, 999), QStringLiteral("00:80:E1:26:AB:CD"));
        control->qmlRequestReflsh();
        QVERIFY(cells.count() > 0);

        m_control->Json()->clearParts();
        m_control->saveTableParts(0, "part 0");
        m_control->Json()->saveTablePartCell(0, 0, "1", "2", 0);
        m_control->saveProject();
        QCOMPARE(QString::fromUtf8(readBytes(file)), QString::fromUtf8(saved));

        // Without a project file object the forwarders do nothing.
        m_control->resetJson();
        m_control->readTableParts();
        m_control->saveTableParts(1, "x");
        m_control->saveProject();
    }

    // CH always sets the process-wide flag, even when it does not change.
    void languageFlag()
    {
        m_control->setCH(false);
        LanguageFlag::setChinese(true);
        m_control->setCH(false);
        QVERIFY(!LanguageFlag::isChinese() && !m_control->weightControl()->CH());
        m_control->setConFactor(0.5);
        QCOMPARE(m_control->weightControl()->conFactor(), 0.5);
    }

    void browseAndRemove()
    {
        m_control->browseProject("file:///home/op/my%20site", "file:///home/op/my%20site/p.VORNPRO");
        QCOMPARE(m_control->projectFile(), QStringLiteral("/home/op/my site/p.VORNPRO"));
        QVERIFY(!m_control->weightControl()->page(1));
        const QString doomed = m_dir->filePath("old data.csv");
        for (const QString &argument : {url(doomed), doomed}) {
            QVERIFY(writeBytes(doomed, "1"));
            m_control->removeFile(argument);
            QVERIFY(!QFileInfo::exists(doomed));
        }
    }

    void androidGetPath_data()
    {
        const QString location = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two pieces") << "a:b" << location;
        QTest::newRow("no colon") << "/home/op/p.VORNPRO" << location;
        QTest::newRow("content path") << "content:x:Download/f.VORNPRO" << location + "/Download/f.VORNPRO";
        QTest::newRow("more pieces") << "a:b:c:d" << location + "/c";
    }
    void androidGetPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(m_control->androidGetPath(path), expected);
    }

    // The controller handed to QML stays the project controller's: a garbage
    // collection after getWeightingConTrol() must not delete it.
    void qmlTypeKeepsItsController()
    {
        registerQmlTypes();
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQml 2.15\nimport MyProjectControl 1.0\nProjectControl {\n"
                          "    property bool same: getWeightingConTrol() === weightControl\n}", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QVERIFY(object->property("same").toBool());
        QPointer<WeightingConTrol> controller = qobject_cast<ProjectControl *>(object.get())->weightControl();
        engine.collectGarbage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(controller);
        QCOMPARE(QQmlEngine::objectOwnership(controller), QQmlEngine::CppOwnership);
    }
};

QTEST_GUILESS_MAIN(TestProjectControl)
#include "tst_projectcontrol.moc"
