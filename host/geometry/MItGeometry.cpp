#include "geometry/GeometryData.h"

#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>

#include <algorithm>

using kavo::host::geometry::GeometryData;
using kavo::host::graph::objectAs;

namespace {

void setStatus(MStatus* status, MStatus value)
{
    if (status)
        *status = value;
}

} // namespace

MItGeometry::MItGeometry(const MDagPath&, MStatus* ReturnStatus)
{
    // Iterating a shape through its path needs its output data; the host
    // only hands iterators over data handles to deformers.
    setStatus(ReturnStatus, MStatus::kNotImplemented);
}

MItGeometry::MItGeometry(MObject& dagObject, MStatus* ReturnStatus)
{
    bind(dagObject, ReturnStatus);
}

MItGeometry::MItGeometry(MDataHandle& dataHandle, unsigned int groupId, bool, MStatus* ReturnStatus)
{
    bind(dataHandle.data(), ReturnStatus);
    walkGroup(groupId);
}

MItGeometry::MItGeometry(MDataHandle& dataHandle, bool, MStatus* ReturnStatus)
{
    bind(dataHandle.data(), ReturnStatus);
}

MItGeometry::~MItGeometry() = default;

void MItGeometry::bind(const MObject& data, MStatus* ReturnStatus)
{
    m_data = objectAs<GeometryData>(data);
    // The count cannot change while the iterator walks: the steps below ask
    // it once per point and must not each make a call for it.
    m_count = m_data ? m_data->pointCount() : 0;
    setStatus(ReturnStatus, m_data ? MStatus::kSuccess : MStatus::kInvalidParameter);
}

// Geometry without the group is walked whole, as the host walks geometry
// that no deformer set restricts.
void MItGeometry::walkGroup(unsigned int groupId)
{
    m_members = m_data ? m_data->objectGroup(groupId) : nullptr;
    if (m_members)
        m_count = static_cast<unsigned int>(std::lower_bound(m_members->begin(), m_members->end(), m_count) -
                                            m_members->begin());
}

bool MItGeometry::isDone(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, MStatus::kSuccess);
    return m_index >= m_count;
}

MStatus MItGeometry::next()
{
    if (isDone())
        return MStatus::kFailure;
    ++m_index;
    return MStatus::kSuccess;
}

MStatus MItGeometry::reset()
{
    m_index = 0;
    return MStatus::kSuccess;
}

int MItGeometry::index(MStatus* ReturnStatus) const
{
    if (isDone()) {
        setStatus(ReturnStatus, MStatus::kFailure);
        return static_cast<int>(m_index);
    }
    setStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<int>(componentAt(m_index));
}

int MItGeometry::count(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, m_data ? MStatus::kSuccess : MStatus::kFailure);
    return static_cast<int>(m_count);
}

int MItGeometry::exactCount(MStatus* ReturnStatus)
{
    return count(ReturnStatus);
}

MPoint MItGeometry::position(MSpace::Space space, MStatus* ReturnStatus) const
{
    if (isDone()) {
        setStatus(ReturnStatus, MStatus::kFailure);
        return MPoint();
    }
    setStatus(ReturnStatus, MStatus::kSuccess);
    const MPoint local = m_data->point(componentAt(m_index));
    return space == MSpace::kWorld ? local * m_data->transform : local;
}

MStatus MItGeometry::setPosition(const MPoint& point, MSpace::Space space)
{
    if (isDone())
        return MStatus::kFailure;
    m_data->setPoint(componentAt(m_index), space == MSpace::kWorld ? point * m_data->transform.inverse() : point);
    return MStatus::kSuccess;
}

MStatus MItGeometry::allPositions(MPointArray& points, MSpace::Space space) const
{
    if (!m_data)
        return MStatus::kFailure;
    const MPoint* stored = m_data->storedPoints();
    if (stored && !m_members && space != MSpace::kWorld) {
        points = MPointArray(stored, m_count); // one pass, no default points first
        return MStatus::kSuccess;
    }
    points.setLength(m_count);
    if (m_count == 0)
        return MStatus::kSuccess;
    if (!m_members)
        m_data->getPoints(&points[0]);
    else if (stored)
        for (unsigned int k = 0; k < m_count; ++k)
            points[k] = stored[(*m_members)[k]];
    else
        for (unsigned int k = 0; k < m_count; ++k)
            points[k] = m_data->point((*m_members)[k]);
    if (space == MSpace::kWorld)
        for (unsigned int k = 0; k < m_count; ++k)
            points[k] = points[k] * m_data->transform;
    return MStatus::kSuccess;
}

MStatus MItGeometry::setAllPositions(const MPointArray& points, MSpace::Space space)
{
    if (!m_data || points.length() != m_count)
        return MStatus::kInvalidParameter;
    if (m_count == 0)
        return MStatus::kSuccess;
    const bool world = space == MSpace::kWorld;
    const MMatrix toObject = world ? m_data->transform.inverse() : MMatrix::identity;
    if (m_members) {
        for (unsigned int k = 0; k < m_count; ++k)
            m_data->setPoint((*m_members)[k], world ? points[k] * toObject : points[k]);
        return MStatus::kSuccess;
    }
    if (!world) {
        m_data->setPoints(&points[0]);
        return MStatus::kSuccess;
    }
    MPointArray local(points);
    for (unsigned int k = 0; k < m_count; ++k)
        local[k] = points[k] * toObject;
    m_data->setPoints(&local[0]);
    return MStatus::kSuccess;
}
