#pragma once

// Helpers shared by the 2-D patterns for turning a (u, v) into a position
// within one repeat of the pattern. Texture coordinates come straight from
// user geometry, so they may be huge or not finite; both must give some
// colour rather than undefined behaviour in a float-to-integer conversion.

#include <cmath>

namespace kavo::host::render {

// A coordinate that is NaN or infinite samples as if it were 0.
inline double finiteOrZero(double t)
{
    return std::isfinite(t) ? t : 0.0;
}

// The fractional part of t in [0, 1), the same for t and t + n for every
// integer n (repeat wrapping). Non-finite t maps to 0.
inline double wrapToUnit(double t)
{
    t = finiteOrZero(t);
    double wrapped = t - std::floor(t);
    // A tiny negative t rounds to exactly 1.0 above.
    return wrapped < 1.0 ? wrapped : 0.0;
}

} // namespace kavo::host::render
