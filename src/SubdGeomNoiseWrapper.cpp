#include "SubdGeomNoiseWrapper.h"

#include "MAYA_General.h"

#include <maya/MFnSubd.h>

#include <algorithm>

SubdGeomNoiseWrapper::SubdGeomNoiseWrapper() = default;

SubdGeomNoiseWrapper::~SubdGeomNoiseWrapper() = default;

MStatus SubdGeomNoiseWrapper::setGeometry(MObject& geometry, MDataHandle&, MSpace::Space)
{
    MFnSubd subd(geometry);

    m_normals.clear();
    m_uValues.clear();
    m_vValues.clear();

    MStatus status = subd.vertexBaseMeshGet(m_objectPoints, MSpace::kObject);
    KAVO_CHECK_MSTATUS(status);
    m_numPoints = static_cast<int>(m_objectPoints.length());
    status = subd.vertexBaseMeshGet(m_worldPoints, MSpace::kWorld);
    KAVO_CHECK_MSTATUS(status);

    const unsigned int baseVertexCount = subd.vertexCount(0, &status);
    KAVO_CHECK_MSTATUS(status);

    // A vertex whose normal the host cannot give keeps the zero vector.
    for (unsigned int i = 0; i < baseVertexCount; ++i) {
        const MUint64 vertexId = subd.vertexIdFromBaseVertexIndex(static_cast<int>(i), &status);
        KAVO_CHECK_MSTATUS(status);
        MVector normal = MVector::zero;
        subd.vertexNormal(vertexId, normal);
        m_normals.append(MFloatVector(normal));
    }

    // Only the base points actually returned have a position to project.
    const unsigned int projectedCount = std::min(baseVertexCount, m_objectPoints.length());
    for (unsigned int i = 0; i < projectedCount; ++i) {
        m_uValues.append(static_cast<float>(m_objectPoints[i].x));
        m_vValues.append(static_cast<float>(m_objectPoints[i].z));
    }
    return MStatus::kSuccess;
}
