#pragma once

// The host's 2-D checker texture: squares of two colours alternating in u and
// v, repeated a given number of times over the unit square. The square at the
// origin, whose lower-left corner is (0, 0), has the first colour.

#include <maya/MFloatVector.h>

namespace kavo::host::render {

class CheckerPattern
{
public:
    // White and black, four squares along each direction of the unit square.
    CheckerPattern() = default;
    CheckerPattern(const MFloatVector& color1, const MFloatVector& color2, double uRepeat = 4.0, double vRepeat = 4.0);

    // Squares wrap like the rest of texture space: (u + 1, v) gives the same
    // colour as (u, v) whenever the repeat counts are whole numbers.
    MFloatVector colorAt(double u, double v) const;

private:
    MFloatVector m_color1 = MFloatVector(1.0f, 1.0f, 1.0f);
    MFloatVector m_color2 = MFloatVector(0.0f, 0.0f, 0.0f);
    double m_uRepeat = 4.0;
    double m_vRepeat = 4.0;
};

} // namespace kavo::host::render
