#pragma once

// Matrices written out entry by entry, rows as the host lays them out (points
// are row vectors, the translation is row 3), so that a test's expectations do
// not depend on the host composing them.

#include <maya/MMatrix.h>

#include <cmath>

namespace kavo::test {

inline MMatrix translation(double x, double y, double z)
{
    const double rows[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {x, y, z, 1}};
    return MMatrix(rows);
}

inline MMatrix scaling(double x, double y, double z)
{
    const double rows[4][4] = {{x, 0, 0, 0}, {0, y, 0, 0}, {0, 0, z, 0}, {0, 0, 0, 1}};
    return MMatrix(rows);
}

// A rotation by `angle` radians about the axis 0 (x), 1 (y) or 2 (z): the
// other two axes, taken in cyclic order (y z, z x, x y), turn into each other.
inline MMatrix rotation(int axis, double angle)
{
    const int from = (axis + 1) % 3;
    const int to = (axis + 2) % 3;
    MMatrix m;
    m[from][from] = std::cos(angle);
    m[from][to] = std::sin(angle);
    m[to][from] = -std::sin(angle);
    m[to][to] = std::cos(angle);
    return m;
}

// A turn about y by `angle` radians with x scaled by `scale` and y by 0.8,
// moved by (x, y, z): a placement whose products round in every entry.
inline MMatrix placement(double angle, double x, double y, double z, double scale)
{
    MMatrix m;
    m[0][0] = std::cos(angle) * scale;
    m[0][2] = -std::sin(angle) * scale;
    m[2][0] = std::sin(angle);
    m[2][2] = std::cos(angle);
    m[1][1] = 0.8;
    m[3][0] = x;
    m[3][1] = y;
    m[3][2] = z;
    return m;
}

} // namespace kavo::test
