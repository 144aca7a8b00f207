#include "NurbsPrimitives.h"

#include "EmptyData.h"

#include <maya/MDoubleArray.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsCurveData.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MPointArray.h>

#include <cmath>

namespace kavo::app {

namespace {

constexpr unsigned int kDegree = 3;
constexpr double kPi = 3.14159265358979323846;

// Uniform knots clamped at both ends, so the curve starts and ends on its
// end CVs: 0 0 0 1 2 ... spans spans spans.
MDoubleArray clampedKnots(int cvs)
{
    const int spans = cvs - static_cast<int>(kDegree);
    MDoubleArray knots;
    for (unsigned int k = 0; k < kDegree; ++k)
        knots.append(0.0);
    for (int k = 1; k < spans; ++k)
        knots.append(k);
    for (unsigned int k = 0; k < kDegree; ++k)
        knots.append(spans);
    return knots;
}

// Uniform knots of a periodic direction with `distinct` CVs before the
// repeats: -2 -1 0 1 ... distinct + 2, whose domain is [0, distinct].
MDoubleArray periodicKnots(int distinct)
{
    MDoubleArray knots;
    for (int k = 0; k < distinct + static_cast<int>(2 * kDegree) - 1; ++k)
        knots.append(k - static_cast<int>(kDegree) + 1);
    return knots;
}

// A cubic surface, open in V, in new data; the null object when the host
// refuses it.
MObject cubicSurface(const MPointArray& cvs, const MDoubleArray& knotsU, const MDoubleArray& knotsV,
                     MFnNurbsSurface::Form formU, MStatus& status)
{
    MObject data = emptyData<MFnNurbsSurfaceData>(status);
    if (!status)
        return MObject();
    MFnNurbsSurface surface;
    surface.create(cvs, knotsU, knotsV, kDegree, kDegree, formU, MFnNurbsSurface::kOpen, false, data, &status);
    return status ? data : MObject();
}

} // namespace

MObject NurbsPrimitives::plane(int cvsU, int cvsV, MStatus& status)
{
    MPointArray cvs;
    for (int u = 0; u < cvsU; ++u)
        for (int v = 0; v < cvsV; ++v)
            cvs.append(MPoint(-1.0 + 2.0 * u / (cvsU - 1), 0.0, 1.0 - 2.0 * v / (cvsV - 1)));
    return cubicSurface(cvs, clampedKnots(cvsU), clampedKnots(cvsV), MFnNurbsSurface::kOpen, status);
}

MObject NurbsPrimitives::sphere(int sectors, int rows, MStatus& status)
{
    // U runs around Y and V from the south pole up to the north pole, so
    // dP/du x dP/dv points outward.
    MPointArray cvs;
    for (int u = 0; u < sectors + static_cast<int>(kDegree); ++u) {
        const double azimuth = 2.0 * kPi * (u % sectors) / sectors;
        for (int v = 0; v < rows; ++v) {
            const double polar = kPi * (1.0 - static_cast<double>(v) / (rows - 1));
            cvs.append(
                MPoint(std::sin(polar) * std::cos(azimuth), std::cos(polar), -std::sin(polar) * std::sin(azimuth)));
        }
    }
    return cubicSurface(cvs, periodicKnots(sectors), clampedKnots(rows), MFnNurbsSurface::kPeriodic, status);
}

MObject NurbsPrimitives::helix(int cvCount, MStatus& status)
{
    constexpr double kTurns = 3.0;
    MPointArray cvs;
    for (int k = 0; k < cvCount; ++k) {
        const double along = static_cast<double>(k) / (cvCount - 1);
        const double angle = 2.0 * kPi * kTurns * along;
        cvs.append(MPoint(std::cos(angle), -1.0 + 2.0 * along, -std::sin(angle)));
    }
    MObject data = emptyData<MFnNurbsCurveData>(status);
    if (!status)
        return MObject();
    MFnNurbsCurve curve;
    curve.create(cvs, clampedKnots(cvCount), kDegree, MFnNurbsCurve::kOpen, false, false, data, &status);
    return status ? data : MObject();
}

} // namespace kavo::app
