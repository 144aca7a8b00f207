#pragma once

#include <kavo/host/math/Matrix4.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

#define MFloatMatrix_kTol 1.0e-5F

// A 4x4 single-precision matrix, matrix[row][column], for row vectors; the
// float twin of MMatrix, with the same members from Matrix4. The default is
// the identity.
class OPENMAYA_EXPORT MFloatMatrix : public kavo::host::math::Matrix4<float, MFloatMatrix>
{
public:
    using Matrix4::Matrix4;

    // True when no element differs by more than tol.
    bool isEquivalent(const MFloatMatrix& other, float tol = MFloatMatrix_kTol) const;

    friend OPENMAYA_EXPORT MFloatMatrix operator*(float scale, const MFloatMatrix& matrix);
    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatMatrix& matrix);
};
