#pragma once

#include <cmath>
#include <ostream>
#include <utility>

// 4x4 matrix algebra shared by the double and the float matrix, on plain
// Real[4][4] tables (row-major, for row vectors).
namespace kavo::host::math {

template <typename Real>
using Table4 = Real[4][4];

template <typename Real>
void setIdentity(Table4<Real>& m)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = r == c ? Real(1) : Real(0);
}

// out = left * right; out may be either operand.
template <typename Real>
void multiply(const Table4<Real>& left, const Table4<Real>& right, Table4<Real>& out)
{
    Real product[4][4];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            product[r][c] = left[r][0] * right[0][c] + left[r][1] * right[1][c] + left[r][2] * right[2][c] +
                            left[r][3] * right[3][c];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r][c] = product[r][c];
}

// Gauss-Jordan elimination with partial pivoting. Returns false, leaving out
// untouched, when a pivot is exactly zero: the matrix is singular.
template <typename Real>
bool invert(const Table4<Real>& m, Table4<Real>& out)
{
    Real a[4][4];
    Real inv[4][4];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            a[r][c] = m[r][c];
    setIdentity(inv);

    for (int col = 0; col < 4; ++col) {
        int pivotRow = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivotRow][col]))
                pivotRow = r;
        }
        const Real pivot = a[pivotRow][col];
        if (pivot == Real(0) || std::isnan(pivot))
            return false;
        if (pivotRow != col) {
            std::swap(a[pivotRow], a[col]);
            std::swap(inv[pivotRow], inv[col]);
        }
        for (int c = 0; c < 4; ++c) {
            a[col][c] /= pivot;
            inv[col][c] /= pivot;
        }
        for (int r = 0; r < 4; ++r) {
            const Real factor = a[r][col];
            if (r == col || factor == Real(0))
                continue;
            for (int c = 0; c < 4; ++c) {
                a[r][c] -= factor * a[col][c];
                inv[r][c] -= factor * inv[col][c];
            }
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out[r][c] = inv[r][c];
    return true;
}

template <typename Real>
Real determinant3(const Table4<Real>& m)
{
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

// Laplace expansion along the first two rows, by their 2x2 minors.
template <typename Real>
Real determinant4(const Table4<Real>& m)
{
    const Real s0 = m[0][0] * m[1][1] - m[1][0] * m[0][1];
    const Real s1 = m[0][0] * m[1][2] - m[1][0] * m[0][2];
    const Real s2 = m[0][0] * m[1][3] - m[1][0] * m[0][3];
    const Real s3 = m[0][1] * m[1][2] - m[1][1] * m[0][2];
    const Real s4 = m[0][1] * m[1][3] - m[1][1] * m[0][3];
    const Real s5 = m[0][2] * m[1][3] - m[1][2] * m[0][3];
    const Real c5 = m[2][2] * m[3][3] - m[3][2] * m[2][3];
    const Real c4 = m[2][1] * m[3][3] - m[3][1] * m[2][3];
    const Real c3 = m[2][1] * m[3][2] - m[3][1] * m[2][2];
    const Real c2 = m[2][0] * m[3][3] - m[3][0] * m[2][3];
    const Real c1 = m[2][0] * m[3][2] - m[3][0] * m[2][2];
    const Real c0 = m[2][0] * m[3][1] - m[3][0] * m[2][1];
    return s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;
}

template <typename Real>
bool equivalent(const Table4<Real>& a, const Table4<Real>& b, Real tolerance)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!(std::fabs(a[r][c] - b[r][c]) <= tolerance))
                return false;
    return true;
}

// Writes [[m00, m01, m02, m03], [m10, ...], ...] with the stream's own
// formatting of each element.
template <typename Real>
std::ostream& writeTable(std::ostream& out, const Table4<Real>& m)
{
    out << "[";
    for (int r = 0; r < 4; ++r) {
        out << (r == 0 ? "[" : ", [");
        for (int c = 0; c < 4; ++c)
            out << (c == 0 ? "" : ", ") << m[r][c];
        out << "]";
    }
    return out << "]";
}

} // namespace kavo::host::math
