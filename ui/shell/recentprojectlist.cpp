#include "ui/shell/recentprojectlist.h"

#include <QSettings>

namespace {

const QString Section = QStringLiteral("projectSelect");
const QString CountKey = QStringLiteral("count");

} // namespace

RecentProjectList::RecentProjectList(QObject *parent) : QAbstractListModel(parent)
{
}

int RecentProjectList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_paths.size();
}

QVariant RecentProjectList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_paths.at(index.row());
    return QVariant();
}

QHash<int, QByteArray> RecentProjectList::roleNames() const
{
    return {{Qt::DisplayRole, QByteArrayLiteral("display")}};
}

QString RecentProjectList::get(int row) const
{
    return m_paths.value(row);
}

void RecentProjectList::moveToTop(const QString &path)
{
    if (path.isEmpty())
        return;
    const int row = m_paths.indexOf(path);
    if (row >= 0) {
        moveRowToTop(row);
        return;
    }
    beginInsertRows(QModelIndex(), 0, 0);
    m_paths.prepend(path);
    endInsertRows();
    emit countChanged();
}

void RecentProjectList::moveRowToTop(int row)
{
    if (row <= 0 || row >= m_paths.size())
        return;
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), 0);
    m_paths.move(row, 0);
    endMoveRows();
}

void RecentProjectList::load(const QString &settingsFile)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(Section);
    const int stored = qBound(0, settings.value(CountKey).toInt(), MaxStored);
    QStringList added;
    for (int i = 0; i < stored; ++i) {
        const QString path = settings.value(QString::number(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path) && !added.contains(path))
            added.append(path);
    }
    if (added.isEmpty())
        return;
    beginInsertRows(QModelIndex(), m_paths.size(), m_paths.size() + added.size() - 1);
    m_paths.append(added);
    endInsertRows();
    emit countChanged();
}

void RecentProjectList::save(const QString &settingsFile) const
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(Section);
    for (int i = 0; i < m_paths.size(); ++i)
        settings.setValue(QString::number(i), m_paths.at(i));
    settings.setValue(CountKey, qMin(int(m_paths.size()), MaxStored));
    settings.endGroup();
    settings.sync();
}

QString RecentProjectList::projectName(const QString &path)
{
    const QString file = path.section(QLatin1Char('/'), -1);
    const int suffix = file.indexOf(QLatin1String(".VORNPRO"));
    return suffix < 0 ? file : file.left(suffix);
}
