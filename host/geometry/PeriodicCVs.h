#pragma once

#include "geometry/NurbsKnots.h"

#include <maya/MPoint.h>

#include <vector>

namespace kavo::host::geometry {

// A periodic direction of degree p with n CVs lists its first p CVs again at
// its end, so that the basis can run across the seam: indices k and
// k + (n - p) name one CV. Open and closed directions have no repeats.

// The first index that names the same CV as `index`.
int leadingCopyOf(const NurbsKnots& knots, int index);

// Every index that names the same CV as `index`, `index` among them.
std::vector<int> copiesOf(const NurbsKnots& knots, int index);

// Whether two CVs are one to within rounding: positions closer than a
// billionth of the control net's extent and equal weights to the same share.
bool isSameCV(const MPoint& a, const MPoint& b, double extent);

} // namespace kavo::host::geometry
