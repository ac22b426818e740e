#include "ui/table/thresholdentry.h"

#include "ui/common/weighingtype.h"

namespace ThresholdEntry {

double toKg(double shown, int typeCode, double conFactor)
{
    if (!(conFactor > 0))
        conFactor = 1;
    const double capacity = WeighingType::capacity(typeCode);
    if (shown > capacity * conFactor)
        return capacity;
    return shown / conFactor;
}

std::optional<double> fieldValue(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

int nameLimit(bool chinese)
{
    return chinese ? 8 : 16;
}

} // namespace ThresholdEntry
