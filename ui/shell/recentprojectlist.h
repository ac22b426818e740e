#ifndef RECENTPROJECTLIST_H
#define RECENTPROJECTLIST_H

#include <QAbstractListModel>
#include <QStringList>

// The project page's recent-projects drop-down: project-file paths, newest
// first. Entries are never dropped while the program runs; the settings file
// keeps all of them but announces at most MaxStored, so a long list shrinks
// to that size on the next start.
class RecentProjectList : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    static constexpr int MaxStored = 20;

    explicit RecentProjectList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return m_paths.size(); }

    // The path at row, empty outside the list.
    Q_INVOKABLE QString get(int row) const;
    // Puts path at row 0, moving it there when it is listed already. Empty
    // paths are not listed.
    Q_INVOKABLE void moveToTop(const QString &path);
    // Moves the entry at row to row 0.
    Q_INVOKABLE void moveRowToTop(int row);

    // Section "projectSelect" of an INI file: keys "0".."n-1" and "count".
    // Loading appends the stored entries not listed yet, reading at most
    // `count` (itself at most MaxStored) keys.
    Q_INVOKABLE void load(const QString &settingsFile);
    Q_INVOKABLE void save(const QString &settingsFile) const;

    // The project name of a project-file path: its last "/"-separated
    // component, cut at ".VORNPRO".
    Q_INVOKABLE static QString projectName(const QString &path);

signals:
    void countChanged();

private:
    QStringList m_paths;
};

#endif
