#include "recording/datasourcelocalthread.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTextStream>

#include <algorithm>

DataSourceLocalThread::DataSourceLocalThread(QObject *parent)
    : QThread(parent)
{
}

void DataSourceLocalThread::setReplay(const QString &folder, int pauseMs)
{
    if (isRunning())
        return;
    m_folder = folder;
    m_pauseMs = std::max(pauseMs, 0);
    QMutexLocker locker(&m_mutex);
    m_stop = false;
}

void DataSourceLocalThread::requestStop()
{
    QMutexLocker locker(&m_mutex);
    m_stop = true;
    m_wake.wakeAll();
}

bool DataSourceLocalThread::stopRequested()
{
    QMutexLocker locker(&m_mutex);
    return m_stop;
}

int DataSourceLocalThread::parseRecord(const QString &line, QString *time, QByteArray *buffer)
{
    const QVector<QStringRef> fields = line.splitRef(QLatin1Char(','));
    *time = fields.at(0).toString();
    // Hub datagrams are at most 1024 bytes; anything beyond is not a datagram.
    const int length = std::min(fields.size() - 1, static_cast<int>(buffer->size()));
    for (int i = 0; i < length; ++i) {
        bool ok = false;
        const ushort value = fields.at(i + 1).toUShort(&ok);
        (*buffer)[i] = static_cast<char>(ok ? value & 0xFF : 0);
    }
    return length;
}

void DataSourceLocalThread::run()
{
    qDebug() << objectName() << ":" << "run() begin";
    // An empty folder text names no folder (QDir would take it for the
    // working directory).
    const QStringList names = m_folder.isEmpty()
            ? QStringList()
            : QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (QFileInfo(name).suffix() != QLatin1String("csv"))
            continue;
        qDebug() << name;
        QFile file(m_folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qDebug() << "文件打开失败";
            continue;
        }
        QByteArray buffer(frameSize, '\0');
        if (!replayFile(&file, &buffer))
            break;
    }
    qDebug() << objectName() << ":" << 0;
    qDebug() << objectName() << ":" << "run() end";
}

bool DataSourceLocalThread::replayFile(QIODevice *file, QByteArray *buffer)
{
    QTextStream stream(file);
    while (!stream.atEnd()) {
        if (stopRequested())
            return false;
        QString time;
        const int length = parseRecord(stream.readLine(), &time, buffer);
        emit readDaraTimeSignal(time);
        // The signal holds its own copy: the buffer is reused for the next line.
        emit dataLocalReadSignal(time, *buffer, length);
        if (!pause())
            return false;
    }
    return true;
}

bool DataSourceLocalThread::pause()
{
    QMutexLocker locker(&m_mutex);
    const QDeadlineTimer deadline(m_pauseMs);
    while (!m_stop && !deadline.hasExpired())
        m_wake.wait(&m_mutex, deadline);
    return !m_stop;
}
