#pragma once

#include <maya/MMatrix.h>
#include <maya/MTransformationMatrix.h>

// Rotations about the three axes, applied one after the other in a rotation
// order, for row vectors: with order kXYZ the matrix is RX * RY * RZ, so the
// rotation about x acts first.
namespace kavo::host::math {

// True for the six real orders (kXYZ to kZYX).
bool isValidRotationOrder(MTransformationMatrix::RotationOrder order);

// The rotation matrix of the angles (radians about x, y, z) in that order.
MMatrix rotationMatrix(const double angles[3], MTransformationMatrix::RotationOrder order);

// The angles (radians about x, y, z) that give the rotation in the upper 3x3
// of a proper orthonormal matrix in that order. The middle angle lies in
// [-pi/2, pi/2]; at gimbal lock the last angle is taken as 0.
void rotationAngles(const MMatrix& rotation, MTransformationMatrix::RotationOrder order, double angles[3]);

} // namespace kavo::host::math
