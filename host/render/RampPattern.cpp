#include "render/RampPattern.h"

#include "render/TextureCoordinates.h"

#include <algorithm>
#include <cmath>

namespace kavo::host::render {

namespace {

bool isBefore(double v, const RampPattern::Entry& entry)
{
    return v < entry.position;
}

} // namespace

MStatus RampPattern::addEntry(float position, const MFloatVector& color)
{
    if (!std::isfinite(position))
        return MStatus::kInvalidParameter;
    auto next = std::upper_bound(m_entries.begin(), m_entries.end(), double(position), isBefore);
    m_entries.insert(next, Entry{position, color});
    return MStatus::kSuccess;
}

MFloatVector RampPattern::colorAt(double /*u*/, double v) const
{
    if (m_entries.empty())
        return MFloatVector::zero;
    v = finiteOrZero(v);
    auto upper = std::upper_bound(m_entries.begin(), m_entries.end(), v, isBefore);
    if (upper == m_entries.begin())
        return upper->color;
    if (upper == m_entries.end())
        return m_entries.back().color;

    const Entry& lower = *(upper - 1);
    // upper->position > v >= lower.position, so the span is never empty.
    float t = float((v - lower.position) / (double(upper->position) - lower.position));
    return lower.color * (1.0f - t) + upper->color * t;
}

} // namespace kavo::host::render
