#include "core/weightarithmetic.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace {

constexpr double IntMax = double(std::numeric_limits<int>::max());
constexpr double IntMin = double(std::numeric_limits<int>::min());

// Values beyond int (a huge tare, a factor of 0 dividing a tare) saturate; a
// value that is not a number counts as 0.
bool outOfRange(double value, int &saturated)
{
    if (std::isnan(value)) {
        saturated = 0;
        return true;
    }
    if (value >= IntMax) {
        saturated = std::numeric_limits<int>::max();
        return true;
    }
    if (value <= IntMin) {
        saturated = std::numeric_limits<int>::min();
        return true;
    }
    return false;
}

} // namespace

int WeightArithmetic::addTruncated(int sum, double net)
{
    const double value = net + sum;
    int saturated = 0;
    if (outOfRange(value, saturated))
        return saturated;
    return int(value);
}

int WeightArithmetic::scaled(double raw, double factor)
{
    const double value = raw * factor;
    int saturated = 0;
    if (outOfRange(value, saturated))
        return saturated;
    return qRound(value);
}
