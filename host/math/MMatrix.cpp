#include <maya/MMatrix.h>

#include "MatrixAlgebra.h"

#include <cassert>
#include <ostream>

using namespace kavo::host::math;

const MMatrix MMatrix::identity;

MMatrix::MMatrix()
{
    setIdentity(matrix);
}
MMatrix::MMatrix(const MMatrix& source) = default;

MMatrix::MMatrix(const double m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = m[r][c];
}

MMatrix::MMatrix(const float m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = m[r][c];
}

MMatrix::~MMatrix() = default;
MMatrix& MMatrix::operator=(const MMatrix& source) = default;

double MMatrix::operator()(unsigned int row, unsigned int col) const
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

double& MMatrix::operator()(unsigned int row, unsigned int col)
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

const double* MMatrix::operator[](unsigned int row) const
{
    assert(row < 4);
    return matrix[row];
}

double* MMatrix::operator[](unsigned int row)
{
    assert(row < 4);
    return matrix[row];
}

MStatus MMatrix::get(double dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = matrix[r][c];
    return MStatus::kSuccess;
}

MStatus MMatrix::get(float dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = static_cast<float>(matrix[r][c]);
    return MStatus::kSuccess;
}

MMatrix MMatrix::transpose() const
{
    MMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[c][r];
    return result;
}

MMatrix& MMatrix::setToIdentity()
{
    setIdentity(matrix);
    return *this;
}

MMatrix& MMatrix::setToProduct(const MMatrix& left, const MMatrix& right)
{
    multiply(left.matrix, right.matrix, matrix);
    return *this;
}

MMatrix MMatrix::operator*(const MMatrix& right) const
{
    return MMatrix().setToProduct(*this, right);
}
MMatrix& MMatrix::operator*=(const MMatrix& right)
{
    return setToProduct(*this, right);
}

MMatrix MMatrix::operator+(const MMatrix& right) const
{
    return MMatrix(*this) += right;
}

MMatrix& MMatrix::operator+=(const MMatrix& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] += right.matrix[r][c];
    return *this;
}

MMatrix MMatrix::operator-(const MMatrix& right) const
{
    return MMatrix(*this) -= right;
}

MMatrix& MMatrix::operator-=(const MMatrix& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] -= right.matrix[r][c];
    return *this;
}

MMatrix MMatrix::operator*(double scale) const
{
    return MMatrix(*this) *= scale;
}

MMatrix& MMatrix::operator*=(double scale)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] *= scale;
    return *this;
}

MMatrix operator*(double scale, const MMatrix& matrix)
{
    return matrix * scale;
}

bool MMatrix::operator==(const MMatrix& other) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (matrix[r][c] != other.matrix[r][c])
                return false;
    return true;
}

bool MMatrix::operator!=(const MMatrix& other) const
{
    return !(*this == other);
}

MMatrix MMatrix::inverse() const
{
    MMatrix result;
    invert(matrix, result.matrix);
    return result;
}

double MMatrix::det4x4() const
{
    return determinant4(matrix);
}
double MMatrix::det3x3() const
{
    return determinant3(matrix);
}

bool MMatrix::isEquivalent(const MMatrix& other, double tol) const
{
    return equivalent(matrix, other.matrix, tol);
}

std::ostream& operator<<(std::ostream& out, const MMatrix& matrix)
{
    out << "[";
    for (int r = 0; r < 4; ++r) {
        out << (r == 0 ? "[" : ", [");
        for (int c = 0; c < 4; ++c)
            out << (c == 0 ? "" : ", ") << matrix.matrix[r][c];
        out << "]";
    }
    return out << "]";
}
