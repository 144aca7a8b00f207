#include "geometry/PeriodicCVs.h"

#include <algorithm>
#include <cmath>

namespace kavo::host::geometry {

namespace {

constexpr double kSameCV = 1e-9;

int period(const NurbsKnots& knots)
{
    return knots.numCVs() - knots.degree();
}

} // namespace

int leadingCopyOf(const NurbsKnots& knots, int index)
{
    return knots.form() == NurbsForm::kPeriodic ? index % period(knots) : index;
}

std::vector<int> copiesOf(const NurbsKnots& knots, int index)
{
    if (knots.form() != NurbsForm::kPeriodic)
        return {index};
    std::vector<int> copies;
    for (int copy = leadingCopyOf(knots, index); copy < knots.numCVs(); copy += period(knots))
        copies.push_back(copy);
    return copies;
}

bool isSameCV(const MPoint& a, const MPoint& b, double extent)
{
    const double distance = std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
    return distance <= kSameCV * extent && std::abs(a.w - b.w) <= kSameCV * std::max(a.w, b.w);
}

} // namespace kavo::host::geometry
