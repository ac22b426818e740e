#ifndef WEIGHTINGDATA_H
#define WEIGHTINGDATA_H

#include <QObject>
#include <QString>

#include <array>

class WeightingCellData;

// One page of cell records, addressed by index: slots 0 to 1000 hold cells,
// slots 1001 to 1020 the groups 0 to 19 (group g at 1001 + g). The page owns
// its records and deletes a record as soon as it is removed. Indexes outside
// 0 to 1020 address nothing and are ignored by every operation.
class WeightingData : public QObject
{
    Q_OBJECT
public:
    static constexpr int CellSlotCount = 1001;
    static constexpr int GroupSlotBase = 1001;
    static constexpr int GroupCount = 20;
    static constexpr int SlotCount = GroupSlotBase + GroupCount;

    explicit WeightingData(QObject *parent = nullptr);
    ~WeightingData() override;

    WeightingData(const WeightingData &) = delete;
    WeightingData &operator=(const WeightingData &) = delete;

    // The record in slot `index`, null for an empty slot or an index outside 0 to 1020.
    WeightingCellData *cell(int index) const;
    // The group record g (slot 1001 + g), null when missing or g is outside 0 to 19.
    WeightingCellData *group(int g) const;

    // Creates cell "CZ <pageId>.<index>" (type flag 0) in an empty slot and
    // returns the record of the slot, new or already there; null for an
    // invalid index.
    WeightingCellData *createCell(int pageId, int index);
    // Creates group "Group<g>" (type flag 1, index 1001 + g) in an empty group
    // slot and returns the record of the slot; null for g outside 0 to 19.
    WeightingCellData *createGroup(int g);
    void deleteCell(int index);
    void deleteGroup(int g);

    // Stores the index into the record, then sets upper alarm, upper warning,
    // lower warning and lower alarm threshold in that order.
    void setCellConfig(int index, int minWarn, int maxWarn, int minErr, int maxErr);
    void setMaxErrData(int index, double value);
    void setMaxWarnData(int index, double value);
    void setMinErrData(int index, double value);
    void setMinWarnData(int index, double value);
    void setName(int index, const QString &name);
    void setGroup(int index, int groupId);
    // Every cell of group g leaves it (groupId 0).
    void clearGroup(int g);
    // Restarts the extremes of every cell and group record.
    void resetMaxMinData();

    // One device update of the record in slot `index`; `text` is not used.
    void updateCellData(int index, int raw, quint8 state, quint8 errorNb, quint16 boxType,
                        const QString &batter, const QString &text, const QString &rssi);

private:
    std::array<WeightingCellData *, SlotCount> m_cells{};
};

#endif
