#ifndef RECORDINGSAMPLER_H
#define RECORDINGSAMPLER_H

#include "recording/datasavecontrol.h"
#include "ui/table/tablerowmodel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// The settings page's recording switch and timer. While recording, every tick
// takes one line from the main table: the header names each row with its
// type code, the values are the rows' weights in kilograms. A header that
// differs from the recorder's starts a new file there; `newFile` (set when
// recording is switched on) forces one for the next line only.
class RecordingSampler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TableRowModel *rows READ rows WRITE setRows RESET resetRows NOTIFY rowsChanged)
    Q_PROPERTY(DataSaveControl *recorder READ recorder WRITE setRecorder RESET resetRecorder NOTIFY recorderChanged)
    Q_PROPERTY(double conFactor READ conFactor WRITE setConFactor RESET resetConFactor NOTIFY conFactorChanged)
    Q_PROPERTY(int rateIndex READ rateIndex WRITE setRateIndex RESET resetRateIndex NOTIFY rateIndexChanged)
    Q_PROPERTY(int interval READ interval NOTIFY rateIndexChanged)
    Q_PROPERTY(QStringList rates READ rates CONSTANT)
    Q_PROPERTY(bool recording READ recording WRITE setRecording RESET resetRecording NOTIFY recordingChanged)
    Q_PROPERTY(bool m_saveCreat READ newFile WRITE setNewFile RESET resetNewFile NOTIFY newFileChanged)

public:
    explicit RecordingSampler(QObject *parent = nullptr);

    TableRowModel *rows() const { return m_rows; }
    void setRows(TableRowModel *rows);
    void resetRows() { setRows(nullptr); }

    DataSaveControl *recorder() const { return m_recorder; }
    // The recorder takes the gap of the chosen rate at once.
    void setRecorder(DataSaveControl *recorder);
    void resetRecorder() { setRecorder(nullptr); }

    double conFactor() const { return m_conFactor; }
    // Factors that cannot convert (zero, negative, not finite) are refused.
    void setConFactor(double factor);
    void resetConFactor() { setConFactor(1.0); }

    int rateIndex() const { return m_rateIndex; }
    // Positions outside the list are refused. Sets the recorder's saveTick
    // and the timer's interval.
    void setRateIndex(int index);
    void resetRateIndex();
    int interval() const { return m_timer.interval(); }
    QStringList rates() const;
    // A stored position from the project; false (and no change) when it is
    // not one of the offered positions.
    Q_INVOKABLE bool restoreRateIndex(double stored);

    bool recording() const { return m_recording; }
    // On: the recorder's saveStart, a new file for the next line, the timer
    // runs. Off: saveStart cleared, the timer stops.
    void setRecording(bool on);
    void resetRecording() { setRecording(false); }

    bool newFile() const { return m_newFile; }
    void setNewFile(bool newFile);
    void resetNewFile() { setNewFile(false); }

    // One line from the main table to the recorder.
    Q_INVOKABLE void sample();

signals:
    void rowsChanged();
    void recorderChanged();
    void conFactorChanged();
    void rateIndexChanged();
    void recordingChanged();
    void newFileChanged();

private:
    void applyRate();
    void updateTimer();

    QPointer<TableRowModel> m_rows;
    QPointer<DataSaveControl> m_recorder;
    QTimer m_timer;
    double m_conFactor = 1.0;
    int m_rateIndex;
    bool m_recording = false;
    bool m_newFile = false;
};

#endif
