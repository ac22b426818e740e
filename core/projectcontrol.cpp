#include "core/projectcontrol.h"

#include "app/languageflag.h"
#include "app/localpath.h"
#include "app/permissions.h"
#include "links/udp_comm.h"
#include "params/xmlcontrol.h"
#include "recording/datasavecontrol.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlEngine>
#include <QStandardPaths>

namespace {

const QString kProjectExtension = QStringLiteral(".VORNPRO");
const QString kDefaultFolder = QStringLiteral("0_Project_source");

} // namespace

ProjectControl::ProjectControl(QObject *parent)
    : QObject(parent)
{
    m_Json = new MyJson(this);
    m_ownController = std::make_unique<WeightingConTrol>(this);
    m_weightControl = m_ownController.get();
    // The controller has no Qt parent; without this the JavaScript engine
    // would take it over when getWeightingConTrol() returns it to QML and
    // delete it at its next garbage collection.
    QQmlEngine::setObjectOwnership(m_weightControl, QQmlEngine::CppOwnership);
    m_Json->setPages(m_weightControl);
    m_weightControl->setConFactor(m_conFactor);
    m_permissions = new Permissions(this);
    m_permissions->checkPermission();
    m_xml = new XmlControl(this);
}

ProjectControl::~ProjectControl() = default;

void ProjectControl::setProjectPath(const QString &path)
{
    if (path == m_projectPath)
        return;
    m_projectPath = path;
    emit projectPathChanged();
}

void ProjectControl::setProjectFile(const QString &file)
{
    if (file == m_projectFile)
        return;
    m_projectFile = file;
    emit projectFileChanged();
}

void ProjectControl::setWeightControl(WeightingConTrol *control)
{
    if (control == m_weightControl)
        return;
    m_weightControl = control;
    // The project file follows the controller whose pages it describes.
    if (m_Json)
        m_Json->setPages(control);
    emit weightControlChanged();
}

void ProjectControl::setConFactor(double factor)
{
    if (qFuzzyCompare(factor, m_conFactor))
        return;
    m_conFactor = factor;
    if (m_weightControl)
        m_weightControl->setConFactor(factor);
    emit conFactorChanged();
}

void ProjectControl::resetConFactor()
{
    setConFactor(1.0);
}

void ProjectControl::setCH(bool chinese)
{
    // The process-wide flag follows every write, even one that changes
    // nothing here, so it can be brought back in line with this property.
    LanguageFlag::setChinese(chinese);
    if (chinese == m_CH)
        return;
    m_CH = chinese;
    if (m_weightControl)
        m_weightControl->setCH(chinese);
    emit CHChanged();
}

void ProjectControl::resetCH()
{
    setCH(true);
}

void ProjectControl::setJson(MyJson *json)
{
    if (json == m_Json)
        return;
    m_Json = json;
    if (m_Json)
        m_Json->setPages(m_weightControl);
    emit JsonChanged();
}

void ProjectControl::resetJson()
{
    setJson(nullptr);
}

void ProjectControl::adoptPaths(const QString &folder, const QString &file)
{
    setProjectPath(folder);
    setProjectFile(file);
    if (m_weightControl)
        m_weightControl->qmlSetSavePath(m_projectPath);
}

void ProjectControl::creatProject(QString path, QString projectName, uchar w_num, QString w_Type,
                                  ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString folder = path.isEmpty() ? appDir + QLatin1Char('/') + kDefaultFolder + QLatin1Char('/') + projectName
                                          : localPathFromUrl(path) + QLatin1Char('/') + projectName;
    const QString file = folder + QLatin1Char('/') + projectName + kProjectExtension;
    qDebug() << "Exe Path:" << appDir << "path:" << path;

    if (QFileInfo::exists(folder)) {
        emit qmlLogShowSignal(m_CH ? QStringLiteral("项目已存在;") + folder + QLatin1Char('/') + projectName
                                   : tr("Project already exists;"));
        adoptPaths(folder, file);
        return;
    }

    emit qmlLogShowSignal(folder);
    if (!QDir().mkpath(folder)) {
        emit qmlLogShowSignal(m_CH ? tr("项目创建失败;") : tr("Failed to create project;"));
        return;
    }
    emit qmlLogShowSignal(m_CH ? QStringLiteral("项目创建成功 ") + folder : tr("Project creation succeeded;"));
    qDebug() << appDir;
    adoptPaths(folder, file);
    // A project whose file could not be written is not reported as created.
    if (!m_Json || !m_Json->createProjectFile(m_projectFile, w_num, w_Type, minErr, maxErr, minWarn, maxWarn)) {
        emit qmlLogShowSignal(m_CH ? tr("项目创建失败;") : tr("Failed to create project;"));
        return;
    }
    emit createProjectSuccessedSignal(m_projectFile);
}

void ProjectControl::browseProject(QString path, QString file)
{
    setProjectPath(localPathFromUrl(path));
    qDebug() << m_projectPath;
    setProjectFile(localPathFromUrl(file));
}

void ProjectControl::openProject(QString mfile)
{
    const QString file = localPathFromUrl(mfile);
    const int lastSlash = file.lastIndexOf(QLatin1Char('/'));
    adoptPaths(lastSlash < 0 ? QString() : file.left(lastSlash), file);
    qDebug() << "path: " << m_projectFile;

    if (m_projectFile.isEmpty()) {
        emit qmlLogShowSignal(m_CH ? tr("项目文件为空;") : tr("Project file is empty;"));
        return;
    }
    if (!QFileInfo::exists(m_projectFile)) {
        emit qmlLogShowSignal(m_CH ? tr("项目文件不存在;") : tr("Project file does not exist;"));
        return;
    }

    MyJson::ReadOutcome outcome;
    if (m_Json)
        outcome = m_Json->readProjectFile(m_projectFile);
    emit openProjectSignal();
    if (!outcome.damaged) {
        qDebug() << m_CH << "打开项目成功";
        emit qmlLogShowSignal(m_CH ? tr("打开项目成功;") : tr("Project opened successfully;"));
    } else if (!outcome.keptAs.isEmpty()) {
        emit qmlLogShowSignal(m_CH ? tr("项目文件已损坏,已按空项目打开;损坏的文件保存为:") + outcome.keptAs
                                   : tr("Project file is damaged and was opened as an empty project; the damaged file is kept as: ")
                                         + outcome.keptAs);
    } else {
        emit qmlLogShowSignal(m_CH ? tr("项目文件已损坏,已按空项目打开;无法保存损坏文件的副本;")
                                   : tr("Project file is damaged and was opened as an empty project; no copy of the damaged file could be kept;"));
    }
    if (m_weightControl && m_weightControl->Comm() && m_weightControl->Comm()->dataSave())
        m_weightControl->Comm()->dataSave()->setProjectPath(m_projectPath);
}

bool ProjectControl::saveProject()
{
    if (m_Json && m_Json->writeProjectFile(m_projectFile))
        return true;
    const QString message = m_CH ? tr("项目保存失败:") + m_projectFile : tr("Failed to save project: ") + m_projectFile;
    qWarning().noquote() << message;
    emit qmlLogShowSignal(message);
    return false;
}

void ProjectControl::closeProject()
{
    if (m_weightControl)
        m_weightControl->deleteAllPages();
}

void ProjectControl::setDataSource(QString path, int index, int time)
{
    if (m_weightControl)
        m_weightControl->setDataSource(localPathFromUrl(path), index, time);
}

void ProjectControl::removeFile(QString fileName)
{
    QFile::remove(localPathFromUrl(fileName));
}

WeightingConTrol *ProjectControl::getWeightingConTrol()
{
    return m_weightControl;
}

void ProjectControl::setPreData(ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn)
{
    if (m_weightControl)
        m_weightControl->setPreData(minErr, maxErr, minWarn, maxWarn);
}

QString ProjectControl::androidGetPath(QString path)
{
    // Mobile content paths look like "content:<authority>:<relative path>";
    // on the desktop only the data-location fallback is of use.
    const QString location = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QStringList pieces = path.split(QLatin1Char(':'));
    if (pieces.size() < 3)
        return location;
    return location + QLatin1Char('/') + pieces.at(2);
}

bool ProjectControl::checkPermissions()
{
    return true;
}

void ProjectControl::readTableParts()
{
    if (m_Json)
        m_Json->readTableParts();
}

void ProjectControl::saveTableParts(double index, QString name)
{
    if (m_Json)
        m_Json->saveTableParts(index, name);
}
