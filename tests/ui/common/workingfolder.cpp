#include "ui/common/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QUrl>

QString WorkingFolder::path() const { return QDir::currentPath(); }
QString WorkingFolder::url() const { return QUrl::fromLocalFile(QDir::currentPath()).toString(); }
bool WorkingFolder::exists(const QString &relative) const { return QFile::exists(relative); }

QVariant WorkingFolder::setting(const QString &file, const QString &key) const
{
    return QSettings(file, QSettings::IniFormat).value(key);
}

void WorkingFolder::setSetting(const QString &file, const QString &key, const QVariant &value) const
{
    QSettings(file, QSettings::IniFormat).setValue(key, value);
}

QString WorkingFolder::artifactPath(const QString &name) const
{
    const QString folder = qEnvironmentVariable("VORN_BINARY_DIR") + QStringLiteral("/test-artifacts");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}
