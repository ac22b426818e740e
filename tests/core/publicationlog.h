#ifndef PUBLICATIONLOG_H
#define PUBLICATIONLOG_H

#include "core/weightingcontrol.h"
#include "testdatagrams.h"

#include <algorithm>

// One record as the refresh published it.
struct Publication
{
    bool group = false;
    int pageId = -1, index = 0, groupId = 0, typeFlag = 0;
    QString name;
    int curData = 0, maxData = 0, minData = 0, maxWarnData = 0, minWarnData = 0, maxErrData = 0, minErrData = 0;
    int state = 0, errorNb = 0, boxType = 0;
    WeightingCellData *record = nullptr;
};

// Collects the controller's publications, as a C++ view would receive them.
class PublicationLog : public QObject
{
public:
    explicit PublicationLog(WeightingConTrol *control)
    {
        const auto collect = [this](bool group) {
            return [this, group](int p, int i, int g, int t, QString n, int cur, int max, int min, int maxW,
                                 int minW, int maxE, int minE, int s, int e, int b, WeightingCellData *r) {
                entries.append({group, p, i, g, t, n, cur, max, min, maxW, minW, maxE, minE, s, e, b, r});
            };
        };
        connect(control, &WeightingConTrol::readCellDataSignal, this, collect(false));
        connect(control, &WeightingConTrol::readGroupCellDataSignal, this, collect(true));
    }

    // The latest publication of a page and index; page -1 when none.
    Publication find(int pageId, int index) const
    {
        const auto it = std::find_if(entries.crbegin(), entries.crend(),
                                     [&](const Publication &p) { return p.pageId == pageId && p.index == index; });
        return it == entries.crend() ? Publication() : *it;
    }

    QVector<Publication> entries;
};

// Hands one hub datagram to the controller; the next refresh takes it in.
inline void deliver(WeightingConTrol &control, QByteArray bytes)
{
    control.udpReadData(bytesOf(bytes), bytes.size());
}

inline void feed(WeightingConTrol &control, int page, int index, int raw, int state = 1)
{
    deliver(control, hubDatagram(page, {hubRecord(index, raw, state)}));
}

#endif
