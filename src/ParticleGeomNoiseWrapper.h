#pragma once

#include "IGeomNoiseWrapper.h"

#include <maya/MFnVectorArrayData.h>
#include <maya/MPointArray.h>
#include <maya/MVectorArray.h>

#include <memory>

// The adapter for particle positions, which reach the deformer as vector
// array data. Unlike the other adapters it copies nothing when bound: it
// keeps a function set on the data and reads the positions through it on
// every query. Particles have no surface, so every particle's normal is the
// unit Y vector and there are no (u, v) pairs to give.
class ParticleGeomNoiseWrapper : public IGeomNoiseWrapper
{
public:
    ParticleGeomNoiseWrapper();
    ~ParticleGeomNoiseWrapper() override;

    // A failed bind is reported and leaves the adapter holding no function
    // set; it still returns success, and the adapter then describes no points.
    MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) override;
    int numPoints(MStatus& status) override;
    // Positions are returned as stored, whatever the space.
    MStatus getPoints(MPointArray& points, MSpace::Space space) override;
    MStatus getNormal(int index, MVector& normal, MSpace::Space space) override;
    // Leaves both arrays as they are.
    MStatus getUVs(MFloatArray& u, MFloatArray& v) override;

    void deleteFunctionSet();
    // Each vector (x, y, z) becomes the point (x, y, z, 1).
    void vectorArrayToPointArray(MVectorArray vectors, MPointArray& points);

private:
    std::unique_ptr<MFnVectorArrayData> m_fnVectorArrayData;
    bool m_hasFunctionSet;
};
