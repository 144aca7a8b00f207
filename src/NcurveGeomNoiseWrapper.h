#pragma once

#include "CachedGeomNoiseWrapper.h"

// The adapter for NURBS curves. Its points are the control vertices.
//
// Each CV is given a curve parameter from its place along the curve, and the
// curve's normal there is evaluated once, in object space, when the adapter
// is bound. A curve has no surface to map a texture on, so a CV's (u, v)
// pair is its object-space x and z: a projection onto the XZ plane.
class NcurveGeomNoiseWrapper : public CachedGeomNoiseWrapper
{
public:
    NcurveGeomNoiseWrapper();
    ~NcurveGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
};
