#include "geometry/NurbsSurfaceShape.h"

#include "geometry/BSplineBasis.h"
#include "geometry/ControlNet.h"
#include "geometry/HomogeneousPoint.h"
#include "geometry/RationalDerivatives.h"

#include <cmath>
#include <utility>

namespace kavo::host::geometry {

namespace {

// A cross product shorter than this share of the one a flat, unit-aspect
// patch spanning the control net over both domains would have counts as zero.
constexpr double kZeroCross = 1e-10;

} // namespace

NurbsSurfaceShape::NurbsSurfaceShape(NurbsKnots knotsU, NurbsKnots knotsV, std::vector<MPoint> cvs)
    : m_knotsU(std::move(knotsU))
    , m_knotsV(std::move(knotsV))
    , m_cvs(std::move(cvs))
{
    const size_t expectedCVs = static_cast<size_t>(m_knotsU.numCVs()) * static_cast<size_t>(m_knotsV.numCVs());
    m_valid = m_knotsU.isValid() && m_knotsV.isValid() && m_cvs.size() == expectedCVs && hasUsableCVs(m_cvs);
    m_extent = controlNetExtent(m_cvs);
}

MStatus NurbsSurfaceShape::evaluate(double u, double v, Sample& sample) const
{
    if (!m_valid)
        return MStatus::kFailure;
    if (!std::isfinite(u) || !std::isfinite(v))
        return MStatus::kInvalidParameter;

    const BSplineBasis basisU(m_knotsU, m_knotsU.toDomain(u));
    const BSplineBasis basisV(m_knotsV, m_knotsV.toDomain(v));
    HomogeneousPoint sum;
    HomogeneousPoint sumU;
    HomogeneousPoint sumV;
    for (int a = 0; a < basisU.count(); ++a) {
        // Sum along V first: the row's point and its V derivative.
        HomogeneousPoint row;
        HomogeneousPoint rowV;
        for (int b = 0; b < basisV.count(); ++b) {
            const HomogeneousPoint p = HomogeneousPoint::fromCV(cv(basisU.firstCV() + a, basisV.firstCV() + b));
            row.addScaled(p, basisV.value(b, 0));
            rowV.addScaled(p, basisV.value(b, 1));
        }
        sum.addScaled(row, basisU.value(a, 0));
        sumU.addScaled(row, basisU.value(a, 1));
        sumV.addScaled(rowV, basisU.value(a, 0));
    }

    const MVector position = cartesianPosition(sum);
    sample.position = MPoint(position);
    sample.derivativeU = cartesianFirstDerivative(sum, sumU, position);
    sample.derivativeV = cartesianFirstDerivative(sum, sumV, position);
    return MStatus::kSuccess;
}

MStatus NurbsSurfaceShape::normal(double u, double v, MVector& normal) const
{
    Sample sample;
    const MStatus status = evaluate(u, v, sample);
    if (!status)
        return status;

    const MVector cross = sample.derivativeU ^ sample.derivativeV;
    const double crossScale = m_knotsU.domainLength() * m_knotsV.domainLength();
    const double length = cross.length();
    if (length * crossScale <= kZeroCross * m_extent * m_extent)
        return MStatus::kFailure;
    normal = cross / length;
    return MStatus::kSuccess;
}

} // namespace kavo::host::geometry
