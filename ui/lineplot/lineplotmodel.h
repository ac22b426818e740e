#ifndef LINEPLOTMODEL_H
#define LINEPLOTMODEL_H

#include "ui/lineplot/plotframe.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariantList>
#include <QVector>

#include <functional>

class CellRowModel;
class DataSaveControl;
class MyJson;
class WeightingConTrol;

// One line plot: up to four curves of chosen cells, drawn live from the main
// table's rows once a second or read back from a recording. Points live in
// bounded per-curve buffers (6000 live, 90000 recorded); the painted chart
// reads the frame whole. Recorded values arrive one signal per line and are
// drawn once when the readback returns, never one repaint per line.
class LinePlotModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int m_partIndex READ partIndex WRITE setPartIndex RESET resetPartIndex NOTIFY partIndexChanged)
    Q_PROPERTY(WeightingConTrol *controller READ controller WRITE setController RESET resetController NOTIFY controllerChanged)
    Q_PROPERTY(CellRowModel *sourceRows READ sourceRows WRITE setSourceRows RESET resetSourceRows NOTIFY sourceRowsChanged)
    Q_PROPERTY(DataSaveControl *recorder READ recorder WRITE setRecorder RESET resetRecorder NOTIFY recorderChanged)
    Q_PROPERTY(double mYheight READ mYheight NOTIFY axisChanged)
    Q_PROPERTY(double mYheight2 READ mYheight2 NOTIFY axisChanged)
    Q_PROPERTY(int maxLinePointCount READ maxLinePointCount NOTIFY maxLinePointCountChanged)
    Q_PROPERTY(QString m_axis_xMin READ observationWindow WRITE setObservationWindow RESET resetObservationWindow NOTIFY observationWindowChanged)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth RESET resetLineWidth NOTIFY lineWidthChanged)
    Q_PROPERTY(bool linerunset READ linerunset WRITE setLinerunset RESET resetLinerunset NOTIFY linerunsetChanged)
    Q_PROPERTY(bool dataSourceErr_tag READ historyMode NOTIFY historyModeChanged)
    Q_PROPERTY(int dataSourceErr_create READ pendingAction NOTIFY pendingActionChanged)
    Q_PROPERTY(bool read_recordDate READ reading NOTIFY readingChanged)
    Q_PROPERTY(int curveCount READ curveCount NOTIFY curvesChanged)
    Q_PROPERTY(QStringList curveTexts READ curveTexts NOTIFY curvesChanged)
    Q_PROPERTY(QString historyFile READ historyFile NOTIFY historyFileChanged)
    Q_PROPERTY(int startDial READ startDial WRITE setStartDial NOTIFY startDialChanged)
    Q_PROPERTY(int endDial READ endDial WRITE setEndDial NOTIFY endDialChanged)

public:
    using Clock = std::function<QDateTime()>;

    static constexpr int MaxCurves = PlotFrame::SeriesCount;
    static constexpr int MinLineWidth = 20;
    static constexpr int MaxLineWidth = 100;

    explicit LinePlotModel(QObject *parent = nullptr);

    int partIndex() const { return m_partIndex; }
    void setPartIndex(int partIndex);
    void resetPartIndex() { setPartIndex(0); }
    WeightingConTrol *controller() const;
    void setController(WeightingConTrol *controller);
    void resetController() { setController(nullptr); }
    CellRowModel *sourceRows() const;
    void setSourceRows(CellRowModel *rows);
    void resetSourceRows() { setSourceRows(nullptr); }
    DataSaveControl *recorder() const;
    void setRecorder(DataSaveControl *recorder);
    void resetRecorder() { setRecorder(nullptr); }

    double mYheight() const { return m_live.yAxis.top; }
    double mYheight2() const { return m_live.yAxis.bottom; }
    int maxLinePointCount() const { return m_live.series[0].points.capacity(); }
    QString observationWindow() const { return m_observationWindow; }
    // Digits only; above 100 the field shows and uses 100.
    void setObservationWindow(const QString &typed);
    void resetObservationWindow() { setObservationWindow(QStringLiteral("10")); }
    int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);
    void resetLineWidth() { setLineWidth(50); }
    bool linerunset() const { return m_running; }
    // Pausing freezes a copy of the chart; sampling goes on behind it.
    void setLinerunset(bool running);
    void resetLinerunset() { setLinerunset(true); }
    bool historyMode() const { return m_historyMode; }
    int pendingAction() const { return m_pendingAction; }
    bool reading() const { return m_reading; }
    int curveCount() const { return int(m_curves.size()); }
    QStringList curveTexts() const;
    QString historyFile() const { return m_historyFile; }
    int startDial() const { return m_startDial; }
    void setStartDial(int hundredths);
    int endDial() const { return m_endDial; }
    void setEndDial(int hundredths);

    const PlotFrame &frame(bool frozen) const { return frozen ? m_frozen : m_live; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The once-a-second step: a live sample, or in history mode the pending
    // curve action.
    Q_INVOKABLE void sample();
    // The main table's rows that are not curves yet, as { text, pageId,
    // index }; nothing while four curves exist.
    Q_INVOKABLE QVariantList addCandidates() const;
    Q_INVOKABLE bool addCurve(int pageId, int index);
    Q_INVOKABLE void deleteCurve(int position);
    // "加载历史曲线": curves and series cleared, recorded values taken in.
    Q_INVOKABLE void beginHistory();
    // The chosen recording (its URL as the file dialog gives it).
    Q_INVOKABLE void loadHistory(const QString &fileUrl);
    // "加载实时曲线": back to live drawing with no curves.
    Q_INVOKABLE void endHistory();
    // The tooltip: the local time of `timeMs`, then every used series' label
    // with the value of its point nearest in time.
    Q_INVOKABLE QStringList tooltipLines(double timeMs, bool frozen) const;
    Q_INVOKABLE static int tooltipWidth(const QStringList &lines, bool parked);
    Q_INVOKABLE static QString dialText(int hundredths);
    // The stored curves, observation window and line width of this plot.
    Q_INVOKABLE void loadFrom(MyJson *json);
    Q_INVOKABLE void saveTo(MyJson *json) const;

public slots:
    // One recorded value of the readback; values for other plots are ignored.
    void takeRecordedValue(double partIndex, QString timer, double data, int seriescount, QString id);
    void removeCellCurve(int pageId, int index);
    void removeGroupCurves(int pageId, int index);

signals:
    void partIndexChanged();
    void controllerChanged();
    void sourceRowsChanged();
    void recorderChanged();
    void axisChanged();
    void maxLinePointCountChanged();
    void observationWindowChanged();
    void lineWidthChanged();
    void linerunsetChanged();
    void historyModeChanged();
    void pendingActionChanged();
    void readingChanged();
    void curvesChanged();
    void historyFileChanged();
    void startDialChanged();
    void endDialChanged();
    // The live (or recorded) chart and the paused copy changed.
    void frameChanged();
    void frozenFrameChanged();

private:
    // The pending history action: a curve added, or 2 + 10 × the position
    // of a deleted curve.
    enum PendingAction { NoAction = 0, CurveAdded = 1, CurveDeleted = 2 };

    struct Curve
    {
        int pageId;
        int index;
    };

    void liveStep();
    void historyStep();
    void readCurve(int position);
    void drawRecordedValues();
    void removeCurveAt(int position);
    void clearAll();
    void setCapacity(int capacity);
    void setHistoryMode(bool on);
    void setPendingAction(int action);
    void setReading(bool reading);
    void setAxis(const LinePlotRules::WeightAxis &axis);
    void setDial(int &dial, int hundredths, void (LinePlotModel::*changed)());
    void connectRecorder();
    int curvePosition(int pageId, int index) const;
    static QString cellId(int pageId, int index);

    Clock m_clock;
    int m_partIndex = 0;
    QPointer<WeightingConTrol> m_controller;
    QPointer<CellRowModel> m_sourceRows;
    QPointer<DataSaveControl> m_recorder;
    QMetaObject::Connection m_recorderConnection;

    QVector<Curve> m_curves;
    PlotFrame m_live;
    PlotFrame m_frozen;
    QString m_observationWindow = QStringLiteral("10");
    int m_lineWidth = 50;
    bool m_running = true;
    bool m_historyMode = false;
    int m_pendingAction = 0;
    bool m_reading = false;
    QString m_historyFile;
    bool m_firstOfLoad = false;
    LinePlotRules::LocalDays m_localDays;
    QDate m_firstDay;
    QDate m_lastDay;
    int m_startDial = 12 * 3600 * 100;
    int m_endDial = 12 * 3600 * 100;
    // The time of day of the newest recorded value, for the end dial.
    int m_lastRecorded = 0;
    // Closes the busy box one second after the last recorded value.
    QTimer m_busyTimer;
    // Draws recorded values once the readback returns.
    QTimer m_redrawTimer;
};

#endif
