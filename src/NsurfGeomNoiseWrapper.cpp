#include "NsurfGeomNoiseWrapper.h"

#include "MAYA_General.h"

#include <maya/MFnNurbsSurface.h>

NsurfGeomNoiseWrapper::NsurfGeomNoiseWrapper()
    : m_numCVsInU(0)
    , m_numCVsInV(0)
    , m_rangeU(0.0)
    , m_rangeV(0.0)
    , m_formInU(0)
    , m_formInV(0)
    , m_degreeU(0)
    , m_degreeV(0)
{
}

NsurfGeomNoiseWrapper::~NsurfGeomNoiseWrapper() = default;

MStatus NsurfGeomNoiseWrapper::setGeometry(MObject& geometry, MDataHandle&, MSpace::Space space)
{
    MStatus status;
    MFnNurbsSurface surface(geometry);

    m_numCVsInU = surface.numCVsInU(&status);
    KAVO_CHECK_MSTATUS(status);
    m_numCVsInV = surface.numCVsInV(&status);
    KAVO_CHECK_MSTATUS(status);
    m_numPoints = m_numCVsInU * m_numCVsInV;

    double startU = 0.0, endU = 0.0, startV = 0.0, endV = 0.0;
    status = surface.getKnotDomain(startU, endU, startV, endV);
    KAVO_CHECK_MSTATUS(status);
    m_rangeU = endU - startU;
    m_rangeV = endV - startV;

    m_formInU = surface.formInU(&status);
    KAVO_CHECK_MSTATUS(status);
    m_formInV = surface.formInV(&status);
    KAVO_CHECK_MSTATUS(status);

    m_degreeU = surface.degreeU(&status);
    KAVO_CHECK_MSTATUS(status);
    m_degreeV = surface.degreeV(&status);
    KAVO_CHECK_MSTATUS(status);

    m_normals.clear();
    m_uValues.clear();
    m_vValues.clear();

    surface.getCVs(m_objectPoints, MSpace::kObject);
    surface.getCVs(m_worldPoints, MSpace::kWorld);

    const int count = numPoints(status);
    for (int i = 0; i < count; ++i) {
        const double u = getParamInU(i);
        const double v = getParamInV(i);
        m_uValues.append(static_cast<float>(u));
        m_vValues.append(static_cast<float>(v));

        // Where the surface has no normal (a pole, say) the CV keeps the zero
        // vector and the deform pass moves it along none.
        MVector normal = surface.normal(u, v, space, &status);
        if (status != MStatus::kSuccess) {
            normal = MVector::zero;
            status = MStatus::kSuccess;
        }
        m_normals.append(MFloatVector(normal));
    }
    return MStatus::kSuccess;
}

// CV index i lies in row i / numCVsInV (its U index) and column
// i mod numCVsInV (its V index). Without CVs in V there is no row to find.
double NsurfGeomNoiseWrapper::getParamInU(int index)
{
    if (m_numCVsInV <= 0)
        return 0.0;
    return cvParameter(index / m_numCVsInV, m_numCVsInU, m_formInU == MFnNurbsSurface::kPeriodic, m_degreeU, m_rangeU);
}

double NsurfGeomNoiseWrapper::getParamInV(int index)
{
    if (m_numCVsInV <= 0)
        return 0.0;
    return cvParameter(index % m_numCVsInV, m_numCVsInV, m_formInV == MFnNurbsSurface::kPeriodic, m_degreeV, m_rangeV);
}
