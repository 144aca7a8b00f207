#ifndef KAVO_NCURVEGEOMNOISEWRAPPER_H
#define KAVO_NCURVEGEOMNOISEWRAPPER_H

#include "IGeomNoiseWrapper.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

// The adapter for NURBS curves. Its points are the control vertices.
//
// Each CV is given a curve parameter from its place along the curve, and the
// curve's normal there is evaluated once, in object space, when the adapter
// is bound. A curve has no surface to map a texture on, so a CV's (u, v)
// pair is its object-space x and z: a projection onto the XZ plane.
class NcurveGeomNoiseWrapper : public IGeomNoiseWrapper
{
public:
    NcurveGeomNoiseWrapper();
    ~NcurveGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
    int numPoints(MStatus& status) override;
    MStatus getPoints(MPointArray& points, MSpace::Space space) override;
    // An index outside the cached normals gets the zero vector.
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) override;
    MStatus getUVs(MFloatArray& u, MFloatArray& v) override;

private:
    int m_numPoints;
    MPointArray m_objectPoints;
    MPointArray m_worldPoints;
    MFloatArray m_uValues;
    MFloatArray m_vValues;
    MFloatVectorArray m_normals;
};

#endif
