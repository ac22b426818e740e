#ifndef THRESHOLDDOCUMENT_H
#define THRESHOLDDOCUMENT_H

#include <QByteArray>

class WeightingData;

// The document that downloads a page's thresholds to its hub:
// {"VornCellList": [{"VornCellId", "maxErr", "minErr", "maxWarn", "minWarn"}...],
//  "VornHubId": page} for the records in cell slots 1 to 100, indented, keys
// sorted. Hubs know only their first hundred cells.
class ThresholdDocument
{
public:
    static constexpr int FirstCell = 1;
    static constexpr int LastCell = 100;

    static QByteArray build(int pageId, const WeightingData &page);
};

#endif
