#pragma once

#include <kavo/host/math/Matrix4.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

#define MMatrix_kTol 1.0e-10

// A 4x4 double matrix, matrix[row][column], for row vectors: a point p is
// transformed as p * M, so the translation sits in row 3. The default is the
// identity. The members shared with MFloatMatrix are Matrix4's.
class OPENMAYA_EXPORT MMatrix : public kavo::host::math::Matrix4<double, MMatrix>
{
public:
    using Matrix4::Matrix4;

    // True when no element differs by more than tol.
    bool isEquivalent(const MMatrix& other, double tol = MMatrix_kTol) const;

    friend OPENMAYA_EXPORT MMatrix operator*(double scale, const MMatrix& matrix);
    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MMatrix& matrix);

    static const MMatrix identity;
};
