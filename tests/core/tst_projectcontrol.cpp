// Projects created, opened, saved and closed in a temporary folder.
#include "app/languageflag.h"
#include "app/qmltypes.h"
#include "core/projectcontrol.h"
#include "core/weightingcontrol.h"
#include "project/myjson.h"
#include "tests/project/dacoverride.h"
#include "tests/project/filebytes.h"

#include <QJsonDocument>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

QString url(const QString &path) { return QUrl::fromLocalFile(path).toString(); }

void setWritable(const QString &path, bool writable)
{
    const auto base = QFileInfo(path).isDir() ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                              : QFileDevice::Permissions(QFileDevice::ReadOwner);
    QVERIFY(QFile::setPermissions(path, writable ? base | QFileDevice::WriteOwner : base));
}

} // namespace

class TestProjectControl : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProjectControl> m_control;
    std::unique_ptr<QSignalSpy> m_log, m_created, m_opened;

    QStringList messages()
    {
        QStringList texts;
        for (const QList<QVariant> &emission : *m_log)
            texts << emission.at(0).toString();
        m_log->clear();
        return texts;
    }

private slots:
    void init()
    {
        LanguageFlag::setChinese(true);
        m_dir = std::make_unique<QTemporaryDir>();
        m_control = std::make_unique<ProjectControl>();
        m_log = std::make_unique<QSignalSpy>(m_control.get(), &ProjectControl::qmlLogShowSignal);
        m_created = std::make_unique<QSignalSpy>(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
        m_opened = std::make_unique<QSignalSpy>(m_control.get(), &ProjectControl::openProjectSignal);
    }

    // A second creation of a project must leave the first untouched; neither a
    // folder that cannot be made nor a file that cannot be written (disk full)
    // is reported as a created project.
    void creation()
    {
        const QString folder = m_dir->filePath("p1");
        const QString where = url(m_dir->path());
        m_control->creatProject(where, "p1", 0, "2000kg", 0, 0, 0, 0);
        QCOMPARE(messages(), (QStringList{folder, "项目创建成功 " + folder}));
        QCOMPARE(m_created->at(0).at(0).toString(), folder + "/p1.VORNPRO");
        const QByteArray before = readBytes(folder + "/p1.VORNPRO");

        m_control->creatProject(where, "p1", 3, "other", 1, 2, 3, 4);
        QCOMPARE(messages(), (QStringList{"项目已存在;" + folder + "/p1"}));
        QCOMPARE(m_created->count(), 1);
        QCOMPARE(readBytes(folder + "/p1.VORNPRO"), before);

        const QString blocker = m_dir->filePath("plain-file");
        QVERIFY(writeBytes(blocker, "x"));
        m_control->creatProject(blocker + "/inner", "p3", 0, "t", 0, 0, 0, 0);
        QCOMPARE(messages(), (QStringList{blocker + "/inner/p3", "项目创建失败;"}));
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        m_control->creatProject(m_dir->path(), "p4", 0, "t", 0, 0, 0, 0);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(messages().last(), QStringLiteral("项目创建失败;"));
        QCOMPARE(m_created->count(), 1);
        QVERIFY(!QFileInfo::exists(m_dir->filePath("p4/p4.VORNPRO")));
    }

    void openReportsEveryOutcome_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "empty" << "项目文件为空;";
        QTest::newRow("missing") << "missing" << "项目文件不存在;";
        QTest::newRow("url") << "url" << "打开项目成功;";
    }
    void openReportsEveryOutcome()
    {
        QFETCH(QString, which);
        QFETCH(QString, message);
        m_control->creatProject(m_dir->path(), "p5", 2, "t", 0, 5000, 0, 4000);
        messages();
        const QString folder = m_dir->filePath("p5");
        QString file = which == "empty" ? QString() : folder + (which == "missing" ? "/gone.VORNPRO" : "/p5.VORNPRO");
        m_control->openProject(which == "url" ? url(file) : file);
        QCOMPARE(messages(), QStringList{message});
        const bool success = which == "url";
        QCOMPARE(m_opened->count(), success ? 1 : 0);
        QCOMPARE(m_control->projectFile(), file);
        QCOMPARE(m_control->weightControl()->savePath(), which == "empty" ? QString() : folder);
        const WeightingData *page1 = m_control->weightControl()->page(1);
        QCOMPARE(page1 && page1->cell(2)->maxErrData() == 5000.0, success);
    }

    void openDamagedFile_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::newRow("kept aside") << true;
        QTest::newRow("cannot be kept aside") << false;
    }
    // A damaged file opens as an empty project; a copy is kept aside first
    // where the folder allows, and the next save does not touch it.
    void openDamagedFile()
    {
        QFETCH(bool, folderWritable);
        const QString file = m_dir->filePath("p6.VORNPRO");
        const QByteArray damaged = "{\"WeightingControlParent\": {\"WeightingControl\": {\"CELL DATA\": [";
        QVERIFY(writeBytes(file, damaged));
        m_control->setCH(false);
        setWritable(m_dir->path(), folderWritable);
        {
            WithoutDacOverride unprivileged;
            m_control->openProject(file);
        }
        setWritable(m_dir->path(), true);
        QCOMPARE(m_opened->count(), 1);
        QVERIFY(!m_control->weightControl()->page(1));
        const QString text = messages().value(0);
        const QStringList files = QDir(m_dir->path()).entryList(QDir::Files);
        if (!folderWritable) {
            QCOMPARE(text, QStringLiteral("Project file is damaged and was opened as an empty project; no copy of the "
                                          "damaged file could be kept;"));
            QCOMPARE(files, QStringList{"p6.VORNPRO"});
            return;
        }
        const QString keptAs = m_dir->filePath(files.value(1));
        QVERIFY2(text.startsWith("Project file is damaged") && text.endsWith(keptAs), qPrintable(text));
        QVERIFY(keptAs.startsWith(file + ".damaged-"));
        m_control->saveProject();
        QCOMPARE(readBytes(keptAs), damaged);
        QVERIFY(QJsonDocument::fromJson(readBytes(file)).isObject());
    }

    void failedSaveIsReported()
    {
        m_control->creatProject(m_dir->path(), "p9", 2, "t", 0, 5000, 0, 4000);
        const QString file = m_control->projectFile();
        m_control->openProject(file);
        messages();
        const QString folder = m_control->projectPath();
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
        QCOMPARE(messages(), QStringList{"项目保存失败:" + file});
        QCOMPARE(readBytes(file), before);
    }

    // Saved, closed and reopened, a project gives back what it held, and
    // saves again byte for byte; nothing of it is published while closed.
    void savedClosedReopenedGivesBackTheSame()
    {
        m_control->creatProject(m_dir->path(), "p7", 2, "t", 0, 5000, 0, 4000);
        const QString file = m_control->projectFile();
        m_control->openProject(file);
        WeightingConTrol *control = m_control->weightControl();
        control->createCell(0, 4);
        control->createCell(5, 500);
        control->createBleCell("AB:CD", 999);
        control->setName(1, 2, "north hook");
        control->qmlSetGroup(1, 2, 3);
        control->setMaxErrData(5, 500, 7777.5);
        control->setPeelData(0, 4, 12);
        const auto saveWithPart = [this] {
            m_control->Json()->clearParts();
            m_control->saveTableParts(0, "part 0");
            m_control->Json()->saveTablePartCell(0, 0, "1", "2", 0);
            m_control->saveProject();
        };
        saveWithPart();
        const QByteArray saved = readBytes(file);

        QSignalSpy cells(control, &WeightingConTrol::readCellDataSignal);
        m_control->closeProject();
        control->qmlRequestReflsh();
        QCOMPARE(cells.count(), 0);
        m_control->openProject(file);
        QCOMPARE(control->page(1)->cell(2)->name() + QString::number(control->page(1)->cell(2)->groupId()), QStringLiteral("north hook3"));
        QCOMPARE(control->page(5)->cell(500)->maxErrData(), 7777.5);
        QCOMPARE(control->page(0)->cell(4)->peel(), 12.0);
        QCOMPARE(control->getAddBleAddress(20, 999), QStringLiteral("00:80:E1:26:AB:CD"));
        control->qmlRequestReflsh();
        QVERIFY(cells.count() > 0);
        saveWithPart();
        QCOMPARE(QString::fromUtf8(readBytes(file)), QString::fromUtf8(saved));
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
