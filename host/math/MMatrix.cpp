#include <maya/MMatrix.h>

#include "MatrixAlgebra.h"

using namespace kavo::host::math;

const MMatrix MMatrix::identity;

bool MMatrix::isEquivalent(const MMatrix& other, double tol) const
{
    return equivalent(matrix, other.matrix, tol);
}

MMatrix operator*(double scale, const MMatrix& matrix)
{
    return matrix * scale;
}

std::ostream& operator<<(std::ostream& out, const MMatrix& matrix)
{
    return writeTable(out, matrix.matrix);
}
