#include "app/languageflag.h"
#include "app/qmltypes.h"
#include "core/projectcontrol.h"
#include "core/weightingcelldata.h"
#include "core/weightingcontrol.h"
#include "core/weightingdata.h"
#include "links/udp_comm.h"
#include "project/myjson.h"
#include "recording/datasavecontrol.h"
#include "tests/project/dacoverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QPointer>
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

} // namespace

class TestProjectControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionWiresTheParts();
    void createThenAdoptFolder_data();
    void createThenAdoptFolder();
    void emptyFolderUsesDefaultProjectFolder();
    void folderThatCannotBeCreated_data();
    void folderThatCannotBeCreated();
    void unwritableNewFileIsNotReportedAsCreated();
    void openReportsEveryOutcome_data();
    void openReportsEveryOutcome();
    void openDamagedFileKeepsItAside_data();
    void openDamagedFileKeepsItAside();
    void damagedFileThatCannotBeKeptAside();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void savedClosedReopenedGivesBackTheSame();
    void closeLeavesNothingToFire();
    void languageFlagAndFactor();
    void browseConvertsUrls_data();
    void browseConvertsUrls();
    void androidGetPath_data();
    void androidGetPath();
    void removeFileAndForwarders();
    void qmlTypeReachesItsParts();

private:
    QString url(const QString &path) const { return QUrl::fromLocalFile(path).toString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProjectControl> m_control;
};

void TestProjectControl::init()
{
    LanguageFlag::setChinese(true);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_control = std::make_unique<ProjectControl>();
}

void TestProjectControl::cleanup()
{
    m_control.reset();
    LanguageFlag::setChinese(true);
}

void TestProjectControl::constructionWiresTheParts()
{
    QVERIFY(m_control->Json() && m_control->xmlControl());
    WeightingConTrol *control = m_control->getWeightingConTrol();
    QCOMPARE(m_control->weightControl(), control);
    QCOMPARE(control->owner(), m_control.get());
    QVERIFY(m_control->checkPermissions());
}

void TestProjectControl::createThenAdoptFolder_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<bool>("asUrl");
    QTest::newRow("Chinese, folder url") << true << true;
    QTest::newRow("Chinese, folder path") << true << false;
    QTest::newRow("English, folder url") << false << true;
}

void TestProjectControl::createThenAdoptFolder()
{
    QFETCH(bool, chinese);
    QFETCH(bool, asUrl);
    m_control->setCH(chinese);
    const QString folder = m_dir->filePath("p1");
    const QString file = folder + "/p1.VORNPRO";
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
    QSignalSpy pathChanged(m_control.get(), &ProjectControl::projectPathChanged);

    const QString where = asUrl ? url(m_dir->path()) : m_dir->path();
    m_control->creatProject(where, "p1", 0, "2000kg", 0, 0, 0, 0);
    QCOMPARE(messages(log), (QStringList{folder, chinese ? "项目创建成功 " + folder : "Project creation succeeded;"}));
    QCOMPARE(created.count(), 1);
    QCOMPARE(created.at(0).at(0).toString(), file);
    QCOMPARE(m_control->projectPath(), folder);
    QCOMPARE(m_control->projectFile(), file);
    QCOMPARE(m_control->weightControl()->savePath(), folder);
    QCOMPARE(pathChanged.count(), 1);
    const QJsonObject document = QJsonDocument::fromJson(readBytes(file)).object();
    QCOMPARE(document["WeightingControlParent"]["WeightingControl"]["CELL DATA"][0]["name"].toString(),
             QStringLiteral("ALL LOAD"));
    QCOMPARE(document["WeightingControlParent"]["WeightingControl"]["CELL DATA"][0]["maxErr"].toDouble(), 0.0);

    const QByteArray before = readBytes(file);
    const QDateTime modified = QFileInfo(file).lastModified();
    log.clear();
    m_control->creatProject(where, "p1", 3, "other", 1, 2, 3, 4);
    QCOMPARE(messages(log), (QStringList{chinese ? "项目已存在;" + folder + "/p1" : "Project already exists;"}));
    QCOMPARE(created.count(), 1);
    QCOMPARE(pathChanged.count(), 1);
    QCOMPARE(m_control->projectPath(), folder);
    QCOMPARE(m_control->projectFile(), file);
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QFileInfo(file).lastModified(), modified);
}

void TestProjectControl::emptyFolderUsesDefaultProjectFolder()
{
    const QString root = QCoreApplication::applicationDirPath() + "/0_Project_source";
    const bool rootExisted = QFileInfo::exists(root);
    const QString folder = root + "/p2";
    QDir(folder).removeRecursively();

    QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
    m_control->creatProject("", "p2", 2, "t", 0, 5000, 0, 4000);
    const bool exists = QFileInfo::exists(folder + "/p2.VORNPRO");
    const QString projectPath = m_control->projectPath();
    QDir(rootExisted ? folder : root).removeRecursively();

    QVERIFY(exists);
    QCOMPARE(projectPath, folder);
    QCOMPARE(created.count(), 1);
}

void TestProjectControl::folderThatCannotBeCreated_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::newRow("Chinese") << true;
    QTest::newRow("English") << false;
}

void TestProjectControl::folderThatCannotBeCreated()
{
    QFETCH(bool, chinese);
    m_control->setCH(chinese);
    const QString blocker = m_dir->filePath("plain-file");
    QVERIFY(writeBytes(blocker, "x"));
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
    m_control->creatProject(blocker + "/inner", "p3", 0, "t", 0, 0, 0, 0);
    QCOMPARE(messages(log), (QStringList{blocker + "/inner/p3", chinese ? "项目创建失败;" : "Failed to create project;"}));
    QCOMPARE(created.count(), 0);
    QVERIFY(m_control->projectPath().isEmpty());
}

void TestProjectControl::unwritableNewFileIsNotReportedAsCreated()
{
    const QString folder = m_dir->filePath("p4");
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy created(m_control.get(), &ProjectControl::createProjectSuccessedSignal);
    {
        // The disk is full: the folder appears, the file cannot be written.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &tiny);
        m_control->creatProject(m_dir->path(), "p4", 0, "t", 0, 0, 0, 0);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }
    QCOMPARE(messages(log), (QStringList{folder, "项目创建成功 " + folder, "项目创建失败;"}));
    QCOMPARE(created.count(), 0);
    QVERIFY(!QFileInfo::exists(folder + "/p4.VORNPRO"));
}

void TestProjectControl::openReportsEveryOutcome_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("opened");

    QTest::newRow("empty, Chinese") << "empty" << true << "项目文件为空;" << false;
    QTest::newRow("empty, English") << "empty" << false << "Project file is empty;" << false;
    QTest::newRow("missing, Chinese") << "missing" << true << "项目文件不存在;" << false;
    QTest::newRow("missing, English") << "missing" << false << "Project file does not exist;" << false;
    QTest::newRow("path, Chinese") << "path" << true << "打开项目成功;" << true;
    QTest::newRow("url, English") << "url" << false << "Project opened successfully;" << true;
}

void TestProjectControl::openReportsEveryOutcome()
{
    QFETCH(QString, which);
    QFETCH(bool, chinese);
    QFETCH(QString, message);
    QFETCH(bool, opened);

    m_control->creatProject(m_dir->path(), "p5", 2, "t", 0, 5000, 0, 4000);
    const QString folder = m_dir->filePath("p5");
    QString file = folder + "/p5.VORNPRO";
    QString argument = which == "url" ? url(file) : file;
    if (which == "missing") {
        file = folder + "/gone.VORNPRO";
        argument = file;
    } else if (which == "empty") {
        file.clear();
        argument.clear();
    }

    m_control->setCH(chinese);
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy openSignal(m_control.get(), &ProjectControl::openProjectSignal);
    m_control->openProject(argument);

    QCOMPARE(messages(log), QStringList{message});
    QCOMPARE(openSignal.count(), opened ? 1 : 0);
    QCOMPARE(m_control->projectFile(), file);
    QCOMPARE(m_control->projectPath(), which == "empty" ? QString() : folder);
    QCOMPARE(m_control->weightControl()->savePath(), m_control->projectPath());
    WeightingData *page1 = m_control->weightControl()->page(1);
    QCOMPARE(page1 != nullptr, opened);
    if (opened) {
        QCOMPARE(page1->cell(0)->name(), QStringLiteral("ALL LOAD"));
        QCOMPARE(page1->cell(2)->name(), QStringLiteral("CZ 1.2"));
        QCOMPARE(page1->cell(2)->maxErrData(), 5000.0);
        QCOMPARE(m_control->weightControl()->Comm()->dataSave()->projectPath(), folder);
    }
}

void TestProjectControl::openDamagedFileKeepsItAside_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("Chinese") << true << "项目文件已损坏,已按空项目打开;损坏的文件保存为:";
    QTest::newRow("English") << false
                             << "Project file is damaged and was opened as an empty project; the damaged file is kept as: ";
}

void TestProjectControl::openDamagedFileKeepsItAside()
{
    QFETCH(bool, chinese);
    QFETCH(QString, prefix);
    const QString file = m_dir->filePath("p6.VORNPRO");
    const QByteArray damaged = "{\"WeightingControlParent\": {\"WeightingControl\": {\"CELL DATA\": [";
    QVERIFY(writeBytes(file, damaged));
    m_control->setCH(chinese);
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy openSignal(m_control.get(), &ProjectControl::openProjectSignal);
    m_control->openProject(file);

    QCOMPARE(openSignal.count(), 1);
    QCOMPARE(log.count(), 1);
    const QString text = log.at(0).at(0).toString();
    QVERIFY2(text.startsWith(prefix), qPrintable(text));
    const QString keptAs = text.mid(prefix.size());
    QVERIFY(keptAs.startsWith(file + ".damaged-"));
    QCOMPARE(readBytes(keptAs), damaged);
    for (int p = 0; p < WeightingConTrol::PageCount; ++p)
        QVERIFY(!m_control->weightControl()->page(p));

    m_control->saveProject();
    QCOMPARE(readBytes(keptAs), damaged);
    QVERIFY(QJsonDocument::fromJson(readBytes(file)).isObject());
}

void TestProjectControl::damagedFileThatCannotBeKeptAside()
{
    const QString folder = m_dir->filePath("ro");
    const QString file = folder + "/p.VORNPRO";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(file, "not json"));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    m_control->setCH(false);
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QSignalSpy openSignal(m_control.get(), &ProjectControl::openProjectSignal);
    {
        WithoutDacOverride unprivileged;
        m_control->openProject(file);
    }
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QCOMPARE(messages(log), QStringList{"Project file is damaged and was opened as an empty project; no copy of the "
                                        "damaged file could be kept;"});
    QCOMPARE(openSignal.count(), 1);
    QCOMPARE(readBytes(file), QByteArray("not json"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"p.VORNPRO"});
}

void TestProjectControl::failedSaveIsReported_data()
{
    QTest::addColumn<bool>("chinese");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("Chinese") << true << "项目保存失败:";
    QTest::newRow("English") << false << "Failed to save project: ";
}

void TestProjectControl::failedSaveIsReported()
{
    QFETCH(bool, chinese);
    QFETCH(QString, prefix);
    m_control->creatProject(m_dir->path(), "p9", 1, "t", 0, 5000, 0, 4000);
    const QString folder = m_control->projectPath();
    const QString file = m_control->projectFile();
    m_control->openProject(file);
    m_control->setCH(chinese);
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    QVERIFY(m_control->saveProject());
    QCOMPARE(log.count(), 0);

    m_control->weightControl()->setName(1, 1, "renamed");
    const QByteArray before = readBytes(file);
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    bool saved = true;
    {
        WithoutDacOverride unprivileged;
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^project file: cannot write"));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(prefix + file));
        saved = m_control->saveProject();
    }
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!saved);
    QCOMPARE(messages(log), QStringList{prefix + file});
    QCOMPARE(readBytes(file), before);
}

void TestProjectControl::savedClosedReopenedGivesBackTheSame()
{
    m_control->creatProject(m_dir->path(), "p7", 3, "2000kg", 0, 5000, 0, 4000);
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
    control->traceDisable(0, 4);
    m_control->saveTableParts(0, "part 0");
    m_control->Json()->saveTablePartCell(0, 0, "1", "2", 0);
    m_control->Json()->saveSetParts(true, 1, true);
    m_control->saveProject();
    const QByteArray saved = readBytes(file);

    m_control->closeProject();
    for (int p = 0; p < WeightingConTrol::PageCount; ++p)
        QVERIFY(!control->page(p));
    m_control->openProject(file);
    QCOMPARE(control->page(1)->cell(2)->name(), QStringLiteral("north hook"));
    QCOMPARE(control->page(1)->cell(2)->groupId(), 3);
    QCOMPARE(control->page(5)->cell(500)->maxErrData(), 7777.5);
    QCOMPARE(control->page(0)->cell(4)->peel(), 12.0);
    QCOMPARE(control->getAddBleAddress(20, 999), QStringLiteral("00:80:E1:26:AB:CD"));

    m_control->Json()->clearParts();
    m_control->saveTableParts(0, "part 0");
    m_control->Json()->saveTablePartCell(0, 0, "1", "2", 0);
    m_control->saveProject();
    QCOMPARE(QString::fromUtf8(readBytes(file)), QString::fromUtf8(saved));
}

void TestProjectControl::closeLeavesNothingToFire()
{
    m_control->creatProject(m_dir->path(), "p8", 3, "t", 0, 5000, 0, 4000);
    m_control->openProject(m_control->projectFile());
    WeightingConTrol *control = m_control->weightControl();
    control->qmlSetGroup(1, 1, 2);
    QSignalSpy cells(control, &WeightingConTrol::readCellDataSignal);
    QSignalSpy relayed(control, &WeightingConTrol::cellLogShowSignal);
    control->qmlRequestReflsh();
    QVERIFY(cells.count() > 0);

    m_control->closeProject();
    cells.clear();
    relayed.clear();
    for (int i = 0; i < 3; ++i)
        control->qmlRequestReflsh();
    QCoreApplication::processEvents();
    QCOMPARE(cells.count(), 0);
    QCOMPARE(relayed.count(), 0);

    // Records of the reopened project are relayed once more.
    m_control->openProject(m_control->projectFile());
    control->qmlRequestReflsh();
    QVERIFY(cells.count() > 0);
}

// CH reaches the controller and always sets the process-wide flag, even when
// it does not change; the conversion factor reaches the controller.
void TestProjectControl::languageFlagAndFactor()
{
    WeightingConTrol *control = m_control->weightControl();
    m_control->setCH(false);
    QVERIFY(!control->CH());
    QVERIFY(!LanguageFlag::isChinese());
    LanguageFlag::setChinese(true);
    m_control->setCH(false);
    QVERIFY(!LanguageFlag::isChinese());
    m_control->resetCH();
    QVERIFY(control->CH());
    QVERIFY(LanguageFlag::isChinese());

    m_control->setConFactor(2.20462262185);
    QCOMPARE(control->conFactor(), 2.20462262185);
    m_control->resetConFactor();
    QCOMPARE(control->conFactor(), 1.0);
}

void TestProjectControl::browseConvertsUrls_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expectedFolder");
    QTest::addColumn<QString>("expectedFile");
    QTest::newRow("urls") << "file:///home/op/w" << "file:///home/op/w/p.VORNPRO" << "/home/op/w"
                          << "/home/op/w/p.VORNPRO";
    QTest::newRow("escaped url") << "file:///home/op/my%20site" << "file:///home/op/my%20site/p.VORNPRO"
                                 << "/home/op/my site" << "/home/op/my site/p.VORNPRO";
    QTest::newRow("paths") << "/home/op/w" << "/home/op/w/p.VORNPRO" << "/home/op/w" << "/home/op/w/p.VORNPRO";
}

void TestProjectControl::browseConvertsUrls()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, expectedFolder);
    QFETCH(QString, expectedFile);
    QSignalSpy log(m_control.get(), &ProjectControl::qmlLogShowSignal);
    m_control->browseProject(folder, file);
    QCOMPARE(m_control->projectPath(), expectedFolder);
    QCOMPARE(m_control->projectFile(), expectedFile);
    QCOMPARE(log.count(), 0);
    QVERIFY(!m_control->weightControl()->page(1));
}

void TestProjectControl::androidGetPath_data()
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two pieces") << "a:b" << location;
    QTest::newRow("no colon") << "/home/op/p.VORNPRO" << location;
    QTest::newRow("content path") << "content:x:Download/f.VORNPRO" << location + "/Download/f.VORNPRO";
    QTest::newRow("empty pieces") << "::" << location + "/";
    QTest::newRow("more pieces") << "a:b:c:d" << location + "/c";
}

void TestProjectControl::androidGetPath()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(m_control->androidGetPath(path), expected);
}

void TestProjectControl::removeFileAndForwarders()
{
    const QString doomed = m_dir->filePath("old data.csv");
    QVERIFY(writeBytes(doomed, "1"));
    m_control->removeFile(url(doomed));
    QVERIFY(!QFileInfo::exists(doomed));
    QVERIFY(writeBytes(doomed, "1"));
    m_control->removeFile(doomed);
    QVERIFY(!QFileInfo::exists(doomed));

    m_control->setPreData(10, 900, 20, 800);
    const WeightingConTrol *control = m_control->weightControl();
    QCOMPARE((QVector<int>{control->preMinErrData(), control->preMaxErrData(), control->preMinWarnData(),
                           control->preMaxWarnData()}),
             (QVector<int>{10, 900, 20, 800}));

    m_control->creatProject(m_dir->path(), "p9", 0, "t", 0, 0, 0, 0);
    m_control->openProject(m_control->projectFile());
    m_control->saveTableParts(0, "part 0");
    m_control->saveTableParts(4, "four");
    m_control->saveProject();
    QSignalSpy announced(m_control->Json(), &MyJson::upLoadTablePartSignal);
    m_control->readTableParts();
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0), (QVariantList{4.0, QStringLiteral("four")}));

    // Without a project file object the forwarders do nothing.
    m_control->resetJson();
    QVERIFY(!m_control->Json());
    m_control->readTableParts();
    m_control->saveTableParts(1, "x");
    m_control->saveProject();
}

void TestProjectControl::qmlTypeReachesItsParts()
{
    registerQmlTypes();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(R"(
        import QtQml 2.15
        import MyProjectControl 1.0
        ProjectControl {
            property bool sameController: getWeightingConTrol() === weightControl
            function exercise(folder) {
                creatProject(folder, "q1", 1, "t", 0, 5000, 0, 4000)
                openProject(projectFile)
                Json.clearParts()
                saveTableParts(0, "part 0")
                Json.saveTablePartCell(0, 0, "1", "1", 0)
                saveProject()
                weightControl.createCell(2, 3)
                return Json.getTablePartNum(0)
            }
        })",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    auto *control = qobject_cast<ProjectControl *>(object.get());
    QVERIFY(control);
    QVERIFY(object->property("sameController").toBool());

    QVariant parts;
    QVERIFY(QMetaObject::invokeMethod(object.get(), "exercise", Q_RETURN_ARG(QVariant, parts),
                                      Q_ARG(QVariant, url(m_dir->path()))));
    QCOMPARE(parts.toDouble(), 1.0);
    QCOMPARE(control->projectFile(), m_dir->filePath("q1/q1.VORNPRO"));
    QVERIFY(control->weightControl()->page(2)->cell(3));

    // The controller handed to QML stays the project controller's: a garbage
    // collection after getWeightingConTrol() must not delete it.
    QPointer<WeightingConTrol> controller = control->weightControl();
    engine.collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(controller);
    QCOMPARE(QQmlEngine::objectOwnership(controller), QQmlEngine::CppOwnership);
}

QTEST_GUILESS_MAIN(TestProjectControl)
#include "tst_projectcontrol.moc"
