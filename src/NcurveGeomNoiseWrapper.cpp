#include "NcurveGeomNoiseWrapper.h"

#include <maya/MFnNurbsCurve.h>

NcurveGeomNoiseWrapper::NcurveGeomNoiseWrapper() = default;

NcurveGeomNoiseWrapper::~NcurveGeomNoiseWrapper() = default;

MStatus NcurveGeomNoiseWrapper::setGeometry(MObject& geometry, MDataHandle&, MSpace::Space)
{
    MFnNurbsCurve curve(geometry);

    m_normals.clear();
    m_uValues.clear();
    m_vValues.clear();

    curve.getCVs(m_objectPoints, MSpace::kObject);
    curve.getCVs(m_worldPoints, MSpace::kWorld);

    const int degree = curve.degree();
    const int form = curve.form();
    m_numPoints = static_cast<int>(m_objectPoints.length());

    double start = 0.0, end = 0.0;
    curve.getKnotDomain(start, end);

    for (int i = 0; i < m_numPoints; ++i) {
        const double t = cvParameter(i, m_numPoints, form == MFnNurbsCurve::kPeriodic, degree, end - start);
        m_normals.append(MFloatVector(curve.normal(t, MSpace::kObject)));
    }
    for (int i = 0; i < m_numPoints; ++i) {
        m_uValues.append(static_cast<float>(m_objectPoints[i].x));
        m_vValues.append(static_cast<float>(m_objectPoints[i].z));
    }
    return MStatus::kSuccess;
}
