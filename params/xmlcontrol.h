#ifndef XMLCONTROL_H
#define XMLCONTROL_H

#include <QDomDocument>
#include <QObject>
#include <QString>

// Loads a device-parameter description from an XML file. Its signals are the
// contract towards a parameter editor: menus, parameters and the values of a
// comparison file. Setting xmlFilePath loads the file and reports the outcome
// through uploadLogSignal.
class XmlControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString xmlFilePath READ xmlFilePath WRITE setXmlFilePath RESET resetXmlFilePath NOTIFY xmlFilePathChanged)
    Q_PROPERTY(QString xmlSaveName READ xmlSaveName WRITE setXmlSaveName RESET resetXmlSaveName NOTIFY xmlSaveNameChanged)
    Q_PROPERTY(QString xmlcompareName READ xmlcompareName WRITE setXmlcompareName RESET resetXmlcompareName NOTIFY xmlcompareNameChanged)

public:
    explicit XmlControl(QObject *parent = nullptr);

    QString xmlFilePath() const;
    void setXmlFilePath(const QString &path);
    void resetXmlFilePath();

    QString xmlSaveName() const;
    void setXmlSaveName(const QString &name);
    void resetXmlSaveName();

    QString xmlcompareName() const;
    void setXmlcompareName(const QString &name);
    void resetXmlcompareName();

    // The parameter document of the last successful load; empty after a failed one.
    const QDomDocument &document() const;
    // The process's current directory at the last load.
    QString workingDirectory() const;
    // The local path the last load tried to open.
    QString currentFileName() const;

signals:
    void xmlFilePathChanged();
    void xmlSaveNameChanged();
    void xmlcompareNameChanged();

    void uploadLogSignal(QString type, QString logType, QString str);
    void upLoadMenuSignal(QString mId, QString Name);
    void upLoadParaSignal(QString MenuId, QString ParaId, QString ParaName, QString ParaType,
                          QString ArrayData, QString ArrayName, QString CurValue, QString Uint,
                          QString MinValue, QString MaxValue, QString DefValue, QString AccessType,
                          QString Dp);
    void upLoadCompareParaSignal(QString MenuId, QString ParaId, QString CurValue);

private:
    void loadFile();

    QDomDocument m_document;
    QString m_xmlFilePath;
    QString m_xmlSaveName;
    QString m_xmlcompareName;
    QString m_workingDirectory;
    QString m_currentFileName;
};

#endif
