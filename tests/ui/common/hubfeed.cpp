#include "ui/common/hubfeed.h"

#include "core/testdatagrams.h"
#include "core/weightingcontrol.h"

void HubFeed::send(QObject *controller, int page, const QVariantList &records) const
{
    QVector<HubCellRecord> cells;
    for (const QVariant &entry : records) {
        const QVariantList r = entry.toList();
        cells.append(hubRecord(r.value(0).toInt(), r.value(1).toInt(), r.value(2, 1).toInt(), r.value(3).toInt()));
    }
    QByteArray bytes = hubDatagram(page, cells);
    if (auto *control = qobject_cast<WeightingConTrol *>(controller))
        control->udpReadData(bytesOf(bytes), bytes.size());
}
