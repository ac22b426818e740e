#ifndef DATASAVECONTROL_H
#define DATASAVECONTROL_H

#include <QDateTime>
#include <QFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// Records the weights of the first table part to CSV files under the project's
// "Data/yyyy/MM/dd" folder, one flushed line per sample, and reads one cell's
// series back from a recorded file for the line plot. The hub link creates it
// (as the parent) and exposes it as its dataSave property.
class DataSaveControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qulonglong saveTick READ saveTick WRITE setSaveTick RESET resetSaveTick NOTIFY saveTickChanged)
    Q_PROPERTY(bool saveStart READ saveStart WRITE setSaveStart RESET resetSaveStart NOTIFY saveStartChanged)
    Q_PROPERTY(QString savePath READ savePath WRITE setSavePath RESET resetSavePath NOTIFY savePathChanged)
    Q_PROPERTY(QString projectPath READ projectPath WRITE setProjectPath RESET resetProjectPath NOTIFY projectPathChanged)
    Q_PROPERTY(QString saveDataHeader READ saveDataHeader WRITE setSaveDataHeader RESET resetSaveDataHeader NOTIFY saveDataHeaderChanged)

public:
    // Returns the current local time; tests pass a fixed clock.
    using Clock = std::function<QDateTime()>;

    // A recording file holds at most this many data lines below its header.
    static constexpr int maxLinesPerFile = 3000;

    explicit DataSaveControl(QObject *parent = nullptr);
    explicit DataSaveControl(Clock clock, QObject *parent = nullptr);
    ~DataSaveControl() override;

    qulonglong saveTick() const;
    void setSaveTick(qulonglong saveTick);
    void resetSaveTick();

    bool saveStart() const;
    void setSaveStart(bool saveStart);
    void resetSaveStart();

    QString savePath() const;
    void setSavePath(const QString &savePath);
    void resetSavePath();

    QString projectPath() const;
    void setProjectPath(const QString &projectPath);
    void resetProjectPath();

    QString saveDataHeader() const;
    void setSaveDataHeader(const QString &saveDataHeader);
    void resetSaveDataHeader();

    // Records one sample; creat forces a new file.
    Q_INVOKABLE void saveDataStr(const QString &str, bool creat);

    // Emits upLoadErrDataSignal once per data line of the file at path (a local
    // path or a "file:" URL) with the value of the column headed id.
    Q_INVOKABLE void readDataFromPathErr(const QString &path, double partIndex, const QString &id,
                                         int count);

signals:
    void saveTickChanged();
    void saveStartChanged();
    void savePathChanged();
    void saveLogShoeSignel(QString st, QString str);
    void projectPathChanged();
    void saveDataHeaderChanged();
    void upLoadErrDataSignal(double partIndex, QString timer, double data, int seriescount, QString id);

private:
    QString prepareNewFile();
    bool openRecordingFile(const QString &fileName);
    void writeLine(const QString &line);

    Clock m_clock;
    qulonglong m_saveTick = 500;
    bool m_saveStart = false;
    QString m_savePath;
    QString m_projectPath;
    QString m_saveDataHeader;

    int m_lineCount = 0;
    QDateTime m_lastWritten;
    std::unique_ptr<QFile> m_file;
};

#endif
