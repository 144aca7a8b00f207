#include <maya/MColor.h>

MColor::MColor() : r(0.0f), g(0.0f), b(0.0f), a(1.0f) {}
MColor::MColor(float rr, float gg, float bb, float aa) : r(rr), g(gg), b(bb), a(aa) {}
MColor::MColor(const float rgb[3]) : r(rgb[0]), g(rgb[1]), b(rgb[2]), a(1.0f) {}

bool MColor::operator==(const MColor& other) const
{
    return r == other.r && g == other.g && b == other.b && a == other.a;
}

bool MColor::operator!=(const MColor& other) const
{
    return !(*this == other);
}
