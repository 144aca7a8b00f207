#include "geometry/NurbsCurveData.h"

#include "geometry/ControlNet.h"
#include "geometry/ControlPointSpace.h"
#include "geometry/PeriodicCVs.h"

#include <utility>

namespace kavo::host::geometry {

bool NurbsCurveData::hasFn(MFn::Type type) const
{
    return type == MFn::kData || GeometryData::hasFn(type);
}

std::shared_ptr<graph::Data> NurbsCurveData::clone() const
{
    auto copy = std::make_shared<NurbsCurveData>();
    // The transform and the object groups.
    static_cast<GeometryData&>(*copy) = *this;
    copy->m_knots = m_knots;
    copy->m_cvs = m_cvs;
    return copy;
}

MPoint NurbsCurveData::point(unsigned int index) const
{
    const MPoint& cv = m_cvs.read()[index];
    return MPoint(cv.x, cv.y, cv.z);
}

void NurbsCurveData::setPoint(unsigned int index, const MPoint& position)
{
    if (!isRepeat(static_cast<int>(index)))
        setCV(static_cast<int>(index), MPoint(position.x, position.y, position.z, m_cvs.read()[index].w));
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
    return m_shapes.get(space, transform, [this](const MMatrix& matrix) {
        std::vector<MPoint> moved;
        moved.reserve(m_cvs.read().size());
        for (const MPoint& cv : m_cvs.read())
            moved.push_back(transformedCV(cv, matrix));
        return NurbsCurveShape(m_knots, std::move(moved));
    });
}

} // namespace kavo::host::geometry
