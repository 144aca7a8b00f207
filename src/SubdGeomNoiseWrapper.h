#pragma once

#include "CachedGeomNoiseWrapper.h"

// The adapter for subdivision surfaces. Its points are the vertices of the
// base (level 0) mesh; each one's normal is the host's surface normal at that
// vertex, and its (u, v) pair is its object-space x and z, a projection onto
// the XZ plane.
class SubdGeomNoiseWrapper : public CachedGeomNoiseWrapper
{
public:
    SubdGeomNoiseWrapper();
    ~SubdGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
};
