#pragma once

// Checks and measures on a list of rational CVs, shared by curves and surfaces.

#include <maya/MPoint.h>

#include <vector>

namespace kavo::host::geometry {

// Diagonal of the axis-aligned box around the CVs' cartesian positions (0 for
// no CVs). Whether a derivative or a cross product "is zero" is decided
// against this size, so the answer does not change when a model is scaled.
double controlNetExtent(const std::vector<MPoint>& cvs);

// Every weight positive and every coordinate finite: the weighted basis sum
// is then positive everywhere and the rational division is safe.
bool hasUsableCVs(const std::vector<MPoint>& cvs);

} // namespace kavo::host::geometry
