#include "ui/settings/manualfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

ManualFile::ManualFile(QObject *parent) : QObject(parent)
{
    resetSourceFolder();
    resetTargetFolder();
}

QString ManualFile::fileName(bool chinese)
{
    return chinese ? QStringLiteral("manual_zh.html") : QStringLiteral("manual_en.html");
}

void ManualFile::setSourceFolder(const QString &folder)
{
    if (m_sourceFolder == folder)
        return;
    m_sourceFolder = folder;
    emit sourceFolderChanged();
}

void ManualFile::setTargetFolder(const QString &folder)
{
    if (m_targetFolder == folder)
        return;
    m_targetFolder = folder;
    emit targetFolderChanged();
}

void ManualFile::resetTargetFolder()
{
    setTargetFolder(QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/vornView-manual"));
}

QString ManualFile::extract(bool chinese) const
{
    QFile source(m_sourceFolder + QLatin1Char('/') + fileName(chinese));
    if (!source.open(QIODevice::ReadOnly)) {
        qDebug() << "manual not readable:" << source.fileName();
        return QString();
    }
    const QByteArray page = source.readAll();
    if (!QDir().mkpath(m_targetFolder)) {
        qDebug() << "manual folder not created:" << m_targetFolder;
        return QString();
    }
    const QString target = QDir(m_targetFolder).filePath(fileName(chinese));
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(page) != page.size() || !copy.commit()) {
        qDebug() << "manual not written:" << target << copy.errorString();
        return QString();
    }
    return QUrl::fromLocalFile(target).toString();
}
