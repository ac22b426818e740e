#include "params/xmlcontrol.h"

#include "app/localpath.h"

#include <QDebug>
#include <QDir>
#include <QFile>

namespace {
const QString kInfo = QStringLiteral("INF");
const QString kError = QStringLiteral("ERR");
const QString kEvent = QStringLiteral("EVENT");
} // namespace

XmlControl::XmlControl(QObject *parent)
    : QObject(parent)
{
}

QString XmlControl::xmlFilePath() const
{
    return m_xmlFilePath;
}

void XmlControl::setXmlFilePath(const QString &path)
{
    if (path == m_xmlFilePath)
        return;
    m_xmlFilePath = path;
    loadFile();
    emit xmlFilePathChanged();
}

void XmlControl::resetXmlFilePath()
{
    setXmlFilePath(QString());
}

QString XmlControl::xmlSaveName() const
{
    return m_xmlSaveName;
}

void XmlControl::setXmlSaveName(const QString &name)
{
    if (name == m_xmlSaveName)
        return;
    m_xmlSaveName = name;
    emit xmlSaveNameChanged();
}

void XmlControl::resetXmlSaveName()
{
    setXmlSaveName(QString());
}

QString XmlControl::xmlcompareName() const
{
    return m_xmlcompareName;
}

void XmlControl::setXmlcompareName(const QString &name)
{
    if (name == m_xmlcompareName)
        return;
    m_xmlcompareName = name;
    emit xmlcompareNameChanged();
}

void XmlControl::resetXmlcompareName()
{
    setXmlcompareName(QString());
}

const QDomDocument &XmlControl::document() const
{
    return m_document;
}

QString XmlControl::workingDirectory() const
{
    return m_workingDirectory;
}

QString XmlControl::currentFileName() const
{
    return m_currentFileName;
}

void XmlControl::loadFile()
{
    m_workingDirectory = QDir::currentPath();
    qDebug() << m_workingDirectory;
    emit uploadLogSignal(kInfo, kEvent, m_workingDirectory);

    // The path arrives as a file URL from a file dialog or as a plain path.
    m_currentFileName = localPathFromUrl(m_xmlFilePath);
    qDebug() << "currFileName" << m_currentFileName;

    QFile file(m_currentFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_document.clear();
        qDebug() << "文件打开失败";
        emit uploadLogSignal(kError, kEvent, QStringLiteral("打开文件失败"));
        return;
    }

    QString message;
    int line = 0;
    int column = 0;
    if (m_document.setContent(&file, &message, &line, &column)) {
        qDebug() << "文件打开成功2";
        emit uploadLogSignal(kInfo, kEvent, QStringLiteral("打开文件成功"));
    } else {
        m_document.clear();
        qDebug() << "打开项目错误" << message << line << column;
        emit uploadLogSignal(kError, kEvent, QStringLiteral("打开文件错误"));
    }
    file.close();
}
