#include "geometry/NurbsCurveShape.h"

#include "geometry/BSplineBasis.h"
#include "geometry/ControlNet.h"
#include "geometry/HomogeneousPoint.h"
#include "geometry/RationalDerivatives.h"

#include <cmath>
#include <utility>

namespace kavo::host::geometry {

namespace {

// A tangent shorter than this share of (extent / domain length), the size a
// tangent has when the curve crosses its control net once over the domain,
// counts as zero.
constexpr double kZeroTangent = 1e-10;

// Curvature times the control net's extent below this counts as straight:
// the bend of a curve whose radius of curvature is a hundred million times its
// own size, which is rounding, not shape.
constexpr double kStraight = 1e-8;

MVector unitOrthogonalTo(const MVector& unitTangent)
{
    const double ax = std::abs(unitTangent.x);
    const double ay = std::abs(unitTangent.y);
    const double az = std::abs(unitTangent.z);
    MVector axis = MVector::xAxis;
    if (ay < ax && ay <= az)
        axis = MVector::yAxis;
    else if (az < ax && az < ay)
        axis = MVector::zAxis;
    const MVector orthogonal = axis - unitTangent * (axis * unitTangent);
    return orthogonal / orthogonal.length();
}

} // namespace

NurbsCurveShape::NurbsCurveShape(NurbsKnots knots, std::vector<MPoint> cvs)
    : m_knots(std::move(knots))
    , m_cvs(std::move(cvs))
{
    m_valid = m_knots.isValid() && m_cvs.size() == static_cast<size_t>(m_knots.numCVs()) && hasUsableCVs(m_cvs);
    m_extent = controlNetExtent(m_cvs);
}

MStatus NurbsCurveShape::evaluate(double t, Sample& sample) const
{
    if (!m_valid)
        return MStatus::kFailure;
    if (!std::isfinite(t))
        return MStatus::kInvalidParameter;

    const BSplineBasis basis(m_knots, m_knots.toDomain(t));
    HomogeneousPoint sum[BSplineBasis::kMaxDerivative + 1];
    for (int k = 0; k < basis.count(); ++k) {
        const HomogeneousPoint cv = HomogeneousPoint::fromCV(m_cvs[basis.firstCV() + k]);
        for (int order = 0; order <= BSplineBasis::kMaxDerivative; ++order)
            sum[order].addScaled(cv, basis.value(k, order));
    }

    const MVector position = cartesianPosition(sum[0]);
    sample.position = MPoint(position);
    sample.firstDerivative = cartesianFirstDerivative(sum[0], sum[1], position);
    sample.secondDerivative = cartesianSecondDerivative(sum[0], sum[1], sum[2], position, sample.firstDerivative);
    return MStatus::kSuccess;
}

MStatus NurbsCurveShape::principalNormal(double t, MVector& normal) const
{
    Sample sample;
    const MStatus status = evaluate(t, sample);
    if (!status)
        return status;

    const double speed = sample.firstDerivative.length();
    if (speed * m_knots.domainLength() <= kZeroTangent * m_extent)
        return MStatus::kFailure;

    const MVector tangent = sample.firstDerivative / speed;
    const MVector bend = sample.secondDerivative - tangent * (sample.secondDerivative * tangent);
    const bool straight = bend.length() * m_extent <= kStraight * speed * speed;
    normal = straight ? unitOrthogonalTo(tangent) : bend / bend.length();
    return MStatus::kSuccess;
}

} // namespace kavo::host::geometry
