#ifndef TIMINGFIGURES_H
#define TIMINGFIGURES_H

#include <algorithm>
#include <cstddef>
#include <vector>

// The median and 99th percentile of a series of timings, in its unit.
struct Figures
{
    double median;
    double p99;
};

inline Figures figures(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&](double share) { return values.at(size_t(share * double(values.size() - 1))); };
    return {at(0.5), at(0.99)};
}

// The middle timing of a series (the upper one of an even count).
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

#endif
