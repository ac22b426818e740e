#ifndef PUBLICATIONLOG_H
#define PUBLICATIONLOG_H

#include "core/weightingcontrol.h"

#include <QObject>
#include <QString>
#include <QVector>

// One record as the refresh published it.
struct Publication
{
    bool group = false;
    int pageId = 0;
    int index = 0;
    int groupId = 0;
    int typeFlag = 0;
    QString name;
    int curData = 0;
    int maxData = 0;
    int minData = 0;
    int maxWarnData = 0;
    int minWarnData = 0;
    int maxErrData = 0;
    int minErrData = 0;
    int state = 0;
    int errorNb = 0;
    int boxType = 0;
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

    // The latest publication of a page and index; an empty one (page -1) when none.
    Publication find(int pageId, int index) const
    {
        for (int i = entries.size() - 1; i >= 0; --i) {
            if (entries.at(i).pageId == pageId && entries.at(i).index == index)
                return entries.at(i);
        }
        Publication none;
        none.pageId = -1;
        return none;
    }

    QVector<Publication> entries;
};

#endif
