#include "CachePoints.h"

#include "geometry/GeometryData.h"
#include "graph/Object.h"

#include <maya/MFnMesh.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnSubd.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MPointArray.h>
#include <maya/MVectorArray.h>

namespace kavo::app {

namespace {

// Where a CV index of a direction with `count` CVs lands among its distinct
// CVs: a periodic direction's last `degree` CVs repeat its first ones.
int distinctIndex(int index, int count, int degree, bool periodic)
{
    return periodic ? index % (count - degree) : index;
}

// The positions as the OBJ and PLY writers read them, every point of the
// geometry in the host's order.
bool readPoints(const MObject& data, GeometryKind kind, MPointArray& points)
{
    MStatus status;
    switch (kind) {
    case GeometryKind::Mesh: {
        MFnMesh mesh(data, &status);
        return status && mesh.getPoints(points);
    }
    case GeometryKind::Subdivision: {
        MFnSubd subdivision(data, &status);
        return status && subdivision.vertexBaseMeshGet(points);
    }
    case GeometryKind::NurbsSurface: {
        MFnNurbsSurface surface(data, &status);
        return status && surface.getCVs(points);
    }
    case GeometryKind::NurbsCurve: {
        MFnNurbsCurve curve(data, &status);
        return status && curve.getCVs(points);
    }
    case GeometryKind::Particles: break;
    }
    MFnVectorArrayData particles(data, &status);
    MVectorArray positions;
    if (!status || !particles.copyTo(positions))
        return false;
    points.setLength(positions.length());
    for (unsigned int k = 0; k < positions.length(); ++k)
        points[k] = MPoint(positions[k].x, positions[k].y, positions[k].z);
    return true;
}

} // namespace

CachePoints::CachePoints(const InputGeometry& input) : m_kind(input.kind)
{
    MStatus status;
    if (m_kind == GeometryKind::NurbsCurve) {
        MFnNurbsCurve curve(input.data, &status);
        const int count = curve.numCVs();
        const bool periodic = curve.form() == MFnNurbsCurve::kPeriodic;
        for (int k = 0; k < count; ++k)
            m_cachedIndex.push_back(static_cast<unsigned int>(distinctIndex(k, count, curve.degree(), periodic)));
    } else if (m_kind == GeometryKind::NurbsSurface) {
        MFnNurbsSurface surface(input.data, &status);
        const int countU = surface.numCVsInU();
        const int countV = surface.numCVsInV();
        const bool periodicU = surface.formInU() == MFnNurbsSurface::kPeriodic;
        const bool periodicV = surface.formInV() == MFnNurbsSurface::kPeriodic;
        const int distinctV = periodicV ? countV - surface.degreeV() : countV;
        for (int u = 0; u < countU; ++u)
            for (int v = 0; v < countV; ++v)
                m_cachedIndex.push_back(
                    static_cast<unsigned int>(distinctIndex(u, countU, surface.degreeU(), periodicU) * distinctV +
                                              distinctIndex(v, countV, surface.degreeV(), periodicV)));
    }
    if (m_cachedIndex.empty()) {
        // Every point is cached: their number is all there is to know.
        const auto geometry = host::graph::objectAs<host::geometry::GeometryData>(input.data);
        m_count = geometry ? geometry->pointCount() : 0;
        return;
    }
    // The first point of each cached index comes first in the host's order
    // too, so the cache's points are those seen for the first time.
    for (unsigned int k = 0; k < m_cachedIndex.size(); ++k)
        if (m_cachedIndex[k] == m_picked.size())
            m_picked.push_back(k);
    m_count = static_cast<unsigned int>(m_picked.size());
    MPointArray cvs;
    if (!readPoints(input.data, m_kind, cvs))
        return;
    bool rational = false;
    for (unsigned int k = 0; k < cvs.length(); ++k)
        rational = rational || cvs[k].w != 1.0;
    for (unsigned int k = 0; k < cvs.length() && rational; ++k)
        m_weights.push_back(cvs[k].w);
}

FramePoints CachePoints::view(const MObject& data, MPointArray& copy) const
{
    FramePoints points;
    const unsigned int total = m_cachedIndex.empty() ? m_count : static_cast<unsigned int>(m_cachedIndex.size());
    const auto geometry = host::graph::objectAs<host::geometry::GeometryData>(data);
    if (m_kind == GeometryKind::Mesh && geometry && geometry->pointCount() == total && geometry->storedPoints())
        points.stored = geometry->storedPoints();
    else if (readPoints(data, m_kind, copy) && copy.length() == total)
        points.copied = &copy;
    else
        return points;
    points.picked = m_picked.empty() ? nullptr : &m_picked;
    points.count = m_count;
    return points;
}

std::vector<MPoint> CachePoints::scatter(const std::vector<double>& xyz) const
{
    const unsigned int total = m_cachedIndex.empty() ? m_count : static_cast<unsigned int>(m_cachedIndex.size());
    std::vector<MPoint> points(total);
    for (unsigned int k = 0; k < total; ++k) {
        const size_t at = 3 * size_t(m_cachedIndex.empty() ? k : m_cachedIndex[k]);
        points[k] = MPoint(xyz[at], xyz[at + 1], xyz[at + 2], m_weights.empty() ? 1.0 : m_weights[k]);
    }
    return points;
}

} // namespace kavo::app
