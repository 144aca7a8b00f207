#include <maya/MFloatMatrix.h>

#include "MatrixAlgebra.h"

using namespace kavo::host::math;

bool MFloatMatrix::isEquivalent(const MFloatMatrix& other, float tol) const
{
    return equivalent(matrix, other.matrix, tol);
}

MFloatMatrix operator*(float scale, const MFloatMatrix& matrix)
{
    return matrix * scale;
}

std::ostream& operator<<(std::ostream& out, const MFloatMatrix& matrix)
{
    return writeTable(out, matrix.matrix);
}
