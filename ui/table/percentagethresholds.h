#ifndef PERCENTAGETHRESHOLDS_H
#define PERCENTAGETHRESHOLDS_H

#include "core/weightingcontrol.h"
#include "ui/common/cellrowmodel.h"
#include "ui/table/percentagepass.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

// Applies the percentage thresholds of the main table through the weighing
// controller's setters: the full pass (cells, total, groups), the step for
// one new cell, and the group step that follows a group assignment. Group
// membership and cell types are read from the records themselves, so a group
// made a moment ago counts before its next publication reaches the rows.
class PercentageThresholds : public QObject
{
    Q_OBJECT
    Q_PROPERTY(WeightingConTrol *controller READ controller WRITE setController RESET resetController NOTIFY controllerChanged)
    Q_PROPERTY(CellRowModel *rows READ rows WRITE setRows RESET resetRows NOTIFY rowsChanged)
    // Thresholds are set as percentages ("百分比设置"): the full pass and the
    // new-cell step act only then; the group step always does.
    Q_PROPERTY(bool percentMode READ percentMode WRITE setPercentMode NOTIFY percentModeChanged)
    Q_PROPERTY(QString m_text_MinWarnData READ minWarnText WRITE setMinWarnText NOTIFY percentagesChanged)
    Q_PROPERTY(QString m_text_MaxWarnData READ maxWarnText WRITE setMaxWarnText NOTIFY percentagesChanged)
    Q_PROPERTY(QString m_text_MinErrData READ minErrText WRITE setMinErrText NOTIFY percentagesChanged)
    Q_PROPERTY(QString m_text_MaxErrData READ maxErrText WRITE setMaxErrText NOTIFY percentagesChanged)

public:
    // The group step waits for the controller to have made the group.
    static constexpr int GroupStepDelay = 500;

    explicit PercentageThresholds(QObject *parent = nullptr);

    WeightingConTrol *controller() const { return m_controller; }
    void setController(WeightingConTrol *controller);
    void resetController();
    CellRowModel *rows() const { return m_rows; }
    void setRows(CellRowModel *rows);
    void resetRows();
    bool percentMode() const { return m_percentMode; }
    void setPercentMode(bool percentMode);
    QString minWarnText() const { return m_texts[PercentagePass::MinWarn]; }
    void setMinWarnText(const QString &text) { setText(PercentagePass::MinWarn, text); }
    QString maxWarnText() const { return m_texts[PercentagePass::MaxWarn]; }
    void setMaxWarnText(const QString &text) { setText(PercentagePass::MaxWarn, text); }
    QString minErrText() const { return m_texts[PercentagePass::MinErr]; }
    void setMinErrText(const QString &text) { setText(PercentagePass::MinErr, text); }
    QString maxErrText() const { return m_texts[PercentagePass::MaxErr]; }
    void setMaxErrText(const QString &text) { setText(PercentagePass::MaxErr, text); }

    Q_INVOKABLE void fullPass();
    Q_INVOKABLE void cellStep(int pageId, int index);
    Q_INVOKABLE void groupStep();
    // The stored percentage after "设置" in percentage mode.
    Q_INVOKABLE QString keptPercentage(const QString &stored, const QString &typed, bool overweight) const;
    // The group step, GroupStepDelay ms from now.
    Q_INVOKABLE void scheduleGroupStep();

signals:
    void controllerChanged();
    void rowsChanged();
    void percentModeChanged();
    void percentagesChanged();

private:
    void setText(PercentagePass::Threshold threshold, const QString &text);
    PercentagePass::Percentages percentages() const;
    QVector<PercentagePass::Row> passRows() const;
    void write(const QVector<PercentagePass::Write> &writes);

    QPointer<WeightingConTrol> m_controller;
    QPointer<CellRowModel> m_rows;
    bool m_percentMode = true;
    QString m_texts[PercentagePass::ThresholdCount];
    QTimer m_groupTimer;
};

#endif
