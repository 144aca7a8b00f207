#include "geometry/NurbsCurveData.h"

#include "geometry/ControlNet.h"
#include "geometry/ControlPointSpace.h"
#include "geometry/PeriodicCVs.h"

#include <utility>

namespace kavo::host::geometry {

std::shared_ptr<graph::Data> NurbsCurveData::clone() const
{
    auto copy = std::make_shared<NurbsCurveData>();
    copyInto(*copy);
    copy->m_knots = m_knots;
    return copy;
}

MStatus NurbsCurveData::assign(NurbsKnots knots, std::vector<MPoint> cvs)
{
    const NurbsCurveShape candidate(knots, cvs);
    if (!candidate.isValid())
        return MStatus::kInvalidParameter;

    const double extent = controlNetExtent(cvs);
    for (int index = 0; index < knots.numCVs(); ++index) {
        const MPoint& leading = cvs[leadingCopyOf(knots, index)];
        if (!isSameCV(cvs[index], leading, extent))
            return MStatus::kInvalidParameter;
        cvs[index] = leading;
    }

    m_knots = std::move(knots);
    m_cvs.assign(std::move(cvs));
    m_shapes.clear();
    return MStatus::kSuccess;
}

void NurbsCurveData::setCV(int index, const MPoint& cv)
{
    std::vector<MPoint>& cvs = m_cvs.write();
    for (int copy : copiesOf(m_knots, index))
        cvs[copy] = cv;
    m_shapes.clear();
}

std::shared_ptr<const NurbsCurveShape> NurbsCurveData::shape(MSpace::Space space) const
{
    if (!hasCurve())
        return nullptr;
    return m_shapes.get(space, transform,
                        [this](const MMatrix& matrix) { return NurbsCurveShape(m_knots, transformedCVs(matrix)); });
}

} // namespace kavo::host::geometry
