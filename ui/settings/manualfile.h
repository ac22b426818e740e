#ifndef MANUALFILE_H
#define MANUALFILE_H

#include <QObject>
#include <QString>

// The operator's manual ships inside the program, but a browser cannot open
// the program's resources. The page of the chosen language is copied to a
// plain file first, and the browser is handed that file's URL.
class ManualFile : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString sourceFolder READ sourceFolder WRITE setSourceFolder RESET resetSourceFolder NOTIFY sourceFolderChanged)
    Q_PROPERTY(QString targetFolder READ targetFolder WRITE setTargetFolder RESET resetTargetFolder NOTIFY targetFolderChanged)

public:
    explicit ManualFile(QObject *parent = nullptr);

    // The manual's file name in either language.
    static QString fileName(bool chinese);

    QString sourceFolder() const { return m_sourceFolder; }
    void setSourceFolder(const QString &folder);
    // The manual in the program's resources.
    void resetSourceFolder() { setSourceFolder(QStringLiteral(":/manual")); }

    QString targetFolder() const { return m_targetFolder; }
    void setTargetFolder(const QString &folder);
    // A folder of this user's temporary files.
    void resetTargetFolder();

    // Copies the page to the target folder (replacing an older copy) and
    // answers its file URL; an empty text when the page cannot be copied.
    Q_INVOKABLE QString extract(bool chinese) const;

signals:
    void sourceFolderChanged();
    void targetFolderChanged();

private:
    QString m_sourceFolder;
    QString m_targetFolder;
};

#endif
