#include "geometry/GeometryData.h"

#include <maya/MDagPath.h>
#include <maya/MDataHandle.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>

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

MItGeometry::MItGeometry(MDataHandle& dataHandle, unsigned int, bool, MStatus* ReturnStatus)
{
    bind(dataHandle.data(), ReturnStatus);
}

MItGeometry::MItGeometry(MDataHandle& dataHandle, bool, MStatus* ReturnStatus)
{
    bind(dataHandle.data(), ReturnStatus);
}

MItGeometry::~MItGeometry() = default;

void MItGeometry::bind(const MObject& data, MStatus* ReturnStatus)
{
    m_data = objectAs<GeometryData>(data);
    setStatus(ReturnStatus, m_data ? MStatus::kSuccess : MStatus::kInvalidParameter);
}

bool MItGeometry::isDone(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, MStatus::kSuccess);
    return !m_data || m_index >= m_data->pointCount();
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
    setStatus(ReturnStatus, isDone() ? MStatus::kFailure : MStatus::kSuccess);
    return static_cast<int>(m_index);
}

int MItGeometry::count(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, m_data ? MStatus::kSuccess : MStatus::kFailure);
    return m_data ? static_cast<int>(m_data->pointCount()) : 0;
}

int MItGeometry::exactCount(MStatus* ReturnStatus)
{
    return count(ReturnStatus);
}

MPoint MItGeometry::position(MSpace::Space space, MStatus* ReturnStatus) const
{
    if (isDone())
    {
        setStatus(ReturnStatus, MStatus::kFailure);
        return MPoint();
    }
    setStatus(ReturnStatus, MStatus::kSuccess);
    const MPoint local = m_data->point(m_index);
    return space == MSpace::kWorld ? local * m_data->transform : local;
}

MStatus MItGeometry::setPosition(const MPoint& point, MSpace::Space space)
{
    if (isDone())
        return MStatus::kFailure;
    m_data->setPoint(m_index, space == MSpace::kWorld ? point * m_data->transform.inverse() : point);
    return MStatus::kSuccess;
}

MStatus MItGeometry::allPositions(MPointArray& points, MSpace::Space space) const
{
    if (!m_data)
        return MStatus::kFailure;
    points.setLength(m_data->pointCount());
    for (unsigned int k = 0; k < m_data->pointCount(); ++k)
        points[k] = space == MSpace::kWorld ? m_data->point(k) * m_data->transform : m_data->point(k);
    return MStatus::kSuccess;
}

MStatus MItGeometry::setAllPositions(const MPointArray& points, MSpace::Space space)
{
    if (!m_data || points.length() != m_data->pointCount())
        return MStatus::kInvalidParameter;
    const MMatrix toObject = m_data->transform.inverse();
    for (unsigned int k = 0; k < points.length(); ++k)
        m_data->setPoint(k, space == MSpace::kWorld ? points[k] * toObject : points[k]);
    return MStatus::kSuccess;
}
