#pragma once

#include "CachedGeomNoiseWrapper.h"

// The adapter for NURBS surfaces. Its points are the control vertices, in
// the host's order (V varying fastest).
//
// A CV has no normal of its own, so each CV is given a surface parameter from
// its place in the grid, and the surface normal there is evaluated once, when
// the adapter is bound, in the space given to setGeometry. The same
// parameters are the CVs' (u, v) pairs for texture sampling.
class NsurfGeomNoiseWrapper : public CachedGeomNoiseWrapper
{
public:
    NsurfGeomNoiseWrapper();
    ~NsurfGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;

    // The parameters given to CV index i. A periodic direction puts CV k at
    // k + degree; any other direction spreads its CVs evenly over the length
    // of the knot domain, from 0 (the domain's start is not added).
    double getParamInU(int index);
    double getParamInV(int index);

private:
    int m_numCVsInU;
    int m_numCVsInV;
    double m_rangeU;
    double m_rangeV;
    int m_formInU;
    int m_formInV;
    int m_degreeU;
    int m_degreeV;
};
