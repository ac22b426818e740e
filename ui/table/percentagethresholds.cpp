#include "ui/table/percentagethresholds.h"

PercentageThresholds::PercentageThresholds(QObject *parent) : QObject(parent)
{
    m_groupTimer.setSingleShot(true);
    m_groupTimer.setInterval(GroupStepDelay);
    connect(&m_groupTimer, &QTimer::timeout, this, &PercentageThresholds::groupStep);
}

void PercentageThresholds::setController(WeightingConTrol *controller)
{
    if (m_controller == controller)
        return;
    m_controller = controller;
    emit controllerChanged();
}

void PercentageThresholds::resetController()
{
    setController(nullptr);
}

void PercentageThresholds::setRows(CellRowModel *rows)
{
    if (m_rows == rows)
        return;
    m_rows = rows;
    emit rowsChanged();
}

void PercentageThresholds::resetRows()
{
    setRows(nullptr);
}

void PercentageThresholds::setPercentMode(bool percentMode)
{
    if (m_percentMode == percentMode)
        return;
    m_percentMode = percentMode;
    emit percentModeChanged();
}

void PercentageThresholds::setText(PercentagePass::Threshold threshold, const QString &text)
{
    if (m_texts[threshold] == text)
        return;
    m_texts[threshold] = text;
    emit percentagesChanged();
}

PercentagePass::Percentages PercentageThresholds::percentages() const
{
    using namespace PercentagePass;
    return fromTexts(m_texts[MinWarn], m_texts[MaxWarn], m_texts[MinErr], m_texts[MaxErr]);
}

QVector<PercentagePass::Row> PercentageThresholds::passRows() const
{
    QVector<PercentagePass::Row> rows;
    if (!m_rows)
        return rows;
    QVector<bool> groupShown(WeightingData::GroupCount, false);
    for (const CellRow &r : m_rows->rows()) {
        PercentagePass::Row row{r.pageId001, r.index001, r.typeFlag001, r.groupId001, r.wTypeb001};
        if (const WeightingCellData *record = r.obj001.data()) {
            row.groupId = record->groupId();
            row.typeCode = record->boxType();
        }
        const int g = r.index001 - WeightingData::GroupSlotBase;
        if (r.typeFlag001 == 1 && g >= 0 && g < WeightingData::GroupCount)
            groupShown[g] = true;
        rows.append(row);
    }
    // A group the controller has just made is not published yet.
    const WeightingData *groupPage = m_controller ? m_controller->page(PageSource::GroupPage) : nullptr;
    for (int g = 1; groupPage && !rows.isEmpty() && g < WeightingData::GroupCount; ++g) {
        if (groupPage->group(g) && !groupShown[g])
            rows.append({PageSource::GroupPage, WeightingData::GroupSlotBase + g, 1, 0, 0});
    }
    return rows;
}

void PercentageThresholds::write(const QVector<PercentagePass::Write> &writes)
{
    if (!m_controller)
        return;
    for (const PercentagePass::Write &w : writes) {
        switch (w.threshold) {
        case PercentagePass::MinWarn:
            m_controller->setMinWarnData(w.pageId, w.index, w.kg);
            break;
        case PercentagePass::MaxWarn:
            m_controller->setMaxWarnData(w.pageId, w.index, w.kg);
            break;
        case PercentagePass::MinErr:
            m_controller->setMinErrData(w.pageId, w.index, w.kg);
            break;
        case PercentagePass::MaxErr:
            m_controller->setMaxErrData(w.pageId, w.index, w.kg);
            break;
        case PercentagePass::ThresholdCount:
            break;
        }
    }
}

void PercentageThresholds::fullPass()
{
    if (!m_percentMode)
        return;
    write(PercentagePass::fullPass(passRows(), percentages()));
}

void PercentageThresholds::groupStep()
{
    write(PercentagePass::groupStep(passRows(), percentages()));
}

void PercentageThresholds::scheduleGroupStep()
{
    m_groupTimer.start();
}

void PercentageThresholds::cellStep(int pageId, int index)
{
    if (!m_percentMode || !m_controller || !m_rows || m_rows->rows().isEmpty())
        return;
    const WeightingData *page = m_controller->page(pageId);
    const WeightingCellData *record = page && index > 0 && index < WeightingData::CellSlotCount
        ? page->cell(index)
        : nullptr;
    if (!record)
        return;
    // The total's thresholds as shown, back in kg.
    const double factor = m_controller->conFactor() > 0 ? m_controller->conFactor() : 1;
    const CellRow &total = m_rows->rows().first();
    const std::array<double, PercentagePass::ThresholdCount> totalKg{
        total.minWarn001 / factor, total.maxWarn001 / factor, total.minErr001 / factor, total.maxErr001 / factor};
    write(PercentagePass::cellStep({pageId, index, 0, record->groupId(), record->boxType()}, totalKg,
                                   percentages()));
}

QString PercentageThresholds::keptPercentage(const QString &stored, const QString &typed, bool overweight) const
{
    return PercentagePass::keptPercentage(stored, typed, overweight);
}
