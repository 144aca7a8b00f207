#include <maya/MFloatMatrix.h>

#include "MatrixAlgebra.h"

#include <cassert>
#include <ostream>

using namespace kavo::host::math;

MFloatMatrix::MFloatMatrix()
{
    setIdentity(matrix);
}
MFloatMatrix::MFloatMatrix(const MFloatMatrix& source) = default;

MFloatMatrix::MFloatMatrix(const float m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = m[r][c];
}

MFloatMatrix::MFloatMatrix(const double m[4][4])
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] = static_cast<float>(m[r][c]);
}

MFloatMatrix::~MFloatMatrix() = default;
MFloatMatrix& MFloatMatrix::operator=(const MFloatMatrix& source) = default;

float MFloatMatrix::operator()(unsigned int row, unsigned int col) const
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

float& MFloatMatrix::operator()(unsigned int row, unsigned int col)
{
    assert(row < 4 && col < 4);
    return matrix[row][col];
}

const float* MFloatMatrix::operator[](unsigned int row) const
{
    assert(row < 4);
    return matrix[row];
}

float* MFloatMatrix::operator[](unsigned int row)
{
    assert(row < 4);
    return matrix[row];
}

MStatus MFloatMatrix::get(double dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = matrix[r][c];
    return MStatus::kSuccess;
}

MStatus MFloatMatrix::get(float dest[4][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            dest[r][c] = matrix[r][c];
    return MStatus::kSuccess;
}

MFloatMatrix MFloatMatrix::transpose() const
{
    MFloatMatrix result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.matrix[r][c] = matrix[c][r];
    return result;
}

MFloatMatrix& MFloatMatrix::setToIdentity()
{
    setIdentity(matrix);
    return *this;
}

MFloatMatrix& MFloatMatrix::setToProduct(const MFloatMatrix& left, const MFloatMatrix& right)
{
    multiply(left.matrix, right.matrix, matrix);
    return *this;
}

MFloatMatrix MFloatMatrix::operator*(const MFloatMatrix& right) const
{
    return MFloatMatrix().setToProduct(*this, right);
}
MFloatMatrix& MFloatMatrix::operator*=(const MFloatMatrix& right)
{
    return setToProduct(*this, right);
}

MFloatMatrix MFloatMatrix::operator+(const MFloatMatrix& right) const
{
    return MFloatMatrix(*this) += right;
}

MFloatMatrix& MFloatMatrix::operator+=(const MFloatMatrix& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] += right.matrix[r][c];
    return *this;
}

MFloatMatrix MFloatMatrix::operator-(const MFloatMatrix& right) const
{
    return MFloatMatrix(*this) -= right;
}

MFloatMatrix& MFloatMatrix::operator-=(const MFloatMatrix& right)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] -= right.matrix[r][c];
    return *this;
}

MFloatMatrix MFloatMatrix::operator*(float scale) const
{
    return MFloatMatrix(*this) *= scale;
}

MFloatMatrix& MFloatMatrix::operator*=(float scale)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            matrix[r][c] *= scale;
    return *this;
}

MFloatMatrix operator*(float scale, const MFloatMatrix& matrix)
{
    return matrix * scale;
}

bool MFloatMatrix::operator==(const MFloatMatrix& other) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (matrix[r][c] != other.matrix[r][c])
                return false;
    return true;
}

bool MFloatMatrix::operator!=(const MFloatMatrix& other) const
{
    return !(*this == other);
}

MFloatMatrix MFloatMatrix::inverse() const
{
    MFloatMatrix result;
    invert(matrix, result.matrix);
    return result;
}

float MFloatMatrix::det4x4() const
{
    return determinant4(matrix);
}
float MFloatMatrix::det3x3() const
{
    return determinant3(matrix);
}

bool MFloatMatrix::isEquivalent(const MFloatMatrix& other, float tol) const
{
    return equivalent(matrix, other.matrix, tol);
}

std::ostream& operator<<(std::ostream& out, const MFloatMatrix& matrix)
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
