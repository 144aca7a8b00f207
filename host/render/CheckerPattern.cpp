#include "render/CheckerPattern.h"

#include "render/TextureCoordinates.h"

#include <cmath>

namespace kavo::host::render {

namespace {

// Whether the square holding t (in squares) is odd-numbered, computed in
// floating point so coordinates far outside the integer range stay defined.
bool isOddSquare(double t)
{
    double half = std::floor(finiteOrZero(t)) * 0.5;
    return half != std::floor(half);
}

} // namespace

CheckerPattern::CheckerPattern(const MFloatVector& color1, const MFloatVector& color2, double uRepeat, double vRepeat)
    : m_color1(color1)
    , m_color2(color2)
    , m_uRepeat(uRepeat)
    , m_vRepeat(vRepeat)
{
}

MFloatVector CheckerPattern::colorAt(double u, double v) const
{
    bool oddU = isOddSquare(finiteOrZero(u) * m_uRepeat);
    bool oddV = isOddSquare(finiteOrZero(v) * m_vRepeat);
    return oddU == oddV ? m_color1 : m_color2;
}

} // namespace kavo::host::render
