#ifndef DATASOURCELOCALTHREAD_H
#define DATASOURCELOCALTHREAD_H

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

class QIODevice;

// Replays every ".csv" file of one folder, one stored hub datagram per line,
// pausing after each record. Each frame leaves the thread as its own copy of
// the 1024-byte buffer, so the next line can never overwrite a frame that the
// receiver has not taken in yet.
class DataSourceLocalThread : public QThread
{
    Q_OBJECT
public:
    // Bytes one record can carry; longer lines are cut here.
    static constexpr int frameSize = 1024;

    explicit DataSourceLocalThread(QObject *parent = nullptr);

    // Folder and pause for the next run; ignored while the thread runs, so a
    // running replay never has its state changed under it.
    void setReplay(const QString &folder, int pauseMs);

    // Asks a running replay to end before its next record; wakes it from its
    // pause. Call wait() afterwards to know it has ended.
    void requestStop();

    // Converts one line "time,b1,b2,..." into buffer (from position 0) and
    // returns the number of bytes the record carries (at most frameSize).
    static int parseRecord(const QString &line, QString *time, QByteArray *buffer);

signals:
    void readDaraTimeSignal(QString time);
    void dataLocalReadSignal(QString time, QByteArray data, int len);
    // Part of the worker's published interface; the worker itself never emits it.
    void testsignal();

protected:
    void run() override;

private:
    // Returns false when a stop was requested.
    bool replayFile(QIODevice *file, QByteArray *buffer);
    // Sleeps for the pause; returns false when a stop was requested.
    bool pause();
    bool stopRequested();

    QString m_folder;
    int m_pauseMs = 0;

    QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stop = false;
};

#endif
