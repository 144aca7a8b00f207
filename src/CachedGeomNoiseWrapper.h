#pragma once

#include "IGeomNoiseWrapper.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

// What the adapters that copy their geometry when bound keep, and the
// answers they give from it. setGeometry, in the adapter for each kind,
// fills the caches; everything else here only reads them, so getNormal may
// run on several threads at once.
class CachedGeomNoiseWrapper : public IGeomNoiseWrapper
{
public:
    // The point count the adapter worked out when bound.
    int numPoints(MStatus& status) override;
    // MSpace::kObject gives the object-space copy, any other space the
    // world-space one.
    MStatus getPoints(MPointArray& points, MSpace::Space space) override;
    // The cached normal of the point; an index outside them gets the zero
    // vector.
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) override;
    MStatus getUVs(MFloatArray& u, MFloatArray& v) override;

protected:
    // The parameter a NURBS adapter gives the CV at cvIndex of cvCount along
    // one direction: a periodic direction puts CV k at k + degree; any other
    // spreads its CVs evenly over the length (range) of the knot domain, from
    // 0 (the domain's start is not added). A lone CV of a non-periodic
    // direction has nothing to spread over and sits at 0.
    static double cvParameter(int cvIndex, int cvCount, bool periodic, int degree, double range);

    int m_numPoints = 0;
    MPointArray m_objectPoints;
    MPointArray m_worldPoints;
    MFloatArray m_uValues;
    MFloatArray m_vValues;
    MFloatVectorArray m_normals;
};
