#include "project/projectfile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ProjectFile {

bool readAll(const QString &path, QByteArray *content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *content = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool writeSafely(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    // A folder where no temporary file may be created, around a project file
    // that may be written, still saves: in place, as before atomic saves.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        qDebug() << "project file: cannot write" << path << file.errorString();
        return false;
    }
    // QSaveFile commits a file whose buffered tail failed to reach the disk,
    // so the buffer is flushed and checked before the commit.
    if (file.write(content) != content.size() || !file.flush() || !file.commit()) {
        qDebug() << "project file: save of" << path << "failed, previous file kept:" << file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

QString keepAside(const QString &path, const QDateTime &when)
{
    const QString base = path + QStringLiteral(".damaged-") + when.toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = base + QLatin1Char('-') + QString::number(n);

    if (QFile::copy(path, aside))
        return aside;
    if (QFile::rename(path, aside))
        return aside;
    qDebug() << "project file: damaged file" << path << "could not be kept aside";
    return QString();
}

} // namespace ProjectFile
