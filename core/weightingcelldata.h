#ifndef WEIGHTINGCELLDATA_H
#define WEIGHTINGCELLDATA_H

#include <QObject>
#include <QString>

// The live record of one weighing position: a hub cell, a Bluetooth cell, a
// group aggregate or the page-1 total. It keeps the last raw reading, the tare,
// the extremes, the four thresholds and the device's link state, classifies the
// reading into a state text and reports state changes as log lines and alarm
// sound requests. All weights are raw device units.
class WeightingCellData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString curState READ curState WRITE setCurState RESET resetCurState NOTIFY curStateChanged)
    Q_PROPERTY(double peel READ peel WRITE setPeel RESET resetPeel NOTIFY peelChanged)
    Q_PROPERTY(bool peelEnable READ peelEnable WRITE setPeelEnable RESET resetPeelEnable NOTIFY peelEnableChanged)
    Q_PROPERTY(QString bleAddress READ bleAddress WRITE setBleAddress RESET resetBleAddress NOTIFY bleAddressChanged)
    Q_PROPERTY(QString batter READ batter WRITE setBatter RESET resetBatter NOTIFY batterChanged)
    Q_PROPERTY(QString rssi READ rssi WRITE setRssi RESET resetRssi NOTIFY rssiChanged)
    Q_PROPERTY(bool idIsErr READ idIsErr WRITE setIdIsErr RESET resetIdIsErr NOTIFY idIsErrChanged)
    Q_PROPERTY(int ErrId READ ErrId WRITE setErrId RESET resetErrId NOTIFY ErrIdChanged)

public:
    // Reads without a reading after which the record counts as offline.
    static constexpr quint32 SilentReadLimit = 100;
    // readCount is set back to the limit above this, so it never overflows.
    static constexpr quint32 ReadCountWrap = 10000;

    WeightingCellData(int index, const QString &name, int typeFlag, QObject *parent = nullptr);

    // New raw reading: restarts the silence count, tracks the extremes and
    // classifies.
    void setCurData(int raw);
    // Net value (reading less the tare when the tare is on). Every call counts
    // as one read without a reading; see SilentReadLimit.
    double getCurData();
    // Classifies the current net value and the link state and writes the state text.
    void checkState();

    // Thresholds: stored, and the state re-evaluated only when the value changed.
    void setMaxErrData(double value);
    void setMaxWarnData(double value);
    void setMinErrData(double value);
    void setMinWarnData(double value);

    // The extremes restart from the current reading.
    void resetMaxMinData();
    // Stores the name and writes it as a debug message.
    void setName(const QString &name);

    // Plain stores: no signal, no re-evaluation.
    void setIndex(int index);
    void setGroupId(int groupId);
    void setTypeFlag(int typeFlag);
    void setType(const QString &type);
    void setState(quint8 state);
    void setErrorNb(quint8 errorNb);
    void setBoxType(quint16 boxType);
    void setMinMaxStarted(int minMaxStarted);

    // Plain reads of every field.
    int index() const { return m_index; }
    QString name() const { return m_name; }
    int groupId() const { return m_groupId; }
    int typeFlag() const { return m_typeFlag; }
    int curData() const { return m_curData; }
    double peel() const { return m_peel; }
    bool peelEnable() const { return m_peelEnable; }
    int maxData() const { return m_maxData; }
    int minData() const { return m_minData; }
    double maxWarnData() const { return m_maxWarnData; }
    double minWarnData() const { return m_minWarnData; }
    double maxErrData() const { return m_maxErrData; }
    double minErrData() const { return m_minErrData; }
    QString bleAddress() const { return m_bleAddress; }
    QString type() const { return m_type; }
    QString batter() const { return m_batter; }
    QString rssi() const { return m_rssi; }
    bool idIsErr() const { return m_idIsErr; }
    int ErrId() const { return m_ErrId; }
    int minMaxStarted() const { return m_minMaxStarted; }
    quint8 state() const { return m_state; }
    quint8 errorNb() const { return m_errorNb; }
    quint16 boxType() const { return m_boxType; }
    quint32 readCount() const { return m_readCount; }
    QString curState() const { return m_curState; }

    // Property writes: store and notify only on a change.
    void setCurState(const QString &text);
    void resetCurState();
    void setPeel(double peel);
    void resetPeel();
    void setPeelEnable(bool enable);
    void resetPeelEnable();
    void setBleAddress(const QString &address);
    void resetBleAddress();
    void setBatter(const QString &batter);
    void resetBatter();
    void setRssi(const QString &rssi);
    void resetRssi();
    void setIdIsErr(bool idIsErr);
    void resetIdIsErr();
    void setErrId(int errId);
    void resetErrId();

signals:
    void curStateChanged();
    void cellLogShowSignal(QString st, QString str);
    void playAlarmMusicSignal(int sound);
    void peelChanged();
    void peelEnableChanged();
    void bleAddressChanged();
    void batterChanged();
    void rssiChanged();
    void idIsErr1Changed();
    void idIsErrChanged();
    void ErrIdChanged();

private:
    bool isAlarmText(const QString &text) const;
    bool isFaultOrOfflineText(const QString &text) const;

    int m_index;
    QString m_name;
    int m_groupId = 0;
    int m_typeFlag;
    int m_curData = -1;
    double m_peel = 0;
    bool m_peelEnable = false;
    int m_maxData = 0;
    int m_minData = 0;
    double m_maxWarnData = 400;
    double m_minWarnData = 0;
    double m_maxErrData = 500;
    double m_minErrData = 0;
    QString m_bleAddress;
    QString m_type;
    QString m_batter;
    QString m_rssi;
    bool m_idIsErr = false;
    int m_ErrId = 0;
    int m_minMaxStarted = 0;
    quint8 m_state = 0;
    quint8 m_errorNb = 0;
    quint16 m_boxType = 0;
    quint32 m_readCount = 0;
    QString m_curState;
};

#endif
