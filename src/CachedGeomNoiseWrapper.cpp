#include "CachedGeomNoiseWrapper.h"

double CachedGeomNoiseWrapper::cvParameter(int cvIndex, int cvCount, bool periodic, int degree, double range)
{
    if (periodic)
        return static_cast<double>(cvIndex + degree);
    if (cvCount <= 1)
        return 0.0;
    return static_cast<double>(cvIndex) / static_cast<double>(cvCount - 1) * range;
}

int CachedGeomNoiseWrapper::numPoints(MStatus&)
{
    return m_numPoints;
}

MStatus CachedGeomNoiseWrapper::getPoints(MPointArray& points, MSpace::Space space)
{
    points = space == MSpace::kObject ? m_objectPoints : m_worldPoints;
    return MStatus::kSuccess;
}

MStatus CachedGeomNoiseWrapper::getNormal(int index, MVector& normal, MSpace::Space)
{
    if (index < 0 || static_cast<unsigned int>(index) >= m_normals.length())
        normal = MVector::zero;
    else
        normal = MVector(m_normals[index]);
    return MStatus::kSuccess;
}

MStatus CachedGeomNoiseWrapper::getUVs(MFloatArray& u, MFloatArray& v)
{
    u = m_uValues;
    v = m_vValues;
    return MStatus::kSuccess;
}
