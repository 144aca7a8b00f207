#include "NcurveGeomNoiseWrapper.h"

#include <maya/MFnNurbsCurve.h>

namespace {

// The parameter of CV `cvIndex` of `cvCount`: a periodic curve puts CV k at
// k + degree; any other curve spreads its CVs evenly over the length of the
// knot domain, from 0 (the domain's start is not added). A lone CV of a
// non-periodic curve has nothing to spread over and sits at 0.
double cvParameter(int cvIndex, int cvCount, int form, int degree, double range)
{
    if (form == MFnNurbsCurve::kPeriodic)
        return static_cast<double>(degree + cvIndex);
    if (cvCount <= 1)
        return 0.0;
    return static_cast<double>(cvIndex) / static_cast<double>(cvCount - 1) * range;
}

} // namespace

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
        const double t = cvParameter(i, m_numPoints, form, degree, end - start);
        m_normals.append(MFloatVector(curve.normal(t, MSpace::kObject)));
    }
    for (int i = 0; i < m_numPoints; ++i) {
        m_uValues.append(static_cast<float>(m_objectPoints[i].x));
        m_vValues.append(static_cast<float>(m_objectPoints[i].z));
    }
    return MStatus::kSuccess;
}
