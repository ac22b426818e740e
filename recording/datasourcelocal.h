#ifndef DATASOURCELOCAL_H
#define DATASOURCELOCAL_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>

class DataSourceLocalThread;

// Replays stored hub datagrams from a folder of CSV files as if a hub had sent
// them. The weighing controller creates it and connects dataLocalReadSignal to
// its hub-frame decoding; frames arrive on the user-interface thread.
class DataSourceLocal : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString dataTime READ dataTime WRITE setDataTime RESET resetDataTime NOTIFY dataTimeChanged)

public:
    explicit DataSourceLocal(QObject *parent = nullptr);
    ~DataSourceLocal() override;

    QString dataTime() const;
    void setDataTime(const QString &dataTime);
    void resetDataTime();

    // Replays the folder (a local path or a "file:" URL) from its first file,
    // pausing pauseMs milliseconds after each record. A replay still running
    // is stopped first.
    Q_INVOKABLE void startReplay(const QString &folderUrl, int pauseMs);

    // Whether the worker is still going through the folder.
    bool isReplaying() const;

    // Stops a running replay and returns once its worker has ended; no frame
    // of that replay is delivered afterwards.
    Q_INVOKABLE void stopReplay();

signals:
    // data points to len bytes of a 1024-byte frame; valid during the call only.
    void dataLocalReadSignal(uint8_t *data, int len);
    void dataTimeChanged();

public slots:
    void dataLocalReadSlots(const QString &time, const QByteArray &data, int len);

private:
    QString m_folder;
    DataSourceLocalThread *m_thread;
    QString m_dataTime;
};

#endif
