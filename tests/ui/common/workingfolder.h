#ifndef WORKINGFOLDER_H
#define WORKINGFOLDER_H

#include <QObject>
#include <QString>
#include <QVariant>

// The temporary working directory's files (the program keeps its settings there), for the QML tests.
class WorkingFolder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE QString path() const;
    Q_INVOKABLE QString url() const;
    Q_INVOKABLE bool exists(const QString &relative) const;
    Q_INVOKABLE QVariant setting(const QString &file, const QString &key) const;
    Q_INVOKABLE void setSetting(const QString &file, const QString &key, const QVariant &value) const;
    // Screenshots for a person to look at, in the build folder.
    Q_INVOKABLE QString artifactPath(const QString &name) const;
};

#endif
