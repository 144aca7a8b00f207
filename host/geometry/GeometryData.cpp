#include "geometry/GeometryData.h"

#include <algorithm>
#include <utility>

namespace kavo::host::geometry {

void GeometryData::getPoints(MPoint* points) const
{
    const unsigned int count = pointCount();
    for (unsigned int k = 0; k < count; ++k)
        points[k] = point(k);
}

void GeometryData::setPoints(const MPoint* points)
{
    const unsigned int count = pointCount();
    for (unsigned int k = 0; k < count; ++k)
        setPoint(k, points[k]);
}

void GeometryData::setObjectGroup(unsigned int groupId, ObjectGroup components)
{
    std::sort(components.begin(), components.end());
    components.erase(std::unique(components.begin(), components.end()), components.end());
    m_objectGroups[groupId] = std::make_shared<const ObjectGroup>(std::move(components));
}

std::shared_ptr<const GeometryData::ObjectGroup> GeometryData::objectGroup(unsigned int groupId) const
{
    const auto found = m_objectGroups.find(groupId);
    return found == m_objectGroups.end() ? nullptr : found->second;
}

} // namespace kavo::host::geometry
