#pragma once

#include <cstddef>

#include <maya/MDataHandle.h>
#include <maya/MFloatArray.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

// One geometry kind seen through the shape the deform pass needs: point
// positions, a normal per point and a (u, v) pair per point.
//
// An adapter is bound once, with setGeometry, and answers from what it cached
// then; the deformer builds a new adapter when the input geometry changes.
// Point i of every answer is the point the host's geometry iterator reports
// under index i. Adapters that cache two point arrays answer MSpace::kObject
// with the object-space one and any other space with the world-space one.
//
// Once bound, an adapter's answers only read what it cached: getNormal and
// getNormals may be called from several threads at once (the deform pass
// asks for normals in parallel ranges). Binding again must not overlap with any other call.
class IGeomNoiseWrapper
{
public:
    virtual ~IGeomNoiseWrapper();

    // Binds to the geometry data object and rebuilds every cache from scratch.
    // The output handle is part of the hook's shape; no adapter reads it.
    virtual MStatus setGeometry(MObject& geometry, MDataHandle& output, MSpace::Space space) = 0;
    virtual int numPoints(MStatus& status) = 0;
    // Replaces the contents of points with a copy of the cached positions.
    virtual MStatus getPoints(MPointArray& points, MSpace::Space space) = 0;
    // The normal need not be of unit length; the caller normalises it.
    virtual MStatus getNormal(int index, MVector& normal, MSpace::Space space) = 0;
    // getNormal for the points indices[0] to indices[count - 1] at once, their
    // normals into x, y and z; a failure for any of them is answered. The
    // deform pass asks a chunk of points at a time. This asks getNormal point
    // by point; an adapter that keeps its normals in a table reads it
    // instead, to the same values.
    virtual MStatus getNormals(const int* indices, std::size_t count, double* x, double* y, double* z,
                               MSpace::Space space);
    // Replaces the contents of u and v with one entry per point, in point order.
    virtual MStatus getUVs(MFloatArray& u, MFloatArray& v) = 0;

    // The matrix that divides a point in the handle's unscaled frame by the
    // deformer's scales (sx, sy, sz). The scale pivots about the geometry's
    // origin seen from that frame (origin x geometryMatrix x handleInverse),
    // balanced so that the composite stays a pure scale: the result is the
    // inverse of the scale alone.
    MStatus makeScaleMatrix(const MMatrix& geometryMatrix, MMatrix& scaleMatrix, float sx, float sy, float sz,
                            MSpace::Space space, const MMatrix& handleInverse);
};
