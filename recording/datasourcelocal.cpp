#include "recording/datasourcelocal.h"

#include "app/localpath.h"
#include "recording/datasourcelocalthread.h"

#include <QCoreApplication>
#include <QDebug>

DataSourceLocal::DataSourceLocal(QObject *parent)
    : QObject(parent), m_thread(new DataSourceLocalThread)
{
    m_thread->setObjectName(QStringLiteral("t"));
    connect(m_thread, &DataSourceLocalThread::dataLocalReadSignal, this, &DataSourceLocal::dataLocalReadSlots);
}

DataSourceLocal::~DataSourceLocal()
{
    stopReplay();
    delete m_thread;
}

QString DataSourceLocal::dataTime() const
{
    return m_dataTime;
}

void DataSourceLocal::setDataTime(const QString &dataTime)
{
    if (m_dataTime == dataTime)
        return;
    m_dataTime = dataTime;
    emit dataTimeChanged();
}

void DataSourceLocal::resetDataTime()
{
    setDataTime(QString());
}

void DataSourceLocal::startReplay(const QString &folderUrl, int pauseMs)
{
    // The worker's folder and pause are never changed under a running replay.
    stopReplay();
    m_folder = localPathFromUrl(folderUrl);
    qDebug() << m_folder;
    m_thread->setReplay(m_folder, pauseMs);
    m_thread->start(QThread::currentThread()->priority());
}

bool DataSourceLocal::isReplaying() const
{
    return m_thread->isRunning();
}

void DataSourceLocal::stopReplay()
{
    m_thread->requestStop();
    m_thread->wait();
    // Frames the worker queued before it ended belong to the stopped replay.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

void DataSourceLocal::dataLocalReadSlots(const QString &time, const QByteArray &data, int len)
{
    setDataTime(time);
    // The receiver gets a pointer into a copy of its own, valid for the call.
    QByteArray frame(data);
    emit dataLocalReadSignal(reinterpret_cast<uint8_t *>(frame.data()), len);
}
