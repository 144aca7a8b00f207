#ifndef KAVO_SUBDGEOMNOISEWRAPPER_H
#define KAVO_SUBDGEOMNOISEWRAPPER_H

#include "IGeomNoiseWrapper.h"

#include <maya/MFloatArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

// The adapter for subdivision surfaces. Its points are the vertices of the
// base (level 0) mesh; each one's normal is the host's surface normal at that
// vertex, and its (u, v) pair is its object-space x and z, a projection onto
// the XZ plane.
class SubdGeomNoiseWrapper : public IGeomNoiseWrapper
{
public:
    SubdGeomNoiseWrapper();
    ~SubdGeomNoiseWrapper() override;

    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
    int numPoints(MStatus& status) override;
    MStatus getPoints(MPointArray& points, MSpace::Space space) override;
    // An index outside the cached normals gets the zero vector.
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) override;
    MStatus getUVs(MFloatArray& u, MFloatArray& v) override;

private:
    MPointArray m_objectPoints;
    MPointArray m_worldPoints;
    MFloatArray m_uValues;
    MFloatArray m_vValues;
    MFloatVectorArray m_normals;
};

#endif
