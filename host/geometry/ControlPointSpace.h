#pragma once

#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MTypes.h>

namespace kavo::host::geometry {

// A rational CV (position in x, y, z, weight in w) carried by a matrix: the
// position moves as a point, the weight stays. (MPoint * MMatrix alone would
// read w as a homogeneous coordinate and scale the translation by it.)
inline MPoint transformedCV(const MPoint& cv, const MMatrix& matrix)
{
    MPoint moved = MPoint(cv.x, cv.y, cv.z, 1.0) * matrix;
    moved.cartesianize();
    moved.w = cv.w;
    return moved;
}

// An object-space CV as a function set answers it in `space`: carried by the
// geometry's world matrix for MSpace::kWorld, as it is for any other space.
inline MPoint cvInSpace(const MPoint& cv, const MMatrix& world, MSpace::Space space)
{
    return space == MSpace::kWorld ? transformedCV(cv, world) : cv;
}

// The inverse of cvInSpace: a CV given in `space` back in object space.
inline MPoint cvFromSpace(const MPoint& cv, const MMatrix& world, MSpace::Space space)
{
    return space == MSpace::kWorld ? transformedCV(cv, world.inverse()) : cv;
}

} // namespace kavo::host::geometry
