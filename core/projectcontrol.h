#ifndef PROJECTCONTROL_H
#define PROJECTCONTROL_H

#include "core/weightingcontrol.h"
#include "project/myjson.h"

#include <QObject>
#include <QString>

#include <memory>

class Permissions;
class XmlControl;

// The project as the operator sees it: a folder holding one ".VORNPRO" file.
// It creates, opens, saves and closes projects, owns the weighing controller
// and the project file, chooses the data source and carries the language
// flag of the whole program. Every outcome reaches the interface as a text on
// qmlLogShowSignal, in the language of CH.
class ProjectControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString projectPath READ projectPath WRITE setProjectPath NOTIFY projectPathChanged)
    Q_PROPERTY(QString projectFile READ projectFile WRITE setProjectFile NOTIFY projectFileChanged)
    Q_PROPERTY(WeightingConTrol *weightControl READ weightControl WRITE setWeightControl NOTIFY weightControlChanged)
    Q_PROPERTY(double conFactor READ conFactor WRITE setConFactor RESET resetConFactor NOTIFY conFactorChanged)
    Q_PROPERTY(bool CH READ CH WRITE setCH RESET resetCH NOTIFY CHChanged)
    Q_PROPERTY(MyJson *Json READ Json WRITE setJson RESET resetJson NOTIFY JsonChanged)

public:
    explicit ProjectControl(QObject *parent = nullptr);
    ~ProjectControl() override;

    ProjectControl(const ProjectControl &) = delete;
    ProjectControl &operator=(const ProjectControl &) = delete;

    QString projectPath() const { return m_projectPath; }
    void setProjectPath(const QString &path);
    QString projectFile() const { return m_projectFile; }
    void setProjectFile(const QString &file);
    WeightingConTrol *weightControl() const { return m_weightControl; }
    void setWeightControl(WeightingConTrol *control);
    double conFactor() const { return m_conFactor; }
    void setConFactor(double factor);
    void resetConFactor();
    bool CH() const { return m_CH; }
    void setCH(bool chinese);
    void resetCH();
    MyJson *Json() const { return m_Json; }
    void setJson(MyJson *json);
    void resetJson();

    XmlControl *xmlControl() const { return m_xml; }

    // Creates the folder `projectName` in `path` (a folder URL or path; empty:
    // "0_Project_source" of the application directory) with a new project
    // file, or adopts the folder when it exists.
    Q_INVOKABLE void creatProject(QString path, QString projectName, uchar w_num, QString w_Type,
                                  ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn);
    // Takes over a chosen folder and file (URLs or paths) without reading.
    Q_INVOKABLE void browseProject(QString path, QString file);
    Q_INVOKABLE void openProject(QString mfile);
    // Writes the project file; a failure is reported on qmlLogShowSignal and
    // in the log, and gives false.
    Q_INVOKABLE bool saveProject();
    // Deletes every page and record; the paths stay.
    Q_INVOKABLE void closeProject();
    Q_INVOKABLE void setDataSource(QString path, int index, int time);
    Q_INVOKABLE void removeFile(QString fileName);
    Q_INVOKABLE WeightingConTrol *getWeightingConTrol();
    Q_INVOKABLE void setPreData(ushort minErr, ushort maxErr, ushort minWarn, ushort maxWarn);
    Q_INVOKABLE QString androidGetPath(QString path);
    Q_INVOKABLE bool checkPermissions();
    Q_INVOKABLE void readTableParts();
    Q_INVOKABLE void saveTableParts(double index, QString name);

signals:
    void projectPathChanged();
    void projectFileChanged();
    void openProjectSignal();
    void qmlLogShowSignal(QString str);
    void createProjectSuccessedSignal(QString str);
    void weightControlChanged();
    void conFactorChanged();
    void CHChanged();
    void JsonChanged();

private:
    void adoptPaths(const QString &folder, const QString &file);

    bool m_CH = true;
    double m_conFactor = 1.0;
    QString m_projectPath;
    QString m_projectFile;
    MyJson *m_Json = nullptr;
    XmlControl *m_xml = nullptr;
    Permissions *m_permissions = nullptr;
    WeightingConTrol *m_weightControl = nullptr;
    std::unique_ptr<WeightingConTrol> m_ownController;
};

#endif
