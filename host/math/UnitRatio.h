#pragma once

#include <cstdint>
#include <numeric>

namespace kavo::host::math {

// The exact ratio between two units, each given as how many of it make one
// base unit (numerator / denominator).
struct UnitRatio
{
    std::int64_t numerator;
    std::int64_t denominator;
};

// value counted in the unit "from" expressed in the unit "to", where from and
// to are per-base-unit counts. The ratio is reduced first, so whole-number
// ratios such as 24 frames to one second cost a single rounding.
inline double convertUnits(double value, UnitRatio from, UnitRatio to)
{
    std::int64_t numerator = to.numerator * from.denominator;
    std::int64_t denominator = to.denominator * from.numerator;
    const std::int64_t common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (denominator == 1)
        return value * static_cast<double>(numerator);
    if (numerator == 1)
        return value / static_cast<double>(denominator);
    return value * static_cast<double>(numerator) / static_cast<double>(denominator);
}

} // namespace kavo::host::math
