#pragma once

#include <cstring>

namespace kavo::test {

// Equal to the bit: tells -0 from +0 and compares NaNs by their payload, where
// == would call -0 and +0 equal and every NaN unequal.
inline bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace kavo::test
