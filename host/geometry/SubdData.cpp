#include "geometry/SubdData.h"

#include <utility>

namespace kavo::host::geometry {

bool SubdData::hasFn(MFn::Type type) const
{
    return type == MFn::kSubdivData || type == MFn::kData || type == MFn::kBase;
}

std::shared_ptr<graph::Data> SubdData::clone() const
{
    auto copy = std::make_shared<SubdData>();
    // The transform and the object groups.
    static_cast<GeometryData&>(*copy) = *this;
    copy->m_base = m_base;
    // The same base mesh has the same limit.
    std::lock_guard<std::mutex> lock(m_limitMutex);
    copy->m_limitKnown = m_limitKnown;
    copy->m_limit = m_limit;
    return copy;
}

void SubdData::setPoint(unsigned int index, const MPoint& position)
{
    m_base.write().points[index] = MPoint(position).cartesianize();
    forgetLimit();
}

void SubdData::setPoints(const MPoint* points)
{
    std::vector<MPoint>& stored = m_base.write().points;
    for (std::size_t k = 0; k < stored.size(); ++k)
        stored[k] = MPoint(points[k]).cartesianize();
    forgetLimit();
}

void SubdData::forgetLimit()
{
    std::lock_guard<std::mutex> lock(m_limitMutex);
    m_limitKnown = false;
    m_limit.reset();
}

MStatus SubdData::setBaseMesh(PolygonMesh base)
{
    if (!base.isValid())
        return MStatus::kInvalidParameter;
    for (MPoint& point : base.points)
        point.cartesianize();
    m_base.assign(std::move(base));
    forgetLimit();
    return MStatus::kSuccess;
}

std::shared_ptr<const SubdivisionLimit> SubdData::limit() const
{
    std::lock_guard<std::mutex> lock(m_limitMutex);
    if (!m_limitKnown) {
        auto computed = std::make_shared<SubdivisionLimit>();
        if (computeSubdivisionLimit(m_base.read(), *computed) == MStatus::kSuccess)
            m_limit = std::move(computed);
        m_limitKnown = true;
    }
    return m_limit;
}

} // namespace kavo::host::geometry
