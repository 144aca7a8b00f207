#pragma once

// Knot vectors between the host's MDoubleArray and NurbsKnots.

#include "geometry/NurbsKnots.h"

#include <maya/MDoubleArray.h>

#include <vector>

namespace kavo::host::geometry {

inline std::vector<double> knotValues(const MDoubleArray& knots)
{
    std::vector<double> values;
    values.reserve(knots.length());
    for (unsigned int k = 0; k < knots.length(); ++k)
        values.push_back(knots[k]);
    return values;
}

// The CV count that `knotCount` knots give at `degree` (knots = CVs +
// degree - 1), or 0 when the degree is 0 or leaves no CV.
inline int cvCountFor(unsigned int knotCount, unsigned int degree)
{
    return degree >= 1 && degree <= knotCount ? static_cast<int>(knotCount - degree + 1) : 0;
}

inline void copyKnots(const NurbsKnots& knots, MDoubleArray& array)
{
    const std::vector<double>& values = knots.knots();
    array.setLength(static_cast<unsigned int>(values.size()));
    for (unsigned int k = 0; k < values.size(); ++k)
        array[k] = values[k];
}

} // namespace kavo::host::geometry
