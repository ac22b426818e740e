#include "ui/settings/samplingrate.h"

#include <array>
#include <cmath>

namespace {

constexpr std::array<int, 3> IntervalsMs = {2000, 1000, 500};

} // namespace

namespace SamplingRate {

QStringList choices()
{
    return {QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0.5")};
}

bool validIndex(int index)
{
    return index >= 0 && index < int(IntervalsMs.size());
}

int intervalMs(int index)
{
    return IntervalsMs.at(size_t(validIndex(index) ? index : DefaultIndex));
}

qulonglong saveTick(int index)
{
    return qulonglong(intervalMs(index) / 2);
}

int indexFromStored(double stored)
{
    if (!std::isfinite(stored) || stored != std::trunc(stored) || stored < 0 || stored >= double(IntervalsMs.size()))
        return -1;
    return int(stored);
}

} // namespace SamplingRate
